#pragma once
// The tone panel of a radio window whose tone reader decodes tones itself: a bar along the
// window, made from a panel template. It is a plain child window so far and shows nothing.

#include "platform/afx/CWnd.h"
#include "platform/records/DtmfRecord.h"

class Decoder;

class CChannelRack : public CWnd {
public:
    // The window takes the template id as its child id. The control-bar bits of the style are
    // the bar's, not the window's.
    virtual BOOL Create(CWnd* parent, UINT templateId, UINT style);
    // Sets the panel's look after creation.
    virtual void RefreshAppearance();
    // The engine's and the device's status of each refresh, and the DTMF digits decoded: the
    // panel shows neither yet.
    virtual void UpdateStatus(const BYTE* /*engineStatus*/, const BYTE* /*deviceStatus*/) {}
    virtual void AppendDecodedText(const DtmfRecord* /*rec*/) {}

    // The rig's tone reader, set before Create.
    Decoder* toneReader = nullptr;
    // The window holding the panel, set by Create.
    CWnd* owner = nullptr;
};
