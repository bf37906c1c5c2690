#pragma once
// SIGINT and SIGTERM close the main window, so that the program shuts down the way it does when
// the user closes it: windows save their settings, the exit step runs, nothing is lost. The
// signals must be blocked in every thread, so block them before any thread starts; one thread of
// this object waits for them and posts WM_CLOSE, the one call that may come from another thread.
#include "platform/win/WinTypes.h"

#include <signal.h>

#include <atomic>
#include <cstdint>
#include <thread>

class CloseOnSignal {
public:
    // `signals` are blocked already.
    explicit CloseOnSignal(const sigset_t& signals);
    // Stops the waiting thread.
    ~CloseOnSignal();
    CloseOnSignal(const CloseOnSignal&) = delete;
    CloseOnSignal& operator=(const CloseOnSignal&) = delete;

    // The window a signal closes from now on; a signal that came before is served now.
    void SetMainWindow(HWND hwnd);

private:
    void Wait();

    sigset_t m_signals;
    std::atomic<std::uint32_t> m_window{0};
    std::atomic<bool> m_requested{false};
    std::atomic<bool> m_stopping{false};
    std::thread m_waiter;
};
