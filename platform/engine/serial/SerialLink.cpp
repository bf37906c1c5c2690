#include "platform/engine/serial/SerialLink.h"

#include "platform/engine/device/LineCutter.h"
#include "platform/win/core/Clock.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/Window.h"
#include "platform/win/core/WindowClass.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace hb::engine {

namespace {

constexpr const char* kWindowClass = "HbEngineSerialLink";
constexpr UINT kArrived = WM_APP + 0x31;
constexpr int kWriteWaitMs = 100;

LRESULT LinkWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kArrived) {
        if (auto* link = reinterpret_cast<SerialLink*>(GetWindowLongPtr(hwnd, GWLP_USERDATA))) {
            link->Deliver();
        }
        return 0;
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

HWND MakeWindow(SerialLink* link) {
    WNDCLASS wc;
    wc.lpfnWndProc = LinkWindowProc;
    wc.lpszClassName = kWindowClass;
    hb::win::RegisterBuiltinClass(wc);
    const HWND hwnd = CreateWindowEx(0, kWindowClass, "", 0, 0, 0, 0, 0, HWND{}, 0, nullptr);
    SetWindowLongPtr(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(link));
    return hwnd;
}

} // namespace

SerialLink::SerialLink(std::unique_ptr<SerialPort> port)
    : m_port(std::move(port)), m_wake(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)),
      m_window(MakeWindow(this)) {
    m_thread = std::thread([this] { Run(); });
}

SerialLink::~SerialLink() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t woken = ::write(m_wake, &one, sizeof one);
    m_thread.join();
    SetWindowLongPtr(m_window, GWLP_USERDATA, 0);
    DestroyWindow(m_window);
    ::close(m_wake);
}

void SerialLink::Run() {
    LineCutter lines;
    char buffer[256];
    for (;;) {
        pollfd fds[] = {{m_port->descriptor(), POLLIN, 0}, {m_wake, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            Push(std::nullopt);
            return;
        }
        if (fds[1].revents != 0) {
            return;
        }
        const ssize_t got = ::read(m_port->descriptor(), buffer, sizeof buffer);
        if (got < 0 && (errno == EAGAIN || errno == EINTR)) {
            continue;
        }
        if (got <= 0) {
            // A hang-up reads as the end of the file or as EIO.
            Push(std::nullopt);
            return;
        }
        lines.Feed({buffer, static_cast<std::size_t>(got)},
                   [this](std::string line) { Push(std::move(line)); });
    }
}

void SerialLink::Push(std::optional<std::string> line) {
    {
        std::lock_guard lock(m_mutex);
        m_arrived.push_back(std::move(line));
    }
    PostMessage(m_window, kArrived, 0, 0);
}

void SerialLink::Deliver() {
    for (;;) {
        std::optional<std::string> line;
        {
            std::lock_guard lock(m_mutex);
            if (m_arrived.empty()) {
                return;
            }
            line = std::move(m_arrived.front());
            m_arrived.pop_front();
        }
        if (line) {
            m_handlers.line(std::move(*line));
        } else {
            m_handlers.lost();
        }
    }
}

std::optional<std::int64_t> SerialLink::Send(std::string_view bytes) {
    const int fd = m_port->descriptor();
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(written));
            continue;
        }
        if (written < 0 && errno == EINTR) {
            continue;
        }
        // A full output buffer that does not drain soon is a radio that no longer takes bytes.
        pollfd out{fd, POLLOUT, 0};
        if (written < 0 && errno == EAGAIN && ::poll(&out, 1, kWriteWaitMs) > 0 &&
            (out.revents & POLLOUT) != 0) {
            continue;
        }
        return std::nullopt;
    }
    return hb::win::NowMs();
}

void SerialLink::Drop() {
    ::tcflush(m_port->descriptor(), TCIFLUSH);
    std::lock_guard lock(m_mutex);
    std::erase_if(m_arrived, [](const auto& line) { return line.has_value(); });
}

} // namespace hb::engine
