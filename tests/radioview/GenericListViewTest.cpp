#include "radioview/GenericListView.h"

#include "platform/afx/Afx.h"
#include "platform/afx/PrintJobs.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/testkit/PlatformTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <vector>

namespace {

using hb::win::DrawOp;

constexpr COLORREF kFirstListColor = RGB(0xAA, 0, 0);
constexpr COLORREF kSecondListColor = RGB(0, 0xBB, 0);

// A list of two columns, as a subclass makes them.
class CTwoColumnList : public CGenericListView {
public:
    explicit CTwoColumnList(int columns) : m_columns(columns) { m_section = "Test List"; }

    void OnInitialUpdate() override {
        CGenericListView::OnInitialUpdate();
        for (; m_columnCount < m_columns; ++m_columnCount) {
            LVCOLUMN column;
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.pszText = const_cast<LPSTR>(m_columnCount == 0 ? "First" : "Second");
            column.cx = 100;
            SendMessage(LVM_INSERTCOLUMN, m_columnCount, reinterpret_cast<LPARAM>(&column));
        }
    }
    const CFont& BoldFont() const { return m_boldFont; }

private:
    int m_columns;
};

// The frame records the notifications its list sends it.
class CListFrame : public CFrameWnd {
public:
    std::vector<UINT> codes;

    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
        codes.push_back(reinterpret_cast<const NMHDR*>(lParam)->code);
        return CFrameWnd::OnNotify(wParam, lParam, pResult);
    }
};

class CTestApp : public CScanApp {
public:
    CTestApp() : CScanApp("Halbridge Pro") {}
};

class GenericListViewTest : public hb::testkit::PlatformTest {
protected:
    GenericListViewTest() {
        app.Colors().listRows[0] = kFirstListColor;
        app.Colors().listRows[1] = kSecondListColor;
        frame->Create(nullptr, "Frame", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 400, 300));
    }
    void TearDown() override {
        frame->DestroyWindow();
        PlatformTest::TearDown();
    }

    CTwoColumnList* MakeList(int columns = 2, int rows = 3) {
        auto* list = new CTwoColumnList(columns);
        EXPECT_TRUE(list->Create(nullptr, "Test list", WS_CHILD | WS_VISIBLE | LVS_SMALLICON,
                                 CRect(0, 0, 300, 200), frame, AFX_IDW_PANE_FIRST));
        list->SendMessage(WM_INITIALUPDATE);
        for (int row = rows - 1; row >= 0; --row) {
            const std::string text = "row " + std::to_string(row);
            LVITEM item;
            item.mask = LVIF_TEXT;
            item.pszText = const_cast<LPSTR>(text.c_str());
            list->SendMessage(LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&item));
        }
        return list;
    }

    // The background of each row the list paints, by the row's text.
    static std::map<std::string, COLORREF> RowBackgrounds(const hb::win::DisplayList& paint) {
        std::map<LONG, COLORREF> fills;
        for (const auto& record : paint) {
            if (record.op == DrawOp::FillRect && record.rect.left == 0) {
                fills[record.rect.top] = record.brush.color;
            }
        }
        std::map<std::string, COLORREF> rows;
        for (const auto& record : paint) {
            if (record.op == DrawOp::DrawText && record.text.starts_with("row ")) {
                rows[record.text] = fills.at(record.rect.top);
            }
        }
        return rows;
    }

    static const hb::win::DisplayList& Repaint(HWND hwnd) {
        InvalidateRect(hwnd, nullptr, TRUE);
        UpdateWindow(hwnd);
        return hb::win::LastPaint(hwnd);
    }

    static std::vector<std::string> Texts(const hb::win::DisplayList& list) {
        std::vector<std::string> texts;
        for (const auto& record : list) {
            if (record.op == DrawOp::DrawText) {
                texts.push_back(record.text);
            }
        }
        return texts;
    }

    CTestApp app;
    CListFrame* frame = new CListFrame;
};

TEST_F(GenericListViewTest, EveryListIsAReportWithGridLinesFullRowsAndTheApplicationsFont) {
    LOGFONT font = app.GetLogFont();
    CTwoColumnList* list = MakeList();
    EXPECT_EQ(list->GetStyle() & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_EQ(list->SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE),
              static_cast<LRESULT>(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT));
    EXPECT_EQ(list->GetMinimumColSize(), 15);
    EXPECT_EQ(list->GetHeader().GetMinSize(), 15);
    list->SendMessage(LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(3, 0));
    EXPECT_EQ(list->SendMessage(LVM_GETCOLUMNWIDTH, 1), 15);

    LOGFONT shown{};
    ASSERT_TRUE(list->GetFont());
    list->GetFont()->GetLogFont(&shown);
    EXPECT_STREQ(shown.lfFaceName, font.lfFaceName);
    EXPECT_EQ(shown.lfHeight, font.lfHeight);
    EXPECT_EQ(shown.lfWeight, font.lfWeight);
    LOGFONT bold{};
    list->BoldFont().GetLogFont(&bold);
    EXPECT_STREQ(bold.lfFaceName, font.lfFaceName);
    EXPECT_EQ(bold.lfWeight, 700);
}

