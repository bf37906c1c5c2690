#pragma once
// Styles, messages and notification codes of the standard controls, with Windows' values: the
// class library, the forms and the instrument layer all speak them.

#include "platform/win/WinTypes.h"

#include <cstdint>

// Notification header carried by WM_NOTIFY.
struct NMHDR {
    HWND hwndFrom;
    UINT_PTR idFrom = 0;
    UINT code = 0;
};

// Common notification codes (negative values as unsigned, as Windows defines them).
inline constexpr UINT NM_CLICK = static_cast<UINT>(-2);
inline constexpr UINT NM_DBLCLK = static_cast<UINT>(-3);
inline constexpr UINT NM_RETURN = static_cast<UINT>(-4);
inline constexpr UINT NM_RCLICK = static_cast<UINT>(-5);
inline constexpr UINT NM_SETFOCUS = static_cast<UINT>(-7);
inline constexpr UINT NM_KILLFOCUS = static_cast<UINT>(-8);

// Button.
inline constexpr DWORD BS_PUSHBUTTON = 0x0;
inline constexpr DWORD BS_DEFPUSHBUTTON = 0x1;
inline constexpr DWORD BS_CHECKBOX = 0x2;
inline constexpr DWORD BS_AUTOCHECKBOX = 0x3;
inline constexpr DWORD BS_RADIOBUTTON = 0x4;
inline constexpr DWORD BS_3STATE = 0x5;
inline constexpr DWORD BS_AUTO3STATE = 0x6;
inline constexpr DWORD BS_GROUPBOX = 0x7;
inline constexpr DWORD BS_AUTORADIOBUTTON = 0x9;
inline constexpr DWORD BS_TYPEMASK = 0xF;
inline constexpr DWORD BS_ICON = 0x40;
inline constexpr DWORD BS_BITMAP = 0x80;
inline constexpr DWORD BS_PUSHLIKE = 0x1000;

inline constexpr UINT BM_GETCHECK = 0x00F0;
inline constexpr UINT BM_SETCHECK = 0x00F1;
inline constexpr UINT BM_GETSTATE = 0x00F2;
inline constexpr UINT BM_SETSTATE = 0x00F3;
inline constexpr UINT BM_SETSTYLE = 0x00F4;
inline constexpr UINT BM_CLICK = 0x00F5;
inline constexpr UINT BM_GETIMAGE = 0x00F6;
inline constexpr UINT BM_SETIMAGE = 0x00F7;

inline constexpr WPARAM BST_UNCHECKED = 0;
inline constexpr WPARAM BST_CHECKED = 1;
inline constexpr WPARAM BST_INDETERMINATE = 2;
inline constexpr LRESULT BST_PUSHED = 0x4;
inline constexpr LRESULT BST_FOCUS = 0x8;

inline constexpr UINT BN_CLICKED = 0;
inline constexpr UINT BN_DOUBLECLICKED = 5;
inline constexpr UINT BN_SETFOCUS = 6;
inline constexpr UINT BN_KILLFOCUS = 7;

inline constexpr WPARAM IMAGE_BITMAP = 0;
inline constexpr WPARAM IMAGE_ICON = 1;

// Static.
inline constexpr DWORD SS_LEFT = 0x0;
inline constexpr DWORD SS_CENTER = 0x1;
inline constexpr DWORD SS_RIGHT = 0x2;
inline constexpr DWORD SS_ICON = 0x3;
inline constexpr DWORD SS_NOPREFIX = 0x80;
inline constexpr DWORD SS_NOTIFY = 0x100;
inline constexpr UINT STM_SETICON = 0x0170;
inline constexpr UINT STM_GETICON = 0x0171;
inline constexpr UINT STM_SETIMAGE = 0x0172;
inline constexpr UINT STM_GETIMAGE = 0x0173;
inline constexpr UINT STN_CLICKED = 0;

