#pragma once
// One X window for each visible top-level window. Top-level windows without a caption (pop-ups such
// as tooltips and drop-downs) get windows the window manager leaves alone; the others get its
// frame, their title, and the owner they stay over.
#include "platform/display/Connection.h"
#include "platform/display/ShownWindow.h"

#include <map>
#include <vector>

namespace hb::display {

class WindowMap {
public:
    explicit WindowMap(Connection& connection) : m_connection(connection) {}
    ~WindowMap();
    WindowMap(const WindowMap&) = delete;
    WindowMap& operator=(const WindowMap&) = delete;

    // Brings the X windows in line with the top-level windows: makes, shows, hides, retitles, moves
    // and destroys them.
    void Sync();
    // Destroys the X windows of the windows that are gone (a part of Sync, cheap enough to run for
    // every message, so that a closed window leaves the screen before the loop goes on).
    void DropDestroyed();
    ShownWindow* Find(XId xid);
    ShownWindow* Find(HWND hwnd);
    std::vector<ShownWindow*> Mapped();
    // The X window is now at `outer` on the screen: the window's client area moves there too.
    void Configured(ShownWindow& shown, const RECT& outer);

private:
    ShownWindow& Make(HWND hwnd);
    void Update(ShownWindow& shown);
    void Destroy(ShownWindow& shown);

    Connection& m_connection;
    std::map<HWND, ShownWindow> m_windows;
};

} // namespace hb::display