TEST_F(GenericListViewTest, TheFirstHundredRowsAlternateTheListColoursAndTheRestKeepTheDefault) {
    CTwoColumnList* list = MakeList(2, 104);
    const auto top = RowBackgrounds(Repaint(list->m_hWnd));
    EXPECT_EQ(top.at("row 0"), kSecondListColor);
    EXPECT_EQ(top.at("row 1"), kFirstListColor);
    EXPECT_EQ(top.at("row 2"), kSecondListColor);

    list->SendMessage(LVM_ENSUREVISIBLE, 103);
    const auto bottom = RowBackgrounds(Repaint(list->m_hWnd));
    EXPECT_EQ(bottom.at("row 98"), kSecondListColor);
    EXPECT_EQ(bottom.at("row 99"), kFirstListColor);
    EXPECT_EQ(bottom.at("row 100"), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(bottom.at("row 101"), GetSysColor(COLOR_WINDOW));
}

TEST_F(GenericListViewTest, AHeaderClickGoesNoFurtherWhileRowClicksDo) {
    CTwoColumnList* list = MakeList();
    const HWND header = list->GetHeader().m_hWnd;
    ASSERT_TRUE(header);
    ::SendMessage(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 5));
    ::SendMessage(header, WM_LBUTTONUP, 0, MAKELPARAM(20, 5));
    EXPECT_TRUE(std::ranges::find(frame->codes, HDN_ITEMCLICKA) == frame->codes.end());
    std::array<char, 16> first{};
    LVITEM item;
    item.pszText = first.data();
    item.cchTextMax = static_cast<int>(first.size());
    list->SendMessage(LVM_GETITEMTEXT, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(first.data(), "row 0");

    RECT headings{};
    ::GetWindowRect(header, &headings);
    const int firstRowY = headings.bottom - headings.top + 2;
    list->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, firstRowY));
    EXPECT_TRUE(std::ranges::find(frame->codes, NM_CLICK) != frame->codes.end());
}

TEST_F(GenericListViewTest, ClosingKeepsEachColumnsWidthInTheListsSection) {
    CTwoColumnList* list = MakeList();
    list->SendMessage(LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(140, 0));
    list->SendMessage(LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(60, 0));
    list->DestroyWindow();
    EXPECT_EQ(app.GetProfileIntA("Test List", "ColumnWidth0", -1), 140);
    EXPECT_EQ(app.GetProfileIntA("Test List", "ColumnWidth1", -1), 60);
    EXPECT_EQ(app.GetProfileIntA("Test List", "ColumnWidth2", -1), -1);

    // A list without columns writes nothing.
    const std::size_t writes = RegistryWrites().size();
    MakeList(0, 0)->DestroyWindow();
    EXPECT_EQ(RegistryWrites().size(), writes);
}

TEST_F(GenericListViewTest, PrintingDrawsTheListAsItShowsAndTheScreenIsLeftToTheList) {
    CTwoColumnList* list = MakeList();
    int dialogs = 0;
    hb::afx::SetPrintPreparation([&](CPrintInfo&) {
        ++dialogs;
        return true;
    });
    list->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    EXPECT_EQ(dialogs, 1);
    ASSERT_EQ(hb::afx::PrintLog().size(), 1u);
    ASSERT_EQ(hb::afx::PrintLog()[0].pages.size(), 1u);
    const auto printed = Texts(hb::afx::PrintLog()[0].pages[0].list);
    for (const char* text : {"First", "Second", "row 0", "row 1", "row 2"}) {
        EXPECT_TRUE(std::ranges::find(printed, text) != printed.end()) << text;
    }
    // The printed rows keep their colours.
    EXPECT_EQ(RowBackgrounds(hb::afx::PrintLog()[0].pages[0].list).at("row 1"), kFirstListColor);

    list->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    ASSERT_EQ(hb::afx::PrintLog().size(), 2u);
    EXPECT_TRUE(hb::afx::PrintLog()[1].preview);

    // Once the job is over the view draws nothing of its own.
    CDC dc;
    dc.Attach(hb::win::CreateRecordingDC());
    list->OnDraw(&dc);
    EXPECT_TRUE(hb::win::DisplayListOf(dc).empty());
    dc.DeleteDC();
}

} // namespace
