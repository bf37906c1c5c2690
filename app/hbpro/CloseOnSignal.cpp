#include "app/hbpro/CloseOnSignal.h"

#include "platform/win/core/Messages.h"

#include <pthread.h>

CloseOnSignal::CloseOnSignal(const sigset_t& signals)
    : m_signals(signals), m_waiter([this] { Wait(); }) {}

CloseOnSignal::~CloseOnSignal() {
    m_stopping = true;
    pthread_kill(m_waiter.native_handle(), SIGTERM);
    m_waiter.join();
}

void CloseOnSignal::SetMainWindow(HWND hwnd) {
    m_window = hwnd.id();
    // The waiter marks a request before it looks for the window, and this stores the window
    // before it looks for a request: one of the two posts. A second close finds no window.
    if (m_requested) {
        PostMessage(hwnd, WM_CLOSE, 0, 0);
    }
}

void CloseOnSignal::Wait() {
    for (;;) {
        int signal = 0;
        if (sigwait(&m_signals, &signal) != 0 || m_stopping) {
            return;
        }
        m_requested = true;
        if (const HWND hwnd(m_window.load()); hwnd) {
            PostMessage(hwnd, WM_CLOSE, 0, 0);
        }
    }
}
