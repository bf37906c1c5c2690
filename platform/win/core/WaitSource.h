#pragma once
// Input that arrives from outside the message queue, such as a display connection. While one is
// set, the message loop turns its input into messages each time it looks at the queue, and on the
// real clock it waits on the source's file descriptor together with the queue and the clock. The
// loop calls the source on the GUI thread only.

namespace hb::win {

class WaitSource {
public:
    virtual ~WaitSource() = default;
    // Turns the input that has arrived into messages, without blocking. The loop may be entered
    // again from inside (a message sent from here may run a nested loop).
    virtual void Dispatch() = 0;
    // The queue is empty and nothing is due: the last work before the loop blocks, such as
    // painting. Returns false when input is waiting already, so that the loop must not block.
    virtual bool PrepareToWait() = 0;
    // Readable when input arrives.
    virtual int Descriptor() const = 0;
};

// Null removes the source. The caller keeps the source alive while it is set.
void SetWaitSource(WaitSource* source);
WaitSource* GetWaitSource();

} // namespace hb::win
