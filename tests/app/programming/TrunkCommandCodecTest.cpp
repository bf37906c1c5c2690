// The shared pieces of the trunk scanners' text commands.
#include "programming/TrunkCommandCodec.h"

#include "platform/tessary/model/Bank.h"
#include "programming/RadioSettingsRecord.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

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

TEST(TrunkCommandCodecTest, ABandPlanReplyFillsThePlanAndLeavesWhatItLacks) {
    BlobList records;
    RadioSettingsRecord record = RadioSettingsRecord::Fetch(records);
    codec::TakeBandPlanReply("BC B2 08510125 0125 380", record, 2, 2);
    EXPECT_EQ(record.PlanBase(2, 2), 851'012'500U);
    EXPECT_EQ(record.PlanSpacing(2, 2), 12'500U);
    EXPECT_EQ(record.PlanOffset(2, 2), 380);
    // A reply cut short, or with no digits where a value stands, keeps the plan's values.
    codec::TakeBandPlanReply("BC B2 08060000 ----", record, 2, 2);
    EXPECT_EQ(record.PlanBase(2, 2), 806'000'000U);
    EXPECT_EQ(record.PlanSpacing(2, 2), 12'500U);
    EXPECT_EQ(record.PlanOffset(2, 2), 380);
    EXPECT_EQ(record.PlanBase(2, 1), 0U);
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

TEST(TrunkCommandCodecTest, UserIdSlotsRunA1ToA9ThenA0ThenB1) {
    const std::pair<unsigned, const char*> slots[] = {{0, "A1"},  {8, "A9"},  {9, "A0"},
                                                      {10, "B1"}, {49, "E0"}, {99, "J0"}};
    for (const auto& [index, name] : slots) {
        EXPECT_EQ(codec::UserIdSlotAt(index).Name(), name) << index;
    }
    EXPECT_EQ(codec::UserIdSlotAt(19).letter, 'B');
    EXPECT_EQ(codec::UserIdSlotAt(19).digit, 0u);
}

TEST(TrunkCommandCodecTest, EachTrunkTypeCodeStandsForOneBankTypeBothWays) {
    using codec::BankTrunkType;
    struct Row {
        std::uint8_t code;
        BankTrunkType bank;
        std::uint8_t command;
    };
    const Row rows[] = {{1, {2, 0}, 2},    {2, {1, 0}, 1},    {3, {2, 0x10}, 3},
                        {4, {2, 0x40}, 4}, {5, {2, 0x20}, 5}, {6, {6, 0}, 6},
                        {7, {8, 0}, 7},    {8, {9, 0}, 8},    {9, {3, 0}, 9}};
    for (const Row& row : rows) {
        EXPECT_EQ(codec::TrunkTypeOfCode(row.code), row.bank) << int{row.code};
        for (const auto precedence :
             {codec::TypeIIPrecedence::kVhfFirst, codec::TypeIIPrecedence::kUhfFirst}) {
            EXPECT_EQ(codec::TrunkTypeCommand(row.bank.type, row.bank.variant, precedence),
                      row.command)
                << int{row.code};
        }
    }
    for (const std::uint8_t code : {0, 10, 255}) {
        EXPECT_EQ(codec::TrunkTypeOfCode(code), std::nullopt) << int{code};
    }
    const auto vhfFirst = codec::TypeIIPrecedence::kVhfFirst;
    const auto uhfFirst = codec::TypeIIPrecedence::kUhfFirst;
    EXPECT_EQ(codec::TrunkTypeCommand(0, 0x40, vhfFirst), 0);
    for (const std::uint8_t type : {4, 5, 7, 10}) {
        EXPECT_EQ(codec::TrunkTypeCommand(type, 0, vhfFirst), std::nullopt) << int{type};
    }
    // Only Type II reads its variant flags; 900 MHz comes before VHF and UHF.
    EXPECT_EQ(codec::TrunkTypeCommand(1, 0x40, vhfFirst), 1);
    EXPECT_EQ(codec::TrunkTypeCommand(2, 0x60, vhfFirst), 5);
    EXPECT_EQ(codec::TrunkTypeCommand(2, 0x60, uhfFirst), 4);
    EXPECT_EQ(codec::TrunkTypeCommand(2, 0x70, uhfFirst), 3);
    EXPECT_EQ(codec::TrunkTypeCommand(2, 0x200, vhfFirst), 2);
}

TEST(TrunkCommandCodecTest, AVhfOrUhfBankWithoutItsValuesGetsTheRadiosDefaultsStored) {
    Bank uhf;
    codec::StoreTypeIIDefaults(uhf, codec::kTrunkCommandUhf);
    EXPECT_EQ(uhf.base, 406'000'000u);
    EXPECT_EQ(uhf.spacing, 25'000u);
    EXPECT_EQ(uhf.offset, 380);
    Bank vhf;
    vhf.spacing = 12'500;
    codec::StoreTypeIIDefaults(vhf, codec::kTrunkCommandVhf);
    EXPECT_EQ(vhf.base, 150'000'000u);
    EXPECT_EQ(vhf.spacing, 12'500u);
    EXPECT_EQ(vhf.offset, 380);
    vhf.base = 151'000'000;
    vhf.offset = 7;
    codec::StoreTypeIIDefaults(vhf, codec::kTrunkCommandUhf);
    EXPECT_EQ(vhf.base, 151'000'000u);
    EXPECT_EQ(vhf.offset, 7);
    Bank plain;
    codec::StoreTypeIIDefaults(plain, 2);
    EXPECT_EQ(plain.base, 0u);
    EXPECT_EQ(plain.spacing, 0u);
    EXPECT_EQ(plain.offset, 0);
}

// The blocks a walk asks and the map it leaves, the radio answering `replies` by block.
std::pair<std::vector<unsigned>, std::array<std::uint8_t, 8>>
WalkFleetMap(const std::array<const char*, 8>& replies) {
    std::array<std::uint8_t, 8> map{9, 9, 9, 9, 9, 9, 9, 9};
    std::vector<unsigned> asked;
    for (unsigned block = 0; block < codec::kFleetBlocks;) {
        asked.push_back(block);
        block = codec::ReadFleetMapReply(replies[block], block, map);
    }
    return {asked, map};
}

TEST(TrunkCommandCodecTest, AFleetMapReplyFillsTheBlocksItsSizeSpansAndNoMore) {
    using Blocks = std::vector<unsigned>;
    using Map = std::array<std::uint8_t, 8>;
    auto [asked, map] =
        WalkFleetMap({"FB A 0 12", "", "FB A 2 04", "FB A 3 13", "", "", "", "FB A 7 12"});
    EXPECT_EQ(asked, (Blocks{0, 2, 3, 7}));
    EXPECT_EQ(map, (Map{12, 12, 4, 13, 13, 13, 13, 12}));

    // 13 near the end fills no further than block 7; 14 fills all and ends the walk.
    std::tie(asked, map) = WalkFleetMap(
        {"FB A 0 01", "FB A 1 02", "FB A 2 03", "FB A 3 04", "FB A 4 00", "FB A 5 13", "", ""});
    EXPECT_EQ(asked, (Blocks{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(map, (Map{1, 2, 3, 4, 0, 13, 13, 13}));
    std::tie(asked, map) = WalkFleetMap({"FB A 0 11", "FB A 1 14", "", "", "", "", "", ""});
    EXPECT_EQ(asked, (Blocks{0, 1}));
    EXPECT_EQ(map, (Map{14, 14, 14, 14, 14, 14, 14, 14}));

    // What is no size code of 0 to 14 leaves its block, and the walk goes on with the next.
    std::tie(asked, map) = WalkFleetMap(
        {"FB A 0 7x", "FB A 1 15", "FB A 2 1", "FB A 3", "FB A 4 -1", "NG", "FB A 6 99", ""});
    EXPECT_EQ(asked, (Blocks{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(map, (Map{9, 9, 9, 9, 9, 9, 9, 9}));
}

} // namespace
} // namespace hb::app::test
