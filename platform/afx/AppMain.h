#pragma once
// The program's entry into its application object.
#include "platform/win/WinTypes.h"

#include <optional>
#include <string>

class CWinApp;

namespace hb::afx {

// Gives the application its command line and show state and runs InitInstance. When that fails,
// the main window (if any) is destroyed and ExitInstance's result is returned; nullopt means the
// application is up and its message loop is to run.
std::optional<int> StartApplication(CWinApp& app, const std::string& commandLine, int nCmdShow);
// StartApplication, then the message loop; returns the exit code.
int RunApplication(CWinApp& app, const std::string& commandLine, int nCmdShow);

} // namespace hb::afx
