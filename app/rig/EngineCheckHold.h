#pragma once
// Holds a radio window's engine check off while its scan list is taken apart. On every way out
// the hold is lifted and its time stamped; a hold made to arm the check also sets the check's
// mark, so that the next start recompiles from the list as it is then.
#include "app/rig/DeviceFrame.h"
#include "platform/win/core/Clock.h"

class EngineCheckHold {
public:
    EngineCheckHold(CDeviceFrame& frame, bool armOnExit) : m_frame(frame), m_arm(armOnExit) {
        m_frame.m_state[0] = 0xFF;
    }
    ~EngineCheckHold() {
        m_frame.m_state[0] = 0;
        m_frame.m_check_time = GetTickCount();
        if (m_arm) {
            m_frame.m_check_mark = CDeviceFrame::kCheckPending;
        }
    }
    EngineCheckHold(const EngineCheckHold&) = delete;
    EngineCheckHold& operator=(const EngineCheckHold&) = delete;

private:
    CDeviceFrame& m_frame;
    bool m_arm;
};
