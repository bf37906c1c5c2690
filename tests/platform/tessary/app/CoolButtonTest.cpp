#include "platform/tessary/app/CoolButton.h"

#include "platform/afx/Afx.h"
#include "platform/testkit/PlatformTest.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kStart = 27038;

// The start button of the mini status panel and its three pictures.
class CoolButtonTest : public hb::testkit::PlatformTest {
protected:
    CoolButtonTest() {
        UseProgramResources({.bitmaps = {{27367, 24, 24}, {27368, 24, 24}, {27369, 24, 24}}});
        panel.CreateEx(0, nullptr, "panel", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 200, 100),
                       nullptr, 0);
        CreateWindowEx(0, "Button", "Start", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 4, 4, 24, 24,
                       panel.m_hWnd, kStart, nullptr);
        EXPECT_TRUE(button.SubclassDlgItem(kStart, &panel));
    }

    static UINT PictureOf(HBITMAP bitmap) {
        const auto info = hb::win::GetImageInfo(bitmap);
        return info ? info->resourceId : 0;
    }

    // The picture the last paint put on the button.
    UINT Painted() {
        button.Invalidate();
        button.UpdateWindow();
        for (const hb::win::DrawRecord& record : hb::win::LastPaint(button.m_hWnd)) {
            if (record.op == hb::win::DrawOp::BitBlt) {
                return record.image.resourceId;
            }
        }
        return 0;
    }

    CWnd panel;
    CCoolButton button;
};

TEST_F(CoolButtonTest, TheButtonShowsThePictureOfItsState) {
    ASSERT_TRUE(button.LoadBitmaps(27367, 27368, 27369));
    EXPECT_EQ(Painted(), 27367u);

    button.SetState(TRUE);
    EXPECT_EQ(PictureOf(button.GetCurrentBitmap()), 27368u);
    EXPECT_EQ(Painted(), 27368u);
    button.SetState(FALSE);

    button.SetFocus();
    EXPECT_EQ(Painted(), 27369u);
    panel.SetFocus();
    EXPECT_EQ(Painted(), 27367u);
}

TEST_F(CoolButtonTest, MissingPicturesFallBackToTheRestingOneOrThePlainButton) {
    ASSERT_TRUE(button.LoadBitmaps(27367, 0, 27999));
    button.SetState(TRUE);
    EXPECT_EQ(Painted(), 27367u);
    button.SetState(FALSE);

    EXPECT_FALSE(button.LoadBitmaps(27999, 27368, 27369));
    EXPECT_FALSE(button.GetCurrentBitmap());
    EXPECT_EQ(Painted(), 0u);
    char caption[16] = {};
    button.GetWindowText(caption, sizeof caption);
    EXPECT_STREQ(caption, "Start");
}

} // namespace
