// The program's windows inside the main window, used on a display of the test's own as a person
// uses them: a new group window with its frame, closed by its close button; maximized and restored
// by its buttons and by double-clicks; the Window menu listing the open windows and switching
// between them; dialogs opening over the main window, the trunking ID format among them.
#include "ProgramOnScreen.h"
#include "platform/testkit/xdriver/Artefacts.h"
#include "platform/testkit/xdriver/XDriver.h"

#include <gtest/gtest.h>
// After the test framework: Xlib's macros (None, ...) clash with its names.
#include <X11/Xlib.h>
#include <cairo.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>

using hb::testkit::ArtefactPath;
using hb::testkit::XDriver;
using namespace std::chrono_literals;

namespace {

constexpr auto kPollStep = 50ms;
// The menu bar's other items (the fixture has "Settings" and the menu bar's row).
constexpr int kFileX = 15;
constexpr int kToolsX = 73;
constexpr int kWindowX = 230;
// The frame of a child window: the caption's height, and its buttons (width, margin) from the
// caption's right end: close, then maximize or restore, then minimize.
constexpr int kCaptionHeight = 19;
constexpr int kButtonWidth = 17;
constexpr int kButtonMargin = 2;
// The active caption's colour.
constexpr std::uint32_t kActiveCaption = 0x0A246A;

struct Geometry {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int CentreX() const { return x + width / 2; }
    int CentreY() const { return y + height / 2; }
};

// Where a window is on the screen, asked on a connection of its own.
Geometry GeometryOf(const std::string& display, XDriver::XId window) {
    Geometry geometry;
    ::Display* connection = XOpenDisplay(display.c_str());
    if (!connection) {
        return geometry;
    }
    XWindowAttributes attributes;
    if (XGetWindowAttributes(connection, window, &attributes)) {
        ::Window child = 0;
        XTranslateCoordinates(connection, window, DefaultRootWindow(connection), 0, 0, &geometry.x,
                              &geometry.y, &child);
        geometry.width = attributes.width;
        geometry.height = attributes.height;
    }
    XCloseDisplay(connection);
    return geometry;
}

// The caption bar of the active child window in a screenshot: the first row crossed by a long run
// of the active caption's colour.
struct Caption {
    int left = 0;
    int right = 0; // one past the last pixel
    int top = 0;

    int Middle() const { return top + kCaptionHeight / 2; }
    // The centre of the n-th button from the right (0: close).
    int ButtonX(int n) const {
        return right - kButtonMargin - kButtonWidth / 2 - n * kButtonWidth -
               (n > 0 ? kButtonMargin : 0);
    }
};

std::optional<Caption> FindActiveCaption(const std::string& png) {
    cairo_surface_t* image = cairo_image_surface_create_from_png(png.c_str());
    std::optional<Caption> found;
    if (cairo_surface_status(image) == CAIRO_STATUS_SUCCESS) {
        const int width = cairo_image_surface_get_width(image);
        const int height = cairo_image_surface_get_height(image);
        const int stride = cairo_image_surface_get_stride(image);
        const unsigned char* data = cairo_image_surface_get_data(image);
        for (int y = 0; y < height && !found; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
            for (int x = 0; x < width && !found; ++x) {
                int end = x;
                while (end < width && (row[end] & 0xFFFFFF) == kActiveCaption) {
                    ++end;
                }
                if (end - x >= 100) {
                    found = Caption{x, end, y};
                }
                x = end;
            }
        }
    }
    cairo_surface_destroy(image);
    return found;
}

class ProgramWindowsOnScreenTest : public hb::apptest::ProgramOnScreen {
protected:
    // Starts the program and answers its first-start greeting; the main window is then up.
    void Start() {
        const auto found = StartToMainWindow();
        ASSERT_TRUE(found);
        main = *found;
    }

    // Drops the menu at `x` of the menu bar and waits until it shows.
    void DropMenu(int x) {
        driver->Click(main, x, kMenuBarY);
        const auto menu = driver->FindPopup(kWait);
        ASSERT_TRUE(menu) << "the menu did not drop down";
        ASSERT_TRUE(driver->WaitUntilPainted(*menu, kWait));
    }

