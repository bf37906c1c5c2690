#pragma once
// The mini status window of a radio window: a small window over every other that repeats the
// radio's frequency, signal, scan state, ID and VFO lamps in its panel and lets the user start
// and stop the radio, lock out, pick a VFO and set the volume without the radio window. Its
// place is kept per radio; it deletes itself when its window goes.

#include "platform/afx/CMiniFrameWnd.h"
#include "radioview/MiniStatusRack.h"

class CRadioFrame;

class CMiniStatusWnd : public CMiniFrameWnd {
    DECLARE_DYNAMIC(CMiniStatusWnd)

public:
    // Makes and shows the window at its saved place, sized to its panel.
    CMiniStatusWnd(CRadioFrame* radioFrame, CString radioName);

    // A frequency the front panel shows.
    void ForwardToPanel(UINT hz) { panel.ShowFrequency(hz); }
    // The caption names the rig; the panel shows the status.
    void SetStatus(CString text, const BYTE* engineStatus, BYTE* deviceStatus, CRig* rig,
                   BYTE audioState);
    // The front panel's status line as it last sent it.
    const CString& StatusLine() const { return m_statusLine; }
    // The panel's template for the radio: trunk trackers, HF radios and the rest.
    static UINT TemplateFor(const CRig* rig);

    CRadioFrame* frame;
    CMiniStatusRack panel;
    CString section;

    static constexpr int kDefaultLeft = 100;
    static constexpr int kDefaultTop = 100;

    DECLARE_MESSAGE_MAP()

protected:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    void OnDestroy();
    void OnSysCommand(UINT nID, LPARAM lParam);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnRadioCommand(UINT id);

private:
    void ActivateRadioWindow();

    CString m_statusLine;
};
