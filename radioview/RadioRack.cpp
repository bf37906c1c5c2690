#include "radioview/RadioRack.h"

#include "app/HalbridgeApp.h"
#include "platform/afx/CDC.h"
#include "platform/tessary/model/Decoder.h"

IMPLEMENT_DYNAMIC(CRadioRack, CRack)

BEGIN_MESSAGE_MAP(CRadioRack, CRack)
ON_WM_TIMER()
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

BOOL CRadioRack::Create(CWnd* parent, UINT templateId, UINT style) {
    owner = parent;
    if (!CRack::Create(parent, templateId, style, templateId)) {
        return FALSE;
    }
    SetTimer(kTimerId, kTimerMs, nullptr);
    return TRUE;
}

void CRadioRack::OnTimer(UINT_PTR nIDEvent) {
    CControlBar::OnTimer(nIDEvent);
    if (!IsFloating() || !toneReader) {
        return;
    }
    CWnd* frame = GetParent();
    if (frame && frame->GetWindowTextLength() == 0) {
        frame->SetWindowText(toneReader->name());
    }
}

HBRUSH CRadioRack::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    const HBRUSH brush = CRack::OnCtlColor(pDC, pWnd, nCtlColor);
    if (nCtlColor == CTLCOLOR_STATIC) {
        if (const CHalbridgeApp* app = CHalbridgeApp::Get()) {
            pDC->SetTextColor(app->Colors().segmentForeground);
        }
    }
    return brush;
}
