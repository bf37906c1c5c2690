#pragma once
#include "platform/win/WinTypes.h"

#include <functional>
#include <string>
#include <vector>

// Logged, not sounded: there is no speaker to drive.
BOOL MessageBeep(UINT type);

namespace hb::win {

// Where the platform reports a fault in the program's use of it (a deadlocked message loop, an
// unexpected message box in a test, ...). The default prints to stderr; tests turn it into a test
// failure. An empty handler restores the default.
using FailureHandler = std::function<void(const std::string&)>;
void SetFailureHandler(FailureHandler handler);
void ReportFailure(const std::string& message);

// In strict mode every user-visible side effect must have been scripted by the test.
void SetStrictMode(bool strict);
bool IsStrictMode();

// Whether a person sees the program's windows and answers its dialogs: set while a display shows
// them. Without one, modal dialogs are answered with their default button, like message boxes.
void SetInteractive(bool interactive);
bool IsInteractive();

// Every MessageBeep type, in order.
const std::vector<UINT>& Beeps();

// The wait cursor is only counted: depth of the nesting now, and how many times it was begun.
void BeginWaitCursor();
void EndWaitCursor();
int WaitCursorDepth();
int WaitCursorCount();

} // namespace hb::win
