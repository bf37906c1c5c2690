#pragma once
// The scanning-file format of scan lists (.sws), groups (.swg), channels (.swc) and search ranges
// (.swr): one root object in a versioned, tagged container. Integers are little-endian.
//
//   offset 0    "HBSCAN"       6 bytes, the magic
//   offset 6    u16 version    kScanFileVersion; a file of a later version is refused
//   offset 8    root item      the root object
//   end - 4     u32 checksum   CRC-32 (the reflected 0xEDB88320 polynomial, as zlib) of every
//                              byte before it
//
// An item is a u32 tag, a u32 length and `length` bytes. An object is an item whose tag is its
// kind tag (53530002, ...) and whose bytes are further items, in list order: fields (tags below
// 0x10000, numbered by each object class), typed records (tag 110: u32 record tag, u32 key, then
// the data) and child objects, nested the same way. Readers skip items with tags they do not know,
// so a file that a later program wrote with added items stays readable. A file that is cut short,
// fails its checksum or is not a scanning file at all is refused as a whole; a typed record of a
// fixed size stored at another size is replaced by a fresh one, and the read says so.

#include "platform/tessary/model/Object.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace hb::tessary {

inline constexpr std::uint16_t kScanFileVersion = 1;

struct ScanFileRead {
    std::unique_ptr<Object> root; // null on failure
    std::string error;            // why, when root is null
    // Set when the file was read although part of it was damaged and has been replaced: names
    // the file and what was replaced. The file itself is left as it is until it is saved.
    std::string repaired;
};

// The file's bytes as read from disk; `name` names the file in the error text.
ScanFileRead ParseScanFile(std::span<const std::uint8_t> bytes, const std::string& name);
ScanFileRead ReadScanFile(const std::string& path);

std::string EncodeScanFile(const Object& root);
// Writes atomically: on failure the old file is untouched. Empty on success, else the error.
std::string WriteScanFile(const std::string& path, const Object& root);

std::uint32_t Crc32(std::span<const std::uint8_t> bytes);

// A file name completed in the documents folder; absolute paths stay as they are.
std::string DocumentPath(const std::string& name);

} // namespace hb::tessary
