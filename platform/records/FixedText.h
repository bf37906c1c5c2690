#pragma once
// Fixed-width text fields inside byte records. Such a field may be full to its width with no NUL,
// so readers stop at the width, and writers never write past it.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace hb::records {

// The text of the field at [offset, offset + width): up to the first NUL or the width.
std::string ReadFixedText(std::span<const std::uint8_t> bytes, std::size_t offset,
                          std::size_t width);

// Writes the text (cut at the width, and at a NUL inside it) and fills the rest of the field with
// `pad`, a blank or a NUL.
void WriteFixedText(std::span<std::uint8_t> bytes, std::size_t offset, std::size_t width,
                    std::string_view text, char pad);

// Writes at most width - 1 characters, then fills the rest of the field with NULs, so the field
// always holds a terminated text.
void WriteZText(std::span<std::uint8_t> bytes, std::size_t offset, std::size_t width,
                std::string_view text);

} // namespace hb::records