    // File > New... > Group, by the keys of the open menu, for the radio type the list starts on.
    void NewGroup(const std::string& expectedTitle) {
        DropMenu(kFileX);
        driver->Press("Down");
        driver->Press("Right");
        driver->Press("Down");
        driver->Press("Return");
        const auto select = driver->FindWindow("Select Radio Type", kWait);
        ASSERT_TRUE(select) << program.Output();
        ASSERT_TRUE(driver->WaitUntilPainted(*select, kWait));
        EXPECT_TRUE(driver->Screenshot(main, ArtefactPath("program-select-radio-type.png")));
        driver->Press("Return");
        ASSERT_TRUE(driver->WaitUntilGone(*select, kWait));
        ASSERT_TRUE(driver->WaitForTitle(main, "Halbridge Pro - " + expectedTitle, kWait))
            << driver->Title(main);
    }

    // The active child's caption as the screen shows it now, saved as `name`.
    std::optional<Caption> ActiveCaption(const std::string& name) {
        const std::string path = ArtefactPath(name);
        if (!driver->Screenshot(main, path)) {
            return std::nullopt;
        }
        return FindActiveCaption(path);
    }

    // Polls the screen, within the bound, until it shows (or no longer shows) an active caption.
    std::optional<Caption> WaitForCaption(const std::string& name, bool shown) {
        const auto deadline = std::chrono::steady_clock::now() + kWait;
        for (;;) {
            auto caption = ActiveCaption(name);
            if (caption.has_value() == shown || std::chrono::steady_clock::now() > deadline) {
                return caption;
            }
            std::this_thread::sleep_for(kPollStep);
        }
    }

    void ExpectCentredOverMain(XDriver::XId dialog) {
        const Geometry over = GeometryOf(server->name(), main);
        const Geometry shown = GeometryOf(server->name(), dialog);
        EXPECT_NEAR(shown.CentreX(), over.CentreX(), 2);
        EXPECT_GE(shown.y, over.y) << "the dialog covers the main window's menu bar";
        EXPECT_LE(shown.y + shown.height, over.y + over.height);
    }

