#pragma once
// Message-map entries for window messages, each calling the handler of the usual name with the
// message cracked into typed arguments. CWnd has a default for each that runs the window's
// default processing.

#include "platform/afx/CDC.h"
#include "platform/afx/CPoint.h"
#include "platform/afx/MessageMap.h"

class CWnd;

using LPCREATESTRUCT = CREATESTRUCT*;

namespace hb::afx::sig {
using OnCreate = int(LPCREATESTRUCT);
using OnTimer = void(UINT_PTR);
using OnSize = void(UINT, int, int);
using OnFocus = void(CWnd*);
using OnMouseActivate = int(CWnd*, UINT, UINT);
using OnSysCommand = void(UINT, LPARAM);
using OnMDIActivate = void(BOOL, CWnd*, CWnd*);
using OnSettingChange = void(UINT, LPCSTR);
using OnMouse = void(UINT, CPoint);
using OnMouseWheel = BOOL(UINT, short, CPoint);
using OnKey = void(UINT, UINT, UINT);
using OnShowWindow = void(BOOL, UINT);
using OnCtlColor = HBRUSH(CDC*, CWnd*, UINT);
using CtlColor = HBRUSH(CDC*, UINT);
using OnEraseBkgnd = BOOL(CDC*);
} // namespace hb::afx::sig

// OnCtlColor's nCtlColor: which WM_CTLCOLOR* message asks.
inline constexpr UINT CTLCOLOR_MSGBOX = 0;
inline constexpr UINT CTLCOLOR_EDIT = 1;
inline constexpr UINT CTLCOLOR_LISTBOX = 2;
inline constexpr UINT CTLCOLOR_BTN = 3;
inline constexpr UINT CTLCOLOR_DLG = 4;
inline constexpr UINT CTLCOLOR_SCROLLBAR = 5;
inline constexpr UINT CTLCOLOR_STATIC = 6;

#define HB_AFX_WM_VOID(message, name)                                                              \
    HB_AFX_MAP_ENTRY(message, 0, 0, 0, HB_AFX_CALL(::hb::afx::sig::Void, &ThisClass::name)();      \
                     return true;)

#define HB_AFX_WM_MOUSE(message, name)                                                             \
    HB_AFX_MAP_ENTRY(message, 0, 0, 0,                                                             \
                     HB_AFX_CALL(::hb::afx::sig::OnMouse, &ThisClass::name)(                       \
                         static_cast<UINT>(hbCall.wParam),                                         \
                         CPoint(GET_X_LPARAM(hbCall.lParam), GET_Y_LPARAM(hbCall.lParam)));        \
                     return true;)

#define HB_AFX_WM_KEY(message, name)                                                               \
    HB_AFX_MAP_ENTRY(message, 0, 0, 0,                                                             \
                     HB_AFX_CALL(::hb::afx::sig::OnKey,                                            \
                                 &ThisClass::name)(static_cast<UINT>(hbCall.wParam),               \
                                                   LOWORD(hbCall.lParam), HIWORD(hbCall.lParam));  \
                     return true;)

#define HB_AFX_WM_FOCUS(message, name)                                                             \
    HB_AFX_MAP_ENTRY(message, 0, 0, 0,                                                             \
                     HB_AFX_CALL(::hb::afx::sig::OnFocus, &ThisClass::name)(                       \
                         CWnd::FromHandle(::hb::win::HwndFromParam(hbCall.wParam)));               \
                     return true;)

// int OnCreate(LPCREATESTRUCT): -1 fails the creation.
#define ON_WM_CREATE()                                                                             \
    HB_AFX_MAP_ENTRY(WM_CREATE, 0, 0, 0,                                                           \
                     hbCall.result = HB_AFX_CALL(::hb::afx::sig::OnCreate, &ThisClass::OnCreate)(  \
                         reinterpret_cast<LPCREATESTRUCT>(hbCall.lParam));                         \
                     return true;)
#define ON_WM_DESTROY() HB_AFX_WM_VOID(WM_DESTROY, OnDestroy)
#define ON_WM_NCDESTROY() HB_AFX_WM_VOID(WM_NCDESTROY, OnNcDestroy)
#define ON_WM_CLOSE() HB_AFX_WM_VOID(WM_CLOSE, OnClose)
#define ON_WM_PAINT() HB_AFX_WM_VOID(WM_PAINT, OnPaint)
// void OnTimer(UINT_PTR nIDEvent).
#define ON_WM_TIMER()                                                                              \
    HB_AFX_MAP_ENTRY(WM_TIMER, 0, 0, 0,                                                            \
                     HB_AFX_CALL(::hb::afx::sig::OnTimer, &ThisClass::OnTimer)(hbCall.wParam);     \
                     return true;)
