#pragma once
// The program as a person runs it: bin/hbpro as a real process with a settings folder of its own
// (removed with the object), its output read with a deadline; nothing here sleeps.

#include "platform/testkit/TempFolder.h"

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace hb::apptest {

class ProgramProcess {
public:
    using Clock = std::chrono::steady_clock;

    ProgramProcess() = default;
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    std::string Config(const std::string& name) const { return m_home.File("config/" + name); }
    std::string Trace() const { return hb::testkit::ReadFileBytes(m_home.File("trace.txt")); }

    std::string Home() const { return m_home.Path(); }

    // Starts bin/hbpro with the arguments, its settings in the scratch home, on the X display
    // named (none: headless), in the folder given (none: this process's); false when it cannot
    // start.
    bool Launch(const std::vector<std::string>& arguments = {}, const std::string& display = {},
                const std::string& folder = {});
    // Reads the program's output until it holds `text`; false when the output ends first or the
    // deadline passes.
    bool WaitFor(const std::string& text);
    // Sends the signal (none: the program ends by itself), reads its output to the end and
    // returns its exit status; -1 when it does not end in time or ends otherwise.
    int Finish(int signal = 0);
    const std::string& Output() const { return m_text; }

private:
    // What one read brought: the bytes read, 0 at the end of the output, -1 at the deadline.
    ssize_t ReadSome(Clock::time_point deadline);

    hb::testkit::TempFolder m_home{"hb-run"};
    pid_t m_pid = -1;
    int m_output = -1;
    std::string m_text;
};

} // namespace hb::apptest
