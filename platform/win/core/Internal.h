#pragma once
// What the core files share with each other; not part of the public surface.
#include "platform/win/WinTypes.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace hb::win::detail {

// Clock
void MoveManualClockTo(std::int64_t ms); // never moves backwards
std::chrono::steady_clock::time_point SteadyDeadline(std::int64_t ms);
void ResetClock();

// Background tasks
void RunDueTasks();
void AdvanceClockRunningTasks(std::int64_t target);

// Message loop
void MarkTestStep();
void NoteSleepUntil(std::int64_t target);
void ResetLoop();
void ResetExternalWaitLimit();

// Window classes
struct ClassEntry {
    std::string name;
    WNDPROC proc = nullptr;
    UINT style = 0;
    bool builtin = false;
};
const ClassEntry* FindClass(LPCSTR name);
void ResetClasses();

// Windows
LRESULT Deliver(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool posted);
void ApplyRect(HWND hwnd, const RECT& rect, WPARAM sizeType, bool forceSize);
// The tree that holds `hwnd` is laid out anew: its picture on the display is out of date.
void NoteRearranged(HWND hwnd);
void DestroyAllWindows();
void RecordTrace(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool posted);
void ResetTrace();

// Hooks
void ResetHooks();
void ResetKeyboard();
void ResetBoxes();

// Copies `text` into a caller's buffer of `size` bytes, cutting it to size - 1 characters and
// terminating it; returns the number of characters copied.
int CopyText(const std::string& text, LPSTR buffer, int size);

} // namespace hb::win::detail