// void OnSize(UINT nType, int cx, int cy).
#define ON_WM_SIZE()                                                                               \
    HB_AFX_MAP_ENTRY(WM_SIZE, 0, 0, 0,                                                             \
                     HB_AFX_CALL(::hb::afx::sig::OnSize,                                           \
                                 &ThisClass::OnSize)(static_cast<UINT>(hbCall.wParam),             \
                                                     static_cast<int>(LOWORD(hbCall.lParam)),      \
                                                     static_cast<int>(HIWORD(hbCall.lParam)));     \
                     return true;)
// void OnSetFocus(CWnd* pOldWnd), void OnKillFocus(CWnd* pNewWnd).
#define ON_WM_SETFOCUS() HB_AFX_WM_FOCUS(WM_SETFOCUS, OnSetFocus)
#define ON_WM_KILLFOCUS() HB_AFX_WM_FOCUS(WM_KILLFOCUS, OnKillFocus)
// int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message).
#define ON_WM_MOUSEACTIVATE()                                                                      \
    HB_AFX_MAP_ENTRY(                                                                              \
        WM_MOUSEACTIVATE, 0, 0, 0,                                                                 \
        hbCall.result = HB_AFX_CALL(::hb::afx::sig::OnMouseActivate, &ThisClass::OnMouseActivate)( \
            CWnd::FromHandle(::hb::win::HwndFromParam(hbCall.wParam)), LOWORD(hbCall.lParam),      \
            HIWORD(hbCall.lParam));                                                                \
        return true;)
// void OnSysCommand(UINT nID, LPARAM lParam).
#define ON_WM_SYSCOMMAND()                                                                         \
    HB_AFX_MAP_ENTRY(WM_SYSCOMMAND, 0, 0, 0,                                                       \
                     HB_AFX_CALL(::hb::afx::sig::OnSysCommand, &ThisClass::OnSysCommand)(          \
                         static_cast<UINT>(hbCall.wParam), hbCall.lParam);                         \
                     return true;)
// void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd).
#define ON_WM_MDIACTIVATE()                                                                        \
    HB_AFX_MAP_ENTRY(                                                                              \
        WM_MDIACTIVATE, 0, 0, 0,                                                                   \
        HB_AFX_CALL(::hb::afx::sig::OnMDIActivate, &ThisClass::OnMDIActivate)(                     \
            ::hb::win::HwndFromParam(static_cast<WPARAM>(hbCall.lParam)) == hbThis.m_hWnd,         \
            CWnd::FromHandle(::hb::win::HwndFromParam(static_cast<WPARAM>(hbCall.lParam))),        \
            CWnd::FromHandle(::hb::win::HwndFromParam(hbCall.wParam)));                            \
        return true;)
// void OnSettingChange(UINT uFlags, LPCSTR lpszSection).
#define ON_WM_SETTINGCHANGE()                                                                      \
    HB_AFX_MAP_ENTRY(                                                                              \
        WM_SETTINGCHANGE, 0, 0, 0,                                                                 \
        HB_AFX_CALL(::hb::afx::sig::OnSettingChange, &ThisClass::OnSettingChange)(                 \
            static_cast<UINT>(hbCall.wParam), reinterpret_cast<LPCSTR>(hbCall.lParam));            \
        return true;)
// void OnXxx(UINT nFlags, CPoint point).
#define ON_WM_MOUSEMOVE() HB_AFX_WM_MOUSE(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN() HB_AFX_WM_MOUSE(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() HB_AFX_WM_MOUSE(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() HB_AFX_WM_MOUSE(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() HB_AFX_WM_MOUSE(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() HB_AFX_WM_MOUSE(WM_RBUTTONUP, OnRButtonUp)
// BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt); pt in screen coordinates.
#define ON_WM_MOUSEWHEEL()                                                                         \
    HB_AFX_MAP_ENTRY(WM_MOUSEWHEEL, 0, 0, 0,                                                       \
                     hbCall.result =                                                               \
                         HB_AFX_CALL(::hb::afx::sig::OnMouseWheel, &ThisClass::OnMouseWheel)(      \
                             LOWORD(hbCall.wParam), static_cast<short>(HIWORD(hbCall.wParam)),     \
                             CPoint(GET_X_LPARAM(hbCall.lParam), GET_Y_LPARAM(hbCall.lParam)));    \
                     return true;)
