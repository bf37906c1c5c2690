#include "platform/testkit/xdriver/XDriver.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <cairo.h>

#include <algorithm>
#include <cctype>
#include <thread>
#include <vector>

namespace hb::testkit {

namespace {

constexpr auto kPollStep = std::chrono::milliseconds(20);

// Polls `ready` until it holds or the time is up.
template <class Ready>
bool PollUntil(std::chrono::milliseconds timeout, Ready&& ready) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (ready()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(kPollStep);
    }
}

std::string PropertyText(::Display* display, ::Window window, Atom property) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, property, 0, 1024, False, AnyPropertyType, &type,
                           &format, &count, &after, &data) != Success ||
        !data) {
        return {};
    }
    std::string text(reinterpret_cast<char*>(data), count);
    XFree(data);
    return text;
}

} // namespace

std::unique_ptr<XDriver> XDriver::Connect(const std::string& display) {
    // A window may go between finding it and asking about it: that is an answer, not a fault.
    XSetErrorHandler([](::Display*, XErrorEvent*) { return 0; });
    ::Display* opened = XOpenDisplay(display.c_str());
    return opened ? std::unique_ptr<XDriver>(new XDriver(opened)) : nullptr;
}

XDriver::~XDriver() {
    XCloseDisplay(m_display);
}

std::string XDriver::Title(XId window) {
    XSync(m_display, False);
    const std::string name =
        PropertyText(m_display, window, XInternAtom(m_display, "_NET_WM_NAME", False));
    return name.empty() ? PropertyText(m_display, window, XA_WM_NAME) : name;
}

template <class Wanted>
std::optional<XDriver::XId> XDriver::FindTopLevel(Timeout timeout, Wanted&& wanted) {
    std::optional<XId> found;
    PollUntil(timeout, [&] {
        ::Window root = 0;
        ::Window parent = 0;
        ::Window* children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(m_display, DefaultRootWindow(m_display), &root, &parent, &children,
                        &count)) {
            return false;
        }
        for (unsigned i = 0; i < count && !found; ++i) {
            XWindowAttributes attributes;
            if (XGetWindowAttributes(m_display, children[i], &attributes) &&
                attributes.map_state == IsViewable && wanted(children[i], attributes)) {
                found = children[i];
            }
        }
        if (children) {
            XFree(children);
        }
        return found.has_value();
    });
    return found;
}

std::optional<XDriver::XId> XDriver::FindWindow(const std::string& title, Timeout timeout) {
    return FindTopLevel(
        timeout, [&](XId window, const XWindowAttributes&) { return Title(window) == title; });
}

std::optional<XDriver::XId> XDriver::FindPopup(Timeout timeout) {
    return FindTopLevel(timeout, [](XId, const XWindowAttributes& attributes) {
        return attributes.override_redirect != False;
    });
}

bool XDriver::WaitForTitle(XId window, const std::string& title, Timeout timeout) {
    return PollUntil(timeout, [&] { return Title(window) == title; });
}

bool XDriver::WaitUntilPainted(XId window, Timeout timeout) {
    return PollUntil(timeout, [&] {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(m_display, window, &attributes)) {
            return false;
        }
        XImage* image = XGetImage(m_display, window, 0, 0, static_cast<unsigned>(attributes.width),
                                  static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
        if (!image) {
            return false;
        }
        const unsigned long first = XGetPixel(image, 0, 0);
        bool varied = false;
        for (int y = 0; y < attributes.height && !varied; ++y) {
            for (int x = 0; x < attributes.width && !varied; ++x) {
                varied = XGetPixel(image, x, y) != first;
            }
        }
        XDestroyImage(image);
        return varied;
    });
}

bool XDriver::WaitUntilGone(XId window, Timeout timeout) {
    return PollUntil(timeout, [&] {
        XWindowAttributes attributes;
        return !XGetWindowAttributes(m_display, window, &attributes) ||
               attributes.map_state != IsViewable;
    });
}

void XDriver::Click(XId window, int x, int y, unsigned button) {
    MovePointer(window, x, y);
    XTestFakeButtonEvent(m_display, button, True, CurrentTime);
    XTestFakeButtonEvent(m_display, button, False, CurrentTime);
    XSync(m_display, False);
}

std::vector<int> XDriver::WaitForIconSizes(XId window, Timeout timeout) {
    const Atom icon = XInternAtom(m_display, "_NET_WM_ICON", False);
    std::vector<int> sizes;
    PollUntil(timeout, [&] {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(m_display, window, icon, 0, 1 << 16, False, XA_CARDINAL, &type,
                               &format, &count, &after, &data) != Success ||
            !data) {
            return false;
        }
        // Each picture: its width, its height, then width x height pixels.
        const auto* values = reinterpret_cast<const unsigned long*>(data);
        for (unsigned long at = 0; at + 2 <= count; at += 2 + values[at] * values[at + 1]) {
            sizes.push_back(static_cast<int>(values[at]));
        }
        XFree(data);
        return !sizes.empty();
    });
    return sizes;
}

int XDriver::Height(XId window) {
    XWindowAttributes attributes;
    return XGetWindowAttributes(m_display, window, &attributes) ? attributes.height : 0;
}

void XDriver::MovePointer(XId window, int x, int y) {
    int rootX = 0;
    int rootY = 0;
    ::Window child = 0;
    XTranslateCoordinates(m_display, window, DefaultRootWindow(m_display), x, y, &rootX, &rootY,
                          &child);
    XTestFakeMotionEvent(m_display, DefaultScreen(m_display), rootX, rootY, CurrentTime);
    XSync(m_display, False);
}

