#pragma once
// The mini status window of a radio window, in its least form: it keeps what the front panel
// forwards and mirrors to it (frequencies, the status line) so that what the panel mirrors can be
// seen. Its volume knob exists once a window is made for it.
#include "platform/afx/CWnd.h"
#include "platform/instruments/CiKnobX.h"

#include <vector>

class CRig;

class CMiniStatusWnd : public CWnd {
    DECLARE_DYNAMIC(CMiniStatusWnd)

public:
    void ForwardToPanel(UINT hz) { m_forwarded.push_back(hz); }
    // Every frequency forwarded, oldest first.
    const std::vector<UINT>& Forwarded() const { return m_forwarded; }
    // The panel's status line with the records it was made from; the line is kept.
    void SetStatus(const CString& line, const BYTE* engineStatus, const BYTE* deviceStatus,
                   CRig* rig, BYTE audioState);
    const CString& StatusLine() const { return m_statusLine; }

    // The logger's volume as the panel last reported it.
    CiKnobX m_volumeKnob;

private:
    std::vector<UINT> m_forwarded;
    CString m_statusLine;
};
