#include "audio/GenericReportView.h"
#include "audio/LogSearchBar.h"
#include "platform/afx/res/AfxIds.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"
#include "platform/toolkit/Toolkit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Counts the sorts the settings ask for, and lets a test switch the view as a frame would.
class CountingReportView : public CGenericReportView {
public:
    using CGenericReportView::OnActivateView;
    void ReapplySort(BYTE sort, BOOL force) override {
        sorts.push_back(std::to_string(sort) + (force ? "!" : ""));
    }
    std::vector<std::string> sorts;
};

class ReportViewTest : public hb::testkit::PlatformTest {
protected:
    ReportViewTest() {
        frame.Create(
            {.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, .rect = {0, 0, 600, 400}, .text = "Log"});
    }

    void Open() {
        view = new CountingReportView;
        view->m_section = "TestLog";
        ASSERT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 300),
                                 CWnd::FromHandle(frame.hwnd()), AFX_IDW_PANE_FIRST, nullptr));
        CXTPReportControl& report = view->GetReportCtrl();
        report.AddColumn(new CXTPReportColumn(0, "Name", 120));
        for (const char* name : {"Oak", "rose", "Elm"}) {
            auto* record = new CXTPReportRecord;
            record->AddItem(new CXTPReportRecordItem(name));
            report.AddRecord(record);
        }
        report.Populate();
        view->SendMessage(WM_INITIALUPDATE);
    }

    void OpenBar() {
        ASSERT_TRUE(bar.Create(view, CWnd::FromHandle(frame.hwnd()), CRect(40, 50, 400, 110)));
    }

    std::vector<std::string> Rows() { return view->GetReportCtrl().RowTexts(); }

    CScanApp app{"Halbridge Pro"};
    hb::testkit::TestWindow frame;
    CountingReportView* view = nullptr;
    CLogSearchBar bar;
};

TEST_F(ReportViewTest, SettingsComeFromTheNamedSectionAndGoBackToIt) {
    app.WriteProfileInt("TestLog", "Group", 0);
    app.WriteProfileInt("TestLog", "Sort", 3);
    app.WriteProfileInt("TestLog", "Reverse", 1);
    Open();
    EXPECT_EQ(view->m_group, 0);
    EXPECT_EQ(view->m_sort, 3);
    EXPECT_EQ(view->m_reverse, 1);
    EXPECT_EQ(view->m_childRecords, 1) << "the default";

    view->SetGroup(1);
    EXPECT_TRUE(view->GetReportCtrl().GetReportHeader()->IsShowItemsInGroups());
    EXPECT_EQ(app.GetProfileIntA("TestLog", "Group", 0), 1);
    view->SetChildRecords(0);
    view->SetChildRecords(0);
    EXPECT_FALSE(view->GetReportCtrl().GetPaintManager()->m_bChildRecords);
    EXPECT_EQ(app.GetProfileIntA("TestLog", "ChildRecords", 1), 0);
    EXPECT_EQ(view->sorts, (std::vector<std::string>{"3!", "3!"}))
        << "an unchanged child-record setting sorts nothing";
}

TEST_F(ReportViewTest, TheFilterIgnoresCaseAndAnEqualTextDoesNotRepopulate) {
    Open();
    view->SetFilterText("O");
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Oak", "rose"}));
    view->GetReportCtrl().GetRecords()->GetAt(1)->SetVisible(FALSE);
    view->SetFilterText("o");
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Oak", "rose"})) << "the same text, not again";
    view->SetFilterText(nullptr);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Oak", "Elm"}));
}

TEST_F(ReportViewTest, TheSearchBarAppliesClearsAndStoresWhereItStood) {
    Open();
    OpenBar();
    EXPECT_EQ(view->m_searchBar, &bar);
    bar.TextField().SetWindowText("elm");
    bar.SendMessage(WM_COMMAND, CLogSearchBar::kApply);
    EXPECT_EQ(Rows(), std::vector<std::string>{"Elm"});
    EXPECT_EQ(bar.m_searchText, "elm");
    bar.SendMessage(WM_COMMAND, CLogSearchBar::kClear);
    EXPECT_EQ(Rows().size(), 3u);
    CString text;
    bar.TextField().GetWindowText(text);
    EXPECT_EQ(text, "");

    // It shows only while its view is the active one.
    view->OnActivateView(FALSE, nullptr, view);
    EXPECT_FALSE(bar.IsWindowVisible());
    view->OnActivateView(TRUE, view, nullptr);
    EXPECT_TRUE(bar.IsWindowVisible());

    bar.TextField().SetWindowText("rose");
    bar.SendMessage(WM_COMMAND, CLogSearchBar::kApply);
    CRect place;
    bar.GetWindowRect(&place);
    bar.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    EXPECT_EQ(bar.GetSafeHwnd(), HWND{});
    EXPECT_EQ(view->m_searchBar, nullptr);
    EXPECT_EQ(Rows().size(), 3u) << "closing clears the filter";
    EXPECT_EQ(app.GetProfileIntA(CLogSearchBar::kSection, "Left", -1), place.left);
    EXPECT_EQ(app.GetProfileIntA(CLogSearchBar::kSection, "Top", -1), place.top);
    EXPECT_EQ(app.GetProfileIntA(CLogSearchBar::kSection, "Right", -1), place.right);
    EXPECT_EQ(app.GetProfileIntA(CLogSearchBar::kSection, "Bottom", -1), place.bottom);
}

TEST_F(ReportViewTest, ABarWhoseViewIsGoneTouchesNothing) {
    Open();
    OpenBar();
    view->DestroyWindow();
    view = nullptr;
    EXPECT_EQ(bar.m_view, nullptr);
    EXPECT_FALSE(bar.IsWindowVisible()) << "the view hides its bar as it goes";
    bar.TextField().SetWindowText("oak");
    bar.SendMessage(WM_COMMAND, CLogSearchBar::kApply);
    bar.SendMessage(WM_COMMAND, CLogSearchBar::kClear);
    bar.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    EXPECT_EQ(bar.GetSafeHwnd(), HWND{});
}

} // namespace
