#pragma once
// The program's launcher: starts processes directly, never through a shell, and does not wait
// for them.

#include "platform/win/sys/Shell.h"

#include <optional>
#include <string>
#include <string_view>

namespace hb::win {

// "open" of a program file runs it with the parameters as its arguments; "open" of a document and
// "explore" hand the path to xdg-open. A WinExec command line runs its first word as the program,
// except the system's volume program ("SNDVOL.EXE" or "SNDVOL32.EXE"): it runs the command stored
// as "VolumeControlCommand", or with "/RECORD" as "RecordingControlCommand", and without one
// nothing runs.
LONG_PTR LaunchProcess(const LaunchRequest& request);

// The machine-scope registry key that holds the volume programs' commands.
void SetMixerCommandsKey(std::string key);

// Splits a command line into words as a POSIX shell would, with quotes and backslashes but no
// expansion of any kind. Nothing when a quote is left open.
std::optional<std::vector<std::string>> SplitShellWords(std::string_view text);

} // namespace hb::win
