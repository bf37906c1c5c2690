#pragma once
#include "platform/afx/CPoint.h"
#include "platform/afx/CSize.h"

// A rectangle whose right and bottom edges are outside it, as the window layer's.
class CRect : public RECT {
public:
    constexpr CRect() : RECT{0, 0, 0, 0} {}
    constexpr CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    constexpr CRect(const RECT& rect) : RECT(rect) {}
    constexpr CRect(const POINT& topLeft, const SIZE& size)
        : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}
    constexpr CRect(const POINT& topLeft, const POINT& bottomRight)
        : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

    // So that a CRect goes wherever a RECT pointer is taken.
    operator RECT*() { return this; }
    operator const RECT*() const { return this; }

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr CSize Size() const { return {Width(), Height()}; }
    constexpr CPoint TopLeft() const { return {left, top}; }
    constexpr CPoint BottomRight() const { return {right, bottom}; }
    constexpr CPoint CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }
    // No area (also when not normalized).
    constexpr BOOL IsRectEmpty() const { return Width() <= 0 || Height() <= 0; }
    constexpr BOOL IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    constexpr BOOL PtInRect(const POINT& pt) const {
        return pt.x >= left && pt.x < right && pt.y >= top && pt.y < bottom;
    }

    void SetRect(int l, int t, int r, int b);
    void SetRectEmpty();
    void InflateRect(int dx, int dy);
    void InflateRect(const SIZE& size);
    void InflateRect(const RECT& edges);
    void InflateRect(int l, int t, int r, int b);
    void DeflateRect(int dx, int dy);
    void DeflateRect(const SIZE& size);
    void DeflateRect(const RECT& edges);
    void DeflateRect(int l, int t, int r, int b);
    void OffsetRect(int dx, int dy);
    void OffsetRect(const POINT& pt);
    void OffsetRect(const SIZE& size);
    // Swaps edges so that left <= right and top <= bottom.
    void NormalizeRect();
    // Both return FALSE and leave an empty rectangle when the result is empty.
    BOOL IntersectRect(const RECT* a, const RECT* b);
    BOOL UnionRect(const RECT* a, const RECT* b);

    CRect& operator+=(const POINT& pt);
    CRect& operator-=(const POINT& pt);
    CRect& operator&=(const RECT& other);
    CRect& operator|=(const RECT& other);
    friend CRect operator+(CRect rect, const POINT& pt) { return rect += pt; }
    friend CRect operator-(CRect rect, const POINT& pt) { return rect -= pt; }
    friend CRect operator&(CRect a, const RECT& b) { return a &= b; }
    friend CRect operator|(CRect a, const RECT& b) { return a |= b; }
    friend constexpr bool operator==(const CRect& a, const RECT& b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
};
