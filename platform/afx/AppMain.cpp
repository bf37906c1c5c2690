#include "platform/afx/AppMain.h"

#include "platform/afx/CWinApp.h"
#include "platform/afx/CWnd.h"

namespace hb::afx {

std::optional<int> StartApplication(CWinApp& app, const std::string& commandLine, int nCmdShow) {
    app.m_commandLine = commandLine;
    app.m_lpCmdLine = app.m_commandLine.data();
    app.m_nCmdShow = nCmdShow;
    if (app.InitInstance()) {
        return std::nullopt;
    }
    if (app.m_pMainWnd) {
        app.m_pMainWnd->DestroyWindow();
    }
    return app.ExitInstance();
}

int RunApplication(CWinApp& app, const std::string& commandLine, int nCmdShow) {
    if (const auto code = StartApplication(app, commandLine, nCmdShow)) {
        return *code;
    }
    return app.Run();
}

} // namespace hb::afx
