#pragma once

namespace hb::win {

// How many modal dialogs and message boxes are running their loops now, one inside the other.
// Timers still fire inside those loops, so a window that moves the focus on a timer asks first.
int ModalDepth();

// Counts one modal loop for as long as it lives.
class ModalScope {
public:
    ModalScope();
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
};

} // namespace hb::win
