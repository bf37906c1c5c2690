#pragma once
// One connection to an X display, with what every part of the presenter needs from it. Xlib's own
// headers stay in the .cpp files: their macros (None, Status, True, ...) would clash with names of
// the platform.

#include <cstdint>
#include <memory>
#include <string>

struct _XDisplay;

namespace hb::display {

using XId = unsigned long;

class Connection {
public:
    // Null when no display can be opened (none named, or the server refuses).
    static std::unique_ptr<Connection> Open(const std::string& name = {});
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    _XDisplay* display() const { return m_display; }
    int screen() const { return m_screen; }
    XId root() const { return m_root; }
    int depth() const { return m_depth; }
    int Descriptor() const;
    // The pixel value of a colour in the screen's (true-colour) visual.
    static unsigned long PixelOf(std::uint32_t colorref);

    // Atoms, made once.
    XId wmProtocols = 0;
    XId wmDeleteWindow = 0;
    XId netWmName = 0;
    XId utf8String = 0;
    XId netWmIcon = 0;

private:
    explicit Connection(_XDisplay* display);

    _XDisplay* m_display;
    int m_screen = 0;
    XId m_root = 0;
    int m_depth = 0;
};

} // namespace hb::display
