#include "platform/afx/CRect.h"

#include "platform/win/core/Geometry.h"

#include <utility>

void CRect::SetRect(int l, int t, int r, int b) {
    *this = CRect(l, t, r, b);
}

void CRect::SetRectEmpty() {
    *this = CRect();
}

void CRect::InflateRect(int dx, int dy) {
    InflateRect(dx, dy, dx, dy);
}

void CRect::InflateRect(const SIZE& size) {
    InflateRect(size.cx, size.cy);
}

void CRect::InflateRect(const RECT& edges) {
    InflateRect(edges.left, edges.top, edges.right, edges.bottom);
}

void CRect::InflateRect(int l, int t, int r, int b) {
    left -= l;
    top -= t;
    right += r;
    bottom += b;
}

void CRect::DeflateRect(int dx, int dy) {
    InflateRect(-dx, -dy);
}

void CRect::DeflateRect(const SIZE& size) {
    InflateRect(-size.cx, -size.cy);
}

void CRect::DeflateRect(const RECT& edges) {
    InflateRect(-edges.left, -edges.top, -edges.right, -edges.bottom);
}

void CRect::DeflateRect(int l, int t, int r, int b) {
    InflateRect(-l, -t, -r, -b);
}

void CRect::OffsetRect(int dx, int dy) {
    ::OffsetRect(this, dx, dy);
}

void CRect::OffsetRect(const POINT& pt) {
    OffsetRect(pt.x, pt.y);
}

void CRect::OffsetRect(const SIZE& size) {
    OffsetRect(size.cx, size.cy);
}

void CRect::NormalizeRect() {
    if (left > right) {
        std::swap(left, right);
    }
    if (top > bottom) {
        std::swap(top, bottom);
    }
}

BOOL CRect::IntersectRect(const RECT* a, const RECT* b) {
    return ::IntersectRect(this, a, b);
}

BOOL CRect::UnionRect(const RECT* a, const RECT* b) {
    return ::UnionRect(this, a, b);
}

CRect& CRect::operator+=(const POINT& pt) {
    OffsetRect(pt);
    return *this;
}

CRect& CRect::operator-=(const POINT& pt) {
    OffsetRect(-pt.x, -pt.y);
    return *this;
}

CRect& CRect::operator&=(const RECT& other) {
    const CRect copy(*this);
    IntersectRect(&copy, &other);
    return *this;
}

CRect& CRect::operator|=(const RECT& other) {
    const CRect copy(*this);
    UnionRect(&copy, &other);
    return *this;
}
