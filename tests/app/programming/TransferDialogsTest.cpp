// The transfer dialogs: the summary of a lettered and of a flat radio with its refusals, the bank
// choice and what it keeps in the profile, and the progress window with its owner and Stop.
#include "platform/afx/Input.h"
#include "platform/afx/ModalScript.h"
#include "platform/engine/EngineSim.h"
#include "platform/win/controls/ControlMessages.h"
#include "programming/LoadBankDlg.h"
#include "programming/LoadInfoDlg.h"
#include "programming/LoadOptionsDlg.h"
#include "programming/TransferCursor.h"
#include "resources/program/TransferIds.h"
#include "tests/app/programming/TransferTest.h"

namespace hb::app::test {
namespace {

namespace tr = hb::resources::transfer;
using hb::afx::ClickButton;

std::string ItemText(CDialog& dialog, int id) {
    CString text;
    dialog.GetDlgItemText(id, text);
    return text.GetString();
}

std::vector<std::uint32_t> EngineMessageNumbers() {
    std::vector<std::uint32_t> numbers;
    for (const auto& message : EngineSim::Messages()) {
        numbers.push_back(message.number);
    }
    return numbers;
}

class SummaryDialogTest : public TransferTest {
protected:
    // A cursor as a transfer fills it for the whole radio.
    void Fill(std::uint8_t type) {
        radio = Radio::CreateRadio(type);
        cursor.radio = radio.get();
        const auto& organisation = radio->organisation();
        cursor.total = organisation.channels;
        cursor.radioStartBank = organisation.firstBank;
        cursor.radioStartChannel = organisation.firstChannel;
        cursor.docStartBank = organisation.firstBank;
        cursor.docStartChannel = organisation.firstChannel;
        cursor.direction = TransferPosition::kRadioToPc;
        cursor.KeepSaved();
    }
    int Run(hb::afx::ModalScript script) {
        hb::afx::SetModalScript(tr::kReadInfoDialog, std::move(script));
        CLoadInfoDlg dialog(cursor, true, &owner.wnd);
        return dialog.DoModal();
    }

