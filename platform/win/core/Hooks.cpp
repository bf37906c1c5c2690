#include "platform/win/core/Hooks.h"

#include "platform/win/core/Internal.h"

#include <algorithm>
#include <iostream>

namespace {

struct HookState {
    hb::win::FailureHandler failureHandler;
    bool strict = false;
    bool interactive = false;
    std::vector<UINT> beeps;
    int waitDepth = 0;
    int waitCount = 0;
};

HookState& State() {
    static HookState state;
    return state;
}

} // namespace

BOOL MessageBeep(UINT type) {
    State().beeps.push_back(type);
    return TRUE;
}

namespace hb::win {

void SetFailureHandler(FailureHandler handler) {
    State().failureHandler = std::move(handler);
}

void ReportFailure(const std::string& message) {
    if (State().failureHandler) {
        State().failureHandler(message);
    } else {
        std::cerr << "halbridge: " << message << std::endl;
    }
}

void SetStrictMode(bool strict) {
    State().strict = strict;
}

bool IsStrictMode() {
    return State().strict;
}

void SetInteractive(bool interactive) {
    State().interactive = interactive;
}

bool IsInteractive() {
    return State().interactive;
}

const std::vector<UINT>& Beeps() {
    return State().beeps;
}

void BeginWaitCursor() {
    ++State().waitDepth;
    ++State().waitCount;
}

void EndWaitCursor() {
    if (State().waitDepth == 0) {
        ReportFailure("EndWaitCursor without BeginWaitCursor");
        return;
    }
    --State().waitDepth;
}

int WaitCursorDepth() {
    return State().waitDepth;
}

int WaitCursorCount() {
    return State().waitCount;
}

namespace detail {

void ResetHooks() {
    State() = HookState{};
}

int CopyText(const std::string& text, LPSTR buffer, int size) {
    if (!buffer || size <= 0) {
        return 0;
    }
    const int count = std::min(static_cast<int>(text.size()), size - 1);
    text.copy(buffer, static_cast<std::size_t>(count));
    buffer[count] = '\0';
    return count;
}

} // namespace detail
} // namespace hb::win
