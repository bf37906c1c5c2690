#pragma once
// Running an application object in a test the way the program's entry runs it, without a process
// and without ever blocking: start it, let its loop handle what is due, then close it.
#include "platform/win/Windows.h"

#include <cstddef>
#include <optional>
#include <string>

class CWinApp;

namespace hb::testkit {

// InitInstance with the command line (hb::afx::StartApplication): nullopt when the application is
// up, else the exit code of its failed start.
std::optional<int> StartApp(CWinApp& app, const std::string& commandLine = {},
                            int nCmdShow = SW_SHOWNORMAL);
// One pass of the application's loop over what is due now: each message through the
// application's PreTranslateMessage, then the idle steps, until nothing is left. A pending WM_QUIT
// stays for FinishApp. Returns how many messages were handled.
std::size_t PumpApp(CWinApp& app);
// Closes the main window (WM_CLOSE), if there still is one, and runs the loop to its end; returns
// the exit code.
int FinishApp(CWinApp& app);

} // namespace hb::testkit
