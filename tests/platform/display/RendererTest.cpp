#include "platform/display/Renderer.h"

#include "platform/display/RenderSteps.h"
#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"
#include "tests/platform/display/SurfacePixels.h"

#include <cairo.h>

#include <filesystem>
#include <functional>
#include <memory>

using hb::testkit::PlatformTest;
using hb::testkit::TestWindow;

namespace {

constexpr COLORREF kRed = RGB(220, 20, 30);
constexpr COLORREF kBlue = RGB(10, 40, 200);

// The pixels a window tree renders to.
class Picture {
public:
    Picture(HWND top, int width, int height)
        : m_surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height),
                    &cairo_surface_destroy) {
        cairo_t* cr = cairo_create(m_surface.get());
        hb::display::RenderTree(cr, top, hb::win::PaintWindowTree(top));
        cairo_destroy(cr);
        cairo_surface_flush(m_surface.get());
    }

    COLORREF At(int x, int y) const { return hb::display::test::PixelAt(m_surface.get(), x, y); }

    int Count(const RECT& area, const std::function<bool(COLORREF)>& wanted) const {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                count += wanted(At(x, y)) ? 1 : 0;
            }
        }
        return count;
    }

private:
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> m_surface;
};

bool Dark(COLORREF c) {
    return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 96;
}

class RendererTest : public PlatformTest {
protected:
    // The frame paints white, then what the test draws.
    void OnPaint(std::function<void(HDC)> draw) {
        frame.On(WM_PAINT, [this, draw = std::move(draw)](WPARAM, LPARAM) {
            PAINTSTRUCT ps;
            const HDC hdc = BeginPaint(frame.hwnd(), &ps);
            const RECT all{0, 0, 200, 120};
            FillRect(hdc, &all, HBRUSH(GetStockObject(WHITE_BRUSH)));
            draw(hdc);
            EndPaint(frame.hwnd(), &ps);
            return LRESULT{0};
        });
    }

    TestWindow frame{{.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, .rect = {300, 200, 500, 320}}};
};

TEST_F(RendererTest, AFilledRectangleShowsItsColourExactlyWhereItWasDrawn) {
    const HBRUSH red = CreateSolidBrush(kRed);
    OnPaint([&](HDC hdc) {
        const RECT box{10, 10, 50, 40};
        FillRect(hdc, &box, red);
    });
    const Picture picture(frame.hwnd(), 200, 120);

    EXPECT_EQ(picture.At(10, 10), kRed);
    EXPECT_EQ(picture.At(49, 39), kRed);
    EXPECT_EQ(picture.At(50, 39), RGB(255, 255, 255));
    EXPECT_EQ(picture.At(49, 40), RGB(255, 255, 255));
    EXPECT_EQ(picture.At(9, 10), RGB(255, 255, 255));
}

TEST_F(RendererTest, TextShowsInsideTheBoxItsMetricsGiveAndNowhereElse) {
    SIZE size{};
    OnPaint([&](HDC hdc) {
        SetBkMode(hdc, TRANSPARENT);
        TextOut(hdc, 60, 20, "Halbridge Wide", 14);
        GetTextExtentPoint32(hdc, "Halbridge Wide", 14, &size);
    });
    const Picture picture(frame.hwnd(), 200, 120);

    const RECT box{60, 20, 60 + size.cx, 20 + size.cy};
    EXPECT_GT(picture.Count(box, Dark), 40);
    EXPECT_EQ(picture.Count({0, 0, 200, 120}, Dark), picture.Count(box, Dark));
    // The words are spread over the whole box, not bunched at its start.
    EXPECT_GT(picture.Count({box.right - 14, box.top, box.right, box.bottom}, Dark), 0);
}

