// The shared pieces of the trunk scanners' text commands.
#include "programming/TrunkCommandCodec.h"

#include "platform/tessary/model/Bank.h"
#include "programming/RadioSettingsRecord.h"

#include <gtest/gtest.h>

#include <string>

namespace hb::app::test {
namespace {

using hb::records::UserId;
namespace codec = TrunkCommandCodec;

TEST(TrunkCommandCodecTest, ATonesPositionComesFromItsLowFifteenBits) {
    EXPECT_EQ(codec::ToneIndex(0, 0), 0u);
    EXPECT_EQ(codec::ToneIndex(670, 0), 1u);
    EXPECT_EQ(codec::ToneIndex(0x8000 | 2503, 0), 38u);
    // DCS 023 and 754.
    EXPECT_EQ(codec::ToneIndex(19, codec::kSquelchDcs), 39u);
    EXPECT_EQ(codec::ToneIndex(492, codec::kSquelchDcs), 142u);
    // A DCS search does not find the no-tone entry; an unknown tone and the end mark are absent.
    EXPECT_EQ(codec::ToneIndex(0, codec::kSquelchDcs), 0u);
    EXPECT_EQ(codec::ToneIndex(671, 0), 0u);
    EXPECT_EQ(codec::ToneIndex(0xFFFF, 0), 0u);
}

TEST(TrunkCommandCodecTest, TheStepTextIsTheNearestMultipleWithTiesToFiveThenTwelveAndAHalf) {
    EXPECT_STREQ(codec::StepText(150'000'000), "5K");
    // 2500 by 5000 and by 7500, 0 by 12500.
    EXPECT_STREQ(codec::StepText(62'500), "12.5K");
    // 0 by 5000 and by 12500, 2500 by 7500.
    EXPECT_STREQ(codec::StepText(25'000), "5K");
    EXPECT_STREQ(codec::StepText(22'500), "7.5K");
    const std::pair<std::uint32_t, const char*> steps[] = {
        {5'000, "ST 5K\r"},     {7'500, "ST 7.5K\r"}, {10'000, "ST 10K\r"},
        {12'500, "ST 12.5K\r"}, {25'000, "ST 25K\r"}, {50'000, "ST 50K\r"},
        {100'000, "ST 100K\r"}, {6'250, "ST AUTO\r"}, {0, "ST AUTO\r"}};
    for (const auto& [step, command] : steps) {
        EXPECT_EQ(codec::StepCommand(step), command) << step;
    }
}

TEST(TrunkCommandCodecTest, ABandPlanLineTakesItsOwnPlansSpacingOrTheDefaultPlan) {
    BlobList records;
    RadioSettingsRecord record = RadioSettingsRecord::Fetch(records);
    EXPECT_EQ(codec::BandPlanLine(record, 1, 5, 2), "TR A 5 00000000 0500 380 2\r");
    record.SetPlanBase(1, 3, 851'012'500);
    record.SetPlanSpacing(1, 3, 25'000);
    record.SetPlanOffset(1, 3, 380);
    record.SetPlanSpacing(1, 1, 12'500);
    EXPECT_EQ(codec::BandPlanLine(record, 1, 4, 3), "TR A 4 08510125 0250 380 3\r");
    record.SetPlanBase(10, 1, 806'000'000);
    record.SetPlanSpacing(10, 1, 12'500);
    record.SetPlanOffset(10, 1, 7);
    EXPECT_EQ(codec::BandPlanLine(record, 10, 5, 1), "TR J 5 08060000 0125 007 1\r");
}

UserId Id(std::uint8_t kind, std::uint32_t value, std::uint16_t flags = 0) {
    UserId id;
    id.set(UserId::kKind, kind);
    id.set(UserId::kValue, value);
    id.set(UserId::kFlags, flags);
    return id;
}

TEST(TrunkCommandCodecTest, AnIdIsWrittenAsItsBanksTrunkTypeWantsIt) {
    Bank bank;
    UserId unused = Id(0, 1234);
    bank.trunkType = 2;
    EXPECT_EQ(codec::IdText(unused, bank), "0");
    UserId talkgroup = Id(2, 1234);
    EXPECT_EQ(codec::IdText(talkgroup, bank), "001234");
    UserId empty = Id(2, 0);
    EXPECT_EQ(codec::IdText(empty, bank), "0");

    bank.trunkType = 1;
    UserId individual = Id(1, 4321, UserId::kFlagIndividual);
    EXPECT_EQ(codec::IdText(individual, bank), "i04321");
    UserId typeI = Id(1, 0);
    typeI.set(UserId::kSizeCode, 1);
    typeI.set(UserId::kBlock, 2);
    typeI.set(UserId::kFleet, 200);
    typeI.set(UserId::kSubfleet, 5);
    EXPECT_EQ(codec::IdText(typeI, bank), "2072-1");
    // Size code 0x1F keeps 15, which has no layout: the plain number.
    UserId oversized = Id(1, 77);
    oversized.set(UserId::kSizeCode, 0x1F);
    EXPECT_EQ(codec::IdText(oversized, bank), "000077");
    EXPECT_EQ(oversized.get(UserId::kSizeCode), 15);

    for (std::uint8_t type : {6, 8}) {
        bank.trunkType = type;
        UserId call = Id(type, 2001, UserId::kFlagIndividual);
        EXPECT_EQ(codec::IdText(call, bank), "i02001");
        UserId group = Id(type, 2001);
        EXPECT_EQ(codec::IdText(group, bank), "002001");
    }
    bank.trunkType = 3;
    UserId ltr = Id(3, 10101);
    ltr.set(UserId::kSizeCode, 0x13);
    EXPECT_EQ(codec::IdText(ltr, bank), "");
    EXPECT_EQ(ltr.get(UserId::kSizeCode), 3);
}

} // namespace
} // namespace hb::app::test
