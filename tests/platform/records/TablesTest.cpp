#include "platform/records/ModeNames.h"
#include "platform/records/SquelchToneTable.h"
#include "platform/records/StatusCodes.h"
#include "platform/records/TimeUnits.h"
#include "platform/records/TypeISizeTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <span>

using namespace hb::records;

TEST(Tables, ModeNamesAreLookedUpModulo16) {
    EXPECT_EQ(ModeName(0), "FM");
    EXPECT_EQ(ModeName(8), "ECSS-U");
    EXPECT_EQ(ModeName(15), "CW-N");
    EXPECT_EQ(ModeName(16), "FM");
    EXPECT_EQ(ModeName(29), "AM-SYN");
    EXPECT_EQ(ModeName(255), "CW-N");
}

TEST(Tables, TypeISizeRowsAndMasking) {
    EXPECT_EQ(TypeISizeFor(1).fleetModulus, 128);
    EXPECT_EQ(TypeISizeFor(1).subfleetModulus, 4);
    EXPECT_EQ(TypeISizeFor(12).blockMask, 6);
    EXPECT_EQ(TypeISizeFor(13).blockMask, 4);
    EXPECT_EQ(TypeISizeFor(14).blockMask, 0);
    // A size byte of 0x14 is size code 4.
    EXPECT_EQ(TypeISizeCode(0x14), 4);
    EXPECT_EQ(&TypeISizeFor(0x14), &TypeISizeTable[4]);
    EXPECT_EQ(TypeISizeFor(4).fleetModulus, 1);
    EXPECT_EQ(TypeISizeFor(4).subfleetModulus, 16);
    // Exactly codes 0 and 15 have no layout, so no caller divides by a zero modulus.
    for (std::uint8_t code = 0; code < 16; ++code) {
        EXPECT_EQ(TypeISizeFor(code).hasLayout(), code != 0 && code != 15) << int(code);
    }
    EXPECT_FALSE(TypeISizeFor(0xFF).hasLayout());
}

TEST(Tables, SquelchTonePositions) {
    EXPECT_EQ(SquelchToneTable[0], 0);
    EXPECT_EQ(SquelchToneTable[kSquelchToneFirstCtcss], 670);
    EXPECT_EQ(SquelchToneTable[38], 2503);
    EXPECT_EQ(SquelchToneTable[kSquelchToneFirstDcs], 19);   // 023
    EXPECT_EQ(SquelchToneTable[kSquelchToneCount - 1], 492); // 754
    EXPECT_EQ(SquelchToneTable[kSquelchToneCount], kSquelchToneEnd);
    EXPECT_EQ(kSquelchToneCount - kSquelchToneFirstDcs, 104u);
    const auto ctcss = std::span(SquelchToneTable).subspan(1, 38);
    const auto dcs = std::span(SquelchToneTable).subspan(kSquelchToneFirstDcs, 104);
    EXPECT_TRUE(std::ranges::is_sorted(ctcss));
    EXPECT_TRUE(std::ranges::adjacent_find(dcs, std::greater_equal<>()) == dcs.end());
}

TEST(Tables, StatusFailureIsBit15) {
    EXPECT_FALSE(IsFailureStatus(kStatusDone));
    EXPECT_TRUE(IsFailureStatus(kStatusNotSupported));
    EXPECT_TRUE(IsFailureStatus(kStatusStop));
    EXPECT_FALSE(IsFailureStatus(0x7FFF));
}

TEST(Tables, TicksAndUnixSeconds) {
    EXPECT_EQ(TicksFromUnixSeconds(0), 116'444'736'000'000'000ull);
    EXPECT_EQ(UnixSecondsFromTicks(116'444'736'000'000'000ull + 25'000'000), 2);
    EXPECT_EQ(UnixSecondsFromTicks(0), -11'644'473'600);
    EXPECT_EQ(TicksFromUnixSeconds(-11'644'473'601), 0u);
    EXPECT_EQ(TicksFromUnixSeconds(INT64_MAX), UINT64_MAX);
    EXPECT_EQ(UnixSecondsFromTicks(TicksFromUnixSeconds(1'700'000'000)), 1'700'000'000);
}
