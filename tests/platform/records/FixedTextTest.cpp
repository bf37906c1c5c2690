// Fixed-width texts: readers stop at the width even without a NUL, writers never pass the field.

#include "platform/records/FixedText.h"

#include "platform/records/Parm.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

using namespace hb::records;

namespace {

// A 4-byte field at offset 2 inside a buffer of 0xAA guards.
std::array<std::uint8_t, 8> Guarded() {
    std::array<std::uint8_t, 8> bytes;
    bytes.fill(0xAA);
    return bytes;
}

std::string Bytes(const std::array<std::uint8_t, 8>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

} // namespace

TEST(FixedText, ReadStopsAtTheWidthOrAtANul) {
    const std::array<std::uint8_t, 8> full = {'x', 'A', 'B', 'C', 'D', 'E', 'F', 'y'};
    EXPECT_EQ(ReadFixedText(full, 1, 4), "ABCD");
    const std::array<std::uint8_t, 8> shorter = {'x', 'A', 0, 'C', 'D', 'E', 'F', 'y'};
    EXPECT_EQ(ReadFixedText(shorter, 1, 4), "A");
    EXPECT_EQ(ReadFixedText(shorter, 2, 4), "");
    EXPECT_EQ(ReadFixedText(full, 7, 1), "y");
}

TEST(FixedText, WritersPadAndNeverPassTheField) {
    auto bytes = Guarded();
    WriteFixedText(bytes, 2, 4, "AB", ' ');
    EXPECT_EQ(Bytes(bytes), std::string("\xAA\xAA"
                                        "AB  \xAA\xAA"));

    bytes = Guarded();
    WriteFixedText(bytes, 2, 4, "ABCDEFG", '\0');
    EXPECT_EQ(Bytes(bytes), std::string("\xAA\xAA"
                                        "ABCD\xAA\xAA"));

    bytes = Guarded();
    WriteFixedText(bytes, 2, 4, std::string_view("A\0C", 3), ' ');
    EXPECT_EQ(Bytes(bytes), std::string("\xAA\xAA"
                                        "A   \xAA\xAA"));
}

TEST(FixedText, ZTextAlwaysEndsInANul) {
    auto bytes = Guarded();
    WriteZText(bytes, 2, 4, "ABCDEFG");
    EXPECT_EQ(Bytes(bytes), std::string("\xAA\xAA"
                                        "ABC\0\xAA\xAA",
                                        8));

    bytes = Guarded();
    WriteZText(bytes, 2, 4, "A");
    EXPECT_EQ(Bytes(bytes), std::string("\xAA\xAA"
                                        "A\0\0\0\xAA\xAA",
                                        8));
}

TEST(FixedText, FieldOutsideTheBufferStops) {
    std::array<std::uint8_t, 8> bytes{};
    EXPECT_DEATH(ReadFixedText(bytes, 6, 4), "text field end");
    EXPECT_DEATH(WriteZText(bytes, 9, 0, "A"), "text field end");
}

TEST(FixedText, BlankPaddedAndZeroPaddedNamesDiffer) {
    Parm padded;
    padded.setText(Parm::kName, "Tower");
    EXPECT_EQ(padded.text(Parm::kName), "Tower           ");

    // The same name followed by zero bytes is a different record.
    Parm zeroed;
    std::ranges::copy(std::string_view("Tower"), zeroed.view(Parm::kName).begin());
    EXPECT_EQ(zeroed.text(Parm::kName), "Tower");
    EXPECT_NE(padded, zeroed);
}
