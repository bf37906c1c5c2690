// The panel's first update and the VFO records it keeps in the radio's section.
#include "app/radiowindow/RadioFrame.h"
#include "app/rig/Rig.h"
#include "platform/afx/CDocument.h"
#include "platform/records/ModeNames.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Radio.h"
#include "radioview/ParmValue.h"
#include "radioview/RadioView.h"
#include "resources/ResourceIds.h"

#include <algorithm>
#include <string>

namespace {

constexpr UINT kPanelTimerMs = 200;
constexpr UINT kStatusTimerMs = 1000;
constexpr UINT kDisplayTimerMs = 250;
constexpr int kDefaultTuningStep = 100;
constexpr UINT kRecordingMarkIcon = 28703;
constexpr std::uint32_t kHfStartFrequency = 10'000'000;
constexpr std::uint32_t kStartFrequency = 162'550'000;

CScanApp& App() {
    return *CScanApp::GetScanApp();
}

std::string VfoName(int n) {
    return "VFO" + std::to_string(n);
}

std::string VfoInfoName(int n) {
    return VfoName(n) + "Info";
}

} // namespace

void CRadioView::OnInitialUpdate() {
    CEnhancedFormView::OnInitialUpdate();
    RegisterToolTips();
    if (m_bandSelectButton.m_hWnd) {
        m_bandSelectButton.SetIcon(CSize(16, 16), IDC_BAND_SELECT);
    }
    if (m_recordingMarkButton.m_hWnd) {
        m_recordingMarkButton.SetIcon(CSize(16, 16), kRecordingMarkIcon);
        m_recordingMarkButton.ShowWindow(SW_HIDE);
    }
    // Without a radio there is nothing to start, show or keep.
    if (!m_rig) {
        return;
    }
    WriteScanListFile();
    if (CFrameWnd* frame = GetParentFrame()) {
        frame->ShowWindow(SW_SHOWNORMAL);
    }
    if (App().GetProfileIntA("Settings", "HFFreqDisplayMHz", 1) != 0) {
        m_mhzDisplay = kOn;
    }
    SetStartVfos();
    LoadVfos();
    const CString section = Section();
    // The device opening and the knob set-up below write a step of their own: the user's step is
    // taken first.
    int tuningStep = App().GetProfileIntA(section, "TuningStep", kDefaultTuningStep);
    if (tuningStep < 0) {
        tuningStep = kDefaultTuningStep;
    }
    StartRadio();
    SetupControls();
    UpdateControlsFromParm(&m_vfo[m_activeVfo], &m_vfoInfo[m_activeVfo]);
    ShowMemoryChannel();
    m_vfo[m_activeVfo].set(parm::kStep, static_cast<std::uint32_t>(tuningStep));
    ShowStep(static_cast<UINT>(tuningStep));
    App().WriteProfileInt(section, "TuningStep", tuningStep);
    if (m_followButton.m_hWnd) {
        m_followButton.SetChecked(App().GetProfileIntA(section, "FrequencyFollowing", 0) != 0);
    }
    m_bandCache = band();
    RestoreSnaps();
    ShowAudioState(m_rig->GetAudioLog());
    SetTimer(kPanelTimer, kPanelTimerMs, nullptr);
    SetTimer(kStatusTimer, kStatusTimerMs, nullptr);
    SetTimer(kDisplayTimer, kDisplayTimerMs, nullptr);
    if (m_frame && App().GetProfileIntA(section, "MiniStatus", 0) != 0) {
        m_frame->OnMiniStatus();
    }
    UpdateTitle();
}

CString CRadioView::Section() const {
    return m_rig ? m_rig->m_section : CString();
}

void CRadioView::CheckVfo(parm& record) const {
    if (m_rig && m_rig->m_radio) {
        m_rig->m_radio->CheckRecord(record);
    }
}

void CRadioView::SetStartVfos() {
    const bool hf = m_rig && m_rig->m_radio && (m_rig->m_radio->features() & Radio::kFeatureHf);
    for (parm& record : m_vfo) {
        record.set(parm::kFrequency, hf ? kHfStartFrequency : kStartFrequency);
        record.set(parm::kMode, hf ? hb::records::kModeAm : hb::records::kModeFm);
        CheckVfo(record);
    }
}

void CRadioView::LoadVfos() {
    if (!m_rig) {
        return;
    }
    HKEY key = App().GetSectionKey(m_rig->m_section);
    if (!key) {
        return;
    }
    for (int n = 0; n < kVfoCount; ++n) {
        if (ReadParmValue(key, VfoName(n).c_str(), m_vfo[n])) {
            CheckVfo(m_vfo[n]);
        }
    }
    RegCloseKey(key);
    m_vfosLoaded = true;
    for (int n = 0; n < kVfoCount; ++n) {
        m_vfoInfo[n] = App().GetProfileStringA(m_rig->m_section, VfoInfoName(n).c_str(), "");
    }
}

void CRadioView::SaveVfos() {
    const CString section = Section();
    App().WriteProfileInt(section, "ActiveVFO", m_activeVfo);
    if (HKEY key = App().GetSectionKey(section)) {
        for (int n = 0; n < kVfoCount; ++n) {
            StoreParmValue(key, VfoName(n).c_str(), m_vfo[n]);
        }
        RegCloseKey(key);
    }
    for (int n = 0; n < kVfoCount; ++n) {
        App().WriteProfileStringA(section, VfoInfoName(n).c_str(), m_vfoInfo[n]);
    }
}

void CRadioView::StartRadio() {
    if (m_frame) {
        m_frame->m_state[1] = kOn;
        m_frame->OnRadioStart();
    }
}

void CRadioView::ShowMemoryChannel() {
    const Radio* radio = m_rig ? m_rig->m_radio : nullptr;
    if (!m_memoryChannel.m_hWnd || !radio || radio->memoryCount() == 0) {
        return;
    }
    const int first = radio->firstMemory();
    const int last = first + radio->memoryCount() - 1;
    const int channel =
        std::clamp(App().GetProfileIntA(Section(), "MemoryChannel", first), first, last);
    m_memoryChannel.SetSegmentColor(App().Color(kDisplayForeground));
    m_memoryChannel.SetBackGroundColor(App().Color(kDisplayBackground));
    m_memoryChannel.SetValue(channel);
}

void CRadioView::RestoreSnaps() {
    const CString section = Section();
    // Only one snap is on, even when both settings say so: the later one wins, as its button does.
    if (m_bandStepSnapButton.m_hWnd) {
        SetSnap(m_bandStepSnap, m_bandStepSnapButton, m_tuningStepSnap, m_tuningStepSnapButton,
                App().GetProfileIntA(section, "BandStepSnap", 0) != 0);
    }
    if (m_tuningStepSnapButton.m_hWnd) {
        SetSnap(m_tuningStepSnap, m_tuningStepSnapButton, m_bandStepSnap, m_bandStepSnapButton,
                App().GetProfileIntA(section, "TuningStepSnap", 0) != 0);
    }
}

void CRadioView::SetSnap(std::uint8_t& snap, CXTPButton& button, std::uint8_t& other,
                         CXTPButton& otherButton, bool on) {
    snap = on ? kOn : 0;
    button.SetChecked(on);
    if (on) {
        other = 0;
        if (otherButton.m_hWnd) {
            otherButton.SetChecked(FALSE);
        }
    }
}
