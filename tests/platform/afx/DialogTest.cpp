#include "tests/platform/afx/AfxTest.h"

#include <string>
#include <vector>

namespace {

using hb::afx::DialogControl;
using hb::afx::DialogTemplate;

constexpr int kWizard = 28141;
constexpr int kValue = 100;
constexpr int kDefault = 1001;

DialogControl Control(UINT id, std::string className, DWORD style, int x, int y, int cx, int cy) {
    return {.id = id,
            .className = std::move(className),
            .style = style | WS_VISIBLE | WS_TABSTOP,
            .x = x,
            .y = y,
            .cx = cx,
            .cy = cy};
}

DialogTemplate MakeTemplate(UINT id) {
    return {.id = id,
            .caption = "Select Radio",
            .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
            .cx = 200,
            .cy = 100,
            .fontName = "MS Sans Serif",
            .fontSize = 8,
            .controls = {Control(kValue, hb::afx::test::kFieldClass, 0, 10, 8, 50, 14),
                         Control(kWizard, "Button", BS_AUTOCHECKBOX, 10, 30, 80, 10),
                         Control(IDOK, "Button", BS_PUSHBUTTON, 90, 80, 50, 14),
                         Control(IDCANCEL, "Button", BS_PUSHBUTTON, 145, 80, 50, 14)}};
}

const DialogTemplate kSelect = MakeTemplate(27417);

class CSelectDlg : public CDialog {
    DECLARE_DYNAMIC(CSelectDlg)

public:
    explicit CSelectDlg(CWnd* parent, const DialogTemplate* dialog = &kSelect)
        : CDialog(dialog, parent) {}

    int runWizard = 0;
    int value = 5;
    int inits = 0;
    UINT timerPeriod = 0;
    int endOnTick = 0;
    int ticks = 0;
    bool endInInit = false;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        ++inits;
        if (timerPeriod) {
            SetTimer(1, timerPeriod);
        }
        if (endInInit) {
            EndDialog(7);
        }
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Check(pDX, kWizard, runWizard);
        DDX_Text(pDX, kValue, value);
    }

protected:
    void OnTimer(UINT_PTR) {
        if (++ticks == endOnTick) {
            EndDialog(40 + ticks);
        }
    }
    void OnDefault() { EndDialog(kDefault); }

    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNAMIC(CSelectDlg, CDialog)

BEGIN_MESSAGE_MAP(CSelectDlg, CDialog)
ON_WM_TIMER()
ON_BN_CLICKED(kDefault, &CSelectDlg::OnDefault)
END_MESSAGE_MAP()

class DialogTest : public hb::afx::test::AfxTest {
protected:
    DialogTest() {
        owner.CreateEx(0, nullptr, "Halbridge Pro", WS_OVERLAPPED | WS_VISIBLE,
                       CRect(0, 0, 640, 480), nullptr, 0);
    }

    CWnd owner;
};

TEST_F(DialogTest, OkTakesTheDataAndEndsWithIdok) {
    hb::afx::SetModalScript(27417, [this](CDialog& dlg) {
        EXPECT_FALSE(owner.IsWindowEnabled());
        EXPECT_TRUE(dlg.IsWindowVisible());
        EXPECT_EQ(CWnd::GetFocus(), dlg.GetDlgItem(kValue));
        EXPECT_EQ(dlg.IsDlgButtonChecked(kWizard), BST_UNCHECKED);
        CString shown;
        dlg.GetDlgItemText(kValue, shown);
        EXPECT_EQ(shown, "5");
        dlg.CheckDlgButton(kWizard, BST_CHECKED);
        dlg.SetDlgItemText(kValue, "42");
        EXPECT_TRUE(hb::afx::ClickButton(dlg, IDOK));
    });
    CSelectDlg dlg(&owner);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.runWizard, 1);
    EXPECT_EQ(dlg.value, 42);
    EXPECT_EQ(dlg.inits, 1);
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_EQ(GetActiveWindow(), owner.m_hWnd);
    EXPECT_FALSE(dlg.m_hWnd);
    ASSERT_EQ(hb::afx::ModalLog().size(), 1u);
    EXPECT_EQ(hb::afx::ModalLog()[0].templateId, 27417u);
    EXPECT_EQ(hb::afx::ModalLog()[0].className, "CSelectDlg");
    EXPECT_EQ(hb::afx::ModalLog()[0].caption, "Select Radio");
    EXPECT_EQ(hb::afx::ModalLog()[0].result, IDOK);
}

