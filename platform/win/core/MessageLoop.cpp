#include "platform/win/core/MessageLoop.h"

#include "platform/win/core/Clock.h"
#include "platform/win/core/ExternalWait.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/Internal.h"
#include "platform/win/core/LastError.h"
#include "platform/win/core/MessageQueue.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/TaskQueue.h"
#include "platform/win/core/TimerTable.h"
#include "platform/win/core/WaitSource.h"
#include "platform/win/core/Window.h"

#include <algorithm>

using namespace hb::win::detail;

namespace {

constexpr std::int64_t kDefaultAutoAdvanceLimit = 60 * 60 * 1000;
// A pump that dispatches this many messages without the queue ever running dry is a runaway.
constexpr std::size_t kRunawayMessages = 10'000'000;

struct LoopState {
    std::int64_t autoAdvanceLimit = kDefaultAutoAdvanceLimit;
    std::int64_t lastTestStep = 0;
    bool sleepReported = false;
    hb::win::WaitSource* source = nullptr;
};

LoopState& State() {
    static LoopState state;
    return state;
}

enum class Next { Message, Quit, Stopped };

std::optional<std::int64_t> Earliest(std::optional<std::int64_t> a, std::optional<std::int64_t> b) {
    if (a && b) {
        return std::min(*a, *b);
    }
    return a ? a : b;
}

std::optional<std::int64_t> NextDue(const MessageFilter& filter) {
    return Earliest(Tasks().NextDue(), filter.Accepts(WM_TIMER) ? Timers().NextDue(filter.hwnd)
                                                                : std::optional<std::int64_t>());
}

std::optional<MSG> Retrieve(const MessageFilter& filter, bool remove, std::uint64_t& generation) {
    if (auto msg = Queue().Take(filter, remove, generation)) {
        return msg;
    }
    if (!filter.Accepts(WM_TIMER)) {
        return std::nullopt;
    }
    const auto timer = Timers().TakeDue(filter.hwnd, hb::win::NowMs(), remove);
    if (!timer) {
        return std::nullopt;
    }
    return MSG{timer->hwnd,    WM_TIMER, timer->id, reinterpret_cast<LPARAM>(timer->proc),
               GetTickCount(), {}};
}

void ReportDeadlock(const std::string& reason) {
    hb::win::ReportFailure("message loop deadlock: " + reason + "\n" + hb::win::DescribeState());
}

std::string LimitExceeded(const char* who, std::int64_t target) {
    return std::string(who) + " would move the clock " +
           std::to_string(target - State().lastTestStep) + " ms past the test's last step (limit " +
           std::to_string(State().autoAdvanceLimit) + " ms)";
}

void DispatchInput() {
    if (hb::win::WaitSource* source = State().source) {
        source->Dispatch();
    }
}

// Blocks on the real clock until a post, the next due timer or task, or the wait source's input.
// The source prepares first, since its work (painting) may post or schedule something.
void WaitOnRealClock(const MessageFilter& filter, std::uint64_t generation) {
    if (hb::win::WaitSource* source = State().source; source && !source->PrepareToWait()) {
        return;
    }
    const auto next = NextDue(filter);
    const auto deadline = next ? std::optional(SteadyDeadline(*next)) : std::nullopt;
    if (hb::win::WaitSource* source = State().source) {
        Queue().WaitForPostOrInput(generation, deadline, source->Descriptor());
    } else {
        Queue().WaitForPost(generation, deadline);
    }
}

// Returns false for a deadlock, which it has reported.
bool WaitForWork(const MessageFilter& filter, std::uint64_t generation) {
    if (!hb::win::IsManualClock()) {
        WaitOnRealClock(filter, generation);
        return true;
    }
    if (hb::win::ExternalWaitHeld()) {
        // Another thread may post the answer a held wait is for: give it real time first.
        Queue().WaitForPost(generation,
                            std::chrono::steady_clock::now() +
                                std::chrono::milliseconds(hb::win::ExternalWaitLimit()));
        if (Queue().Generation() != generation) {
            return true;
        }
    }
    const auto next = NextDue(filter);
    if (!next) {
        ReportDeadlock("the queue is empty and nothing is scheduled");
        return false;
    }
    if (*next - State().lastTestStep > State().autoAdvanceLimit) {
        ReportDeadlock(LimitExceeded("waiting for a message", *next));
        return false;
    }
    MoveManualClockTo(*next);
    return true;
}

Next NextMessage(MSG& msg, const MessageFilter& filter, const std::function<bool()>& wanted) {
    for (;;) {
        RunDueTasks();
        DispatchInput();
        if (!wanted()) {
            return Next::Stopped;
        }
        std::uint64_t generation = 0;
        if (auto got = Retrieve(filter, true, generation)) {
            msg = *got;
            return msg.message == WM_QUIT ? Next::Quit : Next::Message;
        }
        if (!WaitForWork(filter, generation)) {
            msg = MSG{};
            msg.message = WM_QUIT;
            return Next::Quit;
        }
    }
}

} // namespace

