#include "ControlTest.h"

#include <climits>
#include <functional>
#include <string>
#include <vector>

namespace {

using hb::win::DrawOp;

constexpr UINT kListId = 27924;

// What the parent heard, in order.
struct Heard {
    UINT code = 0;
    int item = 0;
    int subItem = 0;
    UINT newState = 0;
    UINT oldState = 0;
    LPARAM lParam = 0;
};

class ListViewTest : public ControlTest {
protected:
    ListViewTest() {
        parent.On(WM_NOTIFY, [this](WPARAM, LPARAM lParam) -> LRESULT {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->code == NM_CUSTOMDRAW) {
                return customDraw ? customDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(lParam))
                                  : CDRF_DODEFAULT;
            }
            Heard note{header->code};
            if (header->code == NM_CLICK || header->code == NM_DBLCLK) {
                const auto* activate = reinterpret_cast<const NMITEMACTIVATE*>(lParam);
                note.item = activate->iItem;
                note.subItem = activate->iSubItem;
            } else if (header->code == HDN_ITEMCLICKA) {
                note.item = reinterpret_cast<const NMHEADER*>(lParam)->iItem;
                EXPECT_EQ(header->hwndFrom, hb::win::HwndFromParam(static_cast<WPARAM>(
                                                SendMessage(list, LVM_GETHEADER, 0, 0))));
            } else {
                const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
                EXPECT_EQ(header->idFrom, kListId);
                note.item = change->iItem;
                note.newState = change->uNewState;
                note.oldState = change->uOldState;
                note.lParam = change->lParam;
            }
            heard.push_back(note);
            return 0;
        });
    }

    HWND MakeList(DWORD style = LVS_REPORT | LVS_SINGLESEL, RECT rect = {10, 10, 310, 142}) {
        list = Create(WC_LISTVIEW, "", style, kListId, rect);
        return list;
    }

    int AddColumn(int at, LPCSTR text, int fmt, int width) {
        LVCOLUMN column;
        column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
        column.pszText = const_cast<LPSTR>(text);
        column.fmt = fmt;
        column.cx = width;
        return static_cast<int>(SendMessage(list, LVM_INSERTCOLUMN, static_cast<WPARAM>(at),
                                            reinterpret_cast<LPARAM>(&column)));
    }

    int AddRow(int at, LPCSTR text, LPARAM param = 0, int image = 0) {
        LVITEM item;
        item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
        item.iItem = at;
        item.pszText = const_cast<LPSTR>(text);
        item.lParam = param;
        item.iImage = image;
        return static_cast<int>(
            SendMessage(list, LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&item)));
    }

    void SetText(int row, int subItem, LPCSTR text) {
        LVITEM item;
        item.iSubItem = subItem;
        item.pszText = const_cast<LPSTR>(text);
        EXPECT_TRUE(SendMessage(list, LVM_SETITEMTEXT, static_cast<WPARAM>(row),
                                reinterpret_cast<LPARAM>(&item)));
    }

    std::string TextOf(int row, int subItem, int size = 64) {
        std::string text(static_cast<std::size_t>(size), '\0');
        LVITEM item;
        item.iSubItem = subItem;
        item.pszText = text.data();
        item.cchTextMax = size;
        text.resize(static_cast<std::size_t>(SendMessage(
            list, LVM_GETITEMTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item))));
        return text;
    }

    void SetState(int row, UINT state, UINT mask) {
        LVITEM item;
        item.state = state;
        item.stateMask = mask;
        SendMessage(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                    reinterpret_cast<LPARAM>(&item));
    }

    UINT StateOf(int row) {
        return static_cast<UINT>(SendMessage(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row),
                                             LVIS_SELECTED | LVIS_FOCUSED));
    }

    // A frequency list: "Frequency" right-aligned 100 wide, "Name" 150 wide; three rows.
    void Fill() {
        AddColumn(0, "Frequency", LVCFMT_RIGHT, 100);
        AddColumn(1, "Name", LVCFMT_LEFT, 150);
        AddRow(0, "162.550", 11);
        AddRow(1, "446.00625", 12);
        AddRow(2, "27.185", 13);
        SetText(0, 1, "Weather");
        SetText(2, 1, "CB 19");
        heard.clear();
    }

    std::vector<UINT> Codes() const {
        std::vector<UINT> codes;
        for (const Heard& note : heard) {
            codes.push_back(note.code);
        }
        return codes;
    }

    // The y of the middle of a row, with the default font: an 18-pixel header, 14-pixel rows.
    static int RowY(int row) { return 18 + row * 14 + 7; }

    HWND list;
    std::vector<Heard> heard;
    std::function<LRESULT(NMLVCUSTOMDRAW&)> customDraw;
};

