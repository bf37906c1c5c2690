#pragma once
// What a command's update handler makes of it, asked the way the idle pass asks.
#include "platform/afx/CCmdTarget.h"
#include "platform/afx/CCmdUI.h"

namespace hb::app::test {

class CStateCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn) override { enabled = bOn != FALSE; }
    void SetCheck(int nCheck) override { checked = nCheck != 0; }

    bool enabled = true;
    bool checked = false;
};

inline CStateCmdUI CommandState(CCmdTarget& target, UINT id) {
    CStateCmdUI state;
    state.m_nID = id;
    state.DoUpdate(&target, FALSE);
    return state;
}

} // namespace hb::app::test
