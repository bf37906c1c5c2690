#include "platform/afx/PrintJobs.h"
#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"
#include "platform/toolkit/Toolkit.h"

#include <string>
#include <vector>

namespace hb::toolkit::test {
namespace {

class ReportControlTest : public hb::testkit::PlatformTest {
protected:
    ReportControlTest() {
        parent.On(WM_NOTIFY, [this](WPARAM, LPARAM lParam) -> LRESULT {
            const auto* note = reinterpret_cast<const XTP_NM_REPORTRECORDITEM*>(lParam);
            notes.push_back(note->hdr.code);
            return 0;
        });
        parent.Create({.style = WS_OVERLAPPED | WS_VISIBLE, .rect = {0, 0, 400, 200}});
        EXPECT_TRUE(
            report.Create(WS_VISIBLE, CRect(0, 0, 400, 200), CWnd::FromHandle(parent.hwnd()), 100));
        name = report.AddColumn(new CXTPReportColumn(0, "Name", 120));
        kind = report.AddColumn(new CXTPReportColumn(1, "Kind", 120));
        for (const auto& [n, k] : std::vector<std::pair<const char*, const char*>>{
                 {"Oak", "Tree"}, {"rose", "Flower"}, {"Elm", "Tree"}, {"Tulip", "Flower"}}) {
            auto* record = new CXTPReportRecord;
            record->AddItem(new CXTPReportRecordItem(n));
            record->AddItem(new CXTPReportRecordItem(k))->SetEditable(FALSE);
            report.AddRecord(record);
        }
    }

    std::vector<UINT> notes;
    hb::testkit::TestWindow parent;
    CXTPReportControl report;
    CXTPReportColumn* name = nullptr;
    CXTPReportColumn* kind = nullptr;
};

TEST_F(ReportControlTest, RowsAreFilteredSortedAndGrouped) {
    report.GetColumns()->GetSortOrder()->Add(name);
    report.GetRecords()->GetAt(0)->SetVisible(FALSE);
    report.SetFilterText("O");
    report.Populate();
    EXPECT_EQ(report.RowTexts(), (std::vector<std::string>{"Tulip | Flower", "rose | Flower"}));
    report.SetFilterText("");
    report.GetRecords()->GetAt(0)->SetVisible(TRUE);
    report.GetColumns()->GetGroupsOrder()->Add(kind);
    kind->SetSortIncreasing(FALSE);
    report.GetReportHeader()->ShowItemsInGroups(TRUE);
    report.Populate();
    EXPECT_EQ(report.RowTexts(),
              (std::vector<std::string>{"[Tree]", "Elm | Tree", "Oak | Tree", "[Flower]",
                                        "Tulip | Flower", "rose | Flower"}));
}

TEST_F(ReportControlTest, ClicksAndEditsTellTheParent) {
    report.Populate();
    report.ClickCell(0, 1);
    EXPECT_EQ(report.GetInplaceEdit(), nullptr) << "not editable";
    report.EditCell(1, 0, "Lily");
    EXPECT_EQ(notes, (std::vector<UINT>{XTP_NM_REPORT_ITEMCLICK, XTP_NM_REPORT_ITEMCLICK,
                                        XTP_NM_REPORT_VALUECHANGED}));
    EXPECT_EQ(report.RowTexts()[1], "Lily | Flower");
    EXPECT_EQ(report.GetInplaceEdit(), nullptr);
}

TEST_F(ReportControlTest, ColumnsKeepTheirMinimumWidthAndScrollingStopsAtTheEnd) {
    name->SetMinWidth(30);
    name->SetWidth(10);
    EXPECT_EQ(name->GetWidth(), 30);
    EXPECT_EQ(report.GetColumns()->Find(1), kind);
    for (int index = 0; index < 40; ++index) {
        auto* record = new CXTPReportRecord;
        record->AddItem(new CXTPReportRecordItem("More"));
        report.AddRecord(record);
    }
    report.Populate();
    report.SendMessage(WM_KEYDOWN, VK_END);
    const int last = report.GetTopRowIndex();
    EXPECT_GT(last, 0);
    report.SendMessage(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(report.GetTopRowIndex(), last);
    report.SendMessage(WM_KEYDOWN, VK_HOME);
    EXPECT_EQ(report.GetTopRowIndex(), 0);
}

} // namespace
} // namespace hb::toolkit::test
