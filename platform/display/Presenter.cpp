#include "platform/display/Presenter.h"

#include "platform/display/Painter.h"
#include "platform/win/core/Input.h"

#include <X11/Xlib.h>

#include <utility>

namespace hb::display {

Presenter::Presenter(std::unique_ptr<Connection> connection)
    : m_connection(std::move(connection)), m_windows(*m_connection),
      m_input(*m_connection, m_windows) {}

Presenter::~Presenter() = default;

void Presenter::Dispatch() {
    ::Display* display = m_connection->display();
    if (!m_refreshing) {
        m_windows.DropDestroyed();
    }
    // One piece of input at a time: the next X event is read only once the message made from the
    // last one has been taken, so that whatever handling it does (moving the focus, capturing the
    // mouse, opening a dialog) is done before the input after it is looked at.
    while (!hb::win::InputWaiting() && XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        // A copy: the grab may end or be replaced while it handles the event.
        if (const Grab grab = m_grab; grab && grab(event)) {
            continue;
        }
        m_input.Handle(event);
    }
}

bool Presenter::PrepareToWait() {
    Refresh();
    // Events held back behind input that this loop does not take cannot be read now either.
    return hb::win::InputWaiting() || XPending(m_connection->display()) == 0;
}

Presenter::Grab Presenter::SetGrab(Grab grab) {
    return std::exchange(m_grab, std::move(grab));
}

int Presenter::Descriptor() const {
    return m_connection->Descriptor();
}

void Presenter::Refresh() {
    // A paint handler that runs a nested loop must not change the windows painted meanwhile.
    if (m_refreshing) {
        return;
    }
    m_refreshing = true;
    m_windows.Sync();
    PaintWindows(*m_connection, m_windows.Mapped());
    XFlush(m_connection->display());
    m_refreshing = false;
}

} // namespace hb::display
