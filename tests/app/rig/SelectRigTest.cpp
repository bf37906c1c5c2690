#include "app/rig/RadioSelectDlg.h"
#include "platform/afx/Input.h"
#include "platform/afx/ModalScript.h"
#include "platform/afx/res/BitmapLookup.h"
#include "platform/afx/res/ResourceLoading.h"
#include "tests/app/rig/RigTest.h"

#include <functional>

namespace hb::app::test {
namespace {

using Rows = std::vector<std::pair<std::string, int>>;

hb::afx::DialogTemplate SelectTemplate(bool withLegend) {
    constexpr DWORD kChild = WS_CHILD | WS_TABSTOP;
    constexpr DWORD kList = kChild | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_NOCOLUMNHEADER;
    hb::afx::DialogTemplate dialog{
        .id = CRadioSelectDlg::IDD,
        .caption = "Select Radio",
        .style = WS_POPUP | WS_CAPTION,
        .cx = 220,
        .cy = 150,
        .controls = {{CRadioSelectDlg::kListId, WC_LISTVIEW, "", kList, 0, 7, 7, 120, 110},
                     {CRadioSelectDlg::kWizardId, "Button", "Wizard", kChild | BS_AUTOCHECKBOX, 0,
                      7, 122, 120, 10},
                     {IDOK, "Button", "OK", kChild | WS_VISIBLE, 0, 160, 110, 50, 14},
                     {IDCANCEL, "Button", "Cancel", kChild | WS_VISIBLE, 0, 160, 128, 50, 14}}};
    if (withLegend) {
        dialog.controls.push_back(
            {CRadioSelectDlg::kLegendId, WC_LISTVIEW, "", kList, 0, 135, 7, 75, 90});
    }
    return dialog;
}

Rows RowsOf(const CListCtrl& list) {
    Rows rows;
    for (int row = 0; row < list.GetItemCount(); ++row) {
        LVITEM item;
        item.mask = LVIF_IMAGE;
        item.iItem = row;
        list.GetItem(&item);
        rows.emplace_back(list.GetItemText(row, 0).str(), item.iImage);
    }
    return rows;
}

// The mouse on a row's label, as the user clicks or double-clicks it.
void MouseOnRow(CListCtrl& list, int row, UINT message) {
    for (int y = 0; y < 400; ++y) {
        LVHITTESTINFO hit;
        hit.pt = {30, y};
        if (list.SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) == row) {
            list.SendMessage(message, 0, MAKELPARAM(30, y));
            return;
        }
    }
    ADD_FAILURE() << "row " << row << " is not shown";
}

class SelectRigTest : public RigTest {
protected:
    SelectRigTest() {
        UseResources(true);
        // Pair "A" names Alpha with a comment after it and in another case; pair "B" names a
        // radio that is not configured.
        Settings("[MultiRadio]\nA=1\nA1=alpha,main\nA2=Delta\nB=1\nB1=Bravo\nB2=Echo\n");
    }

    void UseResources(bool withLegend) {
        UseProgramResources(
            {.dialogs = {SelectTemplate(withLegend)},
             .bitmaps = {
                 {.id = CRadioSelectDlg::kIconStrip, .cx = 16 * 13, .cy = 16, .cells = 13}}});
    }
    void FourRigs() {
        alpha = AddRig("Alpha", kReceiver);
        bravo = AddRig("Bravo", kReceiver);
        AddRig("Charlie", kScanner);
        delta = AddRig("Delta", kReceiver);
    }
    static void OnDialog(std::function<void(CRadioSelectDlg&)> script) {
        hb::afx::SetModalScript(CRadioSelectDlg::IDD, [script](CDialog& dialog) {
            script(dynamic_cast<CRadioSelectDlg&>(dialog));
        });
    }
    static void ChooseRow(int row) {
        OnDialog([row](CRadioSelectDlg& dlg) {
            MouseOnRow(dlg.m_list, row, WM_LBUTTONDOWN);
            hb::afx::ClickButton(dlg, IDOK);
        });
    }

