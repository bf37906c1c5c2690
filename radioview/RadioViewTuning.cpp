// The front panel's frequency: how it is shown, and how the active VFO is tuned, kept inside the
// radio's coverage and snapped to the band or step grid.
#include "app/radiowindow/RadioFrame.h"
#include "app/rig/Rig.h"
#include "platform/tessary/app/BandSelect.h"
#include "platform/tessary/audio/AudioLog.h"
#include "platform/tessary/model/Radio.h"
#include "radioview/MiniStatusWnd.h"
#include "radioview/RadioView.h"
#include "radioview/TuningArithmetic.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

using hb::radioview::ClampFrequency;
using hb::radioview::RoundToMultiple;
using hb::radioview::SnapToGrid;

namespace {

constexpr std::uint32_t kMhz = 1'000'000;
// Below this a radio without the HF feature still shows kHz.
constexpr std::uint32_t kHfLimit = 30'000'000;
// The filter a manual channel gets, by its bandwidth.
constexpr std::uint32_t kManualChannelBandwidth = 2800;
constexpr std::int64_t kShortestChangeMs = 2000;
constexpr std::int64_t kLongestChangeMs = 60000;

} // namespace

Radio* CRadioView::TheRadio() const {
    return m_rig ? m_rig->m_radio : nullptr;
}

parm& CRadioView::ActiveVfo() {
    return m_vfo[m_activeVfo % kVfoCount];
}

CString& CRadioView::ActiveInfo() {
    return m_vfoInfo[m_activeVfo % kVfoCount];
}

void CRadioView::FormatFrequency(UINT hz) {
    const Radio* radio = TheRadio();
    const std::uint32_t features = radio ? radio->features() : 0;
    char text[32];
    long decimals = 4;
    bool khz = false;
    if ((features & Radio::kFeatureCoarse) == 0 &&
        ((features & Radio::kFeatureHf) != 0 || hz < kHfLimit)) {
        if (m_mhzDisplay) {
            std::snprintf(text, sizeof text, "%u.%06u", hz / kMhz, hz % kMhz);
            decimals = 6;
        } else {
            std::snprintf(text, sizeof text, "%u.%03u", hz / 1000, hz % 1000);
            decimals = 3;
            khz = true;
        }
    } else {
        std::snprintf(text, sizeof text, "%u.%04u", hz / kMhz, hz % kMhz / 100);
    }
    if (m_frequencyDisplay.m_hWnd) {
        m_frequencyDisplay.SetPrecision(decimals);
        m_frequencyDisplay.SetValue(std::strtod(text, nullptr));
    }
    if (m_khzLamp.m_hWnd) {
        m_khzLamp.SetActive(khz);
    }
    if (m_mhzLamp.m_hWnd) {
        m_mhzLamp.SetActive(!khz);
    }
}

void CRadioView::UpdateFrequencyDisplay(UINT hz) {
    if (m_hold) {
        return;
    }
    FormatFrequency(hz);
    if (m_frame && !m_frame->Closing()) {
        if (auto* mini = DYNAMIC_DOWNCAST(CMiniStatusWnd, m_frame->m_miniStatus)) {
            mini->ForwardToPanel(hz);
        }
    }
}

UINT CRadioView::SnapToRadioBand(UINT hz) {
    const Radio* radio = TheRadio();
    if (!radio || radio->coverage().empty()) {
        return hz;
    }
    const auto rows = radio->coverage();
    for (const auto& row : rows) {
        if (hz >= row.lower && hz <= row.upper) {
            return hz;
        }
    }
    if (hz < rows.front().lower) {
        return rows.front().lower;
    }
    if (hz >= rows.back().upper) {
        return ClampFrequency(std::int64_t{rows.back().upper} - rows.back().step);
    }
    const auto next = std::ranges::find_if(rows, [hz](const auto& row) { return hz < row.lower; });
    if (next == rows.begin() || next == rows.end()) {
        return rows.front().lower;
    }
    const auto& below = *(next - 1);
    const std::int64_t middle = (std::int64_t{below.upper} + next->lower) / 2;
    return hz < middle ? next->lower : below.upper;
}

void CRadioView::SnapActiveToStep() {
    parm& vfo = ActiveVfo();
    const std::uint32_t step = vfo.get(parm::kStep);
    if (m_tuningStepSnap && step != 0) {
        vfo.set(parm::kFrequency, ClampFrequency(RoundToMultiple(vfo.get(parm::kFrequency), step)));
    }
}

void CRadioView::SnapActiveToBand(const band& found) {
    parm& vfo = ActiveVfo();
    const std::uint32_t step = found.get(band::kStep);
    if (m_bandStepSnap && step != 0) {
        vfo.set(parm::kFrequency,
                SnapToGrid(vfo.get(parm::kFrequency), found.get(band::kBase), step));
    }
}

void CRadioView::TuneFrequency(UINT hz, int notify) {
    if (!m_rig) {
        return;
    }
    EnterManualMode();
    const Radio* radio = TheRadio();
    parm& vfo = ActiveVfo();
    const auto inCoverage = [radio](std::uint32_t f) {
        return !radio || radio->CheckCoverage(f) == 0;
    };
    vfo.set(parm::kFrequency, inCoverage(hz) ? hz : SnapToRadioBand(hz));
    if (m_followButton.m_hWnd && m_followButton.GetChecked()) {
        SnapToBandGrid();
    } else {
        SnapActiveToStep();
        band found;
        if (CBandSelect::LocateBand(&vfo, &found) == 1) {
            SnapActiveToBand(found);
        }
    }
    std::uint32_t frequency = vfo.get(parm::kFrequency);
    if (!inCoverage(frequency)) {
        frequency = SnapToRadioBand(frequency);
        vfo.set(parm::kFrequency, frequency);
    }
    if (notify == 1) {
        if (CAudioLog* log = m_rig->GetAudioLog()) {
            log->AnticipateNewChannel(frequency);
        }
    }
    UpdateFrequencyDisplay(frequency);
    AppendDtmf(nullptr);
    SetTuningStep(frequency);
    OnFrequencyChanged();
}

