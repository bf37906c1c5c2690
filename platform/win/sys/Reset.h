#pragma once

namespace hb::win::sys {

// Returns files, modules and shell to their start state for the next test: frees every loaded
// module, drops the program path override and the fake modules, and installs an empty recording
// launcher, and empties the clipboard.
void ResetForTests();

} // namespace hb::win::sys
