// Icons, bitmaps and image lists on screen: each shows the picture its resource names, at the size
// drawn, greyed when disabled; a missing picture shows a cell and says so once in the trace.
#include "platform/display/Pictures.h"

#include "platform/display/Renderer.h"
#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TempFolder.h"
#include "platform/win/sys/ProgramPath.h"
#include "tests/platform/display/SurfacePixels.h"

#include <cairo.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

using hb::testkit::PlatformTest;
using hb::testkit::TempFolder;

namespace {

std::string Square(const std::string& colour) {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 32 32\"><rect width=\"32\" "
           "height=\"32\" fill=\"" +
           colour + "\"/></svg>";
}

// What a display list renders to on white.
class Canvas {
public:
    explicit Canvas(const hb::win::DisplayList& list)
        : m_surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, 80, 60),
                    &cairo_surface_destroy) {
        cairo_t* cr = cairo_create(m_surface.get());
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_paint(cr);
        hb::display::RenderList(cr, list);
        cairo_destroy(cr);
        cairo_surface_flush(m_surface.get());
    }

    COLORREF At(int x, int y) const { return hb::display::test::PixelAt(m_surface.get(), x, y); }

private:
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> m_surface;
};

constexpr COLORREF kWhite = RGB(255, 255, 255);

class PicturesTest : public PlatformTest {
protected:
    PicturesTest() {
        std::filesystem::create_directory(folder.File("icons"));
        hb::testkit::WriteFileBytes(folder.File("icons/red.svg"), Square("#ff0000"));
        hb::testkit::WriteFileBytes(folder.File("icons/blue.svg"), Square("#0000ff"));
        hb::testkit::WriteFileBytes(folder.File("icons/broken.svg"), "<svg><rect");
        // Blue on the left, red on the right.
        hb::testkit::WriteFileBytes(
            folder.File("icons/half.svg"),
            "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 32 32\"><rect width=\"16\" "
            "height=\"32\" fill=\"#0000ff\"/><rect x=\"16\" width=\"16\" height=\"32\" "
            "fill=\"#ff0000\"/></svg>");
        hb::win::SetModuleFileNameOverride(folder.File("hbpro"));
        if (const char* trace = std::getenv("HB_TRACE")) {
            savedTrace = trace;
        }
        setenv("HB_TRACE", folder.File("trace.txt").c_str(), 1);
    }

    ~PicturesTest() override {
        hb::win::SetModuleFileNameOverride({});
        if (savedTrace) {
            setenv("HB_TRACE", savedTrace->c_str(), 1);
        } else {
            unsetenv("HB_TRACE");
        }
    }

    // What drawing into a recording DC records.
    static hb::win::DisplayList Drawn(const std::function<void(HDC)>& draw) {
        const HDC hdc = hb::win::CreateRecordingDC();
        draw(hdc);
        hb::win::DisplayList list = hb::win::DisplayListOf(hdc);
        DeleteDC(hdc);
        return list;
    }

    std::string Trace() const { return hb::testkit::ReadFileBytes(folder.File("trace.txt")); }

    TempFolder folder{"hb-pictures"};
    std::optional<std::string> savedTrace;
};

TEST_F(PicturesTest, AnIconShowsItsPictureAtTheSizeDrawnAndGreyedWhenDisabled) {
    const HICON icon = hb::win::CreateIconHandle(32, 32, 5000, "red");
    const Canvas canvas(Drawn([&](HDC hdc) {
        DrawIconEx(hdc, 4, 4, icon, 16, 16, 0, {}, DI_NORMAL);
        DrawState(hdc, {}, nullptr, hb::win::ParamFromHandle(icon), 0, 40, 4, 16, 16,
                  DST_ICON | DSS_DISABLED);
    }));
    EXPECT_EQ(canvas.At(4, 4), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(19, 19), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(20, 20), kWhite);

    // Greyed: no colour left, lighter than the picture's own brightness, yet plainly there.
    const COLORREF grey = canvas.At(48, 12);
    EXPECT_EQ(GetRValue(grey), GetGValue(grey));
    EXPECT_EQ(GetGValue(grey), GetBValue(grey));
    EXPECT_GT(GetRValue(grey), 77);
    EXPECT_LT(GetRValue(grey), 255);
    EXPECT_EQ(canvas.At(57, 12), kWhite);
    EXPECT_EQ(Trace(), "");
}

