#pragma once
// The list view ("SysListView32"), report view only, with Windows' values.

#include "platform/win/WinTypes.h"
#include "platform/win/controls/CommonControls.h"
#include "platform/win/gdi/GdiTypes.h"

inline constexpr LPCSTR WC_LISTVIEW = "SysListView32";

inline constexpr DWORD LVS_ICON = 0x0000;
inline constexpr DWORD LVS_REPORT = 0x0001;
inline constexpr DWORD LVS_SMALLICON = 0x0002;
inline constexpr DWORD LVS_LIST = 0x0003;
inline constexpr DWORD LVS_TYPEMASK = 0x0003;
inline constexpr DWORD LVS_SINGLESEL = 0x0004;
inline constexpr DWORD LVS_SHOWSELALWAYS = 0x0008;
inline constexpr DWORD LVS_NOCOLUMNHEADER = 0x4000;
inline constexpr DWORD LVS_NOSORTHEADER = 0x8000;

inline constexpr DWORD LVS_EX_GRIDLINES = 0x0001;
inline constexpr DWORD LVS_EX_FULLROWSELECT = 0x0020;

inline constexpr UINT LVM_GETBKCOLOR = 0x1000;
inline constexpr UINT LVM_SETBKCOLOR = 0x1001;
inline constexpr UINT LVM_GETIMAGELIST = 0x1002;
inline constexpr UINT LVM_SETIMAGELIST = 0x1003;
inline constexpr UINT LVM_GETITEMCOUNT = 0x1004;
inline constexpr UINT LVM_GETITEM = 0x1005;
inline constexpr UINT LVM_SETITEM = 0x1006;
inline constexpr UINT LVM_INSERTITEM = 0x1007;
inline constexpr UINT LVM_DELETEITEM = 0x1008;
inline constexpr UINT LVM_DELETEALLITEMS = 0x1009;
inline constexpr UINT LVM_GETNEXTITEM = 0x100C;
inline constexpr UINT LVM_HITTEST = 0x1012;
inline constexpr UINT LVM_ENSUREVISIBLE = 0x1013;
// wParam: pixels to scroll right; lParam: pixels to scroll down, in whole rows.
inline constexpr UINT LVM_SCROLL = 0x1014;
inline constexpr UINT LVM_GETCOLUMN = 0x1019;
inline constexpr UINT LVM_SETCOLUMN = 0x101A;
inline constexpr UINT LVM_INSERTCOLUMN = 0x101B;
inline constexpr UINT LVM_DELETECOLUMN = 0x101C;
inline constexpr UINT LVM_GETCOLUMNWIDTH = 0x101D;
inline constexpr UINT LVM_SETCOLUMNWIDTH = 0x101E;
inline constexpr UINT LVM_GETHEADER = 0x101F;
inline constexpr UINT LVM_GETTEXTCOLOR = 0x1023;
inline constexpr UINT LVM_SETTEXTCOLOR = 0x1024;
inline constexpr UINT LVM_GETTEXTBKCOLOR = 0x1025;
inline constexpr UINT LVM_SETTEXTBKCOLOR = 0x1026;
inline constexpr UINT LVM_GETTOPINDEX = 0x1027;
inline constexpr UINT LVM_GETCOUNTPERPAGE = 0x1028;
inline constexpr UINT LVM_SETITEMSTATE = 0x102B;
inline constexpr UINT LVM_GETITEMSTATE = 0x102C;
inline constexpr UINT LVM_GETITEMTEXT = 0x102D;
inline constexpr UINT LVM_SETITEMTEXT = 0x102E;
inline constexpr UINT LVM_GETSELECTEDCOUNT = 0x1032;
inline constexpr UINT LVM_SETEXTENDEDLISTVIEWSTYLE = 0x1036;
inline constexpr UINT LVM_GETEXTENDEDLISTVIEWSTYLE = 0x1037;
inline constexpr UINT LVM_GETSELECTIONMARK = 0x1042;
inline constexpr UINT LVM_SETSELECTIONMARK = 0x1043;

