#pragma once
// The link of a serial port. One device thread per port waits on the port and on a wake
// descriptor, cuts what arrives into lines and hands them to the GUI thread by a post to a hidden
// window of the engine; the link's handlers run there. Writes run on the GUI thread and never
// block. A hang-up, EIO or a failed write loses the link. Closing wakes and joins the thread
// before the port closes.

#include "platform/engine/device/Link.h"
#include "platform/engine/serial/SerialPort.h"
#include "platform/win/WinTypes.h"

#include <deque>
#include <mutex>
#include <thread>

namespace hb::engine {

class SerialLink : public Link {
public:
    explicit SerialLink(std::unique_ptr<SerialPort> port);
    ~SerialLink() override;

    std::optional<std::int64_t> Send(std::string_view bytes) override;
    void Drop() override;
    bool External() const override { return true; }
    std::string PortName() const override { return m_port->path(); }

    // Runs on the GUI thread when the device thread has posted.
    void Deliver();

private:
    void Run();
    void Push(std::optional<std::string> line); // none: the link is lost

    std::unique_ptr<SerialPort> m_port;
    int m_wake = -1;
    HWND m_window;
    std::mutex m_mutex;
    std::deque<std::optional<std::string>> m_arrived;
    std::thread m_thread;
};

} // namespace hb::engine
