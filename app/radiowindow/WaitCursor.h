#pragma once
// The wait cursor for as long as the object lives.
#include "platform/win/core/Hooks.h"

class WaitCursor {
public:
    WaitCursor() { hb::win::BeginWaitCursor(); }
    ~WaitCursor() { hb::win::EndWaitCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