std::vector<unsigned long> XDriver::Pixels(XId window, int x, int y, unsigned width,
                                           unsigned height) {
    std::vector<unsigned long> pixels;
    XImage* image = XGetImage(m_display, window, x, y, width, height, AllPlanes, ZPixmap);
    if (!image) {
        return pixels;
    }
    for (unsigned row = 0; row < height; ++row) {
        for (unsigned column = 0; column < width; ++column) {
            pixels.push_back(XGetPixel(image, static_cast<int>(column), static_cast<int>(row)));
        }
    }
    XDestroyImage(image);
    return pixels;
}

bool XDriver::WaitUntilChanged(XId window, int x, int y, unsigned width, unsigned height,
                               const std::vector<unsigned long>& before, Timeout timeout) {
    return PollUntil(timeout, [&] {
        const std::vector<unsigned long> now = Pixels(window, x, y, width, height);
        return !now.empty() && now != before;
    });
}

bool XDriver::WaitForPixel(XId window, int x, int y, unsigned long pixel, Timeout timeout) {
    return PollUntil(
        timeout, [&] { return Pixels(window, x, y, 1, 1) == std::vector<unsigned long>{pixel}; });
}

void XDriver::Key(unsigned long keysym, bool shift) {
    const KeyCode shiftKey = XKeysymToKeycode(m_display, XK_Shift_L);
    const KeyCode code = XKeysymToKeycode(m_display, keysym);
    if (shift) {
        XTestFakeKeyEvent(m_display, shiftKey, True, CurrentTime);
    }
    XTestFakeKeyEvent(m_display, code, True, CurrentTime);
    XTestFakeKeyEvent(m_display, code, False, CurrentTime);
    if (shift) {
        XTestFakeKeyEvent(m_display, shiftKey, False, CurrentTime);
    }
    XSync(m_display, False);
}

void XDriver::Type(const std::string& keys) {
    for (const char c : keys) {
        const auto uc = static_cast<unsigned char>(c);
        const bool upper = std::isupper(uc) != 0;
        const char name[2] = {static_cast<char>(upper ? std::tolower(uc) : uc), '\0'};
        Key(c == ' ' ? XK_space : XStringToKeysym(name), upper);
    }
}

void XDriver::Press(const std::string& keysymName) {
    Key(XStringToKeysym(keysymName.c_str()), false);
}

void XDriver::Resize(XId window, unsigned width, unsigned height) {
    XResizeWindow(m_display, window, width, height);
    XSync(m_display, False);
}

void XDriver::Close(XId window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(m_display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(m_display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(m_display, window, False, NoEventMask, &event);
    XSync(m_display, False);
}

XDriver::XId XDriver::TransientFor(XId window) {
    ::Window owner = 0;
    return XGetTransientForHint(m_display, window, &owner) ? owner : 0;
}

bool XDriver::WaitUntilAbove(XId upper, XId lower, Timeout timeout) {
    return PollUntil(timeout, [&] {
        ::Window root = 0;
        ::Window parent = 0;
        ::Window* children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(m_display, DefaultRootWindow(m_display), &root, &parent, &children,
                        &count)) {
            return false;
        }
        // Listed from the bottom of the stack up.
        int upperAt = -1;
        int lowerAt = -1;
        for (unsigned i = 0; i < count; ++i) {
            upperAt = children[i] == upper ? static_cast<int>(i) : upperAt;
            lowerAt = children[i] == lower ? static_cast<int>(i) : lowerAt;
        }
        XFree(children);
        return upperAt >= 0 && lowerAt >= 0 && upperAt > lowerAt;
    });
}

bool XDriver::Screenshot(XId window, const std::string& path) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(m_display, window, &attributes)) {
        return false;
    }
    // From the screen, so that what lies over the window (a menu, a box) shows as the user sees it.
    const ::Window root = DefaultRootWindow(m_display);
    int x = 0;
    int y = 0;
    ::Window child = 0;
    XTranslateCoordinates(m_display, window, root, 0, 0, &x, &y, &child);
    const int screenWidth = DisplayWidth(m_display, DefaultScreen(m_display));
    const int screenHeight = DisplayHeight(m_display, DefaultScreen(m_display));
    x = std::max(0, x);
    y = std::max(0, y);
    attributes.width = std::min(attributes.width, screenWidth - x);
    attributes.height = std::min(attributes.height, screenHeight - y);
    if (attributes.width <= 0 || attributes.height <= 0) {
        return false;
    }
    XImage* image = XGetImage(m_display, root, x, y, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (!image) {
        return false;
    }
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, attributes.width, attributes.height);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const auto channel = [](unsigned long pixel, unsigned long mask) {
        if (!mask) {
            return 0UL;
        }
        int shift = 0;
        while (!((mask >> shift) & 1)) {
            ++shift;
        }
        const unsigned long top = mask >> shift;
        return ((pixel & mask) >> shift) * 255 / top;
    };
    for (int y = 0; y < attributes.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < attributes.width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            row[x] = static_cast<std::uint32_t>((channel(pixel, image->red_mask) << 16) |
                                                (channel(pixel, image->green_mask) << 8) |
                                                channel(pixel, image->blue_mask));
        }
    }
    cairo_surface_mark_dirty(surface);
    XDestroyImage(image);
    const bool written = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return written;
}

} // namespace hb::testkit
