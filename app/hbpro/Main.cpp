// The program hbpro: the application object, the program's own resources, and the process around
// them (the display or headless running, the shell's document association, and shutting down on
// SIGINT and SIGTERM).
#include "app/HalbridgeApp.h"
#include "app/hbpro/CloseOnSignal.h"
#include "platform/afx/AppMain.h"
#include "platform/afx/CWnd.h"
#include "platform/afx/res/ResourceChain.h"
#include "platform/display/Display.h"
#include "platform/win/store/Registry.h"
#include "resources/program/ProgramResources.h"

#include <signal.h>
#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

namespace {

const hb::afx::ResourceModule kResources{"Halbridge Pro", ProgramResourceTables()};
const hb::afx::ProgramResources kProgramResources{kResources};

bool OnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "");
    for (std::string folder; std::getline(folders, folder, ':');) {
        if (!folder.empty() && access((folder + "/" + program).c_str(), X_OK) == 0) {
            return true;
        }
    }
    return false;
}

// PDF documents open when there is a program that opens documents.
void RegisterDocumentViewer() {
    if (!OnPath("xdg-open")) {
        return;
    }
    HKEY key;
    if (RegCreateKeyEx(HKEY_CLASSES_ROOT, ".pdf", 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                       nullptr, &key, nullptr) == ERROR_SUCCESS) {
        RegCloseKey(key);
    }
}

// Each argument quoted, so that an argument with blanks stays one.
std::string CommandLine(int argc, char** argv) {
    std::string line;
    for (int i = 1; i < argc; ++i) {
        line += (i > 1 ? " \"" : "\"") + std::string(argv[i]) + "\"";
    }
    return line;
}

} // namespace

CHalbridgeApp theApp;

int main(int argc, char** argv) {
    sigset_t stops;
    sigemptyset(&stops);
    sigaddset(&stops, SIGINT);
    sigaddset(&stops, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stops, nullptr);

    RegisterDocumentViewer();
    // Without a display, the message boxes and dialogs a user would have seen are answered with
    // their default button and written to the standard error.
    if (const char* display = std::getenv("DISPLAY");
        !hb::display::StartIfAvailable() && display && *display) {
        std::cerr << "halbridge: cannot open the display \"" << display << "\"; running without one"
                  << std::endl;
    }
    int code = 0;
    {
        CloseOnSignal closer(stops, theApp);
        if (const auto failed =
                hb::afx::StartApplication(theApp, CommandLine(argc, argv), SW_SHOWNORMAL)) {
            code = *failed;
        } else {
            code = theApp.Run();
        }
    }
    hb::display::Stop();
    return code;
}
