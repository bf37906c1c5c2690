#pragma once
#include "platform/win/WinTypes.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// Waiting for messages. On the real clock an empty queue waits for a post or the next due timer or
// task. On the manual clock nothing ever blocks: an empty queue moves the clock to the next due
// timer or task; with nothing scheduled at all, or once the clock has run further than the
// auto-advance limit past the test's last step, the loop reports a deadlock through the failure
// handler (with a dump of the windows, timers and tasks) and then acts as if WM_QUIT(0) had come,
// so that every loop unwinds.

namespace hb::win {

// The one message pump for every nested loop (modal dialogs, waits for a reply): runs background
// tasks and dispatches posted messages and timers of all windows until `keepGoing` says stop.
// `preTranslate`, when given, sees each message first and returns true to consume it. Returns the
// exit code when the loop ended on WM_QUIT, which it posts again for the loops outside it.
std::optional<int> RunNestedLoop(const std::function<bool()>& keepGoing,
                                 const std::function<bool(const MSG&)>& preTranslate = {});

// Test helpers (manual clock). Both return how many messages they dispatched and stop early at a
// pending WM_QUIT, which they leave in the queue.
// Dispatches everything due now, without moving the clock.
std::size_t PumpUntilIdle();
// Moves the clock `ms` forward in steps to each due timer and task, pumping at every step.
std::size_t AdvanceAndPump(std::int64_t ms);

// How far the message loop may move the manual clock on its own past the test's last step.
void SetAutoAdvanceLimit(std::int64_t ms);

// Windows, timers, tasks and the queue, one per line.
std::string DescribeState();

} // namespace hb::win