BOOL GetMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax) {
    if (hwnd && !IsWindow(hwnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return -1;
    }
    MSG got;
    const Next next = NextMessage(got, {hwnd, filterMin, filterMax}, [] { return true; });
    if (msg) {
        *msg = got;
    }
    return next == Next::Message;
}

BOOL PeekMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags) {
    RunDueTasks();
    DispatchInput();
    std::uint64_t generation = 0;
    const auto got =
        Retrieve({hwnd, filterMin, filterMax}, (removeFlags & PM_REMOVE) != 0, generation);
    if (!got) {
        return FALSE;
    }
    if (msg) {
        *msg = *got;
    }
    return TRUE;
}

namespace hb::win {

std::optional<int> RunNestedLoop(const std::function<bool()>& keepGoing,
                                 const std::function<bool(const MSG&)>& preTranslate) {
    MSG msg;
    while (keepGoing()) {
        switch (NextMessage(msg, {}, keepGoing)) {
        case Next::Stopped:
            return std::nullopt;
        case Next::Quit: {
            const int code = static_cast<int>(msg.wParam);
            PostQuitMessage(code);
            return code;
        }
        case Next::Message:
            if (!preTranslate || !preTranslate(msg)) {
                TranslateMessage(&msg);
                DispatchMessage(&msg);
            }
            break;
        }
    }
    return std::nullopt;
}

std::size_t PumpUntilIdle() {
    MarkTestStep();
    std::size_t count = 0;
    for (;;) {
        RunDueTasks();
        std::uint64_t generation = 0;
        const auto msg = Retrieve({}, true, generation);
        if (!msg) {
            break;
        }
        if (msg->message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg->wParam));
            break;
        }
        TranslateMessage(&*msg);
        DispatchMessage(&*msg);
        if (++count == kRunawayMessages) {
            ReportFailure("PumpUntilIdle: the queue never runs dry\n" + DescribeState());
            break;
        }
    }
    return count;
}

std::size_t AdvanceAndPump(std::int64_t ms) {
    if (!IsManualClock()) {
        ReportFailure("AdvanceAndPump needs the manual clock");
        return 0;
    }
    const std::int64_t target = NowMs() + ms;
    std::size_t count = PumpUntilIdle();
    // Something still due after a pump is held back by a pending WM_QUIT: stop stepping then.
    for (auto next = NextDue({}); next && *next <= target && *next > NowMs(); next = NextDue({})) {
        MoveManualClockTo(*next);
        count += PumpUntilIdle();
    }
    AdvanceClockRunningTasks(target);
    count += PumpUntilIdle();
    return count;
}

void SetAutoAdvanceLimit(std::int64_t ms) {
    State().autoAdvanceLimit = ms;
}

void SetWaitSource(WaitSource* source) {
    State().source = source;
}

WaitSource* GetWaitSource() {
    return State().source;
}

namespace detail {

void MarkTestStep() {
    State().lastTestStep = NowMs();
    State().sleepReported = false;
}

void NoteSleepUntil(std::int64_t target) {
    auto& state = State();
    if (!state.sleepReported && target - state.lastTestStep > state.autoAdvanceLimit) {
        state.sleepReported = true;
        hb::win::ReportFailure("runaway clock: " + LimitExceeded("Sleep", target) + "\n" +
                               hb::win::DescribeState());
    }
}

void ResetLoop() {
    State() = LoopState{};
}

} // namespace detail
} // namespace hb::win
