#include "programming/PacedRetry.h"

#include "platform/win/core/Hooks.h"
#include "platform/win/core/MessageBox.h"
#include "platform/win/core/Scheduler.h"
#include "programming/Loader.h"

RetryOutcome PacedRetry::Run(const CLoader& loader, const std::function<int()>& attempt) const {
    for (int tryNumber = 1; tryNumber <= kTries; ++tryNumber) {
        if (tryNumber > 1 && recover) {
            recover();
        }
        if (tryNumber > 1 && beep == RetryBeep::BeforePause) {
            MessageBeep(MB_ICONASTERISK);
        }
        if (paced) {
            Sleep(kPauseStepMs * static_cast<unsigned>(tryNumber - 1));
        }
        const int result = attempt();
        if (result == 1 || loader.Stopped()) {
            return RetryOutcome::Stopped;
        }
        if (succeeded ? succeeded(result) : result == 0) {
            return RetryOutcome::Succeeded;
        }
        if (beep == RetryBeep::AfterEveryFailure ||
            (beep == RetryBeep::AfterLaterFailures && tryNumber > 1)) {
            MessageBeep(MB_ICONASTERISK);
        }
    }
    return RetryOutcome::GaveUp;
}