    std::unique_ptr<::Radio> radio;
    TransferCursor cursor;
};

TEST_F(SummaryDialogTest, ALetteredRadioIsSummedUpAndTakesABankLetter) {
    Fill(43);
    EXPECT_EQ(Run([](CDialog& dialog) {
                  EXPECT_EQ(ItemText(dialog, tr::kSummary),
                            "Radio: Trunk Tracker 43\n1000 channels, 20 banks, 50 channels/bank.\n"
                            "Banks: use 1=A, 2=B, ... 11=K, ... 20=T.");
                  EXPECT_EQ(ItemText(dialog, tr::kDocStartBank), "A");
                  EXPECT_EQ(ItemText(dialog, tr::kRadioStartBank), "A");
                  EXPECT_EQ(ItemText(dialog, tr::kTotal), "1000");
                  EXPECT_EQ(dialog.IsDlgButtonChecked(tr::kModeReplace), 1u);
                  dialog.SetDlgItemText(tr::kDocStartBank, "C");
                  dialog.SetDlgItemText(tr::kRadioStartBank, "B");
                  dialog.SetDlgItemText(tr::kTotal, "40");
                  ClickButton(dialog.m_hWnd, IDOK);
              }),
              IDOK);
    EXPECT_EQ(cursor.docStartBank, 3);
    EXPECT_EQ(cursor.radioStartBank, 2);
    EXPECT_EQ(cursor.total, 40);
    EXPECT_TRUE(EngineSim::Messages().empty());

    EXPECT_EQ(Run([](CDialog& dialog) {
                  dialog.SetDlgItemText(tr::kDocStartBank, "A");
                  ClickButton(dialog.m_hWnd, IDOK);
              }),
              IDOK);
    EXPECT_EQ(cursor.docStartBank, 1);
}

TEST_F(SummaryDialogTest, ALetteredRadioOfOneBankShowsAMarkForTheLettersItLacks) {
    hb::records::RadioModel model = *hb::records::FindRadioModel(43);
    model.organisation.banks = 1;
    model.organisation.bankLetters = "A";
    radio = std::make_unique<::Radio>(model);
    cursor.radio = radio.get();
    cursor.radioStartBank = cursor.docStartBank = model.organisation.firstBank;
    cursor.KeepSaved();
    EXPECT_EQ(Run([](CDialog& dialog) {
                  EXPECT_EQ(ItemText(dialog, tr::kSummary),
                            "Radio: Trunk Tracker 43\n1000 channels, 1 banks, 1000 channels/bank.\n"
                            "Banks: use 1=A, 2=?, ... 1=A, ... 1=A.");
                  ClickButton(dialog.m_hWnd, IDCANCEL);
              }),
              IDCANCEL);
}

TEST_F(SummaryDialogTest, RefusedEntriesGoBackToTheirFirstValueAndTheDialogStays) {
    Fill(43);
    cursor.docStartBank = 2;
    EXPECT_EQ(Run([this](CDialog& dialog) {
                  for (const char* entry : {"AB", "Z", ""}) {
                      dialog.SetDlgItemText(tr::kDocStartBank, entry);
                      ClickButton(dialog.m_hWnd, IDOK);
                      EXPECT_FALSE(dialog.IsEnded()) << entry;
                      EXPECT_EQ(ItemText(dialog, tr::kDocStartBank), "A") << entry;
                      EXPECT_EQ(cursor.docStartBank, 1) << entry;
                  }
                  dialog.SetDlgItemText(tr::kTotal, "12x");
                  ClickButton(dialog.m_hWnd, IDOK);
                  EXPECT_EQ(ItemText(dialog, tr::kTotal), "1000");
                  // Below the radio's first channel the transfer's position would wrap.
                  dialog.SetDlgItemText(tr::kTotal, "10");
                  dialog.SetDlgItemText(tr::kDocStartChannel, "0");
                  ClickButton(dialog.m_hWnd, IDOK);
                  EXPECT_EQ(ItemText(dialog, tr::kDocStartChannel), "1");
                  EXPECT_FALSE(dialog.IsEnded());
                  ClickButton(dialog.m_hWnd, IDCANCEL);
              }),
              IDCANCEL);
    EXPECT_EQ(EngineMessageNumbers(), (std::vector<std::uint32_t>{9, 9, 9, 9, 9}));
    EXPECT_EQ(boxes.size(), 5u);
}

TEST_F(SummaryDialogTest, NothingIsTakenWithoutPermission) {
    Fill(43);
    cursor.showSummary = cursor.permitSecond = cursor.permitThird = 0;
    EXPECT_EQ(Run([](CDialog& dialog) {
                  ClickButton(dialog.m_hWnd, IDOK);
                  EXPECT_FALSE(dialog.IsEnded());
                  ClickButton(dialog.m_hWnd, IDCANCEL);
              }),
              IDCANCEL);
    EXPECT_EQ(EngineMessageNumbers(), std::vector<std::uint32_t>{9});
}

TEST_F(SummaryDialogTest, AFlatRadioHasNoRadioStartBank) {
    Fill(2);
    cursor.radioStartBank = 4;
    EXPECT_EQ(Run([](CDialog& dialog) {
                  EXPECT_EQ(ItemText(dialog, tr::kSummary),
                            "Radio: Scanner 2\n200 channels, 10 banks\n20 channels/bank.");
                  EXPECT_EQ(dialog.GetDlgItem(tr::kRadioStartBank), nullptr);
                  EXPECT_EQ(ItemText(dialog, tr::kDocStartBank), "0");
                  ClickButton(dialog.m_hWnd, IDOK);
              }),
              IDOK);
    EXPECT_EQ(cursor.radioStartBank, 0);
}

TEST_F(SummaryDialogTest, DefaultsRestoreTheSavedCopyAndEachModeLeavesItsFlagAlone) {
    Fill(43);
    EXPECT_EQ(Run([](CDialog& dialog) {
                  dialog.SetDlgItemText(tr::kTotal, "5");
                  dialog.SetDlgItemText(tr::kDocStartChannel, "7");
                  dialog.SetDlgItemText(tr::kDocStartBank, "D");
                  ClickButton(dialog.m_hWnd, tr::kRestoreDefaults);
                  EXPECT_EQ(ItemText(dialog, tr::kTotal), "1000");
                  EXPECT_EQ(ItemText(dialog, tr::kDocStartChannel), "1");
                  EXPECT_EQ(ItemText(dialog, tr::kDocStartBank), "A");
                  ClickButton(dialog.m_hWnd, IDCANCEL);
              }),
              IDCANCEL);

    const UINT buttons[] = {tr::kModeReplace, tr::kModeInsert, tr::kModeMerge};
    for (const UINT chosen : buttons) {
        EXPECT_EQ(Run([&](CDialog& dialog) {
                      for (const UINT button : buttons) {
                          dialog.CheckDlgButton(static_cast<int>(button), button == chosen);
                      }
                      ClickButton(dialog.m_hWnd, IDOK);
                  }),
                  IDOK);
        EXPECT_EQ(cursor.replace != 0, chosen == tr::kModeReplace);
        EXPECT_EQ(cursor.insert != 0, chosen == tr::kModeInsert);
        EXPECT_EQ(cursor.merge != 0, chosen == tr::kModeMerge);
    }
    // The mode the cursor holds is the one shown.
    EXPECT_EQ(Run([](CDialog& dialog) {
                  EXPECT_EQ(dialog.IsDlgButtonChecked(tr::kModeMerge), 1u);
                  EXPECT_EQ(dialog.IsDlgButtonChecked(tr::kModeReplace), 0u);
                  ClickButton(dialog.m_hWnd, IDCANCEL);
              }),
              IDCANCEL);
}

class BankDialogTest : public TransferTest {
protected:
    static std::size_t TransferWrites() {
        std::size_t count = 0;
        for (const auto& write : RegistryWrites()) {
            count += write.keyPath.ends_with("\\Transfer") &&
                             write.change == hb::win::registry::Change::SetValue
                         ? 1
                         : 0;
        }
        return count;
    }
    static std::vector<bool> Checks(CDialog& dialog) {
        std::vector<bool> checks;
        for (UINT n = 0; n < tr::kBankCount; ++n) {
            checks.push_back(dialog.IsDlgButtonChecked(static_cast<int>(tr::kBankA + n)) != 0);
        }
        checks.push_back(dialog.IsDlgButtonChecked(tr::kSettings) != 0);
        return checks;
    }
};

TEST_F(BankDialogTest, AsManyBoxesShowAsTheTransferSets) {
    for (const int shown : {20, 5, 10}) {
        CLoader fresh;
        fresh.m_bank_dialog.SetShownBanks(shown);
        fresh.m_bank_dialog.SetCaption("Transfer Radio to PC");
        hb::afx::SetModalScript(tr::kBankDialog, [shown](CDialog& dialog) {
            CString caption;
            dialog.GetWindowText(caption);
            EXPECT_EQ(caption, "Transfer Radio to PC");
            for (UINT n = 0; n < tr::kBankCount; ++n) {
                const CWnd* box = dialog.GetDlgItem(static_cast<int>(tr::kBankA + n));
                ASSERT_NE(box, nullptr);
                EXPECT_EQ(::IsWindowVisible(box->m_hWnd) != FALSE, static_cast<int>(n) < shown)
                    << shown << " boxes, box " << n;
            }
            ClickButton(dialog.m_hWnd, IDCANCEL);
        });
        EXPECT_EQ(fresh.m_bank_dialog.DoModal(), IDCANCEL);
    }
    EXPECT_EQ(TransferWrites(), 0u);
}

TEST_F(BankDialogTest, OkKeepsTheChoiceAndTheButtonsSetOrClearAll) {
    {
        CLoader first;
        EXPECT_TRUE(first.m_bank_dialog.BankChosen(19));
        hb::afx::SetModalScript(tr::kBankDialog, [](CDialog& dialog) {
            EXPECT_EQ(Checks(dialog), std::vector<bool>(21, true));
            ClickButton(dialog.m_hWnd, tr::kClearAll);
            EXPECT_EQ(Checks(dialog), std::vector<bool>(21, false));
            ClickButton(dialog.m_hWnd, tr::kCheckAll);
            EXPECT_EQ(Checks(dialog), std::vector<bool>(21, true));
            dialog.CheckDlgButton(static_cast<int>(tr::kBankA + 1), 0);
            dialog.CheckDlgButton(tr::kSettings, 0);
            ClickButton(dialog.m_hWnd, IDOK);
        });
        EXPECT_EQ(first.m_bank_dialog.DoModal(), IDOK);
        EXPECT_FALSE(first.m_bank_dialog.BankChosen(1));
        EXPECT_FALSE(first.m_bank_dialog.SettingsChosen());
        EXPECT_EQ(TransferWrites(), 21u);
    }
    // The next transfer starts from the choice kept.
    CLoader next;
    EXPECT_TRUE(next.m_bank_dialog.BankChosen(0));
    EXPECT_FALSE(next.m_bank_dialog.BankChosen(1));
    EXPECT_FALSE(next.m_bank_dialog.SettingsChosen());
    EXPECT_EQ(CScanApp::GetScanApp()->GetProfileIntA("Transfer", "LoadBankB", 1), 0);
}

TEST_F(TransferTest, TheOptionsDialogGoesOnOnlyWithOk) {
    hb::afx::SetModalScript(tr::kOptionsDialog,
                            [](CDialog& dialog) { ClickButton(dialog.m_hWnd, IDOK); });
    EXPECT_EQ(CLoadOptionsDlg(&owner.wnd).DoModal(), IDOK);
    hb::afx::SetModalScript(tr::kOptionsDialog,
                            [](CDialog& dialog) { ClickButton(dialog.m_hWnd, IDCANCEL); });
    EXPECT_EQ(CLoadOptionsDlg(&owner.wnd).DoModal(), IDCANCEL);
}

TEST_F(TransferTest, TheProgressDialogHoldsItsOwnerAndStopOnlyRaisesTheFlag) {
    CLoadProgressDlg dialog;
    ASSERT_TRUE(dialog.Create(&owner.wnd));
    EXPECT_FALSE(::IsWindowEnabled(owner.wnd.m_hWnd));
    EXPECT_TRUE(::IsWindowEnabled(dialog.m_hWnd));
    EXPECT_EQ(ItemText(dialog, tr::kNotice),
              "Halbridge Pro is transferring data between the PC and the radio. Press Stop to "
              "abort the operation.");
    EXPECT_NE(dialog.SendDlgItemMessage(tr::kIcon, STM_GETICON), 0);

    dialog.SetRigName("Trunk");
    dialog.SetBank(3);
    EXPECT_EQ(ItemText(dialog, tr::kRigName), "Trunk");
    EXPECT_EQ(ItemText(dialog, tr::kBank), "3");

    ClickButton(dialog.m_hWnd, IDCANCEL);
    ClickButton(dialog.m_hWnd, IDCANCEL);
    EXPECT_TRUE(dialog.Aborted());
    EXPECT_TRUE(::IsWindowVisible(dialog.m_hWnd));

    CLoadProgressDlg escaped;
    ASSERT_TRUE(escaped.Create(&owner.wnd));
    hb::afx::PressKey(escaped.m_hWnd, VK_ESCAPE);
    EXPECT_TRUE(escaped.Aborted());
    EXPECT_TRUE(::IsWindow(escaped.m_hWnd));
    escaped.DestroyWindow();

    dialog.DestroyWindow();
    EXPECT_TRUE(::IsWindowEnabled(owner.wnd.m_hWnd));
    EXPECT_EQ(::GetActiveWindow(), owner.wnd.m_hWnd);
    EXPECT_FALSE(dialog.DestroyWindow());
    EXPECT_TRUE(dialog.Aborted());
    // Setters on a closed dialog change nothing.
    dialog.SetRigName("Other");
}

} // namespace
} // namespace hb::app::test
