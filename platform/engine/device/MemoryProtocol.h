#pragma once
// Our line protocol for memory radios: one line per request, fields of fixed width.
//   MR <memory>      read a memory: the request's whole record; the radio answers MM <record>
//   MW <record>      write a memory; the radio answers OK
//   BR <bank>        read a bank's name; the radio answers BN <bank> <name>
//   BW <bank> <name> write a bank's name; the radio answers OK
//   PU EU PD ED      before and after an upload (Radio to PC) and a download (PC to Radio)
// A record is: memory (5 digits), frequency in Hz (10), step in Hz (8), mode (3), attenuator (1),
// lock-out (1), tone (5), delay (sign and 5 digits) and the 16-character name, blank-separated.

#include "platform/records/Parm.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hb::engine::memory {

inline constexpr std::string_view kRead = "MR";
inline constexpr std::string_view kWrite = "MW";
inline constexpr std::string_view kMemory = "MM";
inline constexpr std::string_view kBankRead = "BR";
inline constexpr std::string_view kBankWrite = "BW";
inline constexpr std::string_view kBankName = "BN";
inline constexpr std::string_view kPreUpload = "PU";
inline constexpr std::string_view kPostUpload = "EU";
inline constexpr std::string_view kPreDownload = "PD";
inline constexpr std::string_view kPostDownload = "ED";
inline constexpr std::string_view kAccepted = "OK";

// Lines without their carriage return.
std::string RecordLine(std::string_view word, const hb::records::Parm& record);
// The record of a line that is exactly `word` and a well-formed record; none otherwise.
std::optional<hb::records::Parm> ParseRecordLine(std::string_view word, std::string_view line);

struct BankName {
    std::uint16_t bank = 0;
    std::string name; // 16 characters, blank-padded
};

std::string BankLine(std::string_view word, std::uint16_t bank);
std::string BankLine(std::string_view word, const BankName& bank);
std::optional<std::uint16_t> ParseBankLine(std::string_view word, std::string_view line);
std::optional<BankName> ParseBankNameLine(std::string_view word, std::string_view line);

} // namespace hb::engine::memory
