// The program as a person runs it: a real process with a settings folder of its own, headless,
// stopped by a signal. Its standard error is read with a deadline; nothing here sleeps.
#include "platform/win/sys/ProgramPath.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// Generous: the program runs under the sanitizers in CI.
constexpr auto kPatience = std::chrono::seconds(60);

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class ProgramProcessTest : public ::testing::Test {
protected:
    ProgramProcessTest() {
        std::string pattern = (std::filesystem::temp_directory_path() / "hb-run-XXXXXX").string();
        m_home = mkdtemp(pattern.data()) ? pattern : "";
    }
    ~ProgramProcessTest() override {
        if (m_pid > 0) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
        if (m_output >= 0) {
            close(m_output);
        }
        std::filesystem::remove_all(m_home);
    }

    std::string Config(const std::string& name) const { return m_home + "/config/" + name; }
    std::string Trace() const { return ReadFile(m_home + "/trace.txt"); }

    // Starts bin/hbpro with the arguments, without a display, its settings in the scratch home.
    void Launch(const std::vector<std::string>& arguments = {}) {
        std::vector<std::string> environment;
        for (char** entry = environ; *entry; ++entry) {
            const std::string variable = *entry;
            if (!variable.starts_with("DISPLAY=") && !variable.starts_with("HALBRIDGE_HOME=") &&
                !variable.starts_with("HB_TRACE=")) {
                environment.push_back(variable);
            }
        }
        environment.push_back("HALBRIDGE_HOME=" + m_home);
        environment.push_back("HB_TRACE=" + m_home + "/trace.txt");
        const std::string program = hb::win::ApplicationFolder() + "/hbpro";
        std::vector<std::string> argv{program};
        argv.insert(argv.end(), arguments.begin(), arguments.end());

        int pipe[2];
        ASSERT_EQ(::pipe(pipe), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipe[1], STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions, pipe[1], STDERR_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipe[0]);
        const int error = posix_spawn(&m_pid, program.c_str(), &actions, nullptr,
                                      Pointers(argv).data(), Pointers(environment).data());
        posix_spawn_file_actions_destroy(&actions);
        close(pipe[1]);
        m_output = pipe[0];
        m_text.clear();
        ASSERT_EQ(error, 0) << std::strerror(error);
    }

    // Reads the program's output until it holds `text`; false when the output ends first or the
    // deadline passes.
    bool WaitFor(const std::string& text) {
        const auto deadline = Clock::now() + kPatience;
        while (m_text.find(text) == std::string::npos) {
            if (ReadSome(deadline) <= 0) {
                return false;
            }
        }
        return true;
    }

    // Sends the signal (none: the program ends by itself), reads its output to the end and
    // returns its exit status; -1 when it does not end in time or ends otherwise.
    int Finish(int signal = 0) {
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

    const std::string& Output() const { return m_text; }

private:
    // What one read brought: the bytes read, 0 at the end of the output, -1 at the deadline.
    ssize_t ReadSome(Clock::time_point deadline) {
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

    static std::vector<char*> Pointers(std::vector<std::string>& strings) {
        std::vector<char*> pointers;
        for (std::string& s : strings) {
            pointers.push_back(s.data());
        }
        pointers.push_back(nullptr);
        return pointers;
    }

    std::string m_home;
    pid_t m_pid = -1;
    int m_output = -1;
    std::string m_text;
};

constexpr const char* kReady = "caption \"Setup Wizard\"";

TEST_F(ProgramProcessTest, AFirstRunSetsUpItsRadiosAndSavesItsWindowOnSigtermThenARunRestoresIt) {
    Launch();
    ASSERT_TRUE(WaitFor(kReady)) << Output();
    EXPECT_EQ(Finish(SIGTERM), 0) << Output();

    EXPECT_EQ(ReadFile(Config("Halbridge Pro.ini")),
              ReadFile(hb::win::ApplicationFolder() + "/Samples/hbpro.ini"));
    EXPECT_NE(Trace().find("MainFrm("), std::string::npos);
    const std::string first = "\"MainWindow\"=sz:\"0,0,800,600,0\"";
    std::string registry = ReadFile(Config("user.reg"));
    for (const char* saved :
         {"[Software\\Corvanta\\Halbridge Pro\\CommandBars]",
          "[Software\\Corvanta\\Halbridge Pro\\PaneLayout]",
          "[Software\\Corvanta\\Halbridge Pro\\Receiver]\n\"SpanParm\"",
          "[Software\\Corvanta\\Halbridge Pro\\Trunk Tracker]\n\"SpanParm\"", first.c_str()}) {
        EXPECT_NE(registry.find(saved), std::string::npos) << saved << "\n" << registry;
    }

    // The user moved the window; the next run puts it there and leaves it there.
    const std::string moved = "\"MainWindow\"=sz:\"40,30,840,630,0\"";
    registry.replace(registry.find(first), first.size(), moved);
    WriteFile(Config("user.reg"), registry);
    Launch();
    ASSERT_TRUE(WaitFor(kReady)) << Output();
    EXPECT_EQ(Finish(SIGINT), 0) << Output();
    EXPECT_NE(ReadFile(Config("user.reg")).find(moved), std::string::npos);
}

TEST_F(ProgramProcessTest, ResetDeletesOnlyTheProgramsSettingsAndOpensNoWindow) {
    std::filesystem::create_directories(Config(""));
    WriteFile(Config("user.reg"), "HalbridgeRegistry 1\n[Software]\n[Software\\Corvanta]\n"
                                  "[Software\\Corvanta\\Halbridge Pro]\n"
                                  "[Software\\Corvanta\\Halbridge Pro\\Settings]\n"
                                  "\"UseCompactView\"=dword:00000001\n"
                                  "[Software\\Corvanta\\Suite]\n"
                                  "[Software\\Corvanta\\Suite\\Colors]\n"
                                  "\"Background\"=dword:00000007\nEnd\n");
    Launch({"-reset"});
    EXPECT_EQ(Finish(), 0) << Output();
    const std::string registry = ReadFile(Config("user.reg"));
    EXPECT_EQ(registry.find("Halbridge Pro"), std::string::npos) << registry;
    EXPECT_NE(registry.find("[Software\\Corvanta\\Suite\\Colors]"), std::string::npos);
    EXPECT_EQ(Trace().find("MainFrm("), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(Config("Halbridge Pro.ini")));
}

} // namespace
