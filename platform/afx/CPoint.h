#pragma once
#include "platform/afx/CSize.h"

class CPoint : public POINT {
public:
    constexpr CPoint() : POINT{0, 0} {}
    constexpr CPoint(int x, int y) : POINT{x, y} {}
    constexpr CPoint(const POINT& pt) : POINT(pt) {}
    constexpr explicit CPoint(const SIZE& size) : POINT{size.cx, size.cy} {}

    void Offset(int dx, int dy) {
        x += dx;
        y += dy;
    }
    void Offset(const POINT& pt) { Offset(pt.x, pt.y); }
    void Offset(const SIZE& size) { Offset(size.cx, size.cy); }

    CPoint& operator+=(const SIZE& s) {
        Offset(s);
        return *this;
    }
    CPoint& operator-=(const SIZE& s) {
        Offset(-s.cx, -s.cy);
        return *this;
    }
    CPoint& operator+=(const POINT& p) {
        Offset(p);
        return *this;
    }
    CPoint& operator-=(const POINT& p) {
        Offset(-p.x, -p.y);
        return *this;
    }
    friend constexpr CPoint operator+(const CPoint& a, const SIZE& s) {
        return {a.x + s.cx, a.y + s.cy};
    }
    friend constexpr CPoint operator-(const CPoint& a, const SIZE& s) {
        return {a.x - s.cx, a.y - s.cy};
    }
    friend constexpr CPoint operator+(const CPoint& a, const POINT& b) {
        return {a.x + b.x, a.y + b.y};
    }
    // The distance between two points.
    friend constexpr CSize operator-(const CPoint& a, const POINT& b) {
        return {a.x - b.x, a.y - b.y};
    }
    constexpr CPoint operator-() const { return {-x, -y}; }
    friend constexpr bool operator==(const CPoint& a, const POINT& b) {
        return a.x == b.x && a.y == b.y;
    }
    // Exact, so that comparing two CPoints does not also match the reversed mixed form.
    friend constexpr bool operator==(const CPoint& a, const CPoint& b) {
        return a.x == b.x && a.y == b.y;
    }
};
