#pragma once
// The base of the radio window's tone panels: a rack that knows the rig's tone reader and the
// window holding it. Floating, its frame takes the reader's name as caption.

#include "radioview/Rack.h"

class Decoder;

class CRadioRack : public CRack {
    DECLARE_DYNAMIC(CRadioRack)

public:
    // The rack on the template with the template id as its bar id; timer 1 every 100 ms.
    virtual BOOL Create(CWnd* parent, UINT templateId, UINT style);
    virtual void RefreshAppearance() {}
    // The engine status and the device status of the front panel's status refresh.
    virtual void UpdateStatus(const BYTE* /*engineStatus*/, const BYTE* /*deviceStatus*/) {}
    // A DTMF record the front panel drained.
    virtual void AppendDecodedText(const BYTE* /*record*/) {}

    // The rig's tone reader, set before Create.
    Decoder* toneReader = nullptr;
    // The window holding the rack, set by Create.
    CWnd* owner = nullptr;

    static constexpr UINT_PTR kTimerId = 1;
    static constexpr UINT kTimerMs = 100;

    DECLARE_MESSAGE_MAP()

protected:
    void OnTimer(UINT_PTR nIDEvent);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
};
