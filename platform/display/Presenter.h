#pragma once
// Shows the program's windows on an X display. It is the message loop's wait source: the loop
// hands it the X input to turn into messages, and before it blocks the presenter brings the X
// windows in line with the top-level windows and paints what is dirty. Everything runs on the GUI
// thread.
#include "platform/display/Connection.h"
#include "platform/display/InputTranslator.h"
#include "platform/display/WindowMap.h"
#include "platform/win/core/WaitSource.h"

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
    Connection& connection() { return *m_connection; }
    InputTranslator& input() { return m_input; }

private:
    std::unique_ptr<Connection> m_connection;
    WindowMap m_windows;
    InputTranslator m_input;
    bool m_refreshing = false;
};

} // namespace hb::display
