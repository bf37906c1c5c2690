#pragma once
#include "platform/afx/CMDIChildWnd.h"

// The MDI child frame of the core library's windows. The main frame may keep such a frame in a
// slot of its own; the frame empties that slot when its window goes, so the slot never points at
// a frame that no longer exists.
class CGenericFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CGenericFrame)

public:
    ~CGenericFrame() override;

    // `slot` holds this frame from now on.
    void SetFrameSlot(CGenericFrame** slot) { m_pSlot = slot; }

protected:
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    void ClearSlot();

    CGenericFrame** m_pSlot = nullptr;
};
