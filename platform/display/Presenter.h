#pragma once
// Shows the program's windows on an X display. It is the message loop's wait source: the loop
// hands it the X input to turn into messages, one piece of input at a time as the loop takes
// them, and before it blocks the presenter brings the X windows in line with the top-level
// windows and paints what is dirty. Everything runs on the GUI thread.
#include "platform/display/Connection.h"
#include "platform/display/InputTranslator.h"
#include "platform/display/WindowMap.h"
#include "platform/win/core/WaitSource.h"

#include <functional>
#include <memory>

namespace hb::display {

class Presenter : public hb::win::WaitSource {
public:
    explicit Presenter(std::unique_ptr<Connection> connection);
    ~Presenter() override;
    Presenter(const Presenter&) = delete;
    Presenter& operator=(const Presenter&) = delete;

    void Dispatch() override;
    bool PrepareToWait() override;
    int Descriptor() const override;

    // Brings the X windows in line and paints now, as before a wait.
    void Refresh();
    // While a grab is set (a popup menu is open), every X event goes to it first; it returns true
    // for the events it took. Returns the grab it replaces.
    using Grab = std::function<bool(_XEvent&)>;
    Grab SetGrab(Grab grab);
    Connection& connection() { return *m_connection; }
    InputTranslator& input() { return m_input; }

private:
    std::unique_ptr<Connection> m_connection;
    WindowMap m_windows;
    InputTranslator m_input;
    Grab m_grab;
    bool m_refreshing = false;
};

} // namespace hb::display
