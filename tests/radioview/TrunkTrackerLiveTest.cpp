// The trunk-tracker panel's live text commands: an edit announced to the radio window's views
// reaches the simulated scanner as the exact lines the scanner is programmed with.
#include "platform/tessary/app/ObjectHint.h"
#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/model/Bank.h"
#include "platform/tessary/model/Chan.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Range.h"
#include "platform/tessary/model/Roster.h"
#include "platform/tessary/model/UserIdEntry.h"
#include "programming/RadioSettingsRecord.h"
#include "tests/radioview/TrunkPanelTest.h"

#include <string>
#include <vector>

namespace hb::radioview::test {
namespace {

using hb::engine::EngineSim;

class TrunkLiveTest : public TrunkPanelTest {
protected:
    CRosterDoc& Doc() const { return *DYNAMIC_DOWNCAST(CRosterDoc, view->GetDocument()); }
    Group& TheGroup() const {
        return *dynamic_cast<Group*>(Doc().GetRoster()->entries().front()->object());
    }
    Bank& NewBank(std::uint16_t number) {
        Bank& bank = TheGroup().addBank(std::make_unique<Bank>());
        bank.number = number;
        return bank;
    }
    // The raw lines an edit of `object` announced with `hint` sends, one string a call.
    std::vector<std::string> Edit(Object& object, LPARAM hint) {
        EngineSim::ClearJournal();
        CObjectHint announced(&object);
        Doc().UpdateAllViews(nullptr, hint, &announced);
        std::vector<std::string> sent;
        for (const auto& call : EngineSim::Calls("scan_device_raw_command")) {
            sent.push_back(call.text);
        }
        return sent;
    }
    using Lines = std::vector<std::string>;
};

TEST_F(TrunkLiveTest, AChannelsEditsGoOutAsItsProgrammingLines) {
    ASSERT_NE(Open(63), nullptr);
    Bank& bank = NewBank(1);
    Chan& channel = bank.addMember(std::make_unique<Chan>());
    parm record = channel.record();
    record.set(parm::kMemoryChannel, 7);
    record.set(parm::kFrequency, 150'000'000);
    record.set(parm::Channel::kTone, 671);
    record.set(parm::kMode, 2);
    record.set(parm::Channel::kDelay, -1);
    record.set(parm::kStep, 12'500);
    channel.SetParm(record);
    channel.setName("County Fire");
    EXPECT_EQ(Edit(channel, 1001), Lines{"MA007\rST 5K\rPM007 01500000\r"});
    // An unknown tone goes as position 0.
    EXPECT_EQ(Edit(channel, 1003), Lines{"MA007\rCS000\r"});
    EXPECT_EQ(Edit(channel, 1005), Lines{"MA007\rRM WFM\r"});
    EXPECT_EQ(Edit(channel, 1017), Lines{"MA007\rDLN +-\r"});
    EXPECT_EQ(Edit(channel, 1021), Lines{"MA007\rST 12.5K\r"});
    EXPECT_EQ(Edit(channel, 1100), Lines{"TA C 007 County Fire     \r"});

    record.set(parm::Channel::kTrunkWord, parm::Channel::kTrunkFrequency);
    record.set(parm::kFrequency, 851'062'500);
    record.set(parm::Channel::kTone, 0x8000 | 670);
    record.set(parm::Channel::kToneOption, parm::Channel::kToneOptionSuffixL);
    record.set(parm::Channel::kAttenuator, 1);
    record.set(parm::Channel::kFlags, parm::Channel::kFlagBankAssign);
    channel.SetParm(record);
    channel.setLockOut(1);
    // 2500 by 5000 and by 7500, 0 by 12500.
    EXPECT_EQ(Edit(channel, 1035), Lines{"MA007\rST 12.5K\rPM007T08510625\r"});
    EXPECT_EQ(Edit(channel, 1003), Lines{"MA007\rCS001L\r"});
    EXPECT_EQ(Edit(channel, 1008), Lines{"MA007\rATN\r"});
    EXPECT_EQ(Edit(channel, 1018), Lines{"MA007\rLON\r"});
    EXPECT_EQ(Edit(channel, 1019), Lines{"MA007\rARF\r"});
    EXPECT_EQ(Edit(channel, 1040), Lines{"BAN C 007\r"});
    // A hint these commands do not know sends nothing.
    EXPECT_TRUE(Edit(channel, 1002).empty());
    Doc().SetModifiedFlag(FALSE);
}

TEST_F(TrunkLiveTest, TheBanksPriorityChannelComesFromTheSettingsRecordForBanksOneToTen) {
    ASSERT_NE(Open(63), nullptr);
    Bank& third = NewBank(3);
    Chan& channel = third.addMember(std::make_unique<Chan>());
    RadioSettingsRecord::Fetch(TheGroup().records()).SetPriorityChannel(3, 101);
    EXPECT_EQ(Edit(channel, 1101), Lines{"PC C101\r"});
    Bank& eleventh = NewBank(11);
    Chan& outside = eleventh.addMember(std::make_unique<Chan>());
    EXPECT_TRUE(Edit(outside, 1101).empty());
    Doc().SetModifiedFlag(FALSE);
}

TEST_F(TrunkLiveTest, AnIdEntryIsNamedByItsGroupLetterAndDigit) {
    ASSERT_NE(Open(63), nullptr);
    Bank& bank = NewBank(1);
    bank.trunkType = 2;
    for (int i = 0; i < 10; ++i) {
        bank.addUserId(std::make_unique<UserIdEntry>());
    }
    UserIdEntry& tenth = *bank.userIds()[9];
    tenth.id().set(hb::records::UserId::kKind, 2);
    tenth.id().set(hb::records::UserId::kValue, 4512);
    tenth.setName("Tenth");
    EXPECT_EQ(Edit(tenth, 1003), Lines{"TG A A0 004512\r"});
    EXPECT_EQ(Edit(tenth, 1100), Lines{"TA I A A0 Tenth           \r"});
    EXPECT_EQ(Edit(tenth, 1040), Lines{"BAF I A A0\r"});
    EXPECT_EQ(Edit(*bank.userIds()[0], 1019),
              Lines{"KEY11\rKEY02 3\rKEY02 1\rKEY02 5\rKEY02 1\rKEY03\rKEY02 1\rKEY04\r"
                    "KEY02 3\rKEY02 2\rKEY04\rKEY01\r"});
    Doc().SetModifiedFlag(FALSE);
}

TEST_F(TrunkLiveTest, ReversedLimitsAreSwappedAndAnUnsetLimitSendsNothing) {
    ASSERT_NE(Open(63), nullptr);
    Bank& bank = NewBank(1);
    auto owned = std::make_unique<Range>();
    Range& range = *owned;
    bank.addMember(std::move(owned));
    parm record = range.record();
    record.set(parm::kMemoryChannel, 2);
    range.SetParm(record);
    range.setLimits(160'000'000, 150'000'000, 12'500);
    EXPECT_EQ(Edit(range, 1022), Lines{"LL01500000 B\r"});
    EXPECT_EQ(range.lower(), 150'000'000u);
    EXPECT_EQ(range.upper(), 160'000'000u);
    EXPECT_EQ(Edit(range, 1023), Lines{"LU01600000 B\r"});
    range.setLimits(0, 150'000'000, 12'500);
    EXPECT_TRUE(Edit(range, 1022).empty());
    EXPECT_EQ(range.lower(), 0u);
    EXPECT_EQ(range.upper(), 150'000'000u);
    EXPECT_EQ(Edit(range, 1021),
              Lines{"KEY11\rKEY02 4\rKEY02 1\rKEY02 2\rKEY02 2\rKEY02 4\rKEY01\r"});
    Doc().SetModifiedFlag(FALSE);
}

TEST_F(TrunkLiveTest, ATypeTwoBankSendsItsBandPlansFromTheSettingsRecord) {
    ASSERT_NE(Open(63), nullptr);
    Bank& bank = NewBank(1);
    bank.trunkType = 2;
    bank.trunkFlags = 0x20 | 0x40;
    RadioSettingsRecord settings = RadioSettingsRecord::Fetch(TheGroup().records());
    settings.SetPlanBase(1, 1, 851'012'500);
    settings.SetPlanSpacing(1, 1, 25'000);
    settings.SetPlanOffset(1, 1, 380);
    settings.SetPlanBase(1, 3, 866'000'000);
    settings.SetPlanSpacing(1, 3, 12'500);
    settings.SetPlanOffset(1, 3, 7);
    settings.Set(RadioSettingsRecord::BankByte::kIrSetting, 1, 2);
    settings.Set(RadioSettingsRecord::BankByte::kTcSetting, 1, 4);
    EXPECT_EQ(Edit(bank, 1036), (Lines{"MA001\rTR A 5 08510125 0250 380 1\r"
                                       "TR A 5 00000000 0500 380 2\r"
                                       "TR A 5 08660000 0125 007 3\rTBN A\r",
                                       "IRY A\r", "TCN A P4\r"}));
    // An IR setting without a letter sends no IR line.
    settings.Set(RadioSettingsRecord::BankByte::kIrSetting, 1, 3);
    bank.trunkType = 1;
    bank.fleetMap = {1, 2, 3, 4, 5, 6, 7, 15};
    EXPECT_EQ(Edit(bank, 27742),
              (Lines{"MA001\rTR A 1\rTBN A\r",
                     "FB A 0 01\rFB A 1 02\rFB A 2 03\rFB A 3 04\rFB A 4 05\rFB A 5 06\r"
                     "FB A 6 07\rFB A 7 15\r",
                     "TCN A P4\r"}));
    bank.trunkType = 4;
    EXPECT_EQ(Edit(bank, 1036), (Lines{"MA001\rTBN A\r"}));
    bank.trunkType = 0;
    EXPECT_EQ(Edit(bank, 1036), (Lines{"MA001\rTBF A\r"}));
    Doc().SetModifiedFlag(FALSE);
}

TEST_F(TrunkLiveTest, ABankPastTheRecordsTenSendsNothingReadFromIt) {
    ASSERT_NE(Open(43), nullptr);
    Bank& bank = NewBank(11);
    bank.trunkType = 2;
    bank.trunkFlags = 0x20;
    EXPECT_EQ(Edit(bank, 1036), Lines{"MA501\rTBN K\r"});
    EXPECT_EQ(Edit(bank, 1100), Lines{"TA B K                 \r"});
    Doc().SetModifiedFlag(FALSE);
}

} // namespace
} // namespace hb::radioview::test
