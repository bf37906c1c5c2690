#include "platform/display/Connection.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <iostream>

namespace hb::display {

namespace {

// Xlib's own handler ends the process; a window that went away meanwhile is no reason for that.
int ReportError(::Display* display, XErrorEvent* error) {
    char text[128] = {};
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::cerr << "display: X error: " << text << " (request " << int{error->request_code} << ")"
              << std::endl;
    return 0;
}

} // namespace

std::unique_ptr<Connection> Connection::Open(const std::string& name) {
    XSetErrorHandler(&ReportError);
    ::Display* display = XOpenDisplay(name.empty() ? nullptr : name.c_str());
    return display ? std::unique_ptr<Connection>(new Connection(display)) : nullptr;
}

Connection::Connection(::Display* display) : m_display(display) {
    m_screen = DefaultScreen(display);
    m_root = RootWindow(display, m_screen);
    m_depth = DefaultDepth(display, m_screen);
    wmProtocols = XInternAtom(display, "WM_PROTOCOLS", False);
    wmDeleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    utf8String = XInternAtom(display, "UTF8_STRING", False);
    netWmIcon = XInternAtom(display, "_NET_WM_ICON", False);
    // A held key repeats as presses alone, so that a repeat is told from a new press.
    XkbSetDetectableAutoRepeat(display, True, nullptr);
}

Connection::~Connection() {
    XCloseDisplay(m_display);
}

unsigned long Connection::PixelOf(std::uint32_t colorref) {
    const unsigned long red = colorref & 0xFF;
    const unsigned long green = (colorref >> 8) & 0xFF;
    const unsigned long blue = (colorref >> 16) & 0xFF;
    return (red << 16) | (green << 8) | blue;
}

int Connection::Descriptor() const {
    return ConnectionNumber(m_display);
}

} // namespace hb::display
