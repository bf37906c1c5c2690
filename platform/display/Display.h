#pragma once
// The choice at start: with a display the program shows its windows on it; without one it runs
// headless, its message boxes answered by their default button.

#include <string>

namespace hb::display {

// Connects to the display named by DISPLAY (or `name`, when given) and from then on shows every
// visible top-level window there, turns the user's input into messages, and answers message boxes
// through real ones. Returns false, changing nothing, when there is no display to connect to.
bool StartIfAvailable(const std::string& name = {});
// Closes the windows on the display and goes back to headless.
void Stop();
bool IsShowing();

} // namespace hb::display
