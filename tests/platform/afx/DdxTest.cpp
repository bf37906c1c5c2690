#include "tests/platform/afx/AfxTest.h"

#include <string>
#include <vector>

namespace {

enum : int {
    kList = 27924,
    kLegend = 28153,
    kWizard = 28141,
    kRadio1 = 10,
    kRadio2,
    kLabel,
    kRadio3,
    kOtherGroup,
    kNumber = 20,
    kCount,
    kBig,
    kRatio,
    kName,
};

class CForm : public CWnd {
public:
    CWnd list;
    CWnd legend;
    int wizard = 0;
    int radio = -1;
    int number = 0;
    UINT count = 0;
    long big = 0;
    double ratio = 0;
    CString name;

    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, kList, list);
        DDX_ControlIfPresent(pDX, kLegend, legend);
        DDX_Check(pDX, kWizard, wizard);
        DDX_Radio(pDX, kRadio1, radio);
        DDX_Text(pDX, kNumber, number);
        DDX_Text(pDX, kCount, count);
        DDX_Text(pDX, kBig, big);
        DDX_Text(pDX, kRatio, ratio);
        DDX_Text(pDX, kName, name);
    }
};

class DdxTest : public hb::afx::test::AfxTest {
protected:
    static void MakeForm(CForm& f, bool withLegend) {
        f.CreateEx(0, nullptr, "form", WS_OVERLAPPED, CRect(0, 0, 300, 200), nullptr, 0);
        MakeChild(f, kList);
        if (withLegend) {
            MakeChild(f, kLegend);
        }
        MakeChild(f, kWizard, "Button", BS_AUTOCHECKBOX);
        MakeChild(f, kRadio1, "Button", BS_AUTORADIOBUTTON | WS_GROUP);
        MakeChild(f, kRadio2, "Button", BS_AUTORADIOBUTTON);
        MakeChild(f, kLabel, hb::afx::test::kFieldClass);
        MakeChild(f, kRadio3, "Button", BS_RADIOBUTTON);
        MakeChild(f, kOtherGroup, "Button", BS_AUTORADIOBUTTON | WS_GROUP);
        for (int id = kNumber; id <= kName; ++id) {
            MakeChild(f, id);
        }
    }
    UINT Checked(int id) { return form.IsDlgButtonChecked(id); }
    CString Text(int id) {
        CString text;
        form.GetDlgItemText(id, text);
        return text;
    }

    CForm form;
};

TEST_F(DdxTest, OptionalControlsAreBoundOnlyWhenPresent) {
    MakeForm(form, false);
    ASSERT_TRUE(form.UpdateData(FALSE));
    EXPECT_EQ(CWnd::FromHandlePermanent(GetDlgItem(form, kList)), &form.list);
    EXPECT_FALSE(form.legend.m_hWnd);
    // A second exchange keeps the first binding.
    ASSERT_TRUE(form.UpdateData(TRUE));
    EXPECT_EQ(CWnd::FromHandlePermanent(GetDlgItem(form, kList)), &form.list);

    CForm withLegend;
    MakeForm(withLegend, true);
    ASSERT_TRUE(withLegend.UpdateData(FALSE));
    EXPECT_EQ(withLegend.legend.m_hWnd, GetDlgItem(withLegend, kLegend));
}

