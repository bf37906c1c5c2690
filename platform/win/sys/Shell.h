#pragma once
// Starting other programs and opening documents. Every request goes to one launcher hook: the
// program starts processes without a shell; tests record the requests and start nothing.

#include "platform/win/WinTypes.h"

#include <functional>
#include <string>
#include <vector>

// ShellExecute results up to 32 are errors.
inline constexpr LONG_PTR SE_ERR_FNF = 2;
inline constexpr LONG_PTR SE_ERR_PNF = 3;
inline constexpr LONG_PTR SE_ERR_ACCESSDENIED = 5;
inline constexpr LONG_PTR SE_ERR_NOASSOC = 31;

// Returns more than 32 on success. A null verb means "open".
LONG_PTR ShellExecute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                      int show);
// Returns more than 31 on success.
UINT WinExec(LPCSTR command, UINT show);
int WSACleanup();

namespace hb::win {

enum class LaunchKind { ShellExecute, WinExec };

struct LaunchRequest {
    LaunchKind kind = LaunchKind::ShellExecute;
    std::string verb; // ShellExecute's fields; a null argument is empty
    std::string file;
    std::string parameters;
    std::string directory;
    std::string command; // WinExec's command line
    int show = 0;
};

// Answers a request with ShellExecute's result codes (WinExec takes the same value).
using Launcher = std::function<LONG_PTR(const LaunchRequest&)>;

inline constexpr LONG_PTR kLaunchSucceeded = 42;

void SetLauncher(Launcher launcher);
// Installs the launcher that records each request and starts nothing. It answers from the queued
// results, then kLaunchSucceeded. Installing it empties the log and the queue.
void UseRecordingLauncher();
const std::vector<LaunchRequest>& LaunchLog();
void QueueLaunchResult(LONG_PTR result);

} // namespace hb::win