// void OnXxx(UINT nChar, UINT nRepCnt, UINT nFlags).
#define ON_WM_KEYDOWN() HB_AFX_WM_KEY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_CHAR() HB_AFX_WM_KEY(WM_CHAR, OnChar)
// void OnShowWindow(BOOL bShow, UINT nStatus).
#define ON_WM_SHOWWINDOW()                                                                         \
    HB_AFX_MAP_ENTRY(WM_SHOWWINDOW, 0, 0, 0,                                                       \
                     HB_AFX_CALL(::hb::afx::sig::OnShowWindow, &ThisClass::OnShowWindow)(          \
                         static_cast<BOOL>(hbCall.wParam), static_cast<UINT>(hbCall.lParam));      \
                     return true;)
// HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor), for every WM_CTLCOLOR* message: a
// control asks its parent for its text colour (set on pDC) and background brush (returned; none
// leaves the control's own).
#define HB_AFX_WM_CTLCOLOR(message)                                                                \
    HB_AFX_MAP_ENTRY(message, 0, 0, 0,                                                             \
                     hbCall.result = static_cast<LRESULT>(                                         \
                         HB_AFX_CALL(::hb::afx::sig::OnCtlColor, &ThisClass::OnCtlColor)(          \
                             CDC::FromHandle(::hb::win::HandleFromParam<HDC>(hbCall.wParam)),      \
                             CWnd::FromHandle(::hb::win::HwndFromParam(                            \
                                 static_cast<std::uintptr_t>(hbCall.lParam))),                     \
                             (message)-WM_CTLCOLORMSGBOX)                                          \
                             .id());                                                               \
                     return true;)
#define ON_WM_CTLCOLOR()                                                                           \
    HB_AFX_WM_CTLCOLOR(WM_CTLCOLORMSGBOX)                                                          \
    HB_AFX_WM_CTLCOLOR(WM_CTLCOLOREDIT)                                                            \
    HB_AFX_WM_CTLCOLOR(WM_CTLCOLORLISTBOX)                                                         \
    HB_AFX_WM_CTLCOLOR(WM_CTLCOLORBTN)                                                             \
    HB_AFX_WM_CTLCOLOR(WM_CTLCOLORDLG)                                                             \
    HB_AFX_WM_CTLCOLOR(WM_CTLCOLORSCROLLBAR)                                                       \
    HB_AFX_WM_CTLCOLOR(WM_CTLCOLORSTATIC)
// HBRUSH CtlColor(CDC* pDC, UINT nCtlColor), on a control, for the WM_CTLCOLOR* messages its
// parent receives about it: the control sets its own colours on pDC and returns its background
// brush; returning none leaves the question to the parent's OnCtlColor.
#define HB_AFX_CTLCOLOR_REFLECT(message)                                                           \
    HB_AFX_MAP_ENTRY(::hb::afx::kReflectBase + (message), 0, 0, 0,                                 \
                     hbCall.result = static_cast<LRESULT>(                                         \
                         HB_AFX_CALL(::hb::afx::sig::CtlColor, &ThisClass::CtlColor)(              \
                             CDC::FromHandle(::hb::win::HandleFromParam<HDC>(hbCall.wParam)),      \
                             (message)-WM_CTLCOLORMSGBOX)                                          \
                             .id());                                                               \
                     return true;)
#define ON_WM_CTLCOLOR_REFLECT()                                                                   \
    HB_AFX_CTLCOLOR_REFLECT(WM_CTLCOLORMSGBOX)                                                     \
    HB_AFX_CTLCOLOR_REFLECT(WM_CTLCOLOREDIT)                                                       \
    HB_AFX_CTLCOLOR_REFLECT(WM_CTLCOLORLISTBOX)                                                    \
    HB_AFX_CTLCOLOR_REFLECT(WM_CTLCOLORBTN)                                                        \
    HB_AFX_CTLCOLOR_REFLECT(WM_CTLCOLORDLG)                                                        \
    HB_AFX_CTLCOLOR_REFLECT(WM_CTLCOLORSCROLLBAR)                                                  \
    HB_AFX_CTLCOLOR_REFLECT(WM_CTLCOLORSTATIC)
// BOOL OnEraseBkgnd(CDC* pDC): non-zero when the background is erased.
#define ON_WM_ERASEBKGND()                                                                         \
    HB_AFX_MAP_ENTRY(WM_ERASEBKGND, 0, 0, 0,                                                       \
                     hbCall.result =                                                               \
                         HB_AFX_CALL(::hb::afx::sig::OnEraseBkgnd, &ThisClass::OnEraseBkgnd)(      \
                             CDC::FromHandle(::hb::win::HandleFromParam<HDC>(hbCall.wParam)));     \
                     return true;)