TEST_F(PicturesTest, EachCellOfAStripShowsItsOwnPictureInAnImageList) {
    const HBITMAP strip = hb::win::CreateBitmapHandle(64, 32, 5001, 2, {"red", "blue"});
    const HIMAGELIST list = ImageList_Create(32, 32, ILC_COLOR24 | ILC_MASK, 0, 0);
    ASSERT_EQ(ImageList_AddMasked(list, strip, RGB(255, 0, 255)), 0);
    DeleteObject(strip);
    const HICON second = ImageList_GetIcon(list, 1, ILD_NORMAL);
    const Canvas canvas(Drawn([&](HDC hdc) {
        ImageList_Draw(list, 0, hdc, 0, 0, ILD_TRANSPARENT);
        ImageList_Draw(list, 1, hdc, 40, 0, ILD_TRANSPARENT);
        DrawIconEx(hdc, 0, 40, second, 16, 16, 0, {}, DI_NORMAL);
    }));
    EXPECT_EQ(canvas.At(16, 16), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(56, 16), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(8, 48), RGB(0, 0, 255));
    DestroyIcon(second);
    ImageList_Destroy(list);
}

TEST_F(PicturesTest, AMissingOrBrokenPictureShowsACellAndSaysSoOnceInTheTrace) {
    const HICON missing = hb::win::CreateIconHandle(16, 16, 5002, "nowhere");
    const HICON broken = hb::win::CreateIconHandle(16, 16, 5003, "broken");
    const HICON unnamed = hb::win::CreateIconHandle(16, 16, 5004);
    const auto draw = [&](HDC hdc) {
        DrawIcon(hdc, 0, 0, missing);
        DrawIcon(hdc, 20, 0, broken);
        DrawIcon(hdc, 40, 0, unnamed);
    };
    const Canvas first(Drawn(draw));
    const Canvas again(Drawn(draw));
    for (const int x : {8, 28, 48}) {
        EXPECT_NE(first.At(x, 8), kWhite) << x;
        EXPECT_EQ(first.At(x, 8), again.At(x, 8)) << x;
    }
    const std::string trace = Trace();
    const auto lines = std::count(trace.begin(), trace.end(), '\n');
    EXPECT_EQ(lines, 3) << trace;
    EXPECT_NE(trace.find("nowhere"), std::string::npos) << trace;
    EXPECT_NE(trace.find("broken.svg"), std::string::npos) << trace;
    EXPECT_NE(trace.find("5004"), std::string::npos) << trace;
}

TEST_F(PicturesTest, ABlitShowsTheSourcePartOfItsBitmapsPicture) {
    const HBITMAP picture = hb::win::CreateBitmapHandle(20, 20, 5005, 1, {"half"});
    const HDC memory = CreateCompatibleDC({});
    SelectObject(memory, picture);
    const Canvas canvas(Drawn([&](HDC hdc) {
        // The bottom right quarter, four times as large.
        StretchBlt(hdc, 0, 0, 40, 40, memory, 10, 10, 10, 10, SRCCOPY);
    }));
    EXPECT_EQ(canvas.At(1, 1), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(38, 38), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(41, 20), kWhite);
    DeleteDC(memory);
    DeleteObject(picture);
}

// Every picture the program ships draws something at both icon sizes.
TEST_F(PicturesTest, EveryShippedPictureDraws) {
    hb::win::SetModuleFileNameOverride({});
    const std::filesystem::path shipped = hb::win::ApplicationFolder() + "/icons";
    ASSERT_TRUE(std::filesystem::is_directory(shipped)) << shipped;
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(shipped)) {
        const std::string name = entry.path().stem().string();
        for (const int size : {16, 32}) {
            cairo_surface_t* surface = hb::display::detail::Picture(name, size, size, false);
            ASSERT_NE(surface, nullptr) << name;
            const unsigned char* data = cairo_image_surface_get_data(surface);
            const int stride = cairo_image_surface_get_stride(surface);
            int opaque = 0;
            for (int y = 0; y < size; ++y) {
                for (int x = 0; x < size; ++x) {
                    opaque += data[y * stride + x * 4 + 3] > 128 ? 1 : 0;
                }
            }
            EXPECT_GT(opaque, size * size / 10) << name << " at " << size;
        }
        ++count;
    }
    EXPECT_GT(count, 50);
    EXPECT_EQ(Trace(), "");
}

} // namespace
