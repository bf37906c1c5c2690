#include "platform/testkit/xdriver/XServer.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <string>

namespace hb::testkit {

namespace {

constexpr int kStartTimeoutMs = 15000;

void StopProcess(pid_t pid) {
    ::kill(pid, SIGTERM);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

// The display number Xvfb writes to the pipe once it accepts connections; empty when it fails or
// takes too long.
std::string ReadDisplayNumber(int fd) {
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + milliseconds(kStartTimeoutMs);
    std::string number;
    for (;;) {
        const auto left = duration_cast<milliseconds>(deadline - steady_clock::now()).count();
        if (left <= 0) {
            return {};
        }
        pollfd pfd{fd, POLLIN, 0};
        if (::poll(&pfd, 1, static_cast<int>(left)) <= 0) {
            continue;
        }
        char buffer[16];
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got <= 0) {
            return {};
        }
        for (ssize_t i = 0; i < got; ++i) {
            if (buffer[i] == '\n') {
                return number;
            }
            number += buffer[i];
        }
    }
}

} // namespace

std::unique_ptr<XServer> XServer::Start(std::string& whyNot) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        whyNot = "no pipe for Xvfb";
        return nullptr;
    }
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        whyNot = "cannot fork for Xvfb";
        return nullptr;
    }
    if (pid == 0) {
        ::dup2(fds[1], 3); // dup2 clears close-on-exec on the copy
        const int devNull = ::open("/dev/null", O_RDWR);
        ::dup2(devNull, STDOUT_FILENO);
        ::dup2(devNull, STDERR_FILENO);
        ::execlp("Xvfb", "Xvfb", "-displayfd", "3", "-screen", "0", "1024x768x24", "-nolisten",
                 "tcp", "-noreset", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(fds[1]);
    const std::string number = ReadDisplayNumber(fds[0]);
    ::close(fds[0]);
    if (number.empty()) {
        StopProcess(pid);
        whyNot = "Xvfb did not start (is it installed? scripts/setup installs it)";
        return nullptr;
    }
    return std::unique_ptr<XServer>(new XServer(pid, ":" + number));
}

XServer::~XServer() {
    StopProcess(m_pid);
}

} // namespace hb::testkit
