// The simulated trunk-tracking scanner of types 63 to 92 and the decoder of its replies: what is
// written is kept and answered at the positions the readers take, the menus by model code, and
// the device status the replies fill.
#include "platform/engine/sim/SimTrunkRadio63.h"

#include "platform/engine/device/ReplyDecoder.h"
#include "platform/records/DeviceStatus.h"
#include "tests/platform/engine/DecodedLines.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

namespace hb::engine {
namespace {

using hb::records::DeviceStatus;
using hb::records::Parm;
using Radio = sim::SimTrunkRadio63;
using Lines = std::array<std::string, 4>;

// Type 63 is model code 4, 64 code 5, 91 code 6 and 92 code 7; 89 is code 6 with variant 1.
class SimTrunkRadio63Test : public ::testing::Test {
protected:
    // Each line to the radio, the last reply decoded into the status.
    std::optional<std::string> Send(Radio& radio, std::initializer_list<const char*> lines) {
        return SendDecoded(radio, *decoder, status, lines);
    }
    Parm Record() const { return status.get(DeviceStatus::kCurrentParm); }
    static std::string Line(const std::string& text, bool highlighted) {
        std::string line = text;
        if (highlighted) {
            line.resize(DeviceStatus::kHighlightColumn, ' ');
            line += '*';
        }
        return line;
    }

