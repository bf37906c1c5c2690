#include "platform/testkit/AppRun.h"

#include "platform/afx/AppMain.h"
#include "platform/afx/CWinApp.h"
#include "platform/afx/CWnd.h"

namespace hb::testkit {

namespace {

// A loop that never runs dry is a fault of the program under test.
constexpr std::size_t kRunawayMessages = 100'000;

bool Peek(MSG& msg) {
    return ::PeekMessage(&msg, HWND{}, 0, 0, PM_NOREMOVE) != FALSE;
}

} // namespace

std::optional<int> StartApp(CWinApp& app, const std::string& commandLine, int nCmdShow) {
    return hb::afx::StartApplication(app, commandLine, nCmdShow);
}

std::size_t PumpApp(CWinApp& app) {
    std::size_t count = 0;
    MSG msg;
    do {
        while (Peek(msg)) {
            if (msg.message == WM_QUIT) {
                return count;
            }
            app.PumpMessage();
            if (++count == kRunawayMessages) {
                hb::win::ReportFailure("PumpApp: the queue never runs dry\n" +
                                       hb::win::DescribeState());
                return count;
            }
        }
        for (LONG idle = 0; app.OnIdle(idle); ++idle) {
        }
    } while (Peek(msg) && msg.message != WM_QUIT);
    return count;
}

int FinishApp(CWinApp& app) {
    if (app.m_pMainWnd && app.m_pMainWnd->m_hWnd) {
        app.m_pMainWnd->PostMessage(WM_CLOSE);
    }
    return app.Run();
}

} // namespace hb::testkit