// Image lists (LVM_SETIMAGELIST wParam). Report view draws the small images.
inline constexpr int LVSIL_NORMAL = 0;
inline constexpr int LVSIL_SMALL = 1;
inline constexpr int LVSIL_STATE = 2;

inline constexpr UINT LVCF_FMT = 0x0001;
inline constexpr UINT LVCF_WIDTH = 0x0002;
inline constexpr UINT LVCF_TEXT = 0x0004;
inline constexpr UINT LVCF_SUBITEM = 0x0008;
inline constexpr int LVCFMT_LEFT = 0x0000;
inline constexpr int LVCFMT_RIGHT = 0x0001;
inline constexpr int LVCFMT_CENTER = 0x0002;
inline constexpr int LVCFMT_JUSTIFYMASK = 0x0003;

// A column shows the sub-item iSubItem of every row. pszText is copied on the way in; on the way
// out up to cchTextMax - 1 characters are copied into it.
struct LVCOLUMN {
    UINT mask = 0;
    int fmt = 0;
    int cx = 0;
    LPSTR pszText = nullptr;
    int cchTextMax = 0;
    int iSubItem = 0;
};

inline constexpr UINT LVIF_TEXT = 0x0001;
inline constexpr UINT LVIF_IMAGE = 0x0002;
inline constexpr UINT LVIF_PARAM = 0x0004;
inline constexpr UINT LVIF_STATE = 0x0008;
inline constexpr UINT LVIS_FOCUSED = 0x0001;
inline constexpr UINT LVIS_SELECTED = 0x0002;

// A row (iSubItem 0) or one of its sub-items (text only). Texts are copied as for LVCOLUMN.
struct LVITEM {
    UINT mask = 0;
    int iItem = 0;
    int iSubItem = 0;
    UINT state = 0;
    UINT stateMask = 0;
    LPSTR pszText = nullptr;
    int cchTextMax = 0;
    int iImage = 0;
    LPARAM lParam = 0;
};

// LVM_GETNEXTITEM: the next row after the start (-1: the first row) that has all these states.
inline constexpr UINT LVNI_ALL = 0x0000;
inline constexpr UINT LVNI_FOCUSED = 0x0001;
inline constexpr UINT LVNI_SELECTED = 0x0002;

inline constexpr UINT LVHT_NOWHERE = 0x0001;
inline constexpr UINT LVHT_ONITEMICON = 0x0002;
inline constexpr UINT LVHT_ONITEMLABEL = 0x0004;
inline constexpr UINT LVHT_ONITEM = 0x000E;

struct LVHITTESTINFO {
    POINT pt;
    UINT flags = 0;
    int iItem = 0;
    int iSubItem = 0;
};

inline constexpr UINT LVN_ITEMCHANGED = static_cast<UINT>(-101);
inline constexpr UINT LVN_DELETEITEM = static_cast<UINT>(-103);

// LVN_ITEMCHANGED (uChanged LVIF_STATE) and LVN_DELETEITEM.
struct NMLISTVIEW {
    NMHDR hdr;
    int iItem = 0;
    int iSubItem = 0;
    UINT uNewState = 0;
    UINT uOldState = 0;
    UINT uChanged = 0;
    POINT ptAction;
    LPARAM lParam = 0;
};

// NM_CLICK and NM_DBLCLK: the row and column under the mouse (-1: none), in client coordinates.
struct NMITEMACTIVATE {
    NMHDR hdr;
    int iItem = 0;
    int iSubItem = 0;
    UINT uNewState = 0;
    UINT uOldState = 0;
    UINT uChanged = 0;
    POINT ptAction;
    LPARAM lParam = 0;
    UINT uKeyFlags = 0;
};

// NM_CUSTOMDRAW of a list view: the parent may change the row's colours at CDDS_ITEMPREPAINT.
struct NMLVCUSTOMDRAW {
    NMCUSTOMDRAW nmcd;
    COLORREF clrText = 0;
    COLORREF clrTextBk = 0;
    int iSubItem = 0;
};
