#pragma once

namespace hb::win {

// Back to the start state for the next test: every window left is destroyed with the full destroy
// sequence (so objects attached to windows are released as in the program), then the DCs, the
// drawing objects other than stock objects, the last paints, the queue, timers, tasks, classes
// registered outside the platform, menus, accelerator tables, the keys held, hooks, logs, traces
// and the auto-advance limit are cleared, and
// the clock becomes manual at tick 0x10000, 2026-01-01T00:00:00Z; the screen size and the system
// colours are the classic ones again. Window handles keep counting up:
// none is ever reused.
void ResetForTests();

} // namespace hb::win
