// The radio window's timers, its engine watchdog, the restart the engine asks for and the front
// panel's private messages.
#include "app/radiowindow/RadioFrame.h"
#include "app/rig/EngineProgressDlg.h"
#include "app/rig/Rig.h"
#include "platform/records/DeviceStatus.h"
#include "platform/records/EngineStates.h"
#include "platform/records/EngineStatus.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/core/Clock.h"
#include "radioview/RadioView.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

using hb::records::DeviceStatus;
using hb::records::EngineStatus;

// A radio whose capability word has this bit never wants the watchdog.
constexpr std::uint32_t kNoEngineCheck = 0x80;
// Engine states in which the watchdog restarts the radio.
constexpr std::uint8_t kRestartStates[] = {0, 1, 2, 3, 9, 13, 20, 21, 22, 34, 35, 36};
constexpr UINT kFirstMouseMessage = 0x200;
constexpr UINT kLastMouseMessage = 0x209;

bool IsRestartState(std::uint8_t state) {
    return std::find(std::begin(kRestartStates), std::end(kRestartStates), state) !=
           std::end(kRestartStates);
}

} // namespace

LRESULT CRadioFrame::OnEngineCheck(WPARAM, LPARAM) {
    if (m_rig && m_rig->m_radio && !(m_rig->m_radio->caps1() & kNoEngineCheck)) {
        m_check_mark = kCheckPending;
        m_check_time = GetTickCount();
    }
    return 0;
}

void CRadioFrame::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == kCompactTimerId) {
        KillTimer(kCompactTimerId);
        m_tabs.SetActiveIndex(0);
    }
    m_activityLog.OnTimer();
    Watchdog();
    CCommandBarsChildFrame::OnTimer(nIDEvent);
}

void CRadioFrame::Watchdog() {
    // Unsigned, so a check stamped before the tick count wrapped still counts its age.
    const DWORD age = GetTickCount() - m_check_time;
    if (m_state[0] != 0 || m_check_mark != kCheckPending || m_check_time == 0 ||
        age < kCheckDelayMs || !m_rig || !m_rig->IsEngineOpenFor(this)) {
        return;
    }
    const auto status = std::make_unique<EngineStatus>();
    if (m_rig->EngineStatus(status->data()) != 0) {
        return;
    }
    const std::uint8_t state = status->get(EngineStatus::kState);
    if (IsRestartState(state)) {
        OnRadioStop();
        OnRadioStart();
    } else if (state == hb::records::kEnginePaused) {
        m_check_time = 0;
    }
}

BOOL CRadioFrame::PreTranslateMessage(MSG* pMsg) {
    const bool input = pMsg->message == WM_KEYDOWN ||
                       (pMsg->message >= kFirstMouseMessage && pMsg->message <= kLastMouseMessage);
    if (m_compact && input) {
        KillTimer(kCompactTimerId);
        SetTimer(kCompactTimerId, kCompactTimerMs);
    }
    return CCommandBarsChildFrame::PreTranslateMessage(pMsg);
}

LRESULT CRadioFrame::OnRadioRestart(WPARAM, LPARAM) {
    if (Closing() || !m_rig) {
        return 0;
    }
    const CString section = m_rig->m_section;
    OnRadioStop();
    m_check_mark = kCheckPending;
    m_check_time = 0;
    for (CRig* rig : {m_rig, m_rig2}) {
        if (rig && rig->IsEngineOpen()) {
            rig->DestroyEngine();
        }
    }
    CEngineProgressDlg progress(this);
    progress.m_text = section;
    // The window may close while the dialog runs, and this object with it.
    const HWND hwnd = m_hWnd;
    if (progress.DoModal() == CEngineProgressDlg::kDone && ::IsWindow(hwnd)) {
        OnRadioStart();
    }
    return 0;
}

LRESULT CRadioFrame::OnRadioTune(WPARAM wParam, LPARAM lParam) {
    if (Closing() || wParam == 0 || !m_frontPanel) {
        return 0;
    }
    if (lParam) {
        m_frontPanel->LoadParmIntoActiveVfo(reinterpret_cast<parm*>(lParam), TRUE);
    } else {
        m_frontPanel->TuneFrequency(static_cast<std::uint32_t>(wParam), TRUE);
    }
    return 0;
}

LRESULT CRadioFrame::OnRadioTuneFrequency(WPARAM wParam, LPARAM lParam) {
    if (Closing() || wParam == 0 || !m_frontPanel || !m_frontPanel->IsManualMode()) {
        return 0;
    }
    const auto frequency = static_cast<std::uint32_t>(wParam);
    m_frontPanel->TuneFrequency(frequency, FALSE);
    if (lParam) {
        m_frontPanel->TuneFrequency(frequency, TRUE);
    } else {
        m_frontPanel->LoadParmIntoActiveVfo(nullptr, TRUE);
    }
    return 0;
}

LRESULT CRadioFrame::OnRadioEntryKey(WPARAM wParam, LPARAM lParam) {
    if (!Closing() && wParam != 0 && m_frontPanel) {
        m_frontPanel->SetManualChannel(static_cast<std::uint32_t>(wParam),
                                       static_cast<std::uint32_t>(lParam));
    }
    return 0;
}

LRESULT CRadioFrame::OnRadioGetParm(WPARAM, LPARAM lParam) {
    if (lParam == 0 || !m_frontPanel || !m_rig) {
        return 0;
    }
    auto device = std::make_unique<DeviceStatus>();
    // A failed read says nothing of the device: the rig's last channel stands in for it.
    const parm record = m_rig->DeviceStatus(device->data()) == 0
                            ? device->get(DeviceStatus::kCurrentParm)
                            : m_rig->m_parm;
    std::memcpy(reinterpret_cast<void*>(lParam), &record, sizeof record);
    return 0;
}

LRESULT CRadioFrame::OnRadioDeviceOpen(WPARAM wParam, LPARAM lParam) {
    if (m_frontPanel) {
        m_frontPanel->OnDeviceOpen(wParam, lParam);
    }
    return 0;
}
