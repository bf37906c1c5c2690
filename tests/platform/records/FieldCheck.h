#pragma once
// Checks that a field descriptor writes exactly the bytes at the expected place of its record and
// leaves every other byte alone. The record starts filled with kFill so that a stray write shows.

#include "platform/records/ByteRecord.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace hb::records::test {

inline constexpr std::uint8_t kFill = 0xA5;

template <class R>
R Filled() {
    R record;
    std::ranges::fill(record.bytes(), kFill);
    return record;
}

// Every byte outside [offset, offset + expected.size()) is kFill; inside it equals `expected`.
template <class R>
void ExpectBytes(const R& record, std::size_t offset, const std::vector<std::uint8_t>& expected) {
    ASSERT_LE(offset + expected.size(), R::kSize);
    for (std::size_t i = 0; i < R::kSize; ++i) {
        const bool inside = i >= offset && i < offset + expected.size();
        const std::uint8_t want = inside ? expected[i - offset] : kFill;
        ASSERT_EQ(record.bytes()[i], want) << "byte " << i;
    }
}

// Distinct bytes 0x11, 0x22, ... in record order.
inline std::vector<std::uint8_t> Pattern(std::size_t width) {
    std::vector<std::uint8_t> bytes(width);
    for (std::size_t i = 0; i < width; ++i) {
        bytes[i] = static_cast<std::uint8_t>(0x11 * (i % 15 + 1));
    }
    return bytes;
}

template <class T>
T ValueOf(const std::vector<std::uint8_t>& bytes) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        value |= std::uint64_t{bytes[i]} << (8 * i);
    }
    return static_cast<T>(value);
}

template <class R, class T, std::size_t O>
void ExpectField(Field<T, O> field, std::size_t offset, std::size_t width) {
    ASSERT_EQ(sizeof(T), width);
    const auto bytes = Pattern(width);
    R record = Filled<R>();
    record.set(field, ValueOf<T>(bytes));
    ExpectBytes(record, offset, bytes);
    EXPECT_EQ(record.get(field), ValueOf<T>(bytes));
}

// Writes the last element, which lies at offset + (count - 1) * element width.
template <class R, class T, std::size_t O, std::size_t C>
void ExpectField(ArrayField<T, O, C> field, std::size_t offset, std::size_t count) {
    ASSERT_EQ(C, count);
    const auto bytes = Pattern(sizeof(T));
    R record = Filled<R>();
    record.set(field, count - 1, ValueOf<T>(bytes));
    ExpectBytes(record, offset + (count - 1) * sizeof(T), bytes);
    EXPECT_EQ(record.get(field, count - 1), ValueOf<T>(bytes));
}

// "Q" written into a field of `width` bytes.
inline std::vector<std::uint8_t> PaddedText(std::size_t width, TextPad pad) {
    std::vector<std::uint8_t> bytes(width, pad == TextPad::Blank ? ' ' : 0);
    bytes[0] = 'Q';
    return bytes;
}

// A short text shows where the field lies, how wide it is and how it is padded; a text of the full
// width shows whether the field keeps a terminator.
template <class R, std::size_t O, std::size_t W, TextPad P>
void ExpectField(TextField<O, W, P> field, std::size_t offset, std::size_t width, TextPad pad) {
    ASSERT_EQ(P, pad);
    R record = Filled<R>();
    record.setText(field, "Q");
    ExpectBytes(record, offset, PaddedText(width, pad));
    record.setText(field, std::string(width, 'W'));
    const std::size_t kept = pad == TextPad::Terminated ? width - 1 : width;
    EXPECT_EQ(record.text(field), std::string(kept, 'W'));
}

template <class R, std::size_t O, std::size_t W, std::size_t C, TextPad P>
void ExpectField(TextArrayField<O, W, C, P> field, std::size_t offset, std::size_t width,
                 std::size_t count, TextPad pad) {
    ASSERT_EQ(C, count);
    ASSERT_EQ(P, pad);
    R record = Filled<R>();
    record.setText(field, count - 1, "Q");
    ExpectBytes(record, offset + (count - 1) * width, PaddedText(width, pad));
}

template <class R, class Inner, std::size_t O>
void ExpectField(RecordField<Inner, O> field, std::size_t offset) {
    const auto bytes = Pattern(Inner::kSize);
    Inner inner;
    std::ranges::copy(bytes, inner.bytes().begin());
    R record = Filled<R>();
    record.set(field, inner);
    ExpectBytes(record, offset, bytes);
    EXPECT_EQ(record.get(field), inner);
}

template <class R, class Inner, std::size_t O, std::size_t C>
void ExpectField(RecordArrayField<Inner, O, C> field, std::size_t offset, std::size_t count) {
    ASSERT_EQ(C, count);
    const auto bytes = Pattern(Inner::kSize);
    Inner inner;
    std::ranges::copy(bytes, inner.bytes().begin());
    R record = Filled<R>();
    record.set(field, count - 1, inner);
    ExpectBytes(record, offset + (count - 1) * Inner::kSize, bytes);
    EXPECT_EQ(record.get(field, count - 1), inner);
}

} // namespace hb::records::test
