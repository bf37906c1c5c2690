#include "app/hbpro/CloseOnSignal.h"

#include "app/HalbridgeApp.h"
#include "platform/afx/CWnd.h"
#include "platform/afx/ModalScript.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/Window.h"
#include "platform/win/core/WindowClass.h"

#include <pthread.h>

namespace {

constexpr LPCSTR kWindowClass = "HbCloseOnSignal";
constexpr UINT kStopMessage = WM_APP + 1;

} // namespace

CloseOnSignal::CloseOnSignal(const sigset_t& signals, CHalbridgeApp& app)
    : m_signals(signals), m_app(app) {
    RegisterClass(
        {.style = 0, .lpfnWndProc = &CloseOnSignal::WindowProc, .lpszClassName = kWindowClass});
    m_window = CreateWindowEx(0, kWindowClass, "", WS_POPUP, 0, 0, 0, 0, HWND{}, 0, nullptr);
    m_waiter = std::thread([this] { Wait(); });
}

CloseOnSignal::~CloseOnSignal() {
    m_stopping = true;
    pthread_kill(m_waiter.native_handle(), SIGTERM);
    m_waiter.join();
    DestroyWindow(m_window);
}

LRESULT CloseOnSignal::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kStopMessage) {
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
    hb::afx::CancelModals();
    if (CWnd* main = AfxGetMainWnd(); main && ::IsWindow(main->m_hWnd)) {
        main->PostMessage(WM_CLOSE);
    }
    return 0;
}

void CloseOnSignal::Wait() {
    for (;;) {
        int signal = 0;
        if (sigwait(&m_signals, &signal) != 0 || m_stopping) {
            return;
        }
        // Start-up sees this at its next step even while nothing pumps messages.
        m_app.RequestStop();
        PostMessage(m_window, kStopMessage, 0, 0);
    }
}