    XDriver::XId main = 0;
};

TEST_F(ProgramWindowsOnScreenTest, ANewGroupShowsAFramedWindowThatItsCloseButtonCloses) {
    Start();
    NewGroup("Group1");
    const auto caption = WaitForCaption("program-new-group.png", true);
    ASSERT_TRUE(caption) << "no framed window with an active caption";

    driver->Click(main, caption->ButtonX(0), caption->Middle());
    ASSERT_TRUE(driver->WaitForTitle(main, "Halbridge Pro", kWait)) << driver->Title(main);
    EXPECT_FALSE(WaitForCaption("program-group-closed.png", false));

    // With no window open, the configuration opens, over the main window.
    DropMenu(kSettingsX);
    driver->Click(*driver->FindPopup(kWait), kFirstItemX, kFirstItemY);
    const auto configuration = driver->FindWindow("Halbridge Pro Configuration", kWait);
    ASSERT_TRUE(configuration) << program.Output();
    ASSERT_TRUE(driver->WaitUntilPainted(*configuration, kWait));
    ExpectCentredOverMain(*configuration);
    EXPECT_TRUE(driver->Screenshot(main, ArtefactPath("program-configuration-placed.png")));
    driver->Press("Escape");
    ASSERT_TRUE(driver->WaitUntilGone(*configuration, kWait));

    driver->Close(main);
    EXPECT_EQ(program.Finish(), 0) << program.Output();
}

TEST_F(ProgramWindowsOnScreenTest, ChildWindowsMaximizeRestoreAndAreListedInTheWindowMenu) {
    Start();
    NewGroup("Group1");
    NewGroup("Group2");
    auto caption = WaitForCaption("program-two-groups.png", true);
    ASSERT_TRUE(caption);

    // The maximize button: the caption goes, its buttons join the menu bar.
    driver->Click(main, caption->ButtonX(1), caption->Middle());
    EXPECT_FALSE(WaitForCaption("program-group-maximized.png", false));
    const Geometry window = GeometryOf(server->name(), main);
    // The restore button, second from the right end of the menu bar.
    driver->Click(main, window.width - kButtonMargin - 16 - kButtonMargin - 8, kMenuBarY);
    caption = WaitForCaption("program-group-restored.png", true);
    ASSERT_TRUE(caption);

    // A double-click on the caption maximizes, another restores.
    const int captionX = caption->left + 60;
    driver->Click(main, captionX, caption->Middle());
    driver->Click(main, captionX, caption->Middle());
    EXPECT_FALSE(WaitForCaption("program-group-double-clicked.png", false));
    // Maximized, the caption lies under the menu bar: restore it by the menu bar's button.
    driver->Click(main, window.width - kButtonMargin - 16 - kButtonMargin - 8, kMenuBarY);
    caption = WaitForCaption("program-group-restored-again.png", true);
    ASSERT_TRUE(caption);
    driver->Click(main, captionX, caption->Middle());
    driver->Click(main, captionX, caption->Middle());
    EXPECT_FALSE(WaitForCaption("program-group-maximized-again.png", false));
    driver->Click(main, window.width - kButtonMargin - 16 - kButtonMargin - 8, kMenuBarY);
    ASSERT_TRUE(WaitForCaption("program-group-restored-last.png", true));

    // The Window menu lists both; choosing the first activates it.
    DropMenu(kWindowX);
    EXPECT_TRUE(
        driver->Screenshot(*driver->FindPopup(kWait), ArtefactPath("program-window-menu.png")));
    for (int i = 0; i < 5; ++i) {
        driver->Press("Down");
    }
    driver->Press("Return");
    EXPECT_TRUE(driver->WaitForTitle(main, "Halbridge Pro - Group1", kWait)) << driver->Title(main);

    driver->Close(main);
    EXPECT_EQ(program.Finish(), 0) << program.Output();
}

TEST_F(ProgramWindowsOnScreenTest, SelectRadioOpensOverTheMainWindow) {
    Start();
    DropMenu(kToolsX);
    driver->Click(*driver->FindPopup(kWait), kFirstItemX, kFirstItemY);
    // The dialog's caption names what the radio is chosen for.
    const auto select = driver->FindWindow("Select Radio - Radio Control", kWait);
    ASSERT_TRUE(select) << program.Output();
    ASSERT_TRUE(driver->WaitUntilPainted(*select, kWait));
    ExpectCentredOverMain(*select);
    EXPECT_TRUE(driver->Screenshot(main, ArtefactPath("program-select-radio-placed.png")));
    driver->Press("Escape");
    ASSERT_TRUE(driver->WaitUntilGone(*select, kWait));

    driver->Close(main);
    EXPECT_EQ(program.Finish(), 0) << program.Output();
}

TEST_F(ProgramWindowsOnScreenTest, TheTrunkingIdFormatOpensFromTheSettingsMenu) {
    Start();
    DropMenu(kSettingsX);
    // The eighth item: the configuration, two folders, three audio items, two sub-menus, then it.
    for (int item = 0; item < 8; ++item) {
        driver->Press("Down");
    }
    driver->Press("Return");
    const auto dialog = driver->FindWindow("Trunking ID Code Format", kWait);
    ASSERT_TRUE(dialog) << program.Output();
    ASSERT_TRUE(driver->WaitUntilPainted(*dialog, kWait));
    ExpectCentredOverMain(*dialog);
    EXPECT_TRUE(driver->Screenshot(*dialog, ArtefactPath("program-trunking-id-format.png")));
    driver->Press("Escape");
    ASSERT_TRUE(driver->WaitUntilGone(*dialog, kWait));

    driver->Close(main);
    EXPECT_EQ(program.Finish(), 0) << program.Output();
}

} // namespace
