#pragma once

namespace hb::toolkit {

// Back to the start state for the next test: no global font, no paint manager and theme 0, no
// command bars told to fail and no folder chooser hook.
void ResetForTests();

} // namespace hb::toolkit
