#include "platform/afx/CDC.h"

#include "platform/afx/CBitmap.h"
#include "platform/afx/CBrush.h"
#include "platform/afx/CFont.h"
#include "platform/afx/CPen.h"
#include "platform/afx/ObjectMap.h"

#include <memory>

IMPLEMENT_DYNAMIC(CDC, CObject)

namespace {

using DcObjects = hb::afx::detail::ObjectMap<CDC, HDC, &CDC::m_hDC>;

} // namespace

CDC::~CDC() {
    DeleteDC();
}

CDC* CDC::FromHandle(HDC hDC) {
    return DcObjects::Get().FromHandle(hDC, [] { return std::make_unique<CDC>(); });
}

BOOL CDC::Attach(HDC hDC) {
    return DcObjects::Get().Attach(*this, hDC);
}

HDC CDC::Detach() {
    return DcObjects::Get().Detach(*this);
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) {
    if (m_hDC) {
        return FALSE;
    }
    const HDC hDC = ::CreateCompatibleDC(pDC ? pDC->m_hDC : HDC{});
    return hDC && Attach(hDC);
}

BOOL CDC::DeleteDC() {
    return m_hDC ? ::DeleteDC(Detach()) : FALSE;
}

CGdiObject* CDC::SelectStockObject(int nIndex) {
    const HGDIOBJ stock = ::GetStockObject(nIndex);
    return stock && m_hDC ? CGdiObject::FromHandle(::SelectObject(m_hDC, stock)) : nullptr;
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject) {
    return pObject && m_hDC ? CGdiObject::FromHandle(::SelectObject(m_hDC, pObject->m_hObject))
                            : nullptr;
}

CFont* CDC::SelectObject(CFont* pFont) {
    return dynamic_cast<CFont*>(SelectObject(static_cast<CGdiObject*>(pFont)));
}

CPen* CDC::SelectObject(CPen* pPen) {
    return dynamic_cast<CPen*>(SelectObject(static_cast<CGdiObject*>(pPen)));
}

CBrush* CDC::SelectObject(CBrush* pBrush) {
    return dynamic_cast<CBrush*>(SelectObject(static_cast<CGdiObject*>(pBrush)));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
    return dynamic_cast<CBitmap*>(SelectObject(static_cast<CGdiObject*>(pBitmap)));
}

COLORREF CDC::SetTextColor(COLORREF crColor) {
    return ::SetTextColor(m_hDC, crColor);
}

COLORREF CDC::GetTextColor() const {
    return ::GetTextColor(m_hDC);
}

COLORREF CDC::SetBkColor(COLORREF crColor) {
    return ::SetBkColor(m_hDC, crColor);
}

COLORREF CDC::GetBkColor() const {
    return ::GetBkColor(m_hDC);
}

int CDC::SetBkMode(int nBkMode) {
    return ::SetBkMode(m_hDC, nBkMode);
}

UINT CDC::SetTextAlign(UINT nFlags) {
    return ::SetTextAlign(m_hDC, nFlags);
}

int CDC::SetMapMode(int nMapMode) {
    return ::SetMapMode(m_hDC, nMapMode);
}

CPoint CDC::SetViewportOrg(int x, int y) {
    POINT previous{};
    ::SetViewportOrgEx(m_hDC, x, y, &previous);
    return previous;
}

CPoint CDC::SetViewportOrg(POINT point) {
    return SetViewportOrg(point.x, point.y);
}

CPoint CDC::SetWindowOrg(int x, int y) {
    POINT previous{};
    ::SetWindowOrgEx(m_hDC, x, y, &previous);
    return previous;
}

CPoint CDC::SetWindowOrg(POINT point) {
    return SetWindowOrg(point.x, point.y);
}

int CDC::SaveDC() {
    return ::SaveDC(m_hDC);
}

BOOL CDC::RestoreDC(int nSavedDC) {
    return ::RestoreDC(m_hDC, nSavedDC);
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2) {
    return ::IntersectClipRect(m_hDC, x1, y1, x2, y2);
}

int CDC::IntersectClipRect(LPCRECT lpRect) {
    return IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::TextOut(int x, int y, LPCSTR lpszString, int nCount) {
    return ::TextOut(m_hDC, x, y, lpszString, nCount);
}

BOOL CDC::TextOut(int x, int y, const CString& str) {
    return TextOut(x, y, str.GetString(), str.GetLength());
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCSTR lpszString, UINT nCount,
                     const INT* lpDxWidths) {
    return ::ExtTextOut(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str,
                     const INT* lpDxWidths) {
    return ExtTextOut(x, y, nOptions, lpRect, str.GetString(), static_cast<UINT>(str.GetLength()),
                      lpDxWidths);
}

int CDC::DrawText(LPCSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat) {
    return ::DrawText(m_hDC, lpszString, nCount, lpRect, nFormat);
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat) {
    return DrawText(str.GetString(), str.GetLength(), lpRect, nFormat);
}

CSize CDC::GetTextExtent(LPCSTR lpszString, int nCount) const {
    SIZE size{};
    ::GetTextExtentPoint32(m_hDC, lpszString, nCount, &size);
    return size;
}

CSize CDC::GetTextExtent(const CString& str) const {
    return GetTextExtent(str.GetString(), str.GetLength());
}

BOOL CDC::GetTextMetrics(LPTEXTMETRIC lpMetrics) const {
    return ::GetTextMetrics(m_hDC, lpMetrics);
}
