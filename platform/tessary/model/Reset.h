#pragma once

namespace hb::tessary {

// Back to the start state for the next test: the handle table forgets every object (handles keep
// counting up), and the program resolver, the tailoring hook, the radio factory and the ID display
// styles are cleared.
void ResetForTests();

} // namespace hb::tessary
