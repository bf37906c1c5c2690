#pragma once

namespace hb::tessary {

// Back to the start state for the next test: no error messages, stub calls or audio calls
// recorded, no font or colour chooser, the master mute off and the mixer without mappings.
void ResetAppForTests();

} // namespace hb::tessary
