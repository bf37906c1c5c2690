#include "platform/records/FixedText.h"

#include "platform/records/RecordBounds.h"

#include <algorithm>

namespace hb::records {

namespace {

void RequireField(std::size_t available, std::size_t offset, std::size_t width) {
    if (offset > available || width > available - offset) {
        FailRecordBounds("text field end", offset + width, available);
    }
}

std::string_view UpToNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

void Write(std::span<std::uint8_t> bytes, std::size_t offset, std::size_t width,
           std::string_view text, std::size_t room, char pad) {
    RequireField(bytes.size(), offset, width);
    const std::string_view kept = UpToNul(text).substr(0, room);
    const auto field = bytes.subspan(offset, width);
    std::ranges::copy(kept, field.begin());
    std::ranges::fill(field.subspan(kept.size()), static_cast<std::uint8_t>(pad));
}

} // namespace

std::string ReadFixedText(std::span<const std::uint8_t> bytes, std::size_t offset,
                          std::size_t width) {
    RequireField(bytes.size(), offset, width);
    const auto field = bytes.subspan(offset, width);
    const auto end = std::ranges::find(field, std::uint8_t{0});
    return std::string(field.begin(), end);
}

void WriteFixedText(std::span<std::uint8_t> bytes, std::size_t offset, std::size_t width,
                    std::string_view text, char pad) {
    Write(bytes, offset, width, text, width, pad);
}

void WriteZText(std::span<std::uint8_t> bytes, std::size_t offset, std::size_t width,
                std::string_view text) {
    Write(bytes, offset, width, text, width == 0 ? 0 : width - 1, '\0');
}

} // namespace hb::records
