// The simulated trunk scanner of types 45 and 51 and the decoder of its replies: what is written
// is kept and answered at the positions the readers take, its menus set and show the items they
// reach, and the device status the replies fill.
#include "platform/engine/sim/SimRadio45.h"

#include "platform/engine/device/ReplyDecoder.h"
#include "platform/records/DeviceStatus.h"
#include "tests/platform/engine/DecodedLines.h"

#include <gtest/gtest.h>

#include <string>

namespace hb::engine {
namespace {

using hb::records::DeviceStatus;
using hb::records::Parm;
using Radio = sim::SimRadio45;

class SimRadio45Test : public ::testing::Test {
protected:
    // Each line to the radio, each reply decoded into the status; the last reply.
    std::optional<std::string> Send(std::initializer_list<const char*> lines) {
        return SendDecoded(radio, *decoder, status, lines);
    }
    Parm Record() const { return status.get(DeviceStatus::kCurrentParm); }

    Radio radio{45};
    std::unique_ptr<ReplyDecoder> decoder = MakeReplyDecoder(45);
    DeviceStatus status;
};

TEST_F(SimRadio45Test, AMemoryIsKeptAsWrittenAndReadBackWhole) {
    ASSERT_NE(decoder, nullptr);
    Send({"MA005", "ST 12.5K", "PM005T08510125", "LON", "DLN -10", "ATN", "ARN", "RM NFM", "CS039L",
          "TA C 005 Dispatch        ", "ST AUTO", "BAN C 005", "MA006"});
    EXPECT_EQ(Send({"MA005"}), "MA005T08510125 LON ATN ARN STAUTO RMNFM DLN-10 CS039L BAN");
    // The line is read as the other scanners with named memories are, the radio's own step as 0.
    const Parm whole = Record();
    EXPECT_EQ(whole.get(Parm::kFrequency), 851'012'500u);
    EXPECT_EQ(whole.get(Parm::Channel::kMarker), 0xFF);
    EXPECT_EQ(whole.get(Parm::Channel::kDelay), -10);
    EXPECT_EQ(whole.get(Parm::kStep), 0u);
    // Each setting on its own, as the reader asks for it.
    Send({"ST 25K", "ST"});
    EXPECT_EQ(Record().get(Parm::kStep), 25'000u);
    EXPECT_EQ(Record().get(Parm::kMode), 11);
    EXPECT_EQ(Send({"ST AUTO", "ST"}), "ST AUTO");
    EXPECT_EQ(Record().get(Parm::kStep), 0u);
    EXPECT_EQ(Send({"DL"}), "DLN -10");
    EXPECT_EQ(Send({"RM"}), "RM NFM");
    EXPECT_EQ(Send({"CS"}), "CS039L");
    EXPECT_EQ(Send({"BA C 005"}), "BA C 005 N T");
    EXPECT_EQ(Send({"TA C 005"}), "TA C 005 Dispatch        ");
    EXPECT_EQ(Record().text(Parm::kName), "Dispatch        ");

    // A memory never named shows the placeholder; three digits name memory 1000 as 000.
    const std::string unnamed = Send({"TA C 006"}).value_or("");
    EXPECT_EQ(unnamed.substr(9, 3), "RID");
    EXPECT_EQ(static_cast<std::uint8_t>(unnamed.at(12)), 0x8C);
    EXPECT_EQ(static_cast<std::uint8_t>(unnamed.at(19)), 0x8D);
    EXPECT_EQ(Send({"PM000 04060000"}), "OK");
    EXPECT_EQ(radio.Memory().channels[999].frequency, 4'060'000u);
    EXPECT_EQ(Send({"MA1000"}), std::nullopt);
    EXPECT_EQ(Send({"AC"}), "OK");
    EXPECT_TRUE(Send({"MA005"}).value_or("").starts_with("MA005 00000000 LOF ATF ARF STAUTO"));
    EXPECT_EQ(decoder->ReplyLimit("AC\r"), 25'000);
}

TEST_F(SimRadio45Test, BanksIdsAndRangesAreAnsweredWhereTheReadersLook) {
    // Type I is set with 1 and read back as code 2; trunking off reads back as 0.
    Send({"TR A 1", "TB A"});
    EXPECT_EQ(status.get(DeviceStatus::kTrunkTypeCode), 2);
    Send({"TBF A", "TB A"});
    EXPECT_EQ(status.get(DeviceStatus::kTrunkTypeCode), 0);
    EXPECT_EQ(Send({"TR B 4 04539875 012505 105"}), "OK");
    EXPECT_EQ(radio.Memory().banks[1].base, 4'539'875u);
    EXPECT_EQ(radio.Memory().banks[1].spacing, 12'505u);
    EXPECT_EQ(radio.Memory().banks[1].offset, 105u);
    EXPECT_EQ(Send({"TR B 4"}), std::nullopt);
    EXPECT_EQ(Send({"FB A 3 12", "FB A 3"}), "FB A 3 12");
    Send({"PC J000", "PC J"});
    EXPECT_EQ(Record().get(Parm::kMemoryChannel), 1000);
    Send({"PC A101", "PC A"});
    EXPECT_EQ(Record().get(Parm::kMemoryChannel), 101);
    EXPECT_EQ(Send({"TA B A Fire Dept       ", "TA B A"}), "TA B A Fire Dept       ");
    EXPECT_EQ(Record().text(Parm::kName), "Fire Dept       ");

    EXPECT_EQ(Send({"TG A A0 206-05", "TG A A0"}), "TG A A0 206-05");
    EXPECT_EQ(Send({"TG A E0"}), "TG A E0 ------");
    // Fifty slots a bank.
    EXPECT_EQ(Send({"TG A F1"}), std::nullopt);
    Send({"TA I A A0 Chief", "TA I A A0"});
    EXPECT_EQ(Record().text(Parm::kName), "Chief           ");
    EXPECT_EQ(Send({"BAN I A A0", "BA I A A0"}), "BA I A A0 N");
    EXPECT_EQ(Record().get(Parm::Channel::kFlags), Parm::Channel::kFlagBankAssign);
    Send({"TA L A J Roster", "TA L A J"});
    EXPECT_EQ(Record().text(Parm::kName), "Roster          ");

    Send({"TA S B Air", "LL01180000 B", "LU01370000 B", "LL B"});
    EXPECT_EQ(Record().get(Parm::Channel::kLowerLimit), 118'000'000u);
    EXPECT_EQ(Send({"LU B"}), "LU01370000 B");
    EXPECT_EQ(Record().get(Parm::Channel::kUpperLimit), 137'000'000u);
    EXPECT_EQ(Send({"TA S B"}), "TA S B Air             ");
}

TEST_F(SimRadio45Test, MenuItemsAreSetByKeysAndShownOnTheirLines) {
    // Global item 1/9, bank J's item 8, range B's mode and the chain-search choice 4/2.
    Send({"KEY01", "KEY11", "KEY02 1", "KEY02 9", "KEY02 3", "KEY01"});
    Send({"KEY01", "KEY11", "KEY02 3", "KEY02 0", "KEY02 8", "KEY02 2", "KEY01"});
    Send({"KEY01", "KEY11", "KEY02 4", "KEY02 1", "KEY02 2", "KEY02 3", "KEY02 4", "KEY01"});
    Send({"KEY01", "KEY11", "KEY02 4", "KEY02 2", "KEY02 6", "KEY01"});
    EXPECT_EQ(radio.Memory().globalItems[9], 3u);
    EXPECT_EQ(radio.Memory().banks[9].items[8], 2u);
    EXPECT_EQ(radio.Memory().ranges[1].items[3], 4u);
    EXPECT_EQ(radio.Memory().searchItems[2], 6u);
    EXPECT_EQ(Send({"KEY01", "KEY11", "KEY02 1", "KEY02 9", "LCD LINE1"}), "LINE1 [~3");
    EXPECT_EQ(Send({"KEY01", "KEY11", "KEY02 3", "KEY02 0", "KEY02 8", "LCD LINE2"}), "LINE2 [~2");
    // LT has commands of its own too.
    EXPECT_EQ(Send({"LTF", "KEY01", "KEY11", "KEY02 1", "KEY02 1", "LCD LINE1"}), "LINE1 [~3");
    // Off an item the display shows the menu.
    EXPECT_EQ(Send({"KEY01", "KEY11", "KEY02 3", "LCD LINE1"}), "LINE1 MENU");
    EXPECT_EQ(Send({"KEY01", "LCD LINE2"}), "LINE2 MENU");
    EXPECT_EQ(Send({"LCD LINE3"}), std::nullopt);

    // The option of slot B0 of bank C: group 2, slot digit 0, item 3.
    const auto option = {"KEY01",   "KEY11", "KEY02 3", "KEY02 3", "KEY02 5",
                         "KEY02 2", "KEY03", "KEY02 0", "KEY04",   "KEY02 3"};
    for (const char* key : option) {
        radio.Take(key);
    }
    EXPECT_EQ(Send({"LCD LINE1"}), "LINE1 [~2");
    Send({"KEY02 1", "KEY04", "KEY01"});
    EXPECT_EQ(radio.Memory().banks[2].ids[19].option, 1u);
}

TEST_F(SimRadio45Test, ATypeIIBanksBandScreensShowItsValues) {
    Send({"TR F 4 04539875 012505 105"});
    const auto screens = {"KEY01", "KEY11", "KEY02 3", "KEY02 6", "KEY02 1", "KEY02 4", "KEY12"};
    for (const char* key : screens) {
        radio.Take(key);
    }
    EXPECT_EQ(Send({"LCD FRQ"}), "BASE  453.9875");
    EXPECT_EQ(Send({"KEY04", "LCD FRQ"}), "SPACE   12.505");
    EXPECT_EQ(Send({"KEY04", "LCD FRQ"}), "OFFSET  105");
    EXPECT_EQ(Send({"KEY04", "LCD FRQ"}), "FRQ");
    EXPECT_EQ(Send({"KEY01", "LCD FRQ"}), "FRQ");
}

TEST_F(SimRadio45Test, OnlyType45AnswersForItsFipsCodes) {
    EXPECT_EQ(Send({"FP 01 012345", "FP 01"}), "FIPS 01 012345");
    EXPECT_EQ(Send({"FP 15"}), "FIPS 15 ------");
    EXPECT_EQ(Send({"FP 16"}), std::nullopt);
    Radio type51(51);
    EXPECT_EQ(type51.Take("FP 01"), std::nullopt);
    EXPECT_EQ(type51.Take("FP 01 012345"), std::nullopt);
    EXPECT_NE(MakeReplyDecoder(51), nullptr);
}

} // namespace
} // namespace hb::engine