// Edit.
inline constexpr DWORD ES_LEFT = 0x0;
inline constexpr DWORD ES_CENTER = 0x1;
inline constexpr DWORD ES_RIGHT = 0x2;
inline constexpr DWORD ES_MULTILINE = 0x4;
inline constexpr DWORD ES_UPPERCASE = 0x8;
inline constexpr DWORD ES_AUTOHSCROLL = 0x80;
inline constexpr DWORD ES_READONLY = 0x800;
inline constexpr DWORD ES_NUMBER = 0x2000;
inline constexpr UINT EM_GETSEL = 0x00B0;
inline constexpr UINT EM_SETSEL = 0x00B1;
inline constexpr UINT EM_REPLACESEL = 0x00C2;
inline constexpr UINT EM_GETMODIFY = 0x00B8;
inline constexpr UINT EM_SETMODIFY = 0x00B9;
inline constexpr UINT EM_LIMITTEXT = 0x00C5;
inline constexpr UINT EM_SETREADONLY = 0x00CF;
inline constexpr UINT EN_SETFOCUS = 0x0100;
inline constexpr UINT EN_KILLFOCUS = 0x0200;
inline constexpr UINT EN_CHANGE = 0x0300;
inline constexpr UINT EN_UPDATE = 0x0400;
inline constexpr UINT EN_MAXTEXT = 0x0501;

// ComboBox. Item indexes and counts come back as LRESULT; CB_ERR for a bad index or no match.
inline constexpr DWORD CBS_SIMPLE = 0x0001;
inline constexpr DWORD CBS_DROPDOWN = 0x0002;
inline constexpr DWORD CBS_DROPDOWNLIST = 0x0003;
inline constexpr DWORD CBS_TYPEMASK = 0x0003;
inline constexpr DWORD CBS_SORT = 0x0100;
inline constexpr LRESULT CB_OKAY = 0;
inline constexpr LRESULT CB_ERR = -1;
inline constexpr UINT CB_ADDSTRING = 0x0143;
inline constexpr UINT CB_DELETESTRING = 0x0144;
inline constexpr UINT CB_GETCOUNT = 0x0146;
inline constexpr UINT CB_GETCURSEL = 0x0147;
inline constexpr UINT CB_GETLBTEXT = 0x0148;
inline constexpr UINT CB_GETLBTEXTLEN = 0x0149;
inline constexpr UINT CB_INSERTSTRING = 0x014A;
inline constexpr UINT CB_RESETCONTENT = 0x014B;
inline constexpr UINT CB_FINDSTRING = 0x014C;
inline constexpr UINT CB_SELECTSTRING = 0x014D;
inline constexpr UINT CB_SETCURSEL = 0x014E;
inline constexpr UINT CB_SHOWDROPDOWN = 0x014F;
inline constexpr UINT CB_GETITEMDATA = 0x0150;
inline constexpr UINT CB_SETITEMDATA = 0x0151;
inline constexpr UINT CB_GETDROPPEDSTATE = 0x0157;
inline constexpr UINT CB_FINDSTRINGEXACT = 0x0158;
inline constexpr UINT CBN_SELCHANGE = 1;
inline constexpr UINT CBN_EDITCHANGE = 5;
inline constexpr UINT CBN_DROPDOWN = 7;
inline constexpr UINT CBN_CLOSEUP = 8;
inline constexpr UINT CBN_SELENDOK = 9;

// ListBox. Indexes and counts as LRESULT; LB_ERR for a bad index.
inline constexpr DWORD LBS_NOTIFY = 0x0001;
inline constexpr LRESULT LB_OKAY = 0;
inline constexpr LRESULT LB_ERR = -1;
inline constexpr UINT LB_ADDSTRING = 0x0180;
inline constexpr UINT LB_INSERTSTRING = 0x0181;
inline constexpr UINT LB_DELETESTRING = 0x0182;
inline constexpr UINT LB_RESETCONTENT = 0x0184;
inline constexpr UINT LB_SETCURSEL = 0x0186;
inline constexpr UINT LB_GETCURSEL = 0x0188;
inline constexpr UINT LB_GETTEXT = 0x0189;
inline constexpr UINT LB_GETTEXTLEN = 0x018A;
inline constexpr UINT LB_GETCOUNT = 0x018B;
inline constexpr UINT LB_GETITEMRECT = 0x0198;
inline constexpr UINT LB_GETITEMDATA = 0x0199;
inline constexpr UINT LB_SETITEMDATA = 0x019A;
inline constexpr UINT LBN_SELCHANGE = 1;
inline constexpr UINT LBN_DBLCLK = 2;

