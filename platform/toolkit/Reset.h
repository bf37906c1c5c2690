#pragma once

namespace hb::toolkit {

// Back to the start state for the next test: no global font, no paint manager and theme 0, and
// no command bars told to fail.
void ResetForTests();

} // namespace hb::toolkit
