// The memory buttons: "STO" writes the active VFO into the radio's memory channel shown beside
// them, "RCL" reads it back, and the spin chooses the channel.
#include "app/rig/Rig.h"
#include "platform/records/StatusCodes.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/controls/CommonControls.h"
#include "radioview/RadioView.h"

bool CRadioView::MemoryUsable() const {
    const Radio* radio = TheRadio();
    return m_memoryChannel.m_hWnd && radio && radio->memoryCount() != 0;
}

void CRadioView::OnMemoryStore() {
    if (!MemoryUsable()) {
        return;
    }
    EnterManualMode();
    parm& vfo = ActiveVfo();
    vfo.set(parm::kMemoryChannel, static_cast<std::uint16_t>(m_memoryChannel.GetValue()));
    vfo.setText(parm::kName, static_cast<LPCSTR>(ActiveInfo()));
    if (hb::records::IsFailureStatus(m_rig->MemWrite(&vfo))) {
        MessageBeep(MB_ICONASTERISK);
    }
    FocusKeypad();
}

void CRadioView::OnMemoryRecall() {
    if (!MemoryUsable()) {
        return;
    }
    EnterManualMode();
    // Recalled into a copy: a channel the radio cannot give back leaves the VFO as it was.
    parm recalled = ActiveVfo();
    recalled.set(parm::kMemoryChannel, static_cast<std::uint16_t>(m_memoryChannel.GetValue()));
    if (hb::records::IsFailureStatus(m_rig->MemToVfo(&recalled))) {
        MessageBeep(MB_ICONASTERISK);
        FocusKeypad();
        return;
    }
    parm& vfo = ActiveVfo();
    recalled.set(parm::kStep, vfo.get(parm::kStep));
    recalled.set(parm::kChangeByte, 0);
    vfo = recalled;
    OnFrequencyChanged();
    m_recalled = kOn;
    if (m_followButton.m_hWnd && m_followButton.GetChecked()) {
        SnapToBandGrid();
    } else {
        // The channel's own name names the VFO, so storing it again keeps the name.
        ActiveInfo() = vfo.text(parm::kName).c_str();
        ActiveInfo().TrimRight();
    }
    vfo.set(parm::kObjectHandle, 0);
    SetTuningStep(vfo.get(parm::kFrequency));
    UpdateControlsFromParm(&vfo, &ActiveInfo());
    m_working = vfo;
    FocusKeypad();
}

void CRadioView::OnMemorySpin(NMHDR* pNMHDR, LRESULT* pResult) {
    *pResult = 0;
    if (!MemoryUsable()) {
        return;
    }
    const auto* change = reinterpret_cast<const NMUPDOWN*>(pNMHDR);
    const Radio* radio = TheRadio();
    const long first = radio->firstMemory();
    const long last = first + radio->memoryCount() - 1;
    const long current = m_memoryChannel.GetValue();
    long channel = 0;
    if (change->iDelta >= 0) {
        channel = current <= first || current > last ? last : current - 1;
    } else {
        channel = current >= last || current < first ? first : current + 1;
    }
    m_memoryChannel.SetValue(channel);
    SaveSetting("MemoryChannel", static_cast<int>(channel));
}
