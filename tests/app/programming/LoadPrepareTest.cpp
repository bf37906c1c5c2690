// What a transfer asks before it starts: the engine's question and the bank choice for the
// command families, the options and the summary for the others, and a transfer narrowed to the
// memories selected in the group.
#include "platform/afx/Input.h"
#include "platform/afx/ModalScript.h"
#include "platform/engine/EngineSim.h"
#include "platform/tessary/model/Group.h"
#include "programming/TransferCursor.h"
#include "resources/program/TransferIds.h"
#include "tests/app/programming/TransferTest.h"

namespace hb::app::test {
namespace {

namespace tr = hb::resources::transfer;
using hb::afx::ClickButton;

// The member column that marks a channel as selected.
constexpr std::size_t kSelectedColumn = 1;

class LoadPrepareTest : public TransferTest {
protected:
    int Prepare(std::uint8_t type, std::uint8_t direction) {
        loader.m_radio = Radio::CreateRadio(type);
        loader.m_owner = &owner.wnd;
        cursor = TransferCursor{};
        cursor.direction = direction;
        group.setRadioType(type);
        return loader.PrepareTransfer(owner.wnd.m_hWnd, cursor, &group);
    }
    static void Answer(UINT templateId, int button) {
        hb::afx::SetModalScript(templateId,
                                [button](CDialog& dialog) { ClickButton(dialog.m_hWnd, button); });
    }
    std::size_t Shown() const { return hb::afx::ModalLog().size(); }

    TransferCursor cursor;
    Group group;
};

TEST_F(LoadPrepareTest, ACommandFamilyAsksTheEngineThenForTheBanks) {
    EngineSim::ExpectMessage(12, 1);
    hb::afx::SetModalScript(tr::kBankDialog, [](CDialog& dialog) {
        CString caption;
        dialog.GetWindowText(caption);
        EXPECT_EQ(caption, "Transfer Radio to PC");
        EXPECT_TRUE(::IsWindowVisible(dialog.GetDlgItem(tr::kBankA + 19)->m_hWnd));
        ClickButton(dialog.m_hWnd, IDOK);
    });
    EXPECT_EQ(Prepare(43, TransferPosition::kRadioToPc), 0);
    EXPECT_EQ(cursor.radio, loader.m_radio.get());
    EXPECT_EQ(cursor.total, 1000);
    EXPECT_EQ(cursor.bank, 1);
    EXPECT_EQ(cursor.channel, 1);
    EXPECT_EQ(cursor.bankIndex, 0);
    EXPECT_EQ(cursor.channelIndex, 0);
    EXPECT_EQ(cursor.partial, 0);
    EXPECT_NE(cursor.replace, 0);

    // Cancel of the engine's question ends it before any dialog.
    EngineSim::ExpectMessage(33, 2);
    const std::size_t shown = Shown();
    EXPECT_EQ(Prepare(43, TransferPosition::kPcToRadio), -1);
    EXPECT_EQ(Shown(), shown);

    EngineSim::ExpectMessage(12, 1);
    hb::afx::SetModalScript(tr::kBankDialog, [](CDialog& dialog) {
        EXPECT_TRUE(::IsWindowVisible(dialog.GetDlgItem(tr::kBankA + 4)->m_hWnd));
        EXPECT_FALSE(::IsWindowVisible(dialog.GetDlgItem(tr::kBankA + 5)->m_hWnd));
        ClickButton(dialog.m_hWnd, IDCANCEL);
    });
    EXPECT_EQ(Prepare(99, TransferPosition::kRadioToPc), -1);
}

TEST_F(LoadPrepareTest, OtherRadiosShowTheSummaryAndSomeTheOptionsFirst) {
    Answer(tr::kReadInfoDialog, IDOK);
    EXPECT_EQ(Prepare(2, TransferPosition::kRadioToPc), 0);
    EXPECT_EQ(hb::afx::ModalLog().back().templateId, tr::kReadInfoDialog);
    Answer(tr::kWriteInfoDialog, IDCANCEL);
    EXPECT_EQ(Prepare(2, TransferPosition::kPcToRadio), 1);

    Answer(tr::kOptionsDialog, IDCANCEL);
    const std::size_t shown = Shown();
    EXPECT_EQ(Prepare(18, TransferPosition::kRadioToPc), 1);
    EXPECT_EQ(Shown(), shown + 1);

    // The radio that is only asked.
    EngineSim::ExpectMessage(12, 2);
    EXPECT_EQ(Prepare(42, TransferPosition::kRadioToPc), -1);
    EngineSim::ExpectMessage(33, 1);
    EXPECT_EQ(Prepare(42, TransferPosition::kPcToRadio), 0);
}

TEST_F(LoadPrepareTest, SelectedMemoriesNarrowTheTransferToThemAndItRuns) {
    // Two banks as the radio has them, five channels of the second selected.
    for (int b = 0; b < 2; ++b) {
        auto bank = std::make_unique<Bank>();
        for (int c = 0; c < 20; ++c) {
            Chan& channel = bank->addMember(Channel(150'000'000 + 12'500 * c, "Channel"));
            channel.setValue(kSelectedColumn, b == 1 && c >= 3 && c < 8 ? 1 : 0);
        }
        group.addBank(std::move(bank));
    }
    hb::afx::SetModalScript(tr::kReadInfoDialog, [](CDialog& dialog) {
        CString total;
        dialog.GetDlgItemText(tr::kTotal, total);
        EXPECT_EQ(total, "5");
        ClickButton(dialog.m_hWnd, IDOK);
    });
    EXPECT_EQ(Prepare(2, TransferPosition::kRadioToPc), 0);
    EXPECT_EQ(cursor.total, 5);
    EXPECT_NE(cursor.partial, 0);
    EXPECT_EQ(cursor.docStartBank, 1);
    EXPECT_EQ(cursor.docStartChannel, 24);
    EXPECT_EQ(cursor.bankIndex, 1);
    EXPECT_EQ(cursor.channelIndex, 3);

    std::vector<Chan*> records;
    for (Chan* record = loader.LocateRecord(&group, cursor); record;
         record = loader.LocateRecord(&group, cursor)) {
        records.push_back(record);
        if (loader.StepProgress(cursor) != 0) {
            break;
        }
    }
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[0], group.banks()[1]->members()[3].get());
    EXPECT_EQ(records[4], group.banks()[1]->members()[7].get());
    EXPECT_EQ(group.banks()[1]->members().size(), 20u);
}

} // namespace
} // namespace hb::app::test