TEST_F(DdxTest, MembersGoIntoTheControlsAndComeBack) {
    MakeForm(form, false);
    form.wizard = 1;
    form.radio = 2;
    form.number = -17;
    form.count = 4000000000u;
    form.big = 1234567;
    form.ratio = 0.1;
    form.name = "Scanner";
    ASSERT_TRUE(form.UpdateData(FALSE));
    EXPECT_EQ(Checked(kWizard), BST_CHECKED);
    EXPECT_EQ(Checked(kRadio1), BST_UNCHECKED);
    EXPECT_EQ(Checked(kRadio3), BST_CHECKED);
    EXPECT_EQ(Checked(kOtherGroup), BST_UNCHECKED);
    EXPECT_EQ(Text(kNumber), "-17");
    EXPECT_EQ(Text(kCount), "4000000000");
    EXPECT_EQ(Text(kBig), "1234567");
    EXPECT_EQ(Text(kRatio), "0.1");
    EXPECT_EQ(Text(kName), "Scanner");

    form.CheckDlgButton(kWizard, BST_UNCHECKED);
    form.CheckDlgButton(kRadio3, BST_UNCHECKED);
    form.CheckDlgButton(kRadio2, BST_CHECKED);
    form.CheckDlgButton(kOtherGroup, BST_CHECKED);
    form.SetDlgItemText(kNumber, " +42 ");
    form.SetDlgItemText(kCount, "7");
    form.SetDlgItemText(kBig, "-8");
    form.SetDlgItemText(kRatio, "2.5e3");
    form.SetDlgItemText(kName, "Base");
    ASSERT_TRUE(form.UpdateData(TRUE));
    EXPECT_EQ(form.wizard, 0);
    EXPECT_EQ(form.radio, 1);
    EXPECT_EQ(form.number, 42);
    EXPECT_EQ(form.count, 7u);
    EXPECT_EQ(form.big, -8);
    EXPECT_EQ(form.ratio, 2500.0);
    EXPECT_EQ(form.name, "Base");

    form.CheckDlgButton(kRadio2, BST_UNCHECKED);
    ASSERT_TRUE(form.UpdateData(TRUE));
    EXPECT_EQ(form.radio, -1);
    form.radio = -1;
    form.CheckDlgButton(kRadio1, BST_CHECKED);
    ASSERT_TRUE(form.UpdateData(FALSE));
    EXPECT_EQ(Checked(kRadio1), BST_UNCHECKED);
}

TEST_F(DdxTest, AFieldThatDoesNotParseTellsTheUserAndStopsTheExchange) {
    MakeForm(form, false);
    ASSERT_TRUE(form.UpdateData(FALSE));
    struct Case {
        int id;
        LPCSTR text;
        LPCSTR prompt;
    };
    for (const Case& c : {Case{kNumber, "12abc", "Please enter an integer."},
                          Case{kNumber, "", "Please enter an integer."},
                          Case{kNumber, "99999999999", "Please enter an integer."},
                          Case{kCount, "-1", "Please enter a positive integer."},
                          Case{kRatio, "nan", "Please enter a number."},
                          Case{kRatio, "1,5", "Please enter a number."}}) {
        SCOPED_TRACE(c.text);
        form.UpdateData(FALSE);
        form.SetDlgItemText(kName, "unsaved");
        form.SetDlgItemText(c.id, c.text);
        ExpectBox(c.prompt, IDOK);
        form.CheckDlgButton(kWizard, BST_CHECKED);
        EXPECT_FALSE(form.UpdateData(TRUE));
        EXPECT_EQ(GetFocus(), GetDlgItem(form, c.id));
        // Fields before the failing one were taken, the ones after it not.
        EXPECT_EQ(form.wizard, 1);
        EXPECT_EQ(form.name, "");
        form.wizard = 0;
    }
    EXPECT_EQ(Boxes().size(), 6u);
    EXPECT_EQ(Boxes().back().owner, form.m_hWnd);
}

TEST_F(DdxTest, AMissingRequiredControlIsReported) {
    std::vector<std::string> failures;
    hb::win::SetFailureHandler([&](const std::string& message) { failures.push_back(message); });
    form.CreateEx(0, nullptr, "bare", WS_OVERLAPPED, CRect(), nullptr, 0);
    EXPECT_TRUE(form.UpdateData(FALSE));
    EXPECT_FALSE(form.list.m_hWnd);
    ASSERT_FALSE(failures.empty());
    EXPECT_NE(failures.front().find(std::to_string(kList)), std::string::npos);
}

} // namespace
