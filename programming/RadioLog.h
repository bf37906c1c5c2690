#pragma once
// The activity log of a radio window: one per window, on the log dialog 1609, started with the
// radio's name once the window is laid out and stopped when it goes. It writes no lines yet.

#include "platform/tessary/app/Log.h"

class CRadioLog : public CLog {
public:
    static constexpr UINT kDialogId = 1609;

    CRadioLog();
    // A log still running is stopped first.
    ~CRadioLog() override;
};
