#include "platform/testkit/PlatformTest.h"

#include <cstring>
#include <type_traits>

using hb::testkit::PlatformTest;

namespace {

static_assert(std::is_convertible_v<HFONT, HGDIOBJ> && std::is_convertible_v<HBITMAP, HGDIOBJ>);
static_assert(!std::is_convertible_v<HGDIOBJ, HFONT> && std::is_constructible_v<HFONT, HGDIOBJ>);
static_assert(!std::is_convertible_v<HICON, HGDIOBJ> && !std::is_constructible_v<HPEN, HBRUSH>);
static_assert(sizeof(HGDIOBJ) == 4 && sizeof(HDC) == 4);

class GdiObjectsTest : public PlatformTest {};

TEST_F(GdiObjectsTest, GetObjectDescribesFontsAndBitmaps) {
    const char* longFace = "A face name much longer than thirty-one characters";
    const HFONT font = CreateFont(-14, 0, 0, 0, FW_BOLD, TRUE, 0, 0, ANSI_CHARSET, 0, 0, 0,
                                  FIXED_PITCH | FF_MODERN, longFace);
    EXPECT_EQ(GetObject(font, 0, nullptr), static_cast<int>(sizeof(LOGFONT)));
    LOGFONT lf;
    EXPECT_EQ(GetObject(font, sizeof lf - 1, &lf), 0);
    ASSERT_EQ(GetObject(font, sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_EQ(lf.lfHeight, -14);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_EQ(lf.lfItalic, 1);
    EXPECT_EQ(lf.lfPitchAndFamily, FIXED_PITCH | FF_MODERN);
    EXPECT_EQ(std::strlen(lf.lfFaceName), 31u);

    lf.lfWeight = FW_NORMAL; // a variant, as a list font is made from the application's
    const HFONT normal = CreateFontIndirect(&lf);
    LOGFONT copy;
    GetObject(normal, sizeof copy, &copy);
    EXPECT_EQ(copy.lfWeight, FW_NORMAL);
    EXPECT_EQ(std::strncmp(copy.lfFaceName, longFace, 31), 0);

    BITMAP bm;
    ASSERT_TRUE(GetObject(hb::win::CreateBitmapHandle(80, 16, 200, 5), sizeof bm, &bm));
    EXPECT_EQ(bm.bmWidth, 80);
    EXPECT_EQ(bm.bmHeight, 16);
    const HDC hdc = hb::win::CreateRecordingDC();
    ASSERT_TRUE(GetObject(CreateCompatibleBitmap(hdc, 3, 4), sizeof bm, &bm));
    EXPECT_EQ(bm.bmHeight, 4);
    EXPECT_FALSE(CreateCompatibleBitmap(hdc, 0, 4));
    EXPECT_EQ(GetObject(CreateSolidBrush(0), sizeof bm, &bm), 0);
    DeleteDC(hdc);
}

TEST_F(GdiObjectsTest, IconsAndBitmapsCarryTheirSizeAndResource) {
    const HICON icon = hb::win::CreateIconHandle(16, 16, 27025);
    const auto info = hb::win::GetImageInfo(icon);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->size.cx, 16);
    EXPECT_EQ(info->resourceId, 27025u);
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_FALSE(DestroyIcon(icon));
    EXPECT_FALSE(hb::win::GetImageInfo(icon));
    EXPECT_FALSE(hb::win::CreateIconHandle(0, 16, 1));
    EXPECT_EQ(hb::win::GetImageInfo(hb::win::CreateBitmapHandle(96, 16, 7, 6))->cells, 6);
}

TEST_F(GdiObjectsTest, ImageListsCountTheCellsOfEachStrip) {
    const HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 5, 1);
    const HBITMAP strip = hb::win::CreateBitmapHandle(16 * 5 + 8, 16, 27350, 5);
    EXPECT_EQ(ImageList_AddMasked(list, strip, RGB(255, 255, 255)), 0);
    EXPECT_EQ(ImageList_GetImageCount(list), 5);
    DeleteObject(strip); // the list keeps its copy
    EXPECT_EQ(ImageList_AddMasked(list, strip, RGB(255, 255, 255)), -1);
    EXPECT_EQ(ImageList_AddMasked(list, hb::win::CreateBitmapHandle(32, 16, 27351), 0), 5);
    EXPECT_EQ(ImageList_AddMasked(list, hb::win::CreateBitmapHandle(15, 16, 27352), 0), -1);
    EXPECT_EQ(ImageList_GetImageCount(list), 7);

    const HICON icon = hb::win::CreateIconHandle(16, 16, 40);
    EXPECT_EQ(ImageList_AddIcon(list, icon), 7);
    EXPECT_EQ(ImageList_ReplaceIcon(list, 0, icon), 0);
    EXPECT_EQ(ImageList_ReplaceIcon(list, 8, icon), -1);
    EXPECT_EQ(ImageList_GetImageCount(list), 8);

    const HDC hdc = hb::win::CreateRecordingDC();
    ImageList_Draw(list, 0, hdc, 0, 0, ILD_NORMAL);
    ImageList_Draw(list, 4, hdc, 0, 0, ILD_NORMAL);
    const auto& drawn = hb::win::DisplayListOf(hdc);
    EXPECT_EQ(drawn[0].image.resourceId, 40u);
    EXPECT_EQ(drawn[1].image.resourceId, 27350u);
    EXPECT_EQ(drawn[1].image.cell, 4);
    DeleteDC(hdc);

    EXPECT_TRUE(ImageList_Destroy(list));
    EXPECT_EQ(ImageList_GetImageCount(list), 0);
    EXPECT_FALSE(ImageList_Create(0, 16, ILC_COLOR, 1, 1));
}

TEST_F(GdiObjectsTest, AResetDropsCreatedObjectsButKeepsTheStockOnes) {
    const HGDIOBJ guiFont = GetStockObject(DEFAULT_GUI_FONT);
    const HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    const HPEN pen = CreatePen(PS_SOLID, 1, 0);
    EXPECT_FALSE(GetStockObject(3)); // not a stock object we have
    EXPECT_FALSE(GetSysColorBrush(99));
    hb::testkit::ResetPlatform();

    const HDC hdc = hb::win::CreateRecordingDC();
    EXPECT_FALSE(SelectObject(hdc, pen));
    EXPECT_EQ(GetStockObject(DEFAULT_GUI_FONT), guiFont);
    EXPECT_TRUE(SelectObject(hdc, guiFont));
    EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE), face);
    EXPECT_TRUE(SelectObject(hdc, face));
    DeleteDC(hdc);
}