    std::unique_ptr<ReplyDecoder> decoder = MakeReplyDecoder(63);
    DeviceStatus status;
};

TEST_F(SimTrunkRadio63Test, ChannelWordsReadBackByTheTableTheyWentOutBy) {
    ASSERT_NE(decoder, nullptr);
    const std::pair<const char*, std::uint32_t> steps[] = {
        {"ST 5K", 5'000},   {"ST 6.25K", 6'250},  {"ST 7.5K", 7'500},
        {"ST 10K", 10'000}, {"ST 12.5K", 12'500}, {"ST 25K", 25'000},
        {"ST 50K", 50'000}, {"ST 100K", 100'000}, {"ST A", 0}};
    for (const auto& [reply, step] : steps) {
        decoder->Decode(reply, status);
        EXPECT_EQ(Record().get(Parm::kStep), step) << reply;
    }
    // A word the table lacks leaves the step.
    decoder->Decode("ST 9K", status);
    EXPECT_EQ(Record().get(Parm::kStep), 0u);
    const std::pair<const char*, std::uint8_t> modes[] = {
        {"RM AM", 1}, {"RM WFM", 2}, {"RM NFM", 11}, {"RM FM", 0}};
    for (const auto& [reply, mode] : modes) {
        decoder->Decode(reply, status);
        EXPECT_EQ(Record().get(Parm::kMode), mode) << reply;
    }
    const std::pair<const char*, std::int16_t> delays[] = {
        {"DLN +1", 1000}, {"DLN +2", 2000}, {"DLN +4", 4000}, {"DLN +-", -1}, {"DLN -2", -2},
        {"DLN -5", -5},   {"DLN -10", -10}, {"DLF", 0},       {"DLN", 2000}};
    for (const auto& [reply, delay] : delays) {
        decoder->Decode(reply, status);
        EXPECT_EQ(Record().get(Parm::Channel::kDelay), delay) << reply;
    }
    decoder->Decode("CS008", status);
    EXPECT_EQ(Record().tone(), 885u);
    EXPECT_EQ(Record().get(Parm::Channel::kSquelchKind), 4);
    EXPECT_EQ(Record().get(Parm::Channel::kToneOption), 0);
    decoder->Decode("CS039L", status);
    EXPECT_EQ(Record().tone(), 19u);
    EXPECT_EQ(Record().get(Parm::Channel::kSquelchKind), Parm::Channel::kSquelchKindDcs);
    EXPECT_EQ(Record().get(Parm::Channel::kToneOption), Parm::Channel::kToneOptionSuffixL);
    decoder->Decode("CS000", status);
    EXPECT_EQ(Record().get(Parm::kModelWords, 0), 0u);
    EXPECT_EQ(Record().get(Parm::kModelWords, 2), 0u);
    // The erase takes its time; other lines the section's limit.
    EXPECT_EQ(decoder->ReplyLimit("AC\r"), 25'000);
    EXPECT_EQ(decoder->ReplyLimit("MA001\r"), std::nullopt);
}

TEST_F(SimTrunkRadio63Test, AMemoryIsKeptAsWrittenAndAnsweredWhole) {
    Radio radio(91);
    Send(radio, {"PM005T08510125", "ST 12.5K", "LON", "DLN +4", "ATN", "ARN", "RM NFM", "CS039L",
                 "TA C 005 Dispatch", "BAN C 005", "MA006"});
    EXPECT_EQ(Send(radio, {"MA005"}), "MA005T08510125 LON ATN ARN ST12.5K RMNFM DLN+4 CS039L BAN");
    const Parm whole = Record();
    EXPECT_EQ(whole.get(Parm::kMemoryChannel), 5);
    EXPECT_EQ(whole.get(Parm::kFrequency), 851'012'500u);
    EXPECT_EQ(whole.get(Parm::Channel::kTrunkWord), Parm::Channel::kTrunkFrequency);
    EXPECT_EQ(whole.get(Parm::kLockOut), 0xFF);
    EXPECT_EQ(whole.get(Parm::Channel::kAttenuator), 1);
    EXPECT_EQ(whole.get(Parm::Channel::kMarker), 0xFF);
    EXPECT_EQ(whole.get(Parm::kStep), 12'500u);
    EXPECT_EQ(whole.get(Parm::kMode), 11);
    EXPECT_EQ(whole.get(Parm::Channel::kDelay), 4000);
    EXPECT_EQ(whole.tone(), 19u);
    EXPECT_EQ(whole.get(Parm::Channel::kFlags), Parm::Channel::kFlagBankAssign);
    EXPECT_EQ(Send(radio, {"TA C 005"}), "TA C 005 Dispatch        ");
    EXPECT_EQ(Record().text(Parm::kName), "Dispatch        ");
    EXPECT_EQ(Send(radio, {"BA C 005"}), "BA C 005 N T");

    // An empty memory is answered as such, and a channel never named with the placeholder.
    EXPECT_EQ(Send(radio, {"MA006"}), "MA006 00000000 LOF ATF ARF STA RMFM DLF CS000 BAF");
    EXPECT_EQ(Record().get(Parm::kFrequency), 0u);
    EXPECT_EQ(Record().get(Parm::kLockOut), 0);
    const std::string unnamed = Send(radio, {"TA C 006"}).value_or("");
    EXPECT_EQ(unnamed.substr(9, 3), "RID");
    EXPECT_EQ(static_cast<std::uint8_t>(unnamed.at(12)), 0x8C);
    EXPECT_EQ(static_cast<std::uint8_t>(unnamed.at(19)), 0x8D);

    // Three digits name memory 1000 as 000; a memory past the radio's is not answered.
    Radio thousand(92);
    EXPECT_EQ(Send(thousand, {"PM000 04060000"}), "OK");
    EXPECT_TRUE(Send(thousand, {"MA000"}).value_or("").starts_with("MA000 04060000"));
    EXPECT_EQ(Send(radio, {"MA501"}), std::nullopt);
    EXPECT_EQ(Send(radio, {"AC"}), "OK");
    EXPECT_TRUE(Send(radio, {"MA005"}).value_or("").starts_with("MA005 00000000"));
}

TEST_F(SimTrunkRadio63Test, BankAndIdSettingsAreAnsweredWhereTheReadersLook) {
    Radio radio(91);
    // Trunking off answers code 0; "TR A 1" (Type I) answers code 2.
    Send(radio, {"TR A 1"});
    EXPECT_EQ(Send(radio, {"TB A"}), "TB A 0");
    Send(radio, {"TBN A", "TB A"});
    EXPECT_EQ(status.get(DeviceStatus::kTrunkTypeCode), 2);
    Send(radio, {"TR B 4 08510125 0125 380 1", "TBN B", "TB B"});
    EXPECT_EQ(status.get(DeviceStatus::kTrunkTypeCode), 4);
    EXPECT_EQ(Send(radio, {"BC B1"}), "BC B1 08510125 0125 380");
    EXPECT_EQ(Send(radio, {"BC B2"}), "BC B2 00000000 0000 000");
    EXPECT_EQ(Send(radio, {"FB A 3 12", "FB A 3"}), "FB A 3 12");
    EXPECT_EQ(Send(radio, {"IRY A", "IR A"}), "IRY A");
    EXPECT_EQ(Send(radio, {"EAN A", "EA A"}), "EAN A");
    const std::string tc = Send(radio, {"TCN A P3", "TC A"}).value_or("");
    EXPECT_EQ(tc.substr(0, 3), "TCN");
    EXPECT_EQ(tc.at(8), '3');
    EXPECT_EQ(Send(radio, {"TCF A", "TC A"}), "TCF A");
    Send(radio, {"PC A101", "PC A"});
    EXPECT_EQ(Record().get(Parm::kMemoryChannel), 101);
    EXPECT_EQ(Send(radio, {"TA B A Fire", "TA B A"}), "TA B A Fire            ");
    EXPECT_EQ(Record().text(Parm::kName), "Fire            ");

    EXPECT_EQ(Send(radio, {"TG A A0 206-05", "TG A A0"}), "TG A A0 206-05");
    EXPECT_EQ(Send(radio, {"TG A A2"}), "TG A A2 ------");
    EXPECT_EQ(Send(radio, {"TA I A A0 Chief", "TA I A A0"}), "TA I A A0 Chief           ");
    EXPECT_EQ(Record().text(Parm::kName), "Chief           ");
    Send(radio, {"BAN I A A0", "BA I A A0"});
    EXPECT_EQ(Record().get(Parm::Channel::kFlags), Parm::Channel::kFlagBankAssign);
    Send(radio, {"TA L A J Roster", "TA L A J"});
    EXPECT_EQ(Record().text(Parm::kName), "Roster          ");
    EXPECT_EQ(radio.Memory().banks[0].ids[9].text, "206-05");

    // What the model code lacks is not answered.
    Radio code4(63);
    EXPECT_EQ(Send(code4, {"BC B1"}), std::nullopt);
    EXPECT_EQ(Send(code4, {"MA001", "ARN"}), std::nullopt);
}

TEST_F(SimTrunkRadio63Test, GlobalSettingsRangesAndFipsSlotsAreAnswered) {
    Radio radio(91);
    Send(radio, {"LTD", "LT"});
    EXPECT_EQ(status.get(DeviceStatus::kLtChar), 'D');
    EXPECT_EQ(Send(radio, {"LMN", "LM"}), "LMN");
    EXPECT_EQ(Send(radio, {"CTS", "CT"}), "CTS");
    EXPECT_EQ(Send(radio, {"DS"}), "DSF");
    Send(radio, {"LL01500000 A", "LU01740000 A", "LL A"});
    EXPECT_EQ(Record().get(Parm::Channel::kLowerLimit), 150'000'000u);
    Send(radio, {"LU A"});
    EXPECT_EQ(Record().get(Parm::Channel::kUpperLimit), 174'000'000u);
    EXPECT_EQ(Send(radio, {"FP 01 012345", "FP 01"}), "FIPS 01 012345");
    EXPECT_EQ(Send(radio, {"FP 02"}), "FIPS 02 ------");
    // Variant 1 has no FIPS codes.
    Radio variant1(89);
    EXPECT_EQ(Send(variant1, {"FP 01"}), std::nullopt);
}

TEST_F(SimTrunkRadio63Test, TheMenusOfCodeFiveAreSteppedAndLeftWithKeySeven) {
    Radio radio(64);
    Send(radio, {"KEY11", "KEY02 2", "KEY02 2", "KEY02 1"});
    EXPECT_EQ(radio.Display(), (Lines{"BANK A", Line(" :TRUNK", true), " :ID LIST", " :DELAY"}));
    // The end code stands after the numbered items, reached by stepping.
    for (int step = 0; step < 5; ++step) {
        Send(radio, {"KEY07"});
    }
    EXPECT_EQ(radio.Display(),
              (Lines{"BANK A", " :BANK OPTION", " :SYS OPTION", Line(" :END CODE", true)}));
    Send(radio, {"KEY04", "LCD1"});
    EXPECT_EQ(radio.Display(), (Lines{Line("1 CODE OFF", true), "2 CODE ON", "", ""}));
    EXPECT_EQ(status.text(DeviceStatus::kDisplayLines, 0), Line("1 CODE OFF", true));
    Send(radio, {"KEY02 2"});
    EXPECT_EQ(radio.Memory().banks[0].endCode, 2u);
    Send(radio, {"KEY07"});
    EXPECT_EQ(radio.Display()[0], "SCAN");

    // Eight delays: four show, the chosen one among them.
    Send(radio, {"KEY11", "KEY02 2", "KEY02 2", "KEY02 0", "KEY02 4", "KEY02 7"});
    EXPECT_EQ(radio.Memory().banks[9].delay, 7u);
    EXPECT_EQ(radio.Display(), (Lines{"5 +-", "6 -2", Line("7 -5", true), "8 -10"}));
}

TEST_F(SimTrunkRadio63Test, TheMenusOfCodeFourReachTrunkOptionsAsItemZeroAndLeaveWithKeyThirteen) {
    Radio radio(63);
    Send(radio, {"TR C 6", "KEY11", "KEY02 2", "KEY02 2", "KEY02 3", "KEY02 0"});
    EXPECT_EQ(radio.Display(), (Lines{"TRUNK OPTION", Line(" :EDCS ID FORM", true), "", ""}));
    Send(radio, {"KEY04", "KEY02 1", "KEY07"});
    EXPECT_EQ(radio.Memory().banks[2].edacsFormat, 1u);
    EXPECT_EQ(radio.Display()[0], Line("1 AFS", true));
    Send(radio, {"KEY13"});
    EXPECT_EQ(radio.Display()[0], "SCAN");

    // The band-plan screens of a UHF bank: base, spacing and offset on line 2.
    Send(radio, {"TR A 4 08510125 0125 380 1", "KEY11", "KEY02 2", "KEY02 2", "KEY02 1", "KEY02 1",
                 "KEY02 1", "KEY02 4"});
    EXPECT_EQ(radio.Display()[0], "PLAN 1");
    const std::pair<const char*, const char*> screens[] = {{"P1 BASE", " 851.0125"},
                                                           {"P1 SPACING", "  12.5"},
                                                           {"P1 OFFSET", "OFS 380"},
                                                           {"PLAN 2", ""},
                                                           {"P2 BASE", "   0.0000"}};
    for (const auto& [title, value] : screens) {
        Send(radio, {"KEY04", "LCD2"});
        EXPECT_EQ(radio.Display()[0], title);
        EXPECT_EQ(status.text(DeviceStatus::kDisplayLines, 1), value);
    }
}

} // namespace
} // namespace hb::engine
