#include "platform/win/sys/Shell.h"

#include "platform/win/sys/ProcessLauncher.h"

#include <deque>

namespace hb::win {

namespace {

struct ShellState {
    Launcher launcher = LaunchProcess;
    std::vector<LaunchRequest> log;
    std::deque<LONG_PTR> results;
};

ShellState& State() {
    static ShellState state;
    return state;
}

std::string Text(LPCSTR s) {
    return s ? std::string(s) : std::string();
}

} // namespace

void SetLauncher(Launcher launcher) {
    State().launcher = std::move(launcher);
}

void UseRecordingLauncher() {
    State().log.clear();
    State().results.clear();
    State().launcher = [](const LaunchRequest& request) {
        State().log.push_back(request);
        if (State().results.empty()) {
            return kLaunchSucceeded;
        }
        const LONG_PTR result = State().results.front();
        State().results.pop_front();
        return result;
    };
}

const std::vector<LaunchRequest>& LaunchLog() {
    return State().log;
}

void QueueLaunchResult(LONG_PTR result) {
    State().results.push_back(result);
}

} // namespace hb::win

LONG_PTR ShellExecute(HWND, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                      int show) {
    hb::win::LaunchRequest request;
    request.kind = hb::win::LaunchKind::ShellExecute;
    request.verb = hb::win::Text(verb);
    request.file = hb::win::Text(file);
    request.parameters = hb::win::Text(parameters);
    request.directory = hb::win::Text(directory);
    request.show = show;
    return hb::win::State().launcher(request);
}

UINT WinExec(LPCSTR command, UINT show) {
    hb::win::LaunchRequest request;
    request.kind = hb::win::LaunchKind::WinExec;
    request.command = hb::win::Text(command);
    request.show = static_cast<int>(show);
    return static_cast<UINT>(hb::win::State().launcher(request));
}

int WSACleanup() {
    return 0;
}