TEST_F(GdiObjectsTest, ASystemColourSetByATestRecoloursItsBrushUntilTheReset) {
    const COLORREF classicMenu = GetSysColor(COLOR_MENU);
    const HBRUSH menu = GetSysColorBrush(COLOR_MENU);
    const auto filledWith = [](HBRUSH brush) {
        const HDC hdc = hb::win::CreateRecordingDC();
        const RECT box{0, 0, 4, 4};
        FillRect(hdc, &box, brush);
        const COLORREF color = hb::win::DisplayListOf(hdc).back().brush.color;
        DeleteDC(hdc);
        return color;
    };

    hb::win::SetSysColorForTest(COLOR_MENU, RGB(1, 2, 3));
    hb::win::SetSysColorForTest(99, RGB(4, 5, 6));
    EXPECT_EQ(GetSysColor(COLOR_MENU), RGB(1, 2, 3));
    EXPECT_EQ(GetSysColor(99), 0u);
    // A brush handed out before the change follows it, as the desktop's own do.
    EXPECT_EQ(GetSysColorBrush(COLOR_MENU), menu);
    EXPECT_EQ(filledWith(menu), RGB(1, 2, 3));
    // A brush first asked for after the change has the new colour.
    hb::win::SetSysColorForTest(COLOR_INFOBK, RGB(7, 8, 9));
    EXPECT_EQ(filledWith(GetSysColorBrush(COLOR_INFOBK)), RGB(7, 8, 9));

    hb::testkit::ResetPlatform();
    EXPECT_EQ(GetSysColor(COLOR_MENU), classicMenu);
    EXPECT_EQ(filledWith(menu), classicMenu);
    EXPECT_EQ(GetSysColor(COLOR_INFOBK), RGB(255, 255, 225));
}

} // namespace
