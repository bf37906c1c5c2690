#pragma once
// The up-down, progress and header controls and the custom-draw protocol, with Windows' values.
// The list view is in ListViewMessages.h.

#include "platform/win/WinTypes.h"
#include "platform/win/controls/ControlMessages.h"
#include "platform/win/gdi/GdiTypes.h"

// A colour argument that asks for the control's own default, and one that asks for none.
inline constexpr COLORREF CLR_DEFAULT = 0xFF000000;
inline constexpr COLORREF CLR_NONE = 0xFFFFFFFF;

// Up-down ("msctls_updown32").
inline constexpr LPCSTR UPDOWN_CLASS = "msctls_updown32";
inline constexpr DWORD UDS_WRAP = 0x0001;
inline constexpr DWORD UDS_SETBUDDYINT = 0x0002;
inline constexpr DWORD UDS_ALIGNRIGHT = 0x0004;
inline constexpr DWORD UDS_ALIGNLEFT = 0x0008;
inline constexpr DWORD UDS_AUTOBUDDY = 0x0010;
inline constexpr DWORD UDS_HORZ = 0x0040;
inline constexpr DWORD UDS_NOTHOUSANDS = 0x0080;
inline constexpr UINT UDM_SETRANGE = 0x0465;
inline constexpr UINT UDM_GETRANGE = 0x0466;
inline constexpr UINT UDM_SETPOS = 0x0467;
inline constexpr UINT UDM_GETPOS = 0x0468;
inline constexpr UINT UDM_SETBUDDY = 0x0469;
inline constexpr UINT UDM_GETBUDDY = 0x046A;
inline constexpr UINT UDM_SETRANGE32 = 0x046F;
inline constexpr UINT UDM_GETRANGE32 = 0x0470;
inline constexpr UINT UDM_SETPOS32 = 0x0471;
inline constexpr UINT UDM_GETPOS32 = 0x0472;
inline constexpr UINT UDN_DELTAPOS = static_cast<UINT>(-722);

// UDN_DELTAPOS: the position before the change and the change proposed. A non-zero result
// cancels the change.
struct NMUPDOWN {
    NMHDR hdr;
    int iPos = 0;
    int iDelta = 0;
};

// Progress bar ("msctls_progress32").
inline constexpr LPCSTR PROGRESS_CLASS = "msctls_progress32";
inline constexpr UINT PBM_SETRANGE = 0x0401;
inline constexpr UINT PBM_SETPOS = 0x0402;
inline constexpr UINT PBM_DELTAPOS = 0x0403;
inline constexpr UINT PBM_SETSTEP = 0x0404;
inline constexpr UINT PBM_STEPIT = 0x0405;
inline constexpr UINT PBM_SETRANGE32 = 0x0406;
inline constexpr UINT PBM_GETRANGE = 0x0407;
inline constexpr UINT PBM_GETPOS = 0x0408;
inline constexpr UINT PBM_SETBARCOLOR = 0x0409;

struct PBRANGE {
    int iLow = 0;
    int iHigh = 0;
};

// Header ("SysHeader32"): the column headings of a list view.
inline constexpr LPCSTR WC_HEADER = "SysHeader32";
inline constexpr DWORD HDS_BUTTONS = 0x0002;
inline constexpr UINT HDM_GETITEMCOUNT = 0x1200;
inline constexpr UINT HDM_INSERTITEM = 0x1201;
inline constexpr UINT HDM_DELETEITEM = 0x1202;
inline constexpr UINT HDM_GETITEM = 0x1203;
inline constexpr UINT HDM_SETITEM = 0x1204;
inline constexpr UINT HDI_WIDTH = 0x0001;
inline constexpr UINT HDI_TEXT = 0x0002;
inline constexpr UINT HDI_FORMAT = 0x0004;
inline constexpr int HDF_LEFT = 0x0000;
inline constexpr int HDF_RIGHT = 0x0001;
inline constexpr int HDF_CENTER = 0x0002;
inline constexpr int HDF_JUSTIFYMASK = 0x0003;
// A divider dragged: HDN_BEGINTRACK first (a non-zero answer refuses the drag), then for each
// change of width HDN_ITEMCHANGING (a non-zero answer refuses it) and HDN_ITEMCHANGED, and
// HDN_ENDTRACK when the button is released. pitem carries the width (HDI_WIDTH).
inline constexpr UINT HDN_ITEMCHANGINGA = static_cast<UINT>(-300);
inline constexpr UINT HDN_ITEMCHANGING = HDN_ITEMCHANGINGA;
inline constexpr UINT HDN_ITEMCHANGEDA = static_cast<UINT>(-301);
inline constexpr UINT HDN_ITEMCHANGED = HDN_ITEMCHANGEDA;
inline constexpr UINT HDN_BEGINTRACKA = static_cast<UINT>(-306);
inline constexpr UINT HDN_BEGINTRACK = HDN_BEGINTRACKA;
inline constexpr UINT HDN_ENDTRACKA = static_cast<UINT>(-307);
inline constexpr UINT HDN_ENDTRACK = HDN_ENDTRACKA;
inline constexpr UINT HDN_ITEMCLICKA = static_cast<UINT>(-302);
inline constexpr UINT HDN_ITEMCLICKW = static_cast<UINT>(-322);
inline constexpr UINT HDN_ITEMCLICK = HDN_ITEMCLICKA;

struct HDITEM {
    UINT mask = 0;
    int cxy = 0;
    LPSTR pszText = nullptr;
    HBITMAP hbm;
    int cchTextMax = 0;
    int fmt = 0;
    LPARAM lParam = 0;
};

// Header notifications: the item and the mouse button (0 left).
struct NMHEADER {
    NMHDR hdr;
    int iItem = 0;
    int iButton = 0;
    HDITEM* pitem = nullptr;
};

// Custom draw: a control asks its parent, through WM_NOTIFY, before painting and, when the parent
// asks for it, before each item.
inline constexpr UINT NM_CUSTOMDRAW = static_cast<UINT>(-12);
inline constexpr DWORD CDDS_PREPAINT = 0x00000001;
inline constexpr DWORD CDDS_POSTPAINT = 0x00000002;
inline constexpr DWORD CDDS_ITEM = 0x00010000;
inline constexpr DWORD CDDS_ITEMPREPAINT = CDDS_ITEM | CDDS_PREPAINT;
inline constexpr LRESULT CDRF_DODEFAULT = 0x00;
inline constexpr LRESULT CDRF_NEWFONT = 0x02;
inline constexpr LRESULT CDRF_SKIPDEFAULT = 0x04;
inline constexpr LRESULT CDRF_NOTIFYPOSTPAINT = 0x10;
inline constexpr LRESULT CDRF_NOTIFYITEMDRAW = 0x20;
inline constexpr UINT CDIS_SELECTED = 0x0001;
inline constexpr UINT CDIS_FOCUS = 0x0010;

struct NMCUSTOMDRAW {
    NMHDR hdr;
    DWORD dwDrawStage = 0;
    HDC hdc;
    RECT rc;
    DWORD_PTR dwItemSpec = 0; // the item's index
    UINT uItemState = 0;      // CDIS_*
    LPARAM lItemlParam = 0;
};