// What the layout measured is what shows: in each face the ink of a run reaches from the left of
// its measured box to its right, so a caption is neither cut nor drawn smaller than laid out.
TEST_F(RendererTest, EachFaceDrawsARunAsWideAsItsMeasure) {
    if (!std::filesystem::exists("/usr/share/fonts/truetype/liberation2")) {
        GTEST_SKIP() << "the faces that stand in are not installed (scripts/setup)";
    }
    struct Face {
        LONG height;
        LONG weight;
        BYTE pitchAndFamily;
        const char* name;
    };
    const Face faces[] = {{-11, FW_NORMAL, FF_SWISS, "MS Shell Dlg"},
                          {-20, FW_BOLD, FF_SWISS, "Arial"},
                          {16, FW_NORMAL, FF_ROMAN, "Times New Roman"},
                          {-13, FW_NORMAL, FIXED_PITCH, "Courier New"},
                          {-13, FW_NORMAL, 0, "Arial"}};
    for (const Face& face : faces) {
        const HFONT font = CreateFont(face.height, 0, 0, 0, face.weight, 0, 0, 0, ANSI_CHARSET, 0,
                                      0, 0, face.pitchAndFamily, face.name);
        SIZE size{};
        OnPaint([&](HDC hdc) {
            SetBkMode(hdc, TRANSPARENT);
            SelectObject(hdc, font);
            TextOut(hdc, 10, 10, "Window", 6);
            GetTextExtentPoint32(hdc, "Window", 6, &size);
        });
        const Picture picture(frame.hwnd(), 200, 120);
        const auto inkIn = [&](LONG left, LONG right) {
            return picture.Count({left, 10, right, 10 + size.cy}, Dark);
        };
        EXPECT_EQ(inkIn(0, 200), picture.Count({0, 0, 200, 120}, Dark)) << face.name;
        EXPECT_EQ(inkIn(0, 10), 0) << face.name;
        EXPECT_EQ(inkIn(10 + size.cx, 200), 0) << face.name;
        EXPECT_GT(inkIn(10, 12), 0) << face.name;
        EXPECT_GT(inkIn(8 + size.cx, 10 + size.cx), 0) << face.name;
        DeleteObject(font);
    }
}

