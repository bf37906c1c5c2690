// The analyzer's receiver settings: the filter, mode and option selectors and the three knobs,
// filled from the radio, and their events; the four-way switch's pan and zoom.
#include "app/rig/Rig.h"
#include "platform/tessary/app/SweepDoc.h"
#include "platform/tessary/model/Format.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/core/Hooks.h"
#include "resources/AnalyzerIds.h"
#include "spectrum/ModeTables.h"
#include "spectrum/RFAnalyzerView.h"

#include <algorithm>
#include <cmath>

namespace {

using hb::records::Parm;

// Halves round up.
double Rounded(double value) {
    return std::floor(value + 0.5);
}

} // namespace

void CRFAnalyzerView::SelectByText(CiModeComboBoxX& selector, std::string_view name) {
    if (name.empty()) {
        return;
    }
    for (int i = 0; i < selector.GetItemCount(); ++i) {
        if (std::string_view(selector.GetItemText(i)) == name) {
            selector.SetItemIndex(i);
            return;
        }
    }
}

void CRFAnalyzerView::FillFilters() {
    std::vector<std::string> widths;
    for (const auto& entry : m_rig->m_radio->sweepValues().bandwidths) {
        widths.push_back(format_bandwidth(entry.bandwidth));
    }
    FillSelector(m_filter, 0, widths);
}

void CRFAnalyzerView::FillModes() {
    FillSelector(m_modeSelector, IDC_ANALYZER_MODE_CAPTION, m_rig->m_radio->sweepValues().modes);
}

void CRFAnalyzerView::FillLists() {
    const auto& values = m_rig->m_radio->sweepValues();
    FillSelector(m_lists[0], IDC_ANALYZER_LIST_A_CAPTION, values.listA);
    FillSelector(m_lists[1], IDC_ANALYZER_LIST_B_CAPTION, values.listB);
    FillSelector(m_lists[2], IDC_ANALYZER_LIST_C_CAPTION, values.listC);
}

void CRFAnalyzerView::OnRadioReopened() {
    FillModes();
    FillFilters();
    UpdateControlsFromSettings();
}

void CRFAnalyzerView::SendSettings() {
    m_rig->VfoFastWrite(&Settings());
}

void CRFAnalyzerView::OnFilterChosen() {
    const auto& table = m_rig->m_radio->sweepValues().bandwidths;
    const int chosen = m_filter.GetItemIndex();
    if (chosen < 0 || static_cast<std::size_t>(chosen) >= table.size()) {
        return;
    }
    const auto& entry = table[static_cast<std::size_t>(chosen)];
    Parm& settings = Settings();
    settings.set(Parm::kFilter, entry.filter);
    settings.set(Parm::kBandwidth, entry.bandwidth);
    if (IsPaused()) {
        SendSettings();
    } else {
        settings.set(Parm::kMode, entry.mode);
        RestartCycle();
    }
    GetSweepDoc()->SetModifiedFlag(TRUE);
}

// A mode is tried on the radio while the sweep rests; the sweep itself keeps the mode it was
// prepared with.
void CRFAnalyzerView::OnModeChosen() {
    if (!IsPaused()) {
        MessageBeep(MB_ICONASTERISK);
        return;
    }
    const int chosen = m_modeSelector.GetItemIndex();
    if (chosen < 0) {
        return;
    }
    const int code =
        hb::spectrum::ModeCodeOfName(static_cast<const char*>(m_modeSelector.GetItemText(chosen)));
    if (code < 0) {
        return;
    }
    Settings().set(Parm::kMode, static_cast<std::uint8_t>(code));
    SendSettings();
    GetSweepDoc()->SetModifiedFlag(TRUE);
}

void CRFAnalyzerView::ListChosen(std::size_t list) {
    const int chosen = m_lists[list].GetItemIndex();
    if (chosen < 0) {
        return;
    }
    const auto value = static_cast<std::uint8_t>(chosen);
    Parm& settings = Settings();
    switch (list) {
    case 0:
        settings.set(Parm::kSwitch96, value);
        break;
    case 1:
        settings.set(Parm::kVoiceInversionOn, value);
        break;
    default:
        settings.set(Parm::kSwitch92, value);
        break;
    }
    if (IsPaused()) {
        SendSettings();
    } else {
        RestartCycle();
    }
    GetSweepDoc()->SetModifiedFlag(TRUE);
}

