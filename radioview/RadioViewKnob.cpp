// The tuning knob: its scale over the radio's coverage, and tuning by turning it.
#include "app/rig/Rig.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Radio.h"
#include "radioview/RadioView.h"
#include "radioview/TuningArithmetic.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kMhz = 1'000'000;
constexpr std::uint32_t kFineLimit = 30'000'000;
constexpr std::uint32_t kFineUnit = 3'000;
constexpr std::uint32_t kCoarseUnit = 10'000;
constexpr std::uint32_t kFineStep = 1;
constexpr std::uint32_t kCoarseStep = 1000;
// The most turns a knob can make before its travel in degrees leaves a 32-bit int.
constexpr std::int64_t kMostTurns = 5'965'232;
constexpr double kDegreesPerTurn = 360;

} // namespace

void CRadioView::PlaceTuningKnob() {
    if (m_tuningKnob.m_hWnd) {
        m_tuningKnob.SetPosition(
            static_cast<double>(std::int64_t{ActiveVfo().get(parm::kFrequency)} - m_knobOrigin));
    }
}

void CRadioView::CentreTuningKnob(UINT hz) {
    if (m_manualMode && m_tuningKnob.m_hWnd) {
        m_tuningKnob.SetPosition(static_cast<double>(std::int64_t{hz} - m_knobOrigin));
    }
}

void CRadioView::SetTuningStep(UINT hz) {
    const Radio* radio = TheRadio();
    if (!radio || radio->coverage().empty()) {
        return;
    }
    const bool fine = (radio->features() & Radio::kFeatureHf) != 0 || hz <= kFineLimit;
    const bool coarse = (radio->features() & Radio::kFeatureCoarse) != 0 || !fine;
    const std::uint32_t unit = coarse ? kCoarseUnit : kFineUnit;
    const auto rows = radio->coverage();
    const std::uint32_t origin = rows.front().lower / unit * unit;
    if (unit == m_knobUnit && origin == m_knobOrigin) {
        return;
    }
    m_knobUnit = unit;
    m_knobOrigin = origin;
    std::int64_t span = std::int64_t{rows.back().upper} - origin;
    if (span % kMhz != 0) {
        // One Hz past the last whole MHz, so the top of the range stays reachable.
        span = span / kMhz * kMhz + 1;
    }
    if (m_tuningKnob.m_hWnd) {
        m_tuningKnob.SetPositionMin(0);
        m_tuningKnob.SetPositionMax(static_cast<double>(span));
        m_tuningKnob.SetRotationDegrees(static_cast<double>(std::min(span / unit, kMostTurns)) *
                                        kDegreesPerTurn);
        m_tuningKnob.SetIncrement(rows.front().step);
    }
    CentreTuningKnob(hz);
    SaveStep(coarse ? kCoarseStep : kFineStep);
}

void CRadioView::OnTuningKnobPosition() {
    if (m_tuningKnob.m_hWnd) {
        TuneFrequency(hb::radioview::ClampFrequency(
                          m_knobOrigin + static_cast<std::int64_t>(m_tuningKnob.GetPosition())),
                      0);
    }
}

void CRadioView::OnTuningKnobTouched() {
    OnFrequencyChanged();
}

void CRadioView::OnTuningKnobMouse(short, short, long, long) {
    OnFrequencyChanged();
}
