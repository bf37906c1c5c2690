// The step LEDs beside the tuning knob: a press steps once, holding repeats, Shift, Ctrl and Alt
// make the step larger, and the right button steps the other way.
#include "platform/tessary/app/BandSelect.h"
#include "radioview/RadioView.h"
#include "radioview/TuningArithmetic.h"
#include "resources/ResourceIds.h"

namespace {

constexpr COLORREF kPressedColor = 0x8000FF;
constexpr COLORREF kLitColor = 0xFF0000;
constexpr short kLeftButton = 1;

} // namespace

CiLedRectangleX& CRadioView::SpinLed(UINT id) {
    return id == IDC_STEP_DOWN ? m_stepDown : m_stepUp;
}

void CRadioView::StepFromSpin(UINT id) {
    parm& vfo = ActiveVfo();
    std::int64_t step = vfo.get(parm::kStep);
    band found;
    if (m_bandStepSnap && CBandSelect::LocateBand(&vfo, &found) == 1 &&
        found.get(band::kStep) != 0) {
        step = found.get(band::kStep);
    }
    if (m_spinShift & 0x1) {
        step *= 1000;
    } else if (m_spinShift & 0x2) {
        step *= 100;
    } else if (m_spinShift & 0x4) {
        step *= 10;
    }
    const bool lower = (id == IDC_STEP_DOWN) == (m_spinButton == kLeftButton);
    const std::int64_t frequency = vfo.get(parm::kFrequency);
    TuneFrequency(hb::radioview::ClampFrequency(lower ? frequency - step : frequency + step), 0);
    PlaceTuningKnob();
}

void CRadioView::SpinPressed(UINT id, short button, short shift) {
    CiLedRectangleX& led = SpinLed(id);
    m_spinShift = static_cast<std::uint16_t>(shift);
    m_spinButton = static_cast<std::uint16_t>(button);
    EnterManualMode();
    if (!led.GetActive()) {
        led.SetActive(TRUE);
        ::SetCapture(led.m_hWnd);
    }
    led.SetActiveColor(kPressedColor);
    StepFromSpin(id);
    SetTimer(id, kSpinFirstMs);
}

void CRadioView::SpinReleased(UINT id) {
    CiLedRectangleX& led = SpinLed(id);
    ::ReleaseCapture();
    led.SetActive(FALSE);
    led.SetActiveColor(kLitColor);
    KillTimer(id);
}

void CRadioView::SpinMoved(UINT id, long x, long y) {
    CiLedRectangleX& led = SpinLed(id);
    if (!led.GetActive()) {
        led.SetActive(TRUE);
        ::SetCapture(led.m_hWnd);
        return;
    }
    CRect client;
    led.GetClientRect(&client);
    if (!client.PtInRect(CPoint(static_cast<int>(x), static_cast<int>(y)))) {
        SpinReleased(id);
    }
}

void CRadioView::OnStepDownMouseDown(short button, short shift, long, long) {
    SpinPressed(IDC_STEP_DOWN, button, shift);
}

void CRadioView::OnStepDownMouseMove(short, short, long x, long y) {
    SpinMoved(IDC_STEP_DOWN, x, y);
}

void CRadioView::OnStepDownMouseUp(short, short, long, long) {
    SpinReleased(IDC_STEP_DOWN);
}

void CRadioView::OnStepUpMouseDown(short button, short shift, long, long) {
    SpinPressed(IDC_STEP_UP, button, shift);
}

void CRadioView::OnStepUpMouseMove(short, short, long x, long y) {
    SpinMoved(IDC_STEP_UP, x, y);
}

void CRadioView::OnStepUpMouseUp(short, short, long, long) {
    SpinReleased(IDC_STEP_UP);
}