void CRadioView::SnapToBandGrid() {
    parm& vfo = ActiveVfo();
    band found;
    if (CBandSelect::LocateBand(&vfo, &found) != 1) {
        return;
    }
    if (found == m_bandCache) {
        SnapActiveToBand(found);
        SnapActiveToStep();
        return;
    }
    m_bandCache = found;
    const Radio* radio = TheRadio();
    if (radio) {
        for (const std::uint8_t mode :
             {found.get(band::kFirstMode), found.get(band::kSecondMode)}) {
            if (radio->SupportsMode(mode)) {
                vfo.set(parm::kMode, mode);
                break;
            }
        }
    }
    ActiveInfo() = CBandSelect::BandName(found);
    vfo.setText(parm::kName, static_cast<LPCSTR>(ActiveInfo()));
    if (radio) {
        radio->AdjustForNewBand(vfo);
    }
    SnapActiveToBand(found);
    SnapActiveToStep();
    ShowStep(vfo.get(parm::kStep));
    SetTuningStep(vfo.get(parm::kFrequency));
    UpdateControlsFromParm(&vfo, &ActiveInfo());
}

void CRadioView::LoadParmIntoActiveVfo(parm* rec, int notify) {
    if (!rec) {
        return;
    }
    EnterManualMode();
    // The record may be another window's (a scan list's channel): only a copy is fitted.
    parm copy = *rec;
    if (const Radio* radio = TheRadio()) {
        radio->CheckRecord(copy);
    }
    if (copy.get(parm::kStep) != ActiveVfo().get(parm::kStep)) {
        ShowStep(copy.get(parm::kStep));
    }
    ActiveVfo() = copy;
    ActiveInfo().Format("%-16.16s", copy.text(parm::kName).c_str());
    TuneFrequency(copy.get(parm::kFrequency), notify);
    UpdateControlsFromParm(&ActiveVfo(), &ActiveInfo());
}

void CRadioView::SetManualChannel(UINT hz, BYTE mode) {
    if (!m_rig) {
        return;
    }
    EnterManualMode();
    m_activeVfo = 0;
    parm& vfo = m_vfo[0];
    vfo.set(parm::kMode, mode);
    const Radio* radio = TheRadio();
    vfo.set(parm::kFrequency, !radio || radio->CheckCoverage(hz) == 0 ? hz : SnapToRadioBand(hz));
    if (radio && radio->filterCount() != 0) {
        const std::uint8_t code = radio->FilterCode(kManualChannelBandwidth);
        vfo.set(parm::kFilter, code);
        vfo.set(parm::kBandwidth, radio->FilterBandwidth(code));
    }
    m_vfoInfo[0] = "ALE";
    vfo.setText(parm::kName, "ALE");
    UpdateControlsFromParm(&vfo, &m_vfoInfo[0]);
    AppendDtmf(nullptr);
    OnFrequencyChanged();
}

void CRadioView::TuneBySteps(int n) {
    if (!m_manualMode) {
        return;
    }
    parm& vfo = ActiveVfo();
    if (vfo.get(parm::kStep) == 0) {
        vfo.set(parm::kStep, 5000);
    }
    const std::int64_t frequency = vfo.get(parm::kFrequency);
    const std::int64_t step = vfo.get(parm::kStep);
    band found;
    std::uint32_t tuned = 0;
    if (m_bandStepSnap && CBandSelect::LocateBand(&vfo, &found) == 1 &&
        found.get(band::kStep) != 0) {
        const std::uint32_t bandStep = found.get(band::kStep);
        tuned =
            SnapToGrid(frequency + n * std::int64_t{bandStep}, found.get(band::kBase), bandStep);
    } else if (m_tuningStepSnap) {
        tuned =
            ClampFrequency(RoundToMultiple(frequency + n * step, static_cast<std::uint32_t>(step)));
    } else {
        tuned = ClampFrequency(frequency + n);
    }
    TuneFrequency(tuned, 0);
}

void CRadioView::OnFrequencyChanged() {
    const std::int64_t delay =
        m_rig ? m_rig->m_device_status.get(hb::records::DeviceStatus::kDelay) : 0;
    if (m_hWnd) {
        SetTimer(kFrequencyTimer,
                 static_cast<UINT>(
                     std::clamp(delay + kShortestChangeMs, kShortestChangeMs, kLongestChangeMs)));
    }
    m_frequencyChanged = kOn;
    if (m_tuningKnob.m_hWnd) {
        m_tuningKnob.SetPosition(m_tuningKnob.GetPosition());
    }
}

LRESULT CRadioView::OnTuneDigitStep(WPARAM wParam, LPARAM lParam) {
    EnterManualMode();
    const auto amount = static_cast<std::uint32_t>(wParam);
    const bool truncate = (lParam & 0xFF) != 0;
    const bool downward = ((lParam >> 8) & 0xFF) != 0;
    std::int64_t frequency = ActiveVfo().get(parm::kFrequency);
    if (downward) {
        if (frequency > amount) {
            frequency -= amount;
        }
    } else {
        frequency += amount;
    }
    std::uint32_t tuned = ClampFrequency(frequency);
    if (truncate && amount != 0 && tuned / amount != 0) {
        tuned -= tuned % amount;
    }
    TuneFrequency(tuned, 0);
    PlaceTuningKnob();
    return 0;
}
