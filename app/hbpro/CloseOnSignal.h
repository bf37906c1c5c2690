#pragma once
// SIGINT and SIGTERM end the program in order, whenever they come: start-up stops at its next
// step, the modal dialogs end with Cancel, and a running program closes its main window the way
// the user closes it, so that windows save their settings and the exit step runs. The signals
// must be blocked in every thread, so block them before any thread starts. One thread of this
// object waits for them, tells the application, and posts to a hidden window of the GUI thread,
// which does the rest: PostMessage is the one call that may come from another thread.
#include "platform/win/WinTypes.h"

#include <signal.h>

#include <atomic>
#include <thread>

class CHalbridgeApp;

class CloseOnSignal {
public:
    // On the GUI thread; `signals` are blocked already.
    CloseOnSignal(const sigset_t& signals, CHalbridgeApp& app);
    // Stops the waiting thread.
    ~CloseOnSignal();
    CloseOnSignal(const CloseOnSignal&) = delete;
    CloseOnSignal& operator=(const CloseOnSignal&) = delete;

private:
    static LRESULT WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Wait();

    sigset_t m_signals;
    CHalbridgeApp& m_app;
    HWND m_window;
    std::atomic<bool> m_stopping{false};
    std::thread m_waiter;
};
