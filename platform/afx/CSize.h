#pragma once
#include "platform/win/WinTypes.h"

class CSize : public SIZE {
public:
    constexpr CSize() : SIZE{0, 0} {}
    constexpr CSize(int x, int y) : SIZE{x, y} {}
    constexpr CSize(const SIZE& size) : SIZE(size) {}

    CSize& operator+=(const SIZE& s) {
        cx += s.cx;
        cy += s.cy;
        return *this;
    }
    CSize& operator-=(const SIZE& s) {
        cx -= s.cx;
        cy -= s.cy;
        return *this;
    }
    friend constexpr CSize operator+(const CSize& a, const SIZE& b) {
        return {a.cx + b.cx, a.cy + b.cy};
    }
    friend constexpr CSize operator-(const CSize& a, const SIZE& b) {
        return {a.cx - b.cx, a.cy - b.cy};
    }
    constexpr CSize operator-() const { return {-cx, -cy}; }
    friend constexpr bool operator==(const CSize& a, const SIZE& b) {
        return a.cx == b.cx && a.cy == b.cy;
    }
    // Exact, so that comparing two CSizes does not also match the reversed mixed form.
    friend constexpr bool operator==(const CSize& a, const CSize& b) {
        return a.cx == b.cx && a.cy == b.cy;
    }
};
