#pragma once
// One command tried until it succeeds, up to ten times, with optional pauses of 20 ms more before
// each further try and beeps that tell the user the radio is not answering. A try that was
// stopped (Stop pressed or the transfer aborted) ends the retry at once, without more beeps.
#include <functional>

class CLoader;

enum class RetryBeep {
    None,
    // Before tries 2 to 10, and before their pause when the retry is paced.
    BeforePause,
    // After each failed try but the first.
    AfterLaterFailures,
    AfterEveryFailure,
};

enum class RetryOutcome { Succeeded, Stopped, GaveUp };

struct PacedRetry {
    static constexpr int kTries = 10;
    static constexpr unsigned kPauseStepMs = 20;

    bool paced = true;
    RetryBeep beep = RetryBeep::BeforePause;
    // Whether a try with this transaction result counts as done; by default a result of 0.
    std::function<bool(int result)> succeeded;
    // Sent between a failed try and the next, to bring the radio back.
    std::function<void()> recover;

    // `attempt` makes one try and answers the transaction's result (0, 1 stopped, -1 failed).
    RetryOutcome Run(const CLoader& loader, const std::function<int()>& attempt) const;
};