void CRFAnalyzerView::OnListAChosen() {
    ListChosen(0);
}

void CRFAnalyzerView::OnListBChosen() {
    ListChosen(1);
}

void CRFAnalyzerView::OnListCChosen() {
    ListChosen(2);
}

void CRFAnalyzerView::ApplyVolume() {
    const double position = std::clamp(m_volumeKnob.GetPosition(), 0.0, 255.0);
    Settings().set(Parm::kVolume, static_cast<std::uint8_t>(position));
}

void CRFAnalyzerView::ApplySquelch() {
    Settings().set(Parm::kSquelch,
                   m_rig->m_radio->SquelchToDevice(Rounded(m_squelchKnob.GetPosition())));
}

void CRFAnalyzerView::ApplyGain() {
    const auto& third = m_rig->m_radio->sweepValues().third;
    const double base = third.min;
    const double value =
        (base + Rounded(m_gainKnob.GetPosition() - base)) * third.scale + third.offset;
    Settings().set(Parm::kGain, static_cast<std::uint8_t>(std::clamp(value, 0.0, 255.0)));
}

void CRFAnalyzerView::OnVolumeMoving() {
    if (!IsPaused()) {
        return;
    }
    ApplyVolume();
    SendSettings();
}

void CRFAnalyzerView::OnVolumeReset() {
    m_volumeKnob.SetPosition(m_rig->m_radio->sweepValues().volume.def);
    OnVolumeReleased(0, 0, 0, 0);
}

void CRFAnalyzerView::OnVolumeReleased(short, short, long, long) {
    GetSweepDoc()->SetModifiedFlag(TRUE);
    ApplyVolume();
    if (IsPaused()) {
        SendSettings();
    }
}

void CRFAnalyzerView::OnSquelchMoving() {
    if (!IsPaused()) {
        return;
    }
    ApplySquelch();
    const std::uint32_t squelch = Settings().get(Parm::kSquelch);
    m_rig->SetSquelch(&squelch);
    SendSettings();
}

void CRFAnalyzerView::OnSquelchReset() {
    m_squelchKnob.SetPosition(m_rig->m_radio->sweepValues().squelch.def);
    OnSquelchReleased(0, 0, 0, 0);
}

void CRFAnalyzerView::OnSquelchReleased(short, short, long, long) {
    GetSweepDoc()->SetModifiedFlag(TRUE);
    ApplySquelch();
    if (IsPaused()) {
        SendSettings();
    }
}

void CRFAnalyzerView::OnGainMoving() {
    if (IsPaused()) {
        ApplyGain();
    }
}

void CRFAnalyzerView::OnGainReset() {
    m_gainKnob.SetPosition(m_rig->m_radio->sweepValues().third.def);
    OnGainReleased(0, 0, 0, 0);
}

void CRFAnalyzerView::OnGainReleased(short, short, long, long) {
    GetSweepDoc()->SetModifiedFlag(TRUE);
    ApplyGain();
    if (IsPaused()) {
        SendSettings();
    } else {
        RestartCycle();
    }
}

bool CRFAnalyzerView::ApplyTuningKnobs() {
    const bool volume = m_volumeKnob.GetSafeHwnd() != HWND{};
    const bool squelch = m_squelchKnob.GetSafeHwnd() != HWND{};
    if (volume) {
        ApplyVolume();
        SendSettings();
    }
    if (squelch) {
        ApplySquelch();
        SendSettings();
    }
    if (volume || squelch) {
        GetSweepDoc()->SetModifiedFlag(TRUE);
    }
    return volume || squelch;
}

void CRFAnalyzerView::OnPanLeft() {
    OnPanZoom(kPanLeft);
}

void CRFAnalyzerView::OnZoomIn() {
    OnPanZoom(kZoomIn);
}

void CRFAnalyzerView::OnPanRight() {
    OnPanZoom(kPanRight);
}

void CRFAnalyzerView::OnZoomOut() {
    OnPanZoom(kZoomOut);
}
