#pragma once
// Drives an X display from outside as a user would: finds a window by its title, clicks, types,
// resizes, and takes screenshots. Waits are bounded polls on the real clock, for a program that
// runs on its own (in another process, or on another thread of the test).

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct _XDisplay;

namespace hb::testkit {

class XDriver {
public:
    using XId = unsigned long;
    using Timeout = std::chrono::milliseconds;

    // Null when the display cannot be opened.
    static std::unique_ptr<XDriver> Connect(const std::string& display);
    ~XDriver();
    XDriver(const XDriver&) = delete;
    XDriver& operator=(const XDriver&) = delete;

    // The first viewable top-level window with exactly this title, once one shows up.
    std::optional<XId> FindWindow(const std::string& title, Timeout timeout);
    // The first viewable pop-up (a window the window manager leaves alone: a menu, a drop-down),
    // once one shows up.
    std::optional<XId> FindPopup(Timeout timeout);
    std::string Title(XId window);
    // The window's height in pixels; 0 when it is gone.
    int Height(XId window);
    // Whether the window's title becomes `title` in time.
    bool WaitForTitle(XId window, const std::string& title, Timeout timeout);
    // Whether the window shows more than one colour in time: it has been painted.
    bool WaitUntilPainted(XId window, Timeout timeout);
    // Whether the window is gone from the screen (unmapped or destroyed) in time.
    bool WaitUntilGone(XId window, Timeout timeout);

    // A left click (button 1) at (x, y) of the window.
    void Click(XId window, int x, int y, unsigned button = 1);
    // Moves the pointer to (x, y) of the window, buttons up.
    void MovePointer(XId window, int x, int y);
    // The window's pixels in a rectangle, row by row: what it shows there now.
    std::vector<unsigned long> Pixels(XId window, int x, int y, unsigned width, unsigned height);
    // Whether the window's pixels in the rectangle come to differ from `before` in time.
    bool WaitUntilChanged(XId window, int x, int y, unsigned width, unsigned height,
                          const std::vector<unsigned long>& before, Timeout timeout);
    // Whether the window's pixel at (x, y) comes to be `pixel` in time.
    bool WaitForPixel(XId window, int x, int y, unsigned long pixel, Timeout timeout);
    // Presses and releases each key in turn (X key symbol names: "Tab", "Return", "a", ...); an
    // upper-case letter is typed with Shift.
    void Type(const std::string& keys);
    void Press(const std::string& keysymName);
    void Resize(XId window, unsigned width, unsigned height);
    // Asks the window to close, as a window manager's close button does (WM_DELETE_WINDOW).
    void Close(XId window);
    // The sizes of the icon pictures the window gives the window manager (_NET_WM_ICON), once it
    // gives some; empty when it gives none in time.
    std::vector<int> WaitForIconSizes(XId window, Timeout timeout);
    // The window a dialog stays over (0 for none).
    XId TransientFor(XId window);
    // Whether `upper` lies over `lower` among the top-level windows, once it does.
    bool WaitUntilAbove(XId upper, XId lower, Timeout timeout);

    // Writes what the screen shows where the window is (what lies over it included) as a PNG;
    // false when it cannot.
    bool Screenshot(XId window, const std::string& path);

private:
    explicit XDriver(_XDisplay* display) : m_display(display) {}
    // The first viewable top-level window that `wanted` accepts, once one shows up.
    template <class Wanted>
    std::optional<XId> FindTopLevel(Timeout timeout, Wanted&& wanted);
    void Key(unsigned long keysym, bool shift);

    _XDisplay* m_display;
};

} // namespace hb::testkit
