#pragma once
// Widths of the fixed text fields that cross module boundaries. They are read bounded by these
// widths and written padded, never beyond them.

#include <cstddef>

namespace hb::records {

inline constexpr std::size_t kParmNameWidth = 16;       // blank-padded channel name
inline constexpr std::size_t kDeviceTextLineWidth = 16; // trunk radio text lines
inline constexpr std::size_t kDisplayLineWidth = 32;    // lines of the radio's display image
inline constexpr std::size_t kEngineTextWidth = 16;     // radio texts of both status records
inline constexpr std::size_t kDalNameWidth = 50;        // at most 49 characters and a NUL
inline constexpr std::size_t kDalRadioNameWidth = 20;   // at most 19 characters and a NUL
inline constexpr std::size_t kHistoryNameWidth = 16;
inline constexpr std::size_t kDtmfTextWidth = 16;
inline constexpr std::size_t kTagWidth = 16; // ID-list tags
inline constexpr std::size_t kPortNameWidth = 8;
inline constexpr std::size_t kFipsTextWidth = 150;
inline constexpr std::size_t kFipsCodeWidth = 6;    // characters per FIPS slot
inline constexpr std::size_t kReplyTextWidth = 512; // RX and TX texts
inline constexpr std::size_t kMaxCommandLength = kReplyTextWidth - 1;

} // namespace hb::records