    CRig* alpha = nullptr;
    CRig* bravo = nullptr;
    CRig* delta = nullptr;
};

TEST_F(SelectRigTest, WithoutAChoiceToMakeNoDialogIsShown) {
    EXPECT_EQ(CRig::SelectRig("Radio Control", 0xFF, 0), nullptr);
    CRig* only = AddRig("Alpha", kReceiver);
    CRig::s_selection[1] = only;
    EXPECT_EQ(CRig::SelectRig("Radio Control", 0xFF, 0), only);
    EXPECT_EQ(CRig::s_selection[1], nullptr);
    EXPECT_EQ(CRig::SelectRig("Radio Control", 0xFF, kScanner), nullptr);
    CRig* scanner = AddRig("Charlie", kScanner);
    EXPECT_EQ(CRig::SelectRig("Band Scope", CRig::kNoWizardOffer, kScanner), scanner);
    EXPECT_EQ(CRig::SelectRig("Band Scope", CRig::kNoWizardOffer, kTrunkTracker), nullptr);
    app.SetParsePathNameResult(1);
    EXPECT_EQ(CRig::SelectRig("Radio Control", 0xFF, kScanner), nullptr);
    EXPECT_TRUE(hb::afx::ModalLog().empty());
}

TEST_F(SelectRigTest, TheDialogListsTheMatchingRadiosThePairsWhoseRadiosExistAndCancel) {
    FourRigs();
    OnDialog([](CRadioSelectDlg& dlg) {
        EXPECT_TRUE(dlg.GetDlgItem(CRadioSelectDlg::kWizardId)->IsWindowVisible());
        EXPECT_EQ(RowsOf(dlg.m_legend), (Rows{{"Local", 10},
                                              {"Dial-Up", 3},
                                              {"Network", 2},
                                              {"Remote", 7},
                                              {"IEEE-488", 4},
                                              {"Multi-Radio", 12}}));
        EXPECT_EQ(RowsOf(dlg.m_list), (Rows{{"Alpha", 10},
                                            {"Bravo", 10},
                                            {"Delta", 10},
                                            {"alpha & Delta", 12},
                                            {"Cancel", 11}}));
        EXPECT_EQ(dlg.m_images.GetImageCount(), 13);
        EXPECT_EQ(dlg.m_list.GetSelectionMark(), 0);
        dlg.CheckDlgButton(CRadioSelectDlg::kWizardId, BST_CHECKED);
        MouseOnRow(dlg.m_list, 3, WM_LBUTTONDOWN);
        hb::afx::ClickButton(dlg, IDOK);
    });
    alpha->m_setup_wizard = 0;
    EXPECT_EQ(CRig::SelectRig("Radio Control", 0xFF, kReceiver), alpha);
    EXPECT_EQ(CRig::s_selection[1], delta);
    EXPECT_EQ(CRig::s_selection[2], nullptr);
    EXPECT_EQ(alpha->m_setup_wizard, 1u);
    EXPECT_EQ(hb::afx::ModalLog().back().caption, "Select Radio - Radio Control");

    // Pair "B" has no row, so the row after pair "A" is "Cancel", not pair "B".
    ChooseRow(4);
    EXPECT_EQ(CRig::SelectRig("Radio Control", 0, kReceiver), nullptr);
    EXPECT_EQ(CRig::s_selection[0], nullptr);
    OnDialog([](CRadioSelectDlg& dlg) {
        EXPECT_FALSE(dlg.GetDlgItem(CRadioSelectDlg::kWizardId)->IsWindowVisible());
        hb::afx::ClickButton(dlg, IDCANCEL);
    });
    EXPECT_EQ(CRig::SelectRig("Radio Control", 0, 0), nullptr);
    EXPECT_EQ(hb::afx::ModalLog().back().result, -1);

    // Without a filter the scanner is listed too.
    ChooseRow(3);
    EXPECT_EQ(CRig::SelectRig("Radio Control", 0, 0), delta);
}

TEST_F(SelectRigTest, OkWithNothingSelectedBeepsAndADoubleClickChooses) {
    UseResources(false);
    FourRigs();
    ExpectBeeps(1);
    OnDialog([](CRadioSelectDlg& dlg) {
        EXPECT_FALSE(dlg.m_legend.GetSafeHwnd());
        hb::afx::ClickButton(dlg, IDOK);
        EXPECT_EQ(Beeps(), std::vector<UINT>{MB_ICONASTERISK});
        EXPECT_TRUE(IsWindowVisible(dlg.GetSafeHwnd()));
        MouseOnRow(dlg.m_list, 1, WM_LBUTTONDBLCLK);
    });
    EXPECT_EQ(CRig::SelectRig("Radio Control", 0xFF, kReceiver), bravo);
}

TEST_F(SelectRigTest, ADialogEndedOtherwiseThanByOkChoosesNoRadio) {
    alpha = AddRig("Alpha", kReceiver);
    bravo = AddRig("Bravo", kReceiver);
    AddRig("Charlie", kReceiver);
    OwnerWindow main;
    app.m_pMainWnd = &main.wnd;
    // Each ending picks the third row first, whose index is also IDCANCEL's.
    const std::function<void(CRadioSelectDlg&)> endings[] = {
        [](CRadioSelectDlg&) { PostQuitMessage(0); },
        [](CRadioSelectDlg& dlg) { dlg.DestroyWindow(); },
        [](CRadioSelectDlg& dlg) { hb::afx::PressKey(dlg.m_list.GetSafeHwnd(), VK_ESCAPE); },
        [](CRadioSelectDlg& dlg) { dlg.SendMessage(WM_CLOSE); },
        [&main](CRadioSelectDlg&) { main.wnd.PostMessage(WM_CLOSE); },
    };
    for (const auto& ending : endings) {
        OnDialog([&ending](CRadioSelectDlg& dlg) {
            MouseOnRow(dlg.m_list, 2, WM_LBUTTONDOWN);
            ending(dlg);
        });
        EXPECT_EQ(CRig::SelectRig("Radio Control", 0, 0), nullptr);
        EXPECT_EQ(CRig::s_selection[0], nullptr);
        MSG quit;
        PeekMessage(&quit, HWND{}, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    EXPECT_FALSE(::IsWindow(main.wnd.GetSafeHwnd()));
    app.m_pMainWnd = nullptr;

    // The same row confirmed with OK is the third radio.
    ChooseRow(2);
    EXPECT_NE(CRig::SelectRig("Radio Control", 0, 0), nullptr);
    EXPECT_EQ(CRig::s_selection[0]->m_name, "Charlie");
}

} // namespace
} // namespace hb::app::test
