#include "platform/afx/CFrameWnd.h"
#include "platform/afx/res/AfxIds.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/Messages.h"

namespace {

// One pass must end even when handlers keep posting.
constexpr int kMessagesPerPass = 1000;

CFrameWnd* StatusFrame() {
    // The text goes to the main frame's status bar, whichever frame is busy.
    auto* top = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
    return top && top->GetSafeHwnd() && top->GetMessageBar() ? top : nullptr;
}

} // namespace

void CScanApp::BusyPeriodStart(CWnd*, UINT id, LPCSTR title, LPCSTR text) {
    m_busyPeriodLog.push_back(std::to_string(id) + " " + (title ? title : "") + ": " +
                              (text ? text : ""));
    ++m_busyDepth;
    hb::win::BeginWaitCursor();
    if (CFrameWnd* status = StatusFrame()) {
        status->SetMessageText(text ? text : "");
    }
}

void CScanApp::BusyPeriodEnd() {
    if (m_busyDepth == 0) {
        return;
    }
    --m_busyDepth;
    hb::win::EndWaitCursor();
    if (CFrameWnd* status = m_busyDepth == 0 ? StatusFrame() : nullptr) {
        status->SetMessageText(AFX_IDS_IDLEMESSAGE);
    }
}

int CScanApp::Suspend(int) {
    MSG msg;
    for (int count = 0; count < kMessagesPerPass && ::PeekMessage(&msg, {}, 0, 0, PM_REMOVE);
         ++count) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return 0;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
    return 1;
}
