#include "tests/platform/afx/AfxTest.h"

#include <vector>

namespace {

constexpr UINT kListId = 27924;

// A list that handles its own double clicks, as a history list does.
class CHistoryList : public CListCtrl {
public:
    std::vector<int> doubleClicked;

protected:
    void OnDoubleClick(NMHDR* pNMHDR, LRESULT* pResult) {
        doubleClicked.push_back(reinterpret_cast<NMITEMACTIVATE*>(pNMHDR)->iItem);
        *pResult = 0;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHistoryList, CListCtrl)
ON_NOTIFY_REFLECT(NM_DBLCLK, &CHistoryList::OnDoubleClick)
END_MESSAGE_MAP()

class CListHost : public CWnd {
public:
    std::vector<UINT> heard;
    std::vector<int> headerClicks;

protected:
    void OnListNote(UINT, NMHDR* pNMHDR, LRESULT*) { heard.push_back(pNMHDR->code); }
    void OnHeaderClick(NMHDR* pNMHDR, LRESULT*) {
        headerClicks.push_back(reinterpret_cast<NMHEADER*>(pNMHDR)->iItem);
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CListHost, CWnd)
ON_NOTIFY_RANGE(NM_DBLCLK, kListId, kListId, &CListHost::OnListNote)
ON_NOTIFY_RANGE(NM_CLICK, kListId, kListId, &CListHost::OnListNote)
ON_NOTIFY(HDN_ITEMCLICKA, 0, &CListHost::OnHeaderClick)
END_MESSAGE_MAP()

class ListCtrlTest : public hb::afx::test::AfxTest {
protected:
    ListCtrlTest() {
        host.CreateEx(0, nullptr, "History", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 400, 300),
                      nullptr, 0);
    }

    void MakeList(CListCtrl& list, DWORD style) {
        ASSERT_TRUE(
            list.Create(WS_VISIBLE | LVS_REPORT | style, CRect(0, 0, 300, 200), &host, kListId));
        EXPECT_EQ(list.InsertColumn(0, "Frequency", LVCFMT_RIGHT, 100), 0);
        EXPECT_EQ(list.InsertColumn(1, "Name", LVCFMT_LEFT, 150), 1);
        for (LPCSTR frequency : {"162.550", "446.00625", "27.185"}) {
            list.InsertItem(list.GetItemCount(), frequency);
        }
        list.SetItemText(0, 1, "Weather");
    }

    CListHost host;
};

TEST_F(ListCtrlTest, ADoubleClickIsReflectedToTheListAndAClickGoesToTheParent) {
    CHistoryList list;
    MakeList(list, LVS_SINGLESEL);
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    EXPECT_EQ(list.GetItemText(0, 0), "162.550");
    EXPECT_EQ(list.GetItemText(0, 1), "Weather");

    // Header 18 pixels, rows 14: the middle of the second row.
    list.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(150, 18 + 14 + 7));
    EXPECT_EQ(list.doubleClicked, std::vector<int>{1});
    EXPECT_TRUE(host.heard.empty());
    list.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(20, 18 + 7));
    EXPECT_EQ(host.heard, std::vector<UINT>{NM_CLICK});
    EXPECT_EQ(list.GetSelectionMark(), 0);

    CHeaderCtrl* header = list.GetHeaderCtrl();
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->GetItemCount(), 2);
    EXPECT_EQ(list.GetHeaderCtrl(), header);
    header->SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(120, 5));
    header->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(120, 5));
    EXPECT_EQ(host.headerClicks, std::vector<int>{1});
}

TEST_F(ListCtrlTest, SelectedRowsAreWalkedInOrder) {
    CListCtrl list;
    MakeList(list, 0);
    EXPECT_EQ(list.GetFirstSelectedItemPosition(), nullptr);
    list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    std::vector<int> rows;
    for (POSITION pos = list.GetFirstSelectedItemPosition(); pos;) {
        rows.push_back(list.GetNextSelectedItem(pos));
    }
    EXPECT_EQ(rows, (std::vector<int>{0, 2}));
    EXPECT_EQ(list.GetSelectedCount(), 2u);
    EXPECT_EQ(list.GetNextItem(0, LVNI_SELECTED), 2);

    EXPECT_TRUE(list.SetItemData(1, 0xCAFE));
    EXPECT_EQ(list.GetItemData(1), 0xCAFEu);
    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(list.GetItemData(0), 0xCAFEu);
    EXPECT_EQ(list.GetItemState(1, LVIS_SELECTED), LVIS_SELECTED);

    CImageList small;
    ASSERT_TRUE(small.Create(16, 16, ILC_COLOR | ILC_MASK, 13, 1));
    EXPECT_EQ(list.SetImageList(&small, LVSIL_SMALL), nullptr);
    EXPECT_EQ(list.GetImageList(LVSIL_SMALL), &small);
    EXPECT_EQ(list.GetImageList(LVSIL_NORMAL), nullptr);
    EXPECT_EQ(list.SetImageList(nullptr, LVSIL_SMALL), &small);

    EXPECT_EQ(list.SetExtendedStyle(LVS_EX_GRIDLINES), 0u);
    EXPECT_EQ(list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT), LVS_EX_GRIDLINES);
    EXPECT_TRUE(list.SetTextBkColor(RGB(1, 2, 3)));
    EXPECT_EQ(list.GetTextBkColor(), RGB(1, 2, 3));
    EXPECT_EQ(list.GetColumnWidth(1), 150);
}

TEST_F(ListCtrlTest, AnUnboundListIgnoresEverything) {
    CListCtrl list;
    EXPECT_EQ(list.InsertItem(0, "x"), -1);
    EXPECT_EQ(list.InsertColumn(0, "Frequency"), -1);
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_EQ(list.GetItemText(0, 0), "");
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), -1);
    EXPECT_EQ(list.GetFirstSelectedItemPosition(), nullptr);
    EXPECT_EQ(list.GetSelectionMark(), -1);
    EXPECT_EQ(list.GetHeaderCtrl(), nullptr);
    EXPECT_FALSE(list.DeleteAllItems());
}

} // namespace
