// Manual mode and the VFOs: taking the radio over from scanning, the V buttons, and the periodic
// commit that sends an edited VFO record to the radio.
#include "app/radiowindow/RadioFrame.h"
#include "app/rig/Rig.h"
#include "platform/tessary/model/Radio.h"
#include "radioview/ManualModeCommand.h"
#include "radioview/PanelCommands.h"
#include "radioview/RadioView.h"
#include "resources/ResourceIds.h"

namespace {

constexpr BYTE kBrowse = 1;
// Fast-write answers the commit treats apart.
constexpr std::uint16_t kStatusBusy = 0x8400;
constexpr std::uint16_t kStatusNotSupported = 0x8B00;
constexpr std::uint16_t kStatusFailed = 0x8000;

} // namespace

void CRadioView::EnterManualMode() {
    if (!m_rig || m_rig->AttachView(IDR_RADIO, m_frame) != 0 || m_manualMode) {
        return;
    }
    if (m_frame) {
        m_frame->OnRadioStop();
    }
    m_manualMode = kOn;
    const EngineCommandRecord command = ManualModeCommand(m_working);
    m_rig->EngineCommand(&command);
    m_activeVfo = 0;
    const std::uint32_t step = m_vfo[0].get(parm::kStep);
    m_vfo[0] = m_working;
    m_vfo[0].set(parm::kStep, step);
    if (m_followButton.m_hWnd && m_followButton.GetChecked()) {
        SnapToBandGrid();
    }
    FocusKeypad();
}

void CRadioView::SelectVfo(BYTE n, BOOL on) {
    if (n == 0 || n >= kVfoCount) {
        return;
    }
    if (!on) {
        if (m_frame && m_frame->ViewType() != kBrowse && n == m_activeVfo &&
            m_enteredFromScanning[n] == kOn) {
            m_frame->OnRadioStart();
        }
        m_enteredFromScanning[n] = 0;
        m_activeVfo = 0;
        return;
    }
    // Written on every press, so that a VFO chosen while tuning by hand never resumes scanning.
    m_enteredFromScanning[n] = m_manualMode ? 0 : kOn;
    m_activeVfo = n;
    parm& vfo = m_vfo[n];
    const Radio* radio = TheRadio();
    if (radio && radio->CheckCoverage(vfo.get(parm::kFrequency)) != 0) {
        vfo.set(parm::kFrequency, SnapToRadioBand(vfo.get(parm::kFrequency)));
    }
    CentreTuningKnob(vfo.get(parm::kFrequency));
    if (!m_manualMode && m_frame) {
        m_frame->OnRadioStop();
    }
    m_manualMode = kOn;
    TuneFrequency(vfo.get(parm::kFrequency), 1);
    vfo.set(parm::kChangeByte, 0);
    if (m_followButton.m_hWnd && m_followButton.GetChecked()) {
        SnapToBandGrid();
    }
    if (radio && vfo.get(parm::kStep) == 0) {
        radio->StepRecord(vfo, 1);
    }
    ShowStep(vfo.get(parm::kStep));
    UpdateControlsFromParm(&vfo, &m_vfoInfo[n]);
}

void CRadioView::CommitActiveVfo() {
    const Radio* radio = TheRadio();
    if (!radio) {
        return;
    }
    parm& active = ActiveVfo();
    active.set(parm::kBandwidth, radio->NormaliseBandwidth(active.get(parm::kBandwidth)));
    const std::uint16_t requests = active.get(parm::kRequestFlags);
    if ((requests & parm::kRequestVolume) != 0) {
        const std::uint32_t volume = active.get(parm::kVolume);
        m_rig->SetVolume(&volume);
        m_working.set(parm::kVolume, active.get(parm::kVolume));
        active.set(parm::kRequestFlags, requests & ~parm::kRequestVolume);
    }
    if (!m_manualMode || !m_rig->IsOpenFor(m_frame)) {
        return;
    }
    active.set(parm::kChangeByte, 0);
    const ParmChangeCode code = CompareParm(m_working, active);
    if (code == 0) {
        if (m_changeLed.m_hWnd) {
            m_changeLed.SetActive(FALSE);
            m_changeLed.SetCaption("");
        }
        return;
    }
    if (m_changeLed.m_hWnd) {
        CString text;
        text.Format("%d", static_cast<int>(code));
        m_changeLed.SetCaption(text);
        m_changeLed.SetActive(TRUE);
    }
    // A record without a frequency is never sent.
    if (active.get(parm::kFrequency) == 0) {
        active = m_working;
        return;
    }
    if (radio->CheckCoverage(active.get(parm::kFrequency)) != 0) {
        active.set(parm::kFrequency, SnapToRadioBand(active.get(parm::kFrequency)));
    }
    CentreTuningKnob(active.get(parm::kFrequency));
    const EngineCommandRecord command = ManualModeCommand(m_working);
    m_rig->EngineCommand(&command);
    const std::uint16_t result = FastWriteVfo(&active);
    // Busy, and a refusal, keep the working record so that the next tick tries again; a request
    // the radio does not have would never succeed.
    if (result == kStatusBusy) {
        return;
    }
    if ((result & kStatusFailed) != 0 && result != kStatusNotSupported) {
        if (!m_refusedBeeped || m_refusedRecord != active) {
            MessageBeep(MB_ICONASTERISK);
            m_refusedRecord = active;
            m_refusedBeeped = true;
        }
        return;
    }
    m_refusedBeeped = false;
    m_working = active;
}

std::uint16_t CRadioView::FastWriteVfo(const parm* rec) {
    return m_rig ? m_rig->VfoFastWrite(rec) : 0;
}

void CRadioView::OnVfoButton(UINT id) {
    const UINT first = id >= IDC_TRUNK_VFO_1 ? IDC_TRUNK_VFO_1 : IDC_VFO_1;
    const UINT index = id - first;
    if (index >= kVfoButtonCount || !m_vfoButtons[index].m_hWnd) {
        return;
    }
    const BOOL checked = !m_vfoButtons[index].GetChecked();
    for (UINT other = 0; other < kVfoButtonCount; ++other) {
        if (m_vfoButtons[other].m_hWnd) {
            m_vfoButtons[other].SetChecked(other == index ? checked : FALSE);
        }
    }
    SelectVfo(static_cast<BYTE>(index + 1), checked);
}

void CRadioView::CopyActiveVfoInto(BYTE n, short button) {
    constexpr short kLeftButton = 1;
    if (button == kLeftButton || n == 0 || n >= kVfoCount) {
        return;
    }
    m_vfo[n] = ActiveVfo();
    m_vfoInfo[n] = ActiveInfo();
    MessageBeep(MB_ICONASTERISK);
}

void CRadioView::OnVsc() {
    EnterManualMode();
    if (!m_vscButton.m_hWnd) {
        return;
    }
    const BOOL checked = !m_vscButton.GetChecked();
    m_vscButton.SetChecked(checked);
    parm& active = ActiveVfo();
    const std::uint16_t requests = active.get(parm::kRequestFlags);
    active.set(parm::kRequestFlags,
               checked ? requests | parm::kRequestVsc : requests & ~parm::kRequestVsc);
}

void CRadioView::OnDeviceControl(UINT id) {
    using namespace hb::radioview;
    if (m_rig) {
        m_rig->DeviceControl(kFirstDeviceControl + (id - kFirstDeviceControlCommand));
    }
}
