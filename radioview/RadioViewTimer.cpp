// The front panel's timers. The step repeat and the end of a frequency change are the panel's
// own and run whether or not the radio runs for this window.
#include "app/HalbridgeApp.h"
#include "radioview/RadioView.h"
#include "resources/ResourceIds.h"

namespace {

// The colour-table entries of the knob's indicator, with and without a visual style.
constexpr int kStyledIndicatorEntry = 12;
constexpr int kPlainIndicatorEntry = 19;

COLORREF IndicatorColor() {
    const auto* app = dynamic_cast<CHalbridgeApp*>(CScanApp::GetScanApp());
    if (!app) {
        return CScanApp::GetScanApp()->Color(kPlainIndicatorEntry);
    }
    return app->Color(app->m_visualStyle != 0 ? kStyledIndicatorEntry : kPlainIndicatorEntry);
}

} // namespace

void CRadioView::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == IDC_STEP_DOWN || nIDEvent == IDC_STEP_UP) {
        const auto id = static_cast<UINT>(nIDEvent);
        StepFromSpin(id);
        if (id == IDC_STEP_UP) {
            TuneFrequency(ActiveVfo().get(parm::kFrequency), 0);
        }
        SetTimer(id, kSpinRepeatMs);
        return;
    }
    if (nIDEvent == kFrequencyTimer) {
        KillTimer(kFrequencyTimer);
        m_frequencyChanged = 0;
        m_recalled = 0;
        if (m_tuningKnob.m_hWnd) {
            m_tuningKnob.SetIndicatorColor(IndicatorColor());
        }
    }
    CEnhancedFormView::OnTimer(nIDEvent);
}