TEST_F(ListViewTest, ColumnsAreTheHeadersItems) {
    MakeList();
    EXPECT_EQ(AddColumn(0, "Frequency", LVCFMT_RIGHT, 100), 0);
    EXPECT_EQ(AddColumn(9, "Name", LVCFMT_LEFT, 150), 1); // past the end: appended
    EXPECT_EQ(AddColumn(1, "Sig", LVCFMT_CENTER, 75), 1);
    const HWND header =
        hb::win::HwndFromParam(static_cast<WPARAM>(SendMessage(list, LVM_GETHEADER, 0, 0)));
    char name[16] = {};
    GetClassName(header, name, sizeof name);
    EXPECT_STREQ(name, "SysHeader32");
    EXPECT_EQ(SendMessage(header, HDM_GETITEMCOUNT, 0, 0), 3);

    char text[4] = {};
    LVCOLUMN column;
    column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = text;
    column.cchTextMax = sizeof text;
    ASSERT_TRUE(SendMessage(list, LVM_GETCOLUMN, 2, reinterpret_cast<LPARAM>(&column)));
    EXPECT_STREQ(text, "Nam"); // cut to the buffer
    EXPECT_EQ(column.fmt, LVCFMT_LEFT);
    EXPECT_EQ(column.cx, 150);
    EXPECT_EQ(column.iSubItem, 1); // the index it was inserted at

    EXPECT_TRUE(SendMessage(list, LVM_SETCOLUMNWIDTH, 2, MAKELPARAM(9999, 0)));
    EXPECT_EQ(SendMessage(list, LVM_GETCOLUMNWIDTH, 2, 0), 9999);
    EXPECT_TRUE(SendMessage(list, LVM_DELETECOLUMN, 1, 0));
    EXPECT_FALSE(SendMessage(list, LVM_DELETECOLUMN, 2, 0));
    EXPECT_EQ(SendMessage(header, HDM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessage(list, LVM_GETCOLUMNWIDTH, 1, 0), 9999);
    EXPECT_EQ(SendMessage(list, LVM_GETCOLUMNWIDTH, 5, 0), 0);
}

TEST_F(ListViewTest, RowsKeepTheirTextsParamsAndImagesAndTheParentHearsThemGo) {
    MakeList();
    Fill();
    EXPECT_EQ(AddRow(0, "851.0125", 10, 3), 0); // in front of the others
    EXPECT_EQ(AddRow(99, "Last", 14), 4);
    EXPECT_EQ(SendMessage(list, LVM_GETITEMCOUNT, 0, 0), 5);
    EXPECT_EQ(TextOf(1, 0), "162.550");
    EXPECT_EQ(TextOf(1, 1), "Weather");
    EXPECT_EQ(TextOf(2, 1), "");
    EXPECT_EQ(TextOf(2, 0, 4), "446");
    EXPECT_EQ(TextOf(9, 0), "");

    LVITEM item;
    item.mask = LVIF_PARAM | LVIF_IMAGE | LVIF_TEXT;
    item.iItem = 0;
    char text[16];
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ASSERT_TRUE(SendMessage(list, LVM_GETITEM, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_STREQ(text, "851.0125");
    EXPECT_EQ(item.lParam, 10);
    EXPECT_EQ(item.iImage, 3);
    item.mask = LVIF_TEXT;
    item.iSubItem = 1;
    item.pszText = const_cast<LPSTR>("Tower");
    EXPECT_TRUE(SendMessage(list, LVM_SETITEM, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_EQ(TextOf(0, 1), "Tower");
    EXPECT_EQ(SendMessage(list, LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&item)), -1);

    EXPECT_TRUE(SendMessage(list, LVM_DELETEITEM, 1, 0));
    EXPECT_FALSE(SendMessage(list, LVM_DELETEITEM, 4, 0));
    EXPECT_EQ(TextOf(1, 0), "446.00625");
    EXPECT_TRUE(SendMessage(list, LVM_DELETEALLITEMS, 0, 0));
    EXPECT_EQ(SendMessage(list, LVM_GETITEMCOUNT, 0, 0), 0);
    ASSERT_EQ(heard.size(), 5u);
    EXPECT_EQ(heard[0].code, LVN_DELETEITEM);
    EXPECT_EQ(heard[0].lParam, 11);
    std::vector<LPARAM> gone;
    for (const Heard& note : heard) {
        gone.push_back(note.lParam);
    }
    EXPECT_EQ(gone, (std::vector<LPARAM>{11, 10, 12, 13, 14}));
}

TEST_F(ListViewTest, ASubItemNoColumnShowsIsRefused) {
    MakeList();
    Fill();
    LVITEM item;
    item.mask = LVIF_TEXT;
    item.iItem = 0;
    item.pszText = const_cast<LPSTR>("hidden");
    for (const int subItem : {2, 3, INT_MAX, -1, INT_MIN}) {
        item.iSubItem = subItem;
        EXPECT_FALSE(SendMessage(list, LVM_SETITEM, 0, reinterpret_cast<LPARAM>(&item))) << subItem;
        EXPECT_FALSE(SendMessage(list, LVM_SETITEMTEXT, 0, reinterpret_cast<LPARAM>(&item)))
            << subItem;
        EXPECT_EQ(TextOf(0, subItem), "") << subItem;
    }
    EXPECT_EQ(TextOf(0, 0), "162.550");
    EXPECT_EQ(TextOf(0, 1), "Weather");

    // A column may show any sub-item; that one is then taken.
    LVCOLUMN column;
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<LPSTR>("Notes");
    column.cx = 60;
    column.iSubItem = 7;
    ASSERT_EQ(SendMessage(list, LVM_INSERTCOLUMN, 2, reinterpret_cast<LPARAM>(&column)), 2);
    item.iSubItem = 7;
    EXPECT_TRUE(SendMessage(list, LVM_SETITEMTEXT, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_EQ(TextOf(0, 7), "hidden");
    item.iSubItem = 2; // now below the column count
    EXPECT_TRUE(SendMessage(list, LVM_SETITEM, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_EQ(TextOf(0, 2), "hidden");
    item.iSubItem = 6;
    EXPECT_FALSE(SendMessage(list, LVM_SETITEM, 0, reinterpret_cast<LPARAM>(&item)));
}

TEST_F(ListViewTest, ASingleSelectionListHasOneSelectedRowAndReportsEachChange) {
    MakeList();
    Fill();
    SetState(0, LVIS_SELECTED, LVIS_SELECTED);
    SetState(2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(StateOf(0), 0u);
    EXPECT_EQ(StateOf(2), LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(SendMessage(list, LVM_GETSELECTEDCOUNT, 0, 0), 1);
    EXPECT_EQ(SendMessage(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 2);
    EXPECT_EQ(SendMessage(list, LVM_GETNEXTITEM, 2, LVNI_SELECTED), -1);
    ASSERT_EQ(heard.size(), 3u); // row 0 on, row 0 off, row 2 on
    EXPECT_EQ(heard[1].item, 0);
    EXPECT_EQ(heard[1].oldState, LVIS_SELECTED);
    EXPECT_EQ(heard[1].newState, 0u);
    EXPECT_EQ(heard[2].item, 2);
    EXPECT_EQ(heard[2].lParam, 13);

    SetState(2, LVIS_SELECTED, LVIS_SELECTED); // no change, nothing heard
    EXPECT_EQ(heard.size(), 3u);
    EXPECT_EQ(SendMessage(list, LVM_SETSELECTIONMARK, 0, 1), -1);
    EXPECT_EQ(SendMessage(list, LVM_GETSELECTIONMARK, 0, 0), 1);
    AddRow(0, "1.000");
    EXPECT_EQ(SendMessage(list, LVM_GETSELECTIONMARK, 0, 0), 2);

    MakeList(LVS_REPORT, {10, 150, 310, 250}); // multiple selection
    Fill();
    SetState(0, LVIS_SELECTED, LVIS_SELECTED);
    SetState(1, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(SendMessage(list, LVM_GETSELECTEDCOUNT, 0, 0), 2);
    SetState(-1, 0, LVIS_SELECTED);
    EXPECT_EQ(SendMessage(list, LVM_GETSELECTEDCOUNT, 0, 0), 0);
}

TEST_F(ListViewTest, ClicksSelectTheRowAndTellTheParentWhereTheyWere) {
    MakeList();
    Fill();
    SendMessage(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    Click(list, 150, RowY(1)); // on the second column
    EXPECT_EQ(StateOf(1), LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(SendMessage(list, LVM_GETSELECTIONMARK, 0, 0), 1);
    EXPECT_EQ(GetFocus(), list);
    ASSERT_FALSE(heard.empty());
    EXPECT_EQ(heard.back().code, NM_CLICK);
    EXPECT_EQ(heard.back().item, 1);
    EXPECT_EQ(heard.back().subItem, 1);

    heard.clear();
    SendMessage(list, WM_LBUTTONDBLCLK, 0, MAKELPARAM(20, RowY(2)));
    EXPECT_EQ(Codes(), (std::vector<UINT>{LVN_ITEMCHANGED, LVN_ITEMCHANGED, NM_DBLCLK}));
    EXPECT_EQ(heard.back().item, 2);
    EXPECT_EQ(StateOf(1), 0u);

    heard.clear();
    SendMessage(list, WM_LBUTTONDBLCLK, 0, MAKELPARAM(20, RowY(5))); // below the rows
    EXPECT_EQ(heard.back().code, NM_DBLCLK);
    EXPECT_EQ(heard.back().item, -1);
    EXPECT_EQ(SendMessage(list, LVM_GETSELECTEDCOUNT, 0, 0), 0);

    // Without full-row selection only the first column selects, but the parent still hears
    // which row was clicked.
    SendMessage(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, 0);
    heard.clear();
    Click(list, 150, RowY(0));
    EXPECT_EQ(SendMessage(list, LVM_GETSELECTEDCOUNT, 0, 0), 0);
    EXPECT_EQ(Codes(), std::vector<UINT>{NM_CLICK});
    EXPECT_EQ(heard.back().item, 0);
    LVHITTESTINFO hit;
    hit.pt = {150, RowY(0)};
    EXPECT_EQ(SendMessage(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), -1);
    EXPECT_EQ(hit.flags, LVHT_NOWHERE);
    hit.pt = {50, RowY(2)};
    EXPECT_EQ(SendMessage(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 2);
    EXPECT_TRUE(hit.flags & LVHT_ONITEM);
}

TEST_F(ListViewTest, HeaderClicksReachTheParentUnlessTheHeaderIsNotForSorting) {
    MakeList();
    Fill();
    const HWND header =
        hb::win::HwndFromParam(static_cast<WPARAM>(SendMessage(list, LVM_GETHEADER, 0, 0)));
    Click(header, 120, 5);
    ASSERT_EQ(Codes(), std::vector<UINT>{HDN_ITEMCLICKA});
    EXPECT_EQ(heard[0].item, 1);
    SendMessage(header, WM_LBUTTONDOWN, 0, MAKELPARAM(20, 5));
    SendMessage(header, WM_LBUTTONUP, 0, MAKELPARAM(120, 5)); // released on another column
    EXPECT_EQ(heard.size(), 1u);

    MakeList(LVS_REPORT | LVS_NOSORTHEADER, {10, 150, 310, 250});
    Fill();
    Click(hb::win::HwndFromParam(static_cast<WPARAM>(SendMessage(list, LVM_GETHEADER, 0, 0))), 20,
          5);
    EXPECT_TRUE(heard.empty());
}

TEST_F(ListViewTest, OnlyTheReportViewShowsItsColumnHeaders) {
    for (const DWORD style : {DWORD{LVS_LIST}, DWORD{LVS_ICON}, LVS_REPORT | LVS_NOCOLUMNHEADER}) {
        MakeList(style | LVS_SINGLESEL, {10, 150, 310, 250});
        Fill();
        const HWND header =
            hb::win::HwndFromParam(static_cast<WPARAM>(SendMessage(list, LVM_GETHEADER, 0, 0)));
        EXPECT_FALSE(IsWindowVisible(header)) << style;
        LVHITTESTINFO hit;
        hit.pt = {20, 7}; // where a header would stand: the first row instead
        EXPECT_EQ(SendMessage(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 0) << style;
    }
}

TEST_F(ListViewTest, TheParentColoursEachRowWhileTheListPaints) {
    MakeList();
    Fill();
    SendMessage(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    const HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR | ILC_MASK, 4, 1);
    ImageList_AddMasked(images, hb::win::CreateBitmapHandle(64, 16, 27412, 4), RGB(255, 255, 255));
    EXPECT_EQ(SendMessage(list, LVM_SETIMAGELIST, LVSIL_SMALL, hb::win::ParamFromHandle(images)),
              0);
    std::vector<DWORD> stages;
    customDraw = [&](NMLVCUSTOMDRAW& draw) -> LRESULT {
        stages.push_back(draw.nmcd.dwDrawStage);
        if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
            return CDRF_NOTIFYITEMDRAW;
        }
        EXPECT_EQ(draw.nmcd.lItemlParam, static_cast<LPARAM>(11 + draw.nmcd.dwItemSpec));
        draw.clrText = RGB(0, 0, 0);
        draw.clrTextBk = draw.nmcd.dwItemSpec % 2 ? RGB(255, 255, 224) : RGB(224, 255, 255);
        return CDRF_DODEFAULT;
    };
    const auto& painted = Painted(list);
    EXPECT_EQ(stages, (std::vector<DWORD>{CDDS_PREPAINT, CDDS_ITEMPREPAINT, CDDS_ITEMPREPAINT,
                                          CDDS_ITEMPREPAINT}));
    // Each cell is filled in its row's colour before its text is drawn.
    std::vector<std::pair<std::string, COLORREF>> cells;
    COLORREF fill = 0;
    int images_drawn = 0;
    for (const auto& record : painted) {
        if (record.op == DrawOp::FillRect && record.rect.bottom - record.rect.top > 1) {
            fill = record.brush.color;
        } else if (record.op == DrawOp::DrawText) {
            cells.emplace_back(record.text, fill);
            EXPECT_EQ(record.state.textColor, RGB(0, 0, 0));
        } else if (record.op == DrawOp::ImageListDraw) {
            ++images_drawn;
            EXPECT_EQ(record.image.resourceId, 27412u);
        }
    }
    const COLORREF even = RGB(224, 255, 255);
    const COLORREF odd = RGB(255, 255, 224);
    EXPECT_EQ(cells, (std::vector<std::pair<std::string, COLORREF>>{{"162.550", even},
                                                                    {"Weather", even},
                                                                    {"446.00625", odd},
                                                                    {"", odd},
                                                                    {"27.185", even},
                                                                    {"CB 19", even}}));
    EXPECT_EQ(images_drawn, 3);
    const auto right = std::find_if(painted.begin(), painted.end(), [](const auto& record) {
        return record.op == DrawOp::DrawText && record.text == "162.550";
    });
    EXPECT_TRUE(right->flags & DT_RIGHT);

    // Without item notifications the rows keep the list's own colours; a selected row is marked
    // while the list has the focus.
    customDraw = nullptr;
    SendMessage(list, LVM_SETTEXTBKCOLOR, 0, RGB(1, 2, 3));
    SetState(1, LVIS_SELECTED, LVIS_SELECTED);
    SetFocus(list);
    std::vector<COLORREF> fills;
    for (const auto& record : Painted(list)) {
        if (record.op == DrawOp::FillRect && record.rect.bottom - record.rect.top == 18 &&
            record.rect.right - record.rect.left > 1) {
            fills.push_back(record.brush.color);
        }
    }
    const COLORREF mark = GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(fills, (std::vector<COLORREF>{RGB(1, 2, 3), RGB(1, 2, 3), mark, mark, RGB(1, 2, 3),
                                            RGB(1, 2, 3)}));
}

TEST_F(ListViewTest, EnsureVisibleScrollsAPageAtATime) {
    MakeList(LVS_REPORT, {10, 10, 310, 10 + 18 + 5 * 14});
    AddColumn(0, "Frequency", LVCFMT_LEFT, 100);
    for (int i = 0; i < 12; ++i) {
        AddRow(i, std::to_string(i).c_str());
    }
    EXPECT_EQ(SendMessage(list, LVM_GETCOUNTPERPAGE, 0, 0), 5);
    EXPECT_TRUE(SendMessage(list, LVM_ENSUREVISIBLE, 11, FALSE));
    EXPECT_EQ(SendMessage(list, LVM_GETTOPINDEX, 0, 0), 7);
    EXPECT_FALSE(SendMessage(list, LVM_ENSUREVISIBLE, 12, FALSE));
    LVHITTESTINFO hit;
    hit.pt = {20, RowY(0)};
    EXPECT_EQ(SendMessage(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 7);
    SendMessage(list, LVM_ENSUREVISIBLE, 2, FALSE);
    EXPECT_EQ(SendMessage(list, LVM_GETTOPINDEX, 0, 0), 2);
    SendMessage(list, LVM_DELETEALLITEMS, 0, 0);
    EXPECT_EQ(SendMessage(list, LVM_GETTOPINDEX, 0, 0), 0);
}

} // namespace
