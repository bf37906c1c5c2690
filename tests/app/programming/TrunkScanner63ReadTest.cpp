// Radio to PC for the trunk-tracking scanners of types 63 to 92, from the simulated scanner and
// from replies no sane radio gives: fleet maps, band plans, channels, FIPS slots, menu choices, a
// refused group and Stop.
#include "platform/tessary/model/Radio.h"
#include "tests/app/programming/TrunkScanner63Test.h"

namespace hb::app::test {
namespace {

using Setting = RadioSettingsRecord::Setting;

class RefusingRadio : public ::Radio {
public:
    using Radio::Radio;
    int CheckGroup(const Object&) const override { return 1; }
};

class TrunkScanner63ReadTest : public TrunkScanner63Test {
protected:
    // A display line highlighted, beginning with the text.
    static std::string Highlighted(std::string text) {
        text.resize(hb::records::DeviceStatus::kHighlightColumn, ' ');
        return text + "*";
    }
    static void TrunkBankA(unsigned code) {
        hb::engine::sim::SimTrunkBank63& kept = Memory().banks[0];
        kept.trunking = true;
        kept.trunkCode = code;
    }
};

TEST_F(TrunkScanner63ReadTest, AFleetMapReplyFillsTheBlocksItsSizeCodeCovers) {
    Use(63, 1);
    TrunkBankA(2);
    Memory().banks[0].fleetMap = {12, 0, 5, 0, 1, 1, 1, 1};
    // Digits that are no size code leave their block as it was.
    Radio().Script("FB A 3", "FB A 3 7x");
    Bank& bank = BankAt(0);
    bank.fleetMap.fill(9);
    Choose({0}, false);
    Upload();
    EXPECT_EQ(bank.trunkType, 1);
    EXPECT_EQ(bank.fleetMap, (std::array<std::uint8_t, 8>{12, 12, 5, 9, 1, 1, 1, 1}));
    EXPECT_TRUE(SentInOrder({"TB A", "FB A 0", "FB A 2", "FB A 3", "FB A 4"}));
    EXPECT_EQ(Count("FB A 1"), 0u);

    // Size code 14 fills every block with one question.
    Memory().banks[0].fleetMap[0] = 14;
    Radio().ClearJournal();
    Upload();
    EXPECT_EQ(bank.fleetMap, (std::array<std::uint8_t, 8>{14, 14, 14, 14, 14, 14, 14, 14}));
    EXPECT_EQ(CountStarting("FB A"), 1u);
}

TEST_F(TrunkScanner63ReadTest, ATypeIIBankReadsItsBandPlansByBcOrFromTheDisplay) {
    for (const std::uint8_t type : {91, 63}) {
        CRig::DeleteAll();
        Use(type, 1);
        TrunkBankA(4);
        Memory().banks[0].plans[0] = {8'510'125, 125, 380};
        Memory().banks[0].plans[2] = {8'660'000, 250, 400};
        Choose({0}, false);
        Upload();
        const Bank& bank = BankAt(0);
        EXPECT_EQ(bank.trunkType, 2);
        EXPECT_EQ(bank.trunkFlags, Bank::kTrunkUhf);
        EXPECT_EQ(bank.base, 851'012'500u) << int{type};
        EXPECT_EQ(bank.spacing, 12'500u) << int{type};
        EXPECT_EQ(bank.offset, 380);
        EXPECT_EQ(Record().PlanBase(1, 3), 866'000'000u) << int{type};
        EXPECT_EQ(Record().PlanSpacing(1, 3), 25'000u) << int{type};
        EXPECT_EQ(Record().PlanOffset(1, 3), 400);
        EXPECT_EQ(Record().PlanBase(1, 2), 0u);
        if (type == 91) {
            EXPECT_TRUE(SentInOrder({"BC A1", "BC A2", "BC A3"}));
        } else {
            EXPECT_EQ(CountStarting("BC"), 0u);
            EXPECT_TRUE(SentInOrder(
                {"KEY11", "KEY02 2", "KEY02 2", "KEY02 1", "KEY02 1", "KEY02 1", "KEY02 4"}));
        }
        EXPECT_TRUE(boxes.empty());
    }
}

TEST_F(TrunkScanner63ReadTest, ChannelsComeBackWholeAndEmptyOrUnnamedOnesAsSuch) {
    Use(63, 1);
    Bank& bank = BankAt(0);
    for (int n = 0; n < 3; ++n) {
        AddChannel(bank, 162'000'000, "Old");
    }
    Memory().channels[0].frequency = 1'550'100;
    Memory().channels[2].frequency = 4'600'250;
    Memory().channels[2].name = "Tower";
    Choose({0}, false);
    Upload();
    const auto& channels = bank.members();
    EXPECT_EQ(channels[0]->frequency(), 155'010'000u);
    EXPECT_EQ(channels[0]->name(), "");
    // An empty memory is reset, keeps its number, and nothing more is asked of it.
    EXPECT_EQ(channels[1]->frequency(), 0u);
    EXPECT_EQ(channels[1]->record().get(Parm::kMemoryChannel), 2);
    EXPECT_EQ(channels[1]->name(), "");
    EXPECT_TRUE(SentInOrder({"MA002", "MA003"}));
    EXPECT_EQ(channels[2]->name(), "Tower");
    EXPECT_EQ(channels[2]->record().get(Parm::kMemoryChannel), 3);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(TrunkScanner63ReadTest, FipsSlotsAddWhatTheyHoldAndAForeignReplyEndsThem) {
    Use(63, 0);
    Memory().fips[0] = "012345";
    Radio().Script("FP 02", "FIPS 02 -");
    Radio().Script("FP 03", "NG");
    Record().SetFipsText("999999\r\n");
    Choose({}, true);
    Upload();
    EXPECT_EQ(Record().FipsText(), "012345\r\n");
    EXPECT_EQ(Count("FP 03"), 1u);
    EXPECT_EQ(CountStarting("FP 04"), 0u);
    EXPECT_TRUE(SentInOrder({"FP 03", "LT"}));
}

TEST_F(TrunkScanner63ReadTest, MenuChoicesAreTakenOnlyFromTheirDigits) {
    Use(64, 0);
    Radio().Script("LCD1", "LCD1 " + Highlighted("1 ON"));
    Choose({}, true);
    Upload();
    EXPECT_EQ(Record().Get(Setting::kChainSearchItem6), 0xFF);
    EXPECT_EQ(Record().Get(Setting::kChainSearchChoice), 0);
    EXPECT_EQ(Record().Get(Setting::kChainSearchItem4), 0xFF);

    // A blank where a digit is expected leaves the choice.
    Record().Set(Setting::kChainSearchChoice, 5);
    Radio().Script("LCD1", "LCD1 " + Highlighted(""));
    Upload();
    EXPECT_EQ(Record().Get(Setting::kChainSearchChoice), 5);
    EXPECT_EQ(Record().Get(Setting::kChainSearchItem6), 0);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(TrunkScanner63ReadTest, ARefusedGroupGetsTheClosingCommandsAndNothingElse) {
    hb::tessary::SetRadioFactory([](std::uint8_t type) {
        return std::unique_ptr<::Radio>(
            type == 63 ? new RefusingRadio(*hb::records::FindRadioModel(63)) : nullptr);
    });
    Use(63, 1);
    AddChannel(BankAt(0), 155'010'000, "Fire");
    Choose({0}, true);
    Upload();
    EXPECT_EQ(Sent(), (Journal{"KEY01", "KEY07", "MA001", "DMF", "IDF", "QUF", "CDF", "MUN",
                               "KEY01", "IDN", "QUN", "CDN", "MUA"}));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(TrunkScanner63ReadTest, StopDuringTheBankWalkSkipsTheClosingCommands) {
    Use(63, 3);
    Radio().onLine = [this](std::string_view line) {
        if (line == "TA B B" && running) {
            ::PostMessage(running->m_progress.m_hWnd, WM_COMMAND, IDCANCEL, 0);
        }
    };
    Choose({0, 1, 2}, true);
    Upload();
    EXPECT_EQ(CountStarting("TA B C"), 0u);
    EXPECT_EQ(Count("IDN"), 0u);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(CRig::FindByOwner(&owner.wnd), nullptr);
    EXPECT_TRUE(::IsWindowEnabled(owner.wnd.m_hWnd));
}

} // namespace
} // namespace hb::app::test
