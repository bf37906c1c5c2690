// The trunk-scanner group's settings record: every field at its place in the 2,732 bytes.
#include "programming/RadioSettingsRecord.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace hb::app::test {
namespace {

using Bank = RadioSettingsRecord::BankByte;
using Setting = RadioSettingsRecord::Setting;

std::uint32_t Le(const Blob& blob, std::size_t offset, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        value |= std::uint32_t{blob.data[offset + i]} << (8 * i);
    }
    return value;
}

TEST(RadioSettingsRecordTest, AGroupWithoutOneGetsAZeroRecordOnceAndKeepsIt) {
    BlobList records;
    RadioSettingsRecord record = RadioSettingsRecord::Fetch(records);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0]->tag, 53420009u);
    EXPECT_EQ(records[0]->key, 255u);
    EXPECT_EQ(records[0]->data, std::vector<std::uint8_t>(2732, 0));
    record.Set(Setting::kCt, 4);
    EXPECT_EQ(RadioSettingsRecord::Fetch(records).Get(Setting::kCt), 4);
    EXPECT_EQ(records.size(), 1u);
}

TEST(RadioSettingsRecordTest, EachPlanOfEachBankHasItsOwnBaseSpacingAndOffset) {
    BlobList records;
    RadioSettingsRecord record = RadioSettingsRecord::Fetch(records);
    const Blob& blob = *records[0];
    for (unsigned plan = 1; plan <= 3; ++plan) {
        for (unsigned bank : {1u, 4u, 10u}) {
            record.SetPlanBase(bank, plan, 851'000'000 + plan * 1000 + bank);
            record.SetPlanSpacing(bank, plan, 25'000 + plan * 100 + bank);
            record.SetPlanOffset(bank, plan, static_cast<std::uint16_t>(380 + plan * 10 + bank));
            const std::size_t plans = 100 * (plan - 1);
            EXPECT_EQ(Le(blob, plans + 4 * (bank - 1), 4), 851'000'000 + plan * 1000 + bank);
            EXPECT_EQ(Le(blob, 40 + plans + 4 * (bank - 1), 4), 25'000 + plan * 100 + bank);
            EXPECT_EQ(Le(blob, 80 + plans + 2 * (bank - 1), 2), 380 + plan * 10 + bank);
            EXPECT_EQ(record.PlanSpacing(bank, plan), 25'000 + plan * 100 + bank);
        }
    }
    // Plan 3's spacing of bank 1 lies at 240.
    EXPECT_EQ(Le(blob, 240, 4), 25'301u);
}

TEST(RadioSettingsRecordTest, TheBankFieldsLieAtTheirOffsetsForBanksOneToTen) {
    BlobList records;
    RadioSettingsRecord record = RadioSettingsRecord::Fetch(records);
    const Blob& blob = *records[0];
    const std::pair<Bank, std::size_t> bytes[] = {{Bank::kIrSetting, 300},
                                                  {Bank::kBankOption, 310},
                                                  {Bank::kEndCode, 320},
                                                  {Bank::kTcSetting, 460}};
    for (const auto& [field, offset] : bytes) {
        record.Set(field, 1, 1);
        record.Set(field, 10, 0xFF);
        EXPECT_EQ(blob.data[offset], 1) << offset;
        EXPECT_EQ(blob.data[offset + 9], 0xFF) << offset;
        EXPECT_EQ(record.Get(field, 10), 0xFF);
    }
    record.SetPriorityChannel(3, 101);
    EXPECT_EQ(Le(blob, 434, 2), 101u);
    EXPECT_EQ(record.PriorityChannel(3), 101);
    EXPECT_FALSE(RadioSettingsRecord::HasBank(0));
    EXPECT_TRUE(RadioSettingsRecord::HasBank(1));
    EXPECT_TRUE(RadioSettingsRecord::HasBank(10));
    EXPECT_FALSE(RadioSettingsRecord::HasBank(11));
}

TEST(RadioSettingsRecordTest, ATagOfSixteenCharactersFillsItsSlotWithoutANul) {
    BlobList records;
    RadioSettingsRecord record = RadioSettingsRecord::Fetch(records);
    const Blob& blob = *records[0];
    record.SetIdTag(2, 9, "Sixteen chars ok");
    record.SetIdTag(2, 8, "Short");
    const std::size_t slot = 470 + 160 + 9 * 16;
    EXPECT_EQ(std::string(blob.data.begin() + slot, blob.data.begin() + slot + 16),
              "Sixteen chars ok");
    EXPECT_EQ(record.IdTag(2, 9), "Sixteen chars ok");
    EXPECT_EQ(record.IdTag(2, 8), "Short");
    record.SetIdTag(2, 8, "A tag longer than its slot");
    EXPECT_EQ(record.IdTag(2, 8), "A tag longer tha");
    EXPECT_EQ(record.IdTag(2, 9), "Sixteen chars ok");
}

TEST(RadioSettingsRecordTest, TheFipsTextStaysTerminatedAndTheSwitchesFollowIt) {
    BlobList records;
    RadioSettingsRecord record = RadioSettingsRecord::Fetch(records);
    const Blob& blob = *records[0];
    record.SetFipsText("001001\r\n002003\r\n");
    EXPECT_EQ(record.FipsText(), "001001\r\n002003\r\n");
    EXPECT_EQ(blob.data[2070], '0');
    record.SetFipsText(std::string(200, '1'));
    EXPECT_EQ(record.FipsText(), std::string(149, '1'));
    EXPECT_EQ(blob.data[2219], 0);
    const std::pair<Setting, std::size_t> settings[] = {{Setting::kChainSearchChoice, 2220},
                                                        {Setting::kChainSearchItem4, 2221},
                                                        {Setting::kChainSearchItem6, 2222},
                                                        {Setting::kLt, 2225},
                                                        {Setting::kLm, 2226},
                                                        {Setting::kBp, 2227},
                                                        {Setting::kEl, 2228},
                                                        {Setting::kDs, 2229},
                                                        {Setting::kCt, 2230}};
    for (const auto& [field, offset] : settings) {
        record.Set(field, static_cast<std::uint8_t>(offset));
        EXPECT_EQ(blob.data[offset], static_cast<std::uint8_t>(offset)) << offset;
        EXPECT_EQ(record.Get(field), static_cast<std::uint8_t>(offset));
    }
    // The bytes the record leaves unused stay as they were.
    EXPECT_EQ(blob.data[2223], 0);
    EXPECT_EQ(blob.data[2231], 0);
}

TEST(RadioSettingsRecordTest, TheFipsCodesToSendEndAtTheFirstTextThatIsNoSixDigitCode) {
    BlobList records;
    RadioSettingsRecord record = RadioSettingsRecord::Fetch(records);
    using Codes = std::vector<std::string>;
    const std::pair<const char*, Codes> texts[] = {{"012345\r\n678901\r\n", {"012345", "678901"}},
                                                   {"\r\n\n012345\r\n678901", {"012345", "678901"}},
                                                   {"01234\r\n678901\r\n", {}},
                                                   {"012345\r\n6789012\r\n", {"012345"}},
                                                   {" 12345\r\n", {}},
                                                   {"+12345\r\n", {}},
                                                   {"012345\n678901\r\n", {}},
                                                   {"", {}}};
    for (const auto& [text, codes] : texts) {
        record.SetFipsText(text);
        EXPECT_EQ(record.FipsCodes(), codes) << text;
    }
    std::string sixteen;
    for (int slot = 1; slot <= 16; ++slot) {
        sixteen += "0000" + std::to_string(10 + slot) + "\r\n";
    }
    record.SetFipsText(sixteen);
    const Codes fifteen = record.FipsCodes();
    ASSERT_EQ(fifteen.size(), 15u);
    EXPECT_EQ(fifteen.back(), "000025");

    // A field loaded full, with no NUL: its end ends the last code.
    Blob& blob = *records[0];
    const std::string full = std::string(144, '\n') + "123456";
    std::copy(full.begin(), full.end(), blob.data.begin() + 2070);
    blob.data[2220] = '7';
    EXPECT_EQ(record.FipsCodes(), Codes{"123456"});
}

TEST(RadioSettingsRecordTest, TheFipsCodesReadAreAppendedWithinTheField) {
    BlobList records;
    RadioSettingsRecord record = RadioSettingsRecord::Fetch(records);
    const Blob& blob = *records[0];
    record.SetFipsText("999999\r\n");
    record.ClearFipsCodes();
    EXPECT_EQ(blob.data, std::vector<std::uint8_t>(2732, 0));
    record.AppendFipsCode("012345");
    record.AppendFipsCode("-");
    record.AppendFipsCode("------");
    record.AppendFipsCode("");
    record.AppendFipsCode("678");
    EXPECT_EQ(record.FipsText(), "012345\r\n678\r\n");
    EXPECT_EQ(record.FipsCodes(), std::vector<std::string>{"012345"});

    record.ClearFipsCodes();
    for (int slot = 0; slot < 15; ++slot) {
        record.AppendFipsCode("0123456789");
    }
    EXPECT_EQ(record.FipsText().size(), 120u);
    EXPECT_EQ(record.FipsCodes().size(), 15u);
    // More than fifteen stop where a code, CR LF and the NUL no longer fit.
    for (int slot = 0; slot < 5; ++slot) {
        record.AppendFipsCode("012345");
    }
    EXPECT_EQ(record.FipsText().size(), 144u);
    EXPECT_EQ(blob.data[2070 + 149], 0);
}

TEST(RadioSettingsRecordTest, APriorityChannelOutsideItsBankBecomesTheBanksFirstAndIsStored) {
    BlobList records;
    RadioSettingsRecord record = RadioSettingsRecord::Fetch(records);
    record.SetPriorityChannel(3, 7);
    EXPECT_EQ(record.HeldPriorityChannel(3, 50), 101);
    EXPECT_EQ(record.PriorityChannel(3), 101);
    for (const std::uint16_t inside : {101, 120, 150}) {
        record.SetPriorityChannel(3, inside);
        EXPECT_EQ(record.HeldPriorityChannel(3, 50), inside);
        EXPECT_EQ(record.PriorityChannel(3), inside);
    }
    record.SetPriorityChannel(3, 151);
    EXPECT_EQ(record.HeldPriorityChannel(3, 50), 101);
    record.SetPriorityChannel(1, 0);
    EXPECT_EQ(record.HeldPriorityChannel(1, 50), 0);
    EXPECT_EQ(record.PriorityChannel(1), 0);

    // Banks past the record's ten have no entry: nothing is read or changed.
    const std::vector<std::uint8_t> before = records[0]->data;
    EXPECT_EQ(record.HeldPriorityChannel(11, 50), 0);
    EXPECT_EQ(record.HeldPriorityChannel(0, 50), 0);
    EXPECT_EQ(records[0]->data, before);
}

} // namespace
} // namespace hb::app::test