TEST_F(RendererTest, TextAlignmentAndOpaqueBackgroundFollowTheDc) {
    const HFONT bold = CreateFont(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, "Arial");
    SIZE mhz{};
    SIZE scanSize{};
    OnPaint([&](HDC hdc) {
        SetBkMode(hdc, OPAQUE);
        SetBkColor(hdc, kBlue);
        SetTextColor(hdc, RGB(255, 255, 0));
        SetTextAlign(hdc, TA_RIGHT | TA_BOTTOM);
        TextOut(hdc, 190, 110, "MHz", 3);
        GetTextExtentPoint32(hdc, "MHz", 3, &mhz);
        SetBkMode(hdc, TRANSPARENT);
        SetTextColor(hdc, RGB(0, 0, 0));
        SelectObject(hdc, bold);
        GetTextExtentPoint32(hdc, "Scan", 4, &scanSize);
        RECT line{0, 0, 200, 40};
        DrawText(hdc, "&Scan", -1, &line, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    });
    const Picture picture(frame.hwnd(), 200, 120);

    // Right-bottom aligned: the box of "MHz" ends at the point, filled blue around the glyphs.
    EXPECT_EQ(picture.At(190 - mhz.cx, 110 - mhz.cy), kBlue);
    EXPECT_EQ(picture.At(190 - mhz.cx - 1, 109), RGB(255, 255, 255));
    EXPECT_EQ(picture.At(189, 109), kBlue);
    EXPECT_EQ(picture.At(190, 109), RGB(255, 255, 255));
    EXPECT_EQ(picture.At(189, 110), RGB(255, 255, 255));
    // "Scan" without its prefix mark, in the bold font, centred in 200 x 40.
    const RECT scan{100 - scanSize.cx / 2, 20 - scanSize.cy / 2, 100 + (scanSize.cx + 1) / 2,
                    20 + (scanSize.cy + 1) / 2};
    EXPECT_GT(picture.Count(scan, Dark), 30);
    EXPECT_EQ(picture.Count({0, 0, 200, 40}, Dark), picture.Count(scan, Dark));
}

TEST_F(RendererTest, ShapesFillWithTheBrushAndOutlineWithThePen) {
    const HBRUSH red = CreateSolidBrush(kRed);
    const HPEN blue = CreatePen(PS_SOLID, 1, kBlue);
    OnPaint([&](HDC hdc) {
        SelectObject(hdc, red);
        SelectObject(hdc, blue);
        Rectangle(hdc, 10, 10, 30, 30);
        Ellipse(hdc, 40, 10, 80, 50);
        // The upper right quarter, from the right going anticlockwise to the top.
        Pie(hdc, 100, 10, 140, 50, 140, 30, 120, 10);
        MoveToEx(hdc, 10, 60, nullptr);
        LineTo(hdc, 60, 60);
    });
    const Picture picture(frame.hwnd(), 200, 120);

    EXPECT_EQ(picture.At(10, 10), kBlue);
    EXPECT_EQ(picture.At(29, 29), kBlue);
    EXPECT_EQ(picture.At(20, 20), kRed);
    EXPECT_EQ(picture.At(30, 30), RGB(255, 255, 255));
    EXPECT_EQ(picture.At(60, 30), kRed);               // the ellipse's centre
    EXPECT_EQ(picture.At(41, 11), RGB(255, 255, 255)); // outside its curve
    EXPECT_EQ(picture.At(128, 22), kRed);
    EXPECT_EQ(picture.At(112, 38), RGB(255, 255, 255));
    EXPECT_EQ(picture.At(10, 60), kBlue);
    EXPECT_EQ(picture.At(59, 60), kBlue);
    EXPECT_EQ(picture.At(60, 60), RGB(255, 255, 255)); // a line leaves out its last point
}

TEST_F(RendererTest, EachRecordKeepsToTheClipOfItsDc) {
    const HBRUSH red = CreateSolidBrush(kRed);
    OnPaint([&](HDC hdc) {
        IntersectClipRect(hdc, 20, 20, 40, 40);
        const RECT big{0, 0, 100, 100};
        FillRect(hdc, &big, red);
    });
    const Picture picture(frame.hwnd(), 200, 120);

    EXPECT_EQ(picture.Count({0, 0, 200, 120}, [](COLORREF c) { return c == kRed; }), 20 * 20);
}

TEST_F(RendererTest, ChildrenDrawAtTheirPlaceClippedToThemselvesAndTheirParents) {
    const HBRUSH red = CreateSolidBrush(kRed);
    const HBRUSH blue = CreateSolidBrush(kBlue);
    OnPaint([](HDC) {});
    TestWindow panel(
        {.style = WS_CHILD | WS_VISIBLE, .parent = frame.hwnd(), .rect = {100, 50, 150, 80}});
    TestWindow inner(
        {.style = WS_CHILD | WS_VISIBLE, .parent = panel.hwnd(), .rect = {40, 20, 90, 60}});
    const auto fillAll = [](TestWindow& window, HBRUSH brush) {
        window.On(WM_PAINT, [&window, brush](WPARAM, LPARAM) {
            PAINTSTRUCT ps;
            const HDC hdc = BeginPaint(window.hwnd(), &ps);
            const RECT big{-50, -50, 500, 500};
            FillRect(hdc, &big, brush);
            EndPaint(window.hwnd(), &ps);
            return LRESULT{0};
        });
    };
    fillAll(panel, red);
    fillAll(inner, blue);
    const Picture picture(frame.hwnd(), 200, 120);

    EXPECT_EQ(picture.At(99, 50), RGB(255, 255, 255));
    EXPECT_EQ(picture.At(100, 50), kRed);
    EXPECT_EQ(picture.At(140, 70), kBlue); // the inner window over its parent
    EXPECT_EQ(picture.At(149, 79), kBlue);
    EXPECT_EQ(picture.At(150, 79), RGB(255, 255, 255)); // cut at the panel's edge
    EXPECT_EQ(picture.At(149, 80), RGB(255, 255, 255));
}

TEST_F(RendererTest, AnOpenDropDownListShowsOverTheWindowsCreatedAfterIt) {
    OnPaint([](HDC) {});
    const HWND combo = CreateWindowEx(0, "ComboBox", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST,
                                      10, 10, 150, 100, frame.hwnd(), 1, nullptr);
    SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("25 kHz"));
    const HBRUSH red = CreateSolidBrush(kRed);
    TestWindow later(
        {.style = WS_CHILD | WS_VISIBLE, .parent = frame.hwnd(), .rect = {0, 30, 200, 120}});
    later.On(WM_PAINT, [&](WPARAM, LPARAM) {
        PAINTSTRUCT ps;
        const HDC hdc = BeginPaint(later.hwnd(), &ps);
        const RECT all{0, 0, 200, 90};
        FillRect(hdc, &all, red);
        EndPaint(later.hwnd(), &ps);
        return LRESULT{0};
    });
    EXPECT_EQ(Picture(frame.hwnd(), 200, 120).At(20, 40), kRed);

    SendMessage(combo, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_NE(Picture(frame.hwnd(), 200, 120).At(20, 40), kRed);
}

TEST_F(RendererTest, ACheckBoxShowsItsTickOnlyWhenChecked) {
    OnPaint([](HDC) {});
    const HWND box = CreateWindowEx(0, "Button", "Squelch", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX,
                                    20, 60, 120, 20, frame.hwnd(), 7, nullptr);
    // The mark is 13 pixels square, centred on the box's height; the tick lies inside its frame.
    const RECT inside{20 + 2, 60 + 3 + 2, 20 + 11, 60 + 3 + 11};
    const Picture unchecked(frame.hwnd(), 200, 120);
    SendMessage(box, BM_SETCHECK, BST_CHECKED, 0);
    const Picture checked(frame.hwnd(), 200, 120);

    EXPECT_EQ(unchecked.Count(inside, Dark), 0);
    EXPECT_GT(checked.Count(inside, Dark), 4);
    // The frame of the mark and the label show either way.
    EXPECT_TRUE(Dark(unchecked.At(20, 63)));
    EXPECT_GT(unchecked.Count({20 + 17, 60, 140, 80}, Dark), 20);
}

TEST_F(RendererTest, ImagesShowAsAFramedCellOfTheirOwnColour) {
    const HICON first = hb::win::CreateIconHandle(16, 16, 201);
    const HICON second = hb::win::CreateIconHandle(16, 16, 202);
    OnPaint([&](HDC hdc) {
        DrawIcon(hdc, 10, 10, first);
        DrawIcon(hdc, 40, 10, second);
        DrawIcon(hdc, 70, 10, first);
    });
    const Picture picture(frame.hwnd(), 200, 120);

    EXPECT_EQ(picture.At(10, 10), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(picture.At(25, 25), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(picture.At(26, 26), RGB(255, 255, 255));
    EXPECT_NE(picture.At(18, 18), RGB(255, 255, 255));
    EXPECT_NE(picture.At(18, 18), picture.At(48, 18));
    EXPECT_EQ(picture.At(18, 18), picture.At(78, 18));
}

// A menu's check mark is a tick, not a letter: ink at its foot and at its raised right arm, none
// in the corners it leaves open.
TEST(CheckMarkTest, ATickStandsInTheMiddleOfItsBox) {
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, 16, 20), &cairo_surface_destroy);
    cairo_t* cr = cairo_create(surface.get());
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    hb::display::detail::DrawCheckMark(cr, {0, 0, 16, 20}, RGB(0, 0, 0));
    cairo_destroy(cr);
    cairo_surface_flush(surface.get());
    const auto at = [&](int x, int y) { return hb::display::test::PixelAt(surface.get(), x, y); };
    // The box's middle is (8, 10): the foot lies below it, the arm's end up and to the right.
    EXPECT_TRUE(Dark(at(7, 11)) || Dark(at(7, 12)));
    EXPECT_TRUE(Dark(at(10, 9)) || Dark(at(10, 8)));
    EXPECT_FALSE(Dark(at(5, 13)));
    EXPECT_FALSE(Dark(at(5, 7)));
    EXPECT_EQ(at(1, 1), RGB(255, 255, 255));
}

} // namespace
