#include "platform/engine/sim/SimRadioHost.h"

#include "platform/engine/device/LineCutter.h"
#include "platform/engine/sim/SimLink.h"

#include <poll.h>
#include <pty.h>
#include <sys/eventfd.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <utility>

namespace hb::engine::sim {

namespace {

// Writes all of `bytes`, waiting for room as a wire would.
void WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(written));
        } else if (written < 0 && errno != EINTR && errno != EAGAIN) {
            return;
        } else {
            pollfd out{fd, POLLOUT, 0};
            ::poll(&out, 1, 100);
        }
    }
}

} // namespace

std::unique_ptr<SimRadioHost> SimRadioHost::Start(std::unique_ptr<SimRadio> radio,
                                                  Options options) {
    int master = -1;
    int slave = -1;
    if (::openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) {
        return nullptr;
    }
    // No echo and no line editing before the engine sets the port up itself.
    termios tio{};
    ::tcgetattr(slave, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(slave, TCSANOW, &tio);
    char* name = ::ttyname(slave);
    std::string path = name != nullptr ? name : "";
    return std::unique_ptr<SimRadioHost>(
        new SimRadioHost(std::move(radio), options, master, slave, std::move(path)));
}

SimRadioHost::SimRadioHost(std::unique_ptr<SimRadio> radio, Options options, int master, int slave,
                           std::string slavePath)
    : m_radio(std::move(radio)), m_options(options), m_master(master), m_slave(slave),
      m_wake(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)), m_slavePath(std::move(slavePath)) {
    m_thread = std::thread([this] { Run(); });
}

SimRadioHost::~SimRadioHost() {
    Close();
    ::close(m_wake);
}

void SimRadioHost::Close() {
    if (!m_thread.joinable()) {
        return;
    }
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t woken = ::write(m_wake, &one, sizeof one);
    m_thread.join();
    ::close(m_master);
    ::close(m_slave);
}

void SimRadioHost::Run() {
    LineCutter lines;
    char buffer[256];
    for (;;) {
        pollfd fds[] = {{m_master, POLLIN, 0}, {m_wake, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0 && errno != EINTR) {
            return;
        }
        if (fds[1].revents != 0) {
            return;
        }
        if ((fds[0].revents & POLLIN) == 0) {
            continue;
        }
        const ssize_t got = ::read(m_master, buffer, sizeof buffer);
        if (got <= 0) {
            continue;
        }
        lines.Feed({buffer, static_cast<std::size_t>(got)},
                   [this](const std::string& line) { Answer(line); });
    }
}

void SimRadioHost::Answer(const std::string& line) {
    const auto arrived = std::chrono::steady_clock::now();
    std::optional<std::string> reply;
    {
        std::lock_guard lock(m_radioMutex);
        reply = m_radio->Take(line);
    }
    if (!reply) {
        return;
    }
    *reply += '\r';
    if (m_options.paced) {
        // A pseudo-terminal passes the command at once; a wire would not have.
        const std::size_t bytes = line.size() + 1 + reply->size();
        std::this_thread::sleep_until(arrived +
                                      std::chrono::milliseconds(WireMs(bytes, m_options.baud)));
    }
    WriteAll(m_master, *reply);
}

} // namespace hb::engine::sim