TEST_F(DialogTest, WithoutAParentTheMainWindowOwnsTheDialogAndIsOutOfReachMeanwhile) {
    CWinApp app("Dialog Test");
    app.m_pMainWnd = &owner;
    bool reachable = true;
    HWND ownedBy{};
    hb::afx::SetModalScript(27417, [&](CDialog& dlg) {
        reachable = owner.IsWindowEnabled() != FALSE;
        ownedBy = ::GetWindow(dlg.m_hWnd, GW_OWNER);
        dlg.EndDialog(IDOK);
    });
    CSelectDlg dlg(nullptr);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_FALSE(reachable);
    EXPECT_EQ(ownedBy, owner.m_hWnd);
    EXPECT_TRUE(owner.IsWindowEnabled());
    app.m_pMainWnd = nullptr;
}

TEST_F(DialogTest, EscAndClosingCancelWithoutTakingTheData) {
    for (const bool close : {false, true}) {
        hb::afx::SetModalScript("CSelectDlg", [close](CDialog& dlg) {
            dlg.SetDlgItemText(kValue, "42");
            if (close) {
                dlg.SendMessage(WM_CLOSE);
            } else {
                EXPECT_TRUE(hb::afx::PressKey(dlg.GetDlgItem(kValue)->m_hWnd, VK_ESCAPE));
            }
        });
        CSelectDlg dlg(&owner);
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_EQ(dlg.value, 5);
    }
}

TEST_F(DialogTest, EnterPressesTheDefaultButton) {
    const DialogTemplate withDefault = [] {
        DialogTemplate t = MakeTemplate(1);
        t.controls.push_back(Control(kDefault, "Button", BS_DEFPUSHBUTTON, 0, 0, 10, 10));
        return t;
    }();
    for (const auto& [dialog, expected] :
         {std::pair{&kSelect, IDOK}, std::pair{&withDefault, kDefault}}) {
        hb::afx::SetModalScript("CSelectDlg", [](CDialog& dlg) {
            EXPECT_FALSE(hb::afx::PressKey(dlg.GetDlgItem(kValue)->m_hWnd, VK_F2));
            EXPECT_TRUE(hb::afx::PressKey(dlg.GetDlgItem(kValue)->m_hWnd, VK_RETURN));
        });
        CSelectDlg dlg(&owner, dialog);
        EXPECT_EQ(dlg.DoModal(), expected);
    }
}

TEST_F(DialogTest, AFailedValidationKeepsTheDialogOpen) {
    ExpectBox("Please enter an integer.", IDOK);
    HWND shown{};
    hb::afx::SetModalScript(27417, [&shown](CDialog& dlg) {
        shown = dlg.m_hWnd;
        dlg.SetDlgItemText(kValue, "forty");
        hb::afx::ClickButton(dlg, IDOK);
        EXPECT_TRUE(dlg.IsWindowVisible());
        dlg.SetDlgItemText(kValue, "40");
        hb::afx::PressKey(dlg, VK_RETURN);
    });
    CSelectDlg dlg(&owner);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.value, 40);
    EXPECT_EQ(Boxes().front().owner, shown);
}

TEST_F(DialogTest, TimersKeepFiringInsideTheDialogsLoop) {
    hb::afx::SetModalScript(27417, [](CDialog&) {});
    CSelectDlg dlg(&owner);
    dlg.timerPeriod = 100;
    dlg.endOnTick = 3;
    const DWORD start = GetTickCount();
    EXPECT_EQ(dlg.DoModal(), 43);
    EXPECT_EQ(GetTickCount() - start, 300u);
    EXPECT_TRUE(hb::win::ActiveTimers().empty());
}

