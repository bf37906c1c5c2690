// "Radio to PC" for the type-17 trunk scanner: IDs read slot by slot, an ID the bank cannot read
// and the bank settings that mend it, slots that fail or end the list, and a group that comes back
// from the radio as it went.
#include "platform/afx/Input.h"
#include "platform/tessary/app/RadioBankSettings.h"
#include "tests/app/programming/Type17TransferTest.h"

namespace hb::app::test {
namespace {

using hb::records::Parm;

class Type17ReadTest : public Type17TransferTest {
protected:
    static std::set<unsigned> FirstTen() {
        std::set<unsigned> banks;
        for (unsigned n = 1; n <= 10; ++n) {
            banks.insert(n);
        }
        return banks;
    }
    // The IDs of the bank as values, 0 for an entry not in use.
    std::vector<std::uint32_t> Values(std::size_t bank) const {
        std::vector<std::uint32_t> values;
        for (const auto& entry : Root().banks()[bank]->userIds()) {
            values.push_back(entry->id().inUse() ? entry->id().get(UserId::kValue) : 0);
        }
        return values;
    }
    void SetAll(std::size_t bank, const char* text) const {
        Bank& held = *Root().banks()[bank];
        for (const auto& entry : held.userIds()) {
            convert_user(text, &entry->id(), held.trunkType, held.fleetMap);
        }
    }
    // The bank settings dialog gives every block the size code and takes it.
    static void MendFleetMaps(std::uint8_t size) {
        hb::afx::SetModalScript("CRadioBankSettings", [size](CDialog& dialog) {
            for (UINT block = 0; block < 8; ++block) {
                ::SendMessage(
                    ::GetDlgItem(dialog.m_hWnd,
                                 static_cast<int>(CRadioBankSettings::IDC_BLOCK_FIRST + block)),
                    CB_SETCURSEL, size, 0);
            }
            hb::afx::ClickButton(dialog.m_hWnd, IDOK);
        });
    }
};

TEST_F(Type17ReadTest, AnIdTheBankCannotReadIsMendedInItsSettingsOrEndsTheIdPass) {
    const Map typeI{4, 4, 4, 4, 4, 4, 4, 4};
    Bank& bank = AddTrunkBank(1, typeI);
    AddId(bank, "200-01");
    AddId(bank, "300-02");
    AddId(AddTrunkBank(2), "004711");
    Choose({1, 2}, false);
    Download();
    // Without layouts in its fleet map the bank cannot read a Type I ID.
    bank.fleetMap = {};
    SetAll(0, "000009");
    Simulated().ClearJournal();
    EngineSim::ClearJournal();

    EngineSim::ExpectMessage(12, 1);
    EngineSim::ExpectMessage(34, 2);
    CLoader loader;
    loader.Upload(doc.GetGroup(), nullptr, &doc, &owner.wnd);
    EXPECT_EQ(Values(0), (std::vector<std::uint32_t>{9, 9}));
    EXPECT_EQ(Lines("KEY21"), std::vector<std::string>{"KEY21 A"});
    EXPECT_EQ(Simulated().Journal().back(), "MUA");
    // Asked over the progress window, which the transfer has closed since.
    const HWND asked = EngineSim::Messages().back().window;
    EXPECT_NE(asked, owner.wnd.m_hWnd);
    EXPECT_FALSE(::IsWindow(asked));
    EXPECT_TRUE(doc.IsModified());
    ExpectClosed();

    // OK: the user sets the map in the bank's settings, and the ID is read with it.
    MendFleetMaps(4);
    EngineSim::ExpectMessage(12, 1);
    EngineSim::ExpectMessage(34, 1);
    CLoader again;
    again.Upload(doc.GetGroup(), nullptr, &doc, &owner.wnd);
    EXPECT_EQ(bank.fleetMap, typeI);
    const auto shown = hb::afx::ModalLog();
    EXPECT_EQ(std::ranges::count_if(
                  shown, [](const auto& modal) { return modal.className == "CRadioBankSettings"; }),
              1);
    UserIdEntry expected;
    convert_user("200-01", &expected.id(), 1, typeI);
    EXPECT_EQ(bank.userIds()[0]->id(), expected.id());
    convert_user("300-02", &expected.id(), 1, typeI);
    EXPECT_EQ(bank.userIds()[1]->id(), expected.id());
    EXPECT_EQ(Values(1), std::vector<std::uint32_t>{4711});
    EXPECT_TRUE(EngineSim::UnansweredMessages().empty());
}

TEST_F(Type17ReadTest, ASilentSlotKeepsItsEntryAnEmptyOneIsClearedAndNgEndsTheList) {
    Bank& first = AddTrunkBank(2);
    for (const char* id : {"000501", "000502", "000503", "000504", "000505"}) {
        AddId(first, id);
    }
    AddId(AddTrunkBank(2), "000777");
    Choose({1, 2}, false);
    Download();
    SetAll(0, "000009");
    SetAll(1, "000009");
    Simulated().FailOn("IC A2", hb::engine::sim::Fault::Silent);
    Simulated().Script("IC A3", "IC A3 ------");
    Simulated().Script("IC A4", "NG");
    Simulated().ClearJournal();
    Upload();

    EXPECT_EQ(Values(0), (std::vector<std::uint32_t>{501, 9, 0, 9, 9}));
    EXPECT_EQ(Values(1), std::vector<std::uint32_t>{777});
    // The first "IC A1" of each list puts the cursor on the list's first slot.
    EXPECT_EQ(Lines("IC"), (std::vector<std::string>{"IC A1", "IC A1", "IC A2", "IC A3", "IC A4",
                                                     "IC A1", "IC A1"}));
    EXPECT_EQ(BoxesCaptioned("Data Transfer Error").size(), 1u);
    EXPECT_EQ(TransferErrors(), std::vector<std::string>{});
}

TEST_F(Type17ReadTest, AGroupComesBackFromTheRadioAsItWent) {
    Bank& preset = AddTrunkBank(1, {12, 15, 4, 4, 4, 4, 4, 4});
    AddChannel(preset, 851'512'500, "Dispatch", 2000, 0xFF);
    AddId(preset, "000-05");
    AddId(preset, "200-01");
    Bank& byHand = AddTrunkBank(1, {13, 13, 13, 13, 4, 4, 4, 4});
    AddId(byHand, "000-03");
    AddId(byHand, "400-01");
    Bank& full = AddTrunkBank(2);
    for (int n = 1; n <= 50; ++n) {
        AddId(full, std::to_string(1000 + n).c_str());
    }
    Bank& typeII = AddTrunkBank(2);
    AddId(typeII, "004711");
    typeII.addUserId(std::make_unique<UserIdEntry>());
    AddId(typeII, "065535");
    Bank& conventional = AddBank();
    AddChannel(conventional, 154'010'000, "Fire", 2000);
    conventional.addMember(std::make_unique<Chan>()).reset(doc.GetRadio());
    AddChannel(conventional, 155'000'000, "", 0, 0xFF);
    while (Root().banks().size() < 10) {
        AddBank();
    }
    AddRange(162'400'000, 162'550'000);
    Choose(FirstTen(), true);
    Download();
    EXPECT_EQ(Sim().List('A').fleetMap, preset.fleetMap);
    EXPECT_EQ(Sim().List('B').fleetMap, byHand.fleetMap);
    EXPECT_EQ(Sim().List('C').slots[49], "1050");
    EXPECT_TRUE(boxes.empty());

    // The radio cannot tell a list's trunk system: the copy keeps the group's.
    CGroupDoc copy;
    copy.NewGroup(kType);
    for (const auto& bank : Root().banks()) {
        auto empty = std::make_unique<Bank>();
        empty->number = bank->number;
        empty->trunkType = bank->trunkType;
        empty->fleetMap = bank->fleetMap;
        for (const auto& member : bank->members()) {
            empty->addMember(std::make_unique<Chan>(member->kind()));
        }
        for (std::size_t n = 0; n < bank->userIds().size(); ++n) {
            empty->addUserId(std::make_unique<UserIdEntry>());
        }
        copy.GetGroup()->addBank(std::move(empty));
    }
    copy.GetGroup()->addExtra(std::make_unique<Range>());
    CLoader loader;
    Upload(loader, copy);

    const auto withoutHandle = [](const Chan& channel) {
        Parm record = channel.record();
        record.set(Parm::kObjectHandle, 0);
        return record;
    };
    for (std::size_t b = 0; b < Root().banks().size(); ++b) {
        const Bank& out = *Root().banks()[b];
        const Bank& in = *copy.GetGroup()->banks()[b];
        EXPECT_EQ(in.trunkType, out.trunkType) << b;
        for (std::size_t c = 0; c < out.members().size(); ++c) {
            EXPECT_EQ(withoutHandle(*in.members()[c]), withoutHandle(*out.members()[c]))
                << b << " " << c;
        }
        for (std::size_t i = 0; i < out.userIds().size(); ++i) {
            EXPECT_EQ(in.userIds()[i]->id(), out.userIds()[i]->id()) << b << " " << i;
        }
    }
    const Parm range = copy.GetGroup()->extras()[0]->record();
    EXPECT_EQ(range.get(Parm::Channel::kLowerLimit), 162'400'000u);
    EXPECT_EQ(range.get(Parm::Channel::kUpperLimit), 162'550'000u);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(TransferErrors(), std::vector<std::string>{});
}

} // namespace
} // namespace hb::app::test
