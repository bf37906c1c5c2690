#include "platform/afx/CWnd.h"

int CWnd::OnCreate(LPCREATESTRUCT) {
    return static_cast<int>(Default());
}

void CWnd::OnDestroy() {
    Default();
}

void CWnd::OnNcDestroy() {
    Default();
}

void CWnd::OnClose() {
    Default();
}

void CWnd::OnPaint() {
    Default();
}

void CWnd::OnTimer(UINT_PTR) {
    Default();
}

void CWnd::OnSize(UINT, int, int) {
    Default();
}

void CWnd::OnSetFocus(CWnd*) {
    Default();
}

void CWnd::OnKillFocus(CWnd*) {
    Default();
}

int CWnd::OnMouseActivate(CWnd*, UINT, UINT) {
    return static_cast<int>(Default());
}

void CWnd::OnSysCommand(UINT, LPARAM) {
    Default();
}

void CWnd::OnMDIActivate(BOOL, CWnd*, CWnd*) {
    Default();
}

void CWnd::OnSettingChange(UINT, LPCSTR) {
    Default();
}

void CWnd::OnMouseMove(UINT, CPoint) {
    Default();
}

void CWnd::OnLButtonDown(UINT, CPoint) {
    Default();
}

void CWnd::OnLButtonUp(UINT, CPoint) {
    Default();
}

void CWnd::OnLButtonDblClk(UINT, CPoint) {
    Default();
}

void CWnd::OnRButtonDown(UINT, CPoint) {
    Default();
}

void CWnd::OnRButtonUp(UINT, CPoint) {
    Default();
}

BOOL CWnd::OnMouseWheel(UINT, short, CPoint) {
    return static_cast<BOOL>(Default());
}

void CWnd::OnKeyDown(UINT, UINT, UINT) {
    Default();
}

void CWnd::OnChar(UINT, UINT, UINT) {
    Default();
}

void CWnd::OnShowWindow(BOOL, UINT) {
    Default();
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) {
    return hb::win::HandleFromParam<HBRUSH>(static_cast<std::uintptr_t>(Default()));
}

BOOL CWnd::OnEraseBkgnd(CDC*) {
    return static_cast<BOOL>(Default());
}
