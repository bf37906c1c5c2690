#pragma once
// Work that another thread or process finishes, such as a radio answering across a serial port.
// While one is held, an empty queue on the manual clock first waits in real time for a post, up to
// the limit, before it moves the clock on; so a timer on the manual clock cannot run out the time
// of a reply that is on its way.

#include <cstdint>

namespace hb::win {

class ExternalWait {
public:
    ExternalWait();
    ~ExternalWait();
    ExternalWait(const ExternalWait&) = delete;
    ExternalWait& operator=(const ExternalWait&) = delete;
};

bool ExternalWaitHeld();
// Real milliseconds an empty queue waits for a post while a wait is held (10,000 at the start).
void SetExternalWaitLimit(std::int64_t ms);
std::int64_t ExternalWaitLimit();

} // namespace hb::win
