#include "ProgramProcess.h"

#include "platform/win/sys/ProgramPath.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace hb::apptest {

namespace {

// Generous: the program runs under the sanitizers in CI.
constexpr auto kPatience = std::chrono::seconds(60);

std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& s : strings) {
        pointers.push_back(s.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

ProgramProcess::~ProgramProcess() {
    if (m_pid > 0) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    if (m_output >= 0) {
        close(m_output);
    }
}

bool ProgramProcess::Launch(const std::vector<std::string>& arguments, const std::string& display,
                            const std::string& folder) {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry; ++entry) {
        const std::string variable = *entry;
        if (!variable.starts_with("DISPLAY=") && !variable.starts_with("HALBRIDGE_HOME=") &&
            !variable.starts_with("HB_TRACE=")) {
            environment.push_back(variable);
        }
    }
    environment.push_back("HALBRIDGE_HOME=" + m_home.Path());
    environment.push_back("HB_TRACE=" + m_home.File("trace.txt"));
    if (!display.empty()) {
        environment.push_back("DISPLAY=" + display);
    }
    const std::string program = hb::win::ApplicationFolder() + "/hbpro";
    std::vector<std::string> argv{program};
    argv.insert(argv.end(), arguments.begin(), arguments.end());

    int pipe[2];
    if (::pipe(pipe) != 0) {
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, pipe[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipe[0]);
    if (!folder.empty()) {
        posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    }
    const int error = posix_spawn(&m_pid, program.c_str(), &actions, nullptr, Pointers(argv).data(),
                                  Pointers(environment).data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipe[1]);
    m_output = pipe[0];
    m_text.clear();
    if (error != 0) {
        m_pid = -1;
        m_text = "cannot start " + program;
    }
    return error == 0;
}

bool ProgramProcess::WaitFor(const std::string& text) {
    const auto deadline = Clock::now() + kPatience;
    while (m_text.find(text) == std::string::npos) {
        if (ReadSome(deadline) <= 0) {
            return false;
        }
    }
    return true;
}

int ProgramProcess::Finish(int signal) {
    if (signal) {
        kill(m_pid, signal);
    }
    const auto deadline = Clock::now() + kPatience;
    ssize_t got = 1;
    while (got > 0) {
        got = ReadSome(deadline);
    }
    close(m_output);
    m_output = -1;
    // The output ended with the process, so the wait is short.
    int status = 0;
    if (got < 0 || waitpid(m_pid, &status, 0) != m_pid) {
        return -1;
    }
    m_pid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

ssize_t ProgramProcess::ReadSome(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    pollfd ready{m_output, POLLIN, 0};
    if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) <= 0) {
        return -1;
    }
    char chunk[4096];
    const ssize_t got = read(m_output, chunk, sizeof chunk);
    if (got > 0) {
        m_text.append(chunk, static_cast<std::size_t>(got));
    }
    return got < 0 ? -1 : got;
}

} // namespace hb::apptest