// Scroll requests, the low word of WM_HSCROLL and WM_VSCROLL (the high word: the thumb's
// position for SB_THUMBPOSITION and SB_THUMBTRACK). Each horizontal one shares its vertical twin's
// value.
inline constexpr WORD SB_LINEUP = 0;
inline constexpr WORD SB_LINELEFT = 0;
inline constexpr WORD SB_LINEDOWN = 1;
inline constexpr WORD SB_LINERIGHT = 1;
inline constexpr WORD SB_PAGEUP = 2;
inline constexpr WORD SB_PAGELEFT = 2;
inline constexpr WORD SB_PAGEDOWN = 3;
inline constexpr WORD SB_PAGERIGHT = 3;
inline constexpr WORD SB_THUMBPOSITION = 4;
inline constexpr WORD SB_THUMBTRACK = 5;
inline constexpr WORD SB_TOP = 6;
inline constexpr WORD SB_LEFT = 6;
inline constexpr WORD SB_BOTTOM = 7;
inline constexpr WORD SB_RIGHT = 7;
inline constexpr WORD SB_ENDSCROLL = 8;

// Tooltip.
inline constexpr LPCSTR TOOLTIPS_CLASS = "tooltips_class32";
inline constexpr UINT TTM_ACTIVATE = 0x0401;
inline constexpr UINT TTM_SETDELAYTIME = 0x0403;
inline constexpr UINT TTM_ADDTOOL = 0x0404;
inline constexpr UINT TTM_DELTOOL = 0x0405;
inline constexpr UINT TTM_RELAYEVENT = 0x0407;
inline constexpr UINT TTM_GETTOOLCOUNT = 0x040D;
inline constexpr UINT TTM_SETMAXTIPWIDTH = 0x0418;
inline constexpr UINT TTM_POP = 0x041C;
inline constexpr UINT TTN_NEEDTEXTA = static_cast<UINT>(-520);
inline constexpr UINT TTN_NEEDTEXTW = static_cast<UINT>(-530);
inline constexpr UINT TTN_NEEDTEXT = TTN_NEEDTEXTA;
inline constexpr UINT TTN_SHOW = static_cast<UINT>(-521);
inline constexpr UINT TTN_POP = static_cast<UINT>(-522);
inline constexpr UINT TTF_IDISHWND = 0x0001;
inline constexpr UINT TTF_SUBCLASS = 0x0010;
inline constexpr DWORD TTS_ALWAYSTIP = 0x01;
// Marks a tool whose text the owner supplies through TTN_NEEDTEXT.
inline LPSTR const LPSTR_TEXTCALLBACK = reinterpret_cast<LPSTR>(static_cast<std::intptr_t>(-1));

// A tool: a window (TTF_IDISHWND: uId is that window's handle) or a rectangle of `hwnd`'s client
// area. `hwnd` also receives TTN_NEEDTEXT for a tool whose text is LPSTR_TEXTCALLBACK.
struct TOOLINFO {
    UINT cbSize = sizeof(TOOLINFO);
    UINT uFlags = 0;
    HWND hwnd;
    UINT_PTR uId = 0;
    RECT rect;
    HINSTANCE hinst;
    LPSTR lpszText = nullptr;
    LPARAM lParam = 0;
};
using TOOLINFOA = TOOLINFO;

// TTN_NEEDTEXT: the owner points lpszText at its text, or copies it into szText.
struct NMTTDISPINFO {
    NMHDR hdr;
    LPSTR lpszText = nullptr;
    char szText[80] = {};
    HINSTANCE hinst;
    UINT uFlags = 0;
    LPARAM lParam = 0;
};
using NMTTDISPINFOA = NMTTDISPINFO;
using TOOLTIPTEXTA = NMTTDISPINFO;