TEST_F(DialogTest, AQuitMessageEndsTheDialogAndStaysPosted) {
    hb::afx::SetModalScript(27417, [](CDialog&) { PostQuitMessage(3); });
    CSelectDlg dlg(&owner);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_EQ(hb::afx::ModalLog().back().result, IDCANCEL);
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, HWND{}, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(DialogTest, AnUnscriptedModalFailsInStrictMode) {
    std::vector<std::string> failures;
    hb::win::SetFailureHandler([&](const std::string& m) { failures.push_back(m); });
    CSelectDlg dlg(&owner);
    dlg.timerPeriod = 100;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("unexpected modal dialog 27417"), std::string::npos);
    EXPECT_EQ(dlg.inits, 1);
    EXPECT_EQ(dlg.ticks, 0);
    EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST_F(DialogTest, OnADisplayAnUnscriptedModalRunsItsLoop) {
    hb::win::SetStrictMode(false);
    hb::win::SetInteractive(true);
    CSelectDlg dlg(&owner);
    dlg.timerPeriod = 50;
    dlg.endOnTick = 2;
    EXPECT_EQ(dlg.DoModal(), 42);
}

TEST_F(DialogTest, WithoutADisplayAnUnscriptedModalTakesItsDefaultButton) {
    hb::win::SetStrictMode(false);
    CSelectDlg dlg(&owner);
    dlg.timerPeriod = 50;
    dlg.endOnTick = 2;
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

TEST_F(DialogTest, WithoutADisplayADialogStillOpenAfterItsDefaultButtonIsCancelled) {
    hb::win::SetStrictMode(false);
    // OK with nothing chosen keeps this one open, as the radio chooser does.
    class CStubbornDlg : public CSelectDlg {
    public:
        using CSelectDlg::CSelectDlg;
        int oks = 0;
        void OnOK() override { ++oks; }
    } dlg(&owner);
    dlg.timerPeriod = 100;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.oks, 1);
    EXPECT_EQ(dlg.ticks, 0);
    EXPECT_EQ(hb::afx::ModalLog().back().result, IDCANCEL);
    EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST_F(DialogTest, CancellingTheModalsEndsTheOpenOnesAndEveryOneShownAfter) {
    int inner = 0;
    hb::afx::SetModalScript(27417, [&inner](CDialog&) {
        if (++inner == 1) {
            CSelectDlg nested(nullptr);
            nested.timerPeriod = 100;
            hb::afx::CancelModals();
            EXPECT_EQ(nested.DoModal(), IDCANCEL);
            EXPECT_EQ(nested.ticks, 0);
        }
    });
    CSelectDlg outer(&owner);
    outer.timerPeriod = 100;
    EXPECT_EQ(outer.DoModal(), IDCANCEL);
    EXPECT_EQ(outer.ticks, 0);
    // The nested dialog never ran its script.
    EXPECT_EQ(inner, 1);
    ASSERT_EQ(hb::afx::ModalLog().size(), 2u);
    CSelectDlg later(&owner);
    EXPECT_EQ(later.DoModal(), IDCANCEL);
    EXPECT_EQ(inner, 1);
}

TEST_F(DialogTest, ADialogEndedWhileInitialisingNeedsNoScript) {
    // An owner disabled before stays disabled.
    owner.EnableWindow(FALSE);
    CSelectDlg dlg(&owner);
    dlg.endInInit = true;
    EXPECT_EQ(dlg.DoModal(), 7);
    EXPECT_TRUE(hb::afx::ModalLog().empty());
    EXPECT_FALSE(owner.IsWindowEnabled());
}

TEST_F(DialogTest, TemplatesAreFoundByIdAndLaidOutInDialogUnits) {
    CDialog missing(27417, &owner);
    EXPECT_EQ(missing.DoModal(), -1);
    hb::afx::SetTemplateLookup([](UINT id) { return id == 27417 ? &kSelect : nullptr; });
    hb::afx::SetModalScript(27417, [](CDialog& dlg) {
        CRect client;
        dlg.GetClientRect(&client);
        EXPECT_EQ(client, CRect(0, 0, 300, 162));
        CRect ok;
        dlg.GetDlgItem(IDOK)->GetWindowRect(&ok);
        dlg.ScreenToClient(&ok);
        EXPECT_EQ(ok, CRect(135, 130, 210, 152));
        dlg.EndDialog(-1);
    });
    CDialog plain(27417, &owner);
    EXPECT_EQ(plain.DoModal(), -1);
    EXPECT_EQ(hb::afx::ModalLog().size(), 1u);
    EXPECT_EQ(hb::afx::ModalLog()[0].className, "CDialog");
    EXPECT_EQ(CRect(hb::afx::DluToPixels({-4, -8, 3, 5})), CRect(-6, -13, 4, 8));
}

TEST_F(DialogTest, ADialogThatCannotBeMadeReturnsMinusOneAndLeavesNothing) {
    DialogTemplate broken = MakeTemplate(2);
    broken.controls.push_back(Control(5, "NoSuchControl", 0, 0, 0, 10, 10));
    CSelectDlg dlg(&owner, &broken);
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_EQ(dlg.inits, 0);
    EXPECT_FALSE(dlg.m_hWnd);
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_FALSE(GetWindow(owner, GW_HWNDNEXT));
    EXPECT_TRUE(hb::afx::ModalLog().empty());
}

} // namespace
