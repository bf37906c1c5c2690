#include "tests/platform/afx/AfxTest.h"

#include <vector>

namespace {

constexpr UINT kModeId = 27544;
constexpr UINT kSpinId = 27786;
constexpr UINT kStepId = 27787;

class CPanelHost : public CWnd {
public:
    int selChanges = 0;
    std::vector<int> deltas;
    LRESULT refuse = 0;

protected:
    void OnModeChange() { ++selChanges; }
    void OnStepSpin(NMHDR* pNMHDR, LRESULT* pResult) {
        deltas.push_back(reinterpret_cast<NMUPDOWN*>(pNMHDR)->iDelta);
        *pResult = refuse;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPanelHost, CWnd)
ON_CBN_SELCHANGE(kModeId, &CPanelHost::OnModeChange)
ON_NOTIFY(UDN_DELTAPOS, kSpinId, &CPanelHost::OnStepSpin)
END_MESSAGE_MAP()

class ControlWrapperTest : public hb::afx::test::AfxTest {
protected:
    ControlWrapperTest() {
        host.CreateEx(0, nullptr, "Panel", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 400, 300),
                      nullptr, 0);
    }

    CPanelHost host;
};

TEST_F(ControlWrapperTest, AComboBoxTellsItsParentOnlyOfTheUsersChoice) {
    CComboBox mode;
    ASSERT_TRUE(
        mode.Create(WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 10, 110, 200), &host, kModeId));
    for (LPCSTR name : {"FM", "AM", "USB"}) {
        mode.AddString(name);
    }
    EXPECT_EQ(mode.SetCurSel(1), 1);
    EXPECT_EQ(mode.SetCurSel(7), CB_ERR);
    EXPECT_EQ(mode.GetCurSel(), 1);
    EXPECT_EQ(host.selChanges, 0);
    mode.SendMessage(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(host.selChanges, 1);
    CString text;
    mode.GetLBText(mode.GetCurSel(), text);
    EXPECT_EQ(text, "USB");
    mode.GetLBText(5, text);
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(mode.SelectString(-1, "f"), 0);
    EXPECT_EQ(mode.FindStringExact(-1, "am"), 1);
    EXPECT_EQ(mode.SetItemData(2, 0x55), TRUE);
    EXPECT_EQ(mode.GetItemData(2), 0x55u);
    mode.ShowDropDown();
    EXPECT_TRUE(mode.GetDroppedState());
    EXPECT_EQ(host.selChanges, 1);

    CComboBox absent;
    EXPECT_EQ(absent.AddString("FM"), CB_ERR);
    EXPECT_EQ(absent.GetCurSel(), CB_ERR);
    EXPECT_EQ(absent.GetCount(), 0);
    EXPECT_EQ(absent.GetItemData(0), static_cast<DWORD_PTR>(CB_ERR));
}

TEST_F(ControlWrapperTest, ASpinWithItsBuddyStepsUnlessTheParentRefuses) {
    CEdit step;
    ASSERT_TRUE(step.Create(WS_VISIBLE, CRect(10, 50, 90, 74), &host, kStepId));
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_VISIBLE | UDS_SETBUDDYINT, CRect(90, 50, 106, 74), &host, kSpinId));
    EXPECT_EQ(spin.SetBuddy(&step), nullptr);
    EXPECT_EQ(spin.GetBuddy(), &step);
    spin.SetRange32(0, 10);
    int lower = -1;
    int upper = -1;
    spin.GetRange(lower, upper);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, 10);
    EXPECT_EQ(spin.SetPos(4), 0);
    CString text;
    step.GetWindowText(text);
    EXPECT_EQ(text, "4");

    spin.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(5, 20)); // the lower half
    spin.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 20));
    host.refuse = 1;
    spin.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(5, 2));
    EXPECT_EQ(host.deltas, (std::vector<int>{-1, 1}));
    EXPECT_EQ(spin.GetPos(), 3);

    spin.SetRange(100, 0);
    spin.GetRange(lower, upper);
    EXPECT_EQ(lower, 100);
    EXPECT_EQ(upper, 0);
}

TEST_F(ControlWrapperTest, ProgressEditButtonAndStaticPassTheirCallsOn) {
    CProgressCtrl progress;
    ASSERT_TRUE(progress.Create(WS_VISIBLE, CRect(10, 100, 210, 116), &host, 100));
    progress.SetRange(0, 100);
    EXPECT_EQ(progress.SetPos(30), 0);
    EXPECT_EQ(progress.OffsetPos(10), 30);
    EXPECT_EQ(progress.SetStep(5), 10);
    EXPECT_EQ(progress.StepIt(), 40);
    EXPECT_EQ(progress.GetPos(), 45);
    progress.SetRange32(-10, 10);
    int lower = 0;
    int upper = 0;
    progress.GetRange(lower, upper);
    EXPECT_EQ(lower, -10);
    EXPECT_EQ(progress.GetPos(), 10);

    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE, CRect(10, 130, 110, 150), &host, 28031));
    edit.SetWindowText("146.520");
    edit.SetSel(3, -1);
    edit.ReplaceSel(".0");
    int start = 0;
    int end = 0;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 5);
    EXPECT_EQ(end, 5);
    EXPECT_TRUE(edit.GetModify());
    edit.SetModify(FALSE);
    edit.LimitText(5);
    edit.SetReadOnly();
    EXPECT_TRUE(edit.GetStyle() & ES_READONLY);
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(text, "146.0");

    CButton button;
    ASSERT_TRUE(
        button.Create("ATT", WS_VISIBLE | BS_AUTOCHECKBOX, CRect(10, 160, 60, 180), &host, 27553));
    button.SetCheck(BST_CHECKED);
    EXPECT_EQ(button.GetCheck(), BST_CHECKED);
    button.SetButtonStyle(BS_DEFPUSHBUTTON);
    EXPECT_EQ(button.GetStyle() & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    const HICON icon = hb::win::CreateIconHandle(16, 16, 28457);
    EXPECT_FALSE(button.SetIcon(icon));
    EXPECT_EQ(button.GetIcon(), icon);

    CStatic label;
    ASSERT_TRUE(label.Create("", WS_VISIBLE | SS_ICON, CRect(70, 160, 86, 176), &host));
    EXPECT_EQ(label.GetDlgCtrlID(), 0xFFFF);
    EXPECT_FALSE(label.SetIcon(icon));
    EXPECT_EQ(label.GetIcon(), icon);
}

} // namespace
