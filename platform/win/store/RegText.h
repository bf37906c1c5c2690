#pragma once
// The text form of one registry root, as kept in its settings file and used by Seed and Dump:
//
//   HalbridgeRegistry 1
//   [Software\Corvanta\Halbridge Pro]
//   "Name"=sz:"escaped text"
//   "Count"=dword:0000000a
//   @=hex:01,02,ff
//   End
//
// Every key has its own line, empty keys too; "@" is the default value; REG_NONE is "none:" with
// the same byte list as "hex:". The end line tells a complete file from a truncated one.

#include "platform/win/store/RegKey.h"

#include <string>
#include <string_view>

namespace hb::win {

std::string FormatRegistry(const RegKey& root);

// Adds the keys and values of `text` to `root`. A damaged text changes nothing and returns false,
// with the line and the reason in `error`.
bool ParseRegistry(std::string_view text, RegKey& root, std::string& error);

// A string value as stored: up to its first NUL, with exactly one terminating NUL.
std::vector<BYTE> StringValueBytes(const BYTE* data, std::size_t size);

} // namespace hb::win
