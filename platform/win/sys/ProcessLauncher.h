#pragma once
// The program's launcher: starts processes directly, never through a shell, and does not wait
// for them.

#include "platform/win/sys/Shell.h"

#include <optional>
#include <string_view>

namespace hb::win {

// "open" of a program file runs it with the parameters as its arguments; "open" of a document and
// "explore" hand the path to xdg-open. A WinExec command line runs its first word as the program.
LONG_PTR LaunchProcess(const LaunchRequest& request);

// Splits a command line into words as a POSIX shell would, with quotes and backslashes but no
// expansion of any kind. Nothing when a quote is left open.
std::optional<std::vector<std::string>> SplitShellWords(std::string_view text);

} // namespace hb::win
