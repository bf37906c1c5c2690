#include "platform/afx/CRect.h"

#include <gtest/gtest.h>

namespace {

TEST(CRectTest, EdgesAndCombinations) {
    const CRect r(10, 20, 110, 70);
    EXPECT_EQ(r.Size(), CSize(100, 50));
    EXPECT_EQ(r.CenterPoint(), CPoint(60, 45));
    EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(r.PtInRect(CPoint(110, 40)));
    EXPECT_TRUE(CRect(9, 0, 5, 5).IsRectEmpty());

    CRect edges(10, 10, 20, 20);
    edges.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(edges, CRect(11, 12, 17, 16));
    edges.InflateRect(CSize(1, 2));
    EXPECT_EQ(edges + CPoint(-10, 5), CRect(0, 15, 8, 23));
    CRect flipped(20, 30, 10, 5);
    flipped.NormalizeRect();
    EXPECT_EQ(flipped, CRect(10, 5, 20, 30));

    const CRect a(0, 0, 10, 10);
    EXPECT_EQ(a & CRect(5, 5, 15, 15), CRect(5, 5, 10, 10));
    EXPECT_EQ(a | CRect(5, 5, 15, 15), CRect(0, 0, 15, 15));
    CRect none(1, 1, 2, 2);
    EXPECT_FALSE(none.IntersectRect(&a, CRect(10, 0, 20, 10)));
    EXPECT_TRUE(none.IsRectNull());

    EXPECT_EQ(CPoint(5, 5) - CPoint(2, 1), CSize(3, 4));
    EXPECT_EQ(CPoint(5, 5) - CSize(2, 1), CPoint(3, 4));
}

} // namespace
