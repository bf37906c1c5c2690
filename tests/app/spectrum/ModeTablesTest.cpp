#include "spectrum/ModeTables.h"

#include <gtest/gtest.h>

using namespace hb::spectrum;

TEST(ModeTables, EachTableNamesSixteenCodesAndNothingPast) {
    EXPECT_EQ(ModeName(kFirstModeNames, 0), "FM");
    EXPECT_EQ(ModeName(kFirstModeNames, 6), "RTTY");
    EXPECT_EQ(ModeName(kFirstModeNames, 15), "CW-N");
    EXPECT_EQ(ModeName(kSecondModeNames, 6), "FSK");
    EXPECT_EQ(ModeName(kSecondModeNames, 15), "LOG");
    for (const std::uint32_t code : {16U, 17U, 31U, 255U, 0xFFFFFFFFU}) {
        EXPECT_TRUE(ModeName(kFirstModeNames, code).empty()) << code;
        EXPECT_TRUE(ModeName(kSecondModeNames, code).empty()) << code;
    }
}

TEST(ModeTables, CombinedNamesRunThroughBothTablesThenStop) {
    EXPECT_EQ(CombinedModeName(13), "AM-SYN");
    EXPECT_EQ(CombinedModeName(16), "FM");
    EXPECT_EQ(CombinedModeName(22), "FSK");
    EXPECT_EQ(CombinedModeName(31), "LOG");
    EXPECT_TRUE(CombinedModeName(32).empty());
    EXPECT_TRUE(CombinedModeName(255).empty());
}

TEST(ModeTables, NamesFindTheirFirstCodeIgnoringCase) {
    EXPECT_EQ(ModeCodeOfName("usb"), 3);
    EXPECT_EQ(ModeCodeOfName("Am-Syn"), 13);
    // A second-table name at a code whose first name differs.
    EXPECT_EQ(ModeCodeOfName("p25"), 11);
    // "AM-N" is code 12 in the first table before code 12 of the second.
    EXPECT_EQ(ModeCodeOfName("AM-N"), 12);
    EXPECT_EQ(ModeCodeOfName("LOG"), 15);
    EXPECT_EQ(ModeCodeOfName("DSTAR"), -1);
    EXPECT_EQ(ModeCodeOfName(""), -1);
    EXPECT_EQ(ModeCodeOfName("FM "), -1);
}
