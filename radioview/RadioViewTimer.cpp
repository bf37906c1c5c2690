// The front panel's timers. The idle focus, the step repeat and the end of a frequency change are
// the panel's own and run whether or not the radio runs for this window; the others keep the panel,
// the radio and the engine in step while it does.
#include "app/HalbridgeApp.h"
#include "app/radiowindow/RadioFrame.h"
#include "app/rig/Rig.h"
#include "platform/records/EngineStatus.h"
#include "platform/win/core/ModalDepth.h"
#include "radioview/RadioView.h"
#include "resources/ResourceIds.h"

#include <array>
#include <cstring>
#include <memory>

namespace {

// The colour-table entries of the knob's indicator, with and without a visual style.
constexpr int kStyledIndicatorEntry = 12;
constexpr int kPlainIndicatorEntry = 19;
// A document update that leaves the panel busy this long asks the window for an engine check.
constexpr DWORD kBusyCheckMs = 2000;
// The view type that browses the program.
constexpr std::uint8_t kBrowseView = 1;

COLORREF IndicatorColor() {
    const auto* app = dynamic_cast<CHalbridgeApp*>(CScanApp::GetScanApp());
    if (!app) {
        return CScanApp::GetScanApp()->Color(kPlainIndicatorEntry);
    }
    return app->Color(app->m_visualStyle != 0 ? kStyledIndicatorEntry : kPlainIndicatorEntry);
}

// Controls that keep the focus while the user types in them.
bool KeepsFocus(HWND focus) {
    std::array<char, 32> name{};
    if (::GetClassName(focus, name.data(), static_cast<int>(name.size())) == 0) {
        return false;
    }
    for (const char* kind : {"Edit", "TiModeComboBox", "TiAnalogOutput"}) {
        if (std::strcmp(name.data(), kind) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

bool CRadioView::FocusMayMove() const {
    const HWND focus = ::GetFocus();
    const bool inside = focus && (focus == m_hWnd || ::IsChild(m_hWnd, focus));
    return inside && hb::win::ModalDepth() == 0 && !KeepsFocus(focus);
}

void CRadioView::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == kIdleTimer) {
        KillTimer(kIdleTimer);
        if (FocusMayMove()) {
            FocusKeypad();
        }
        return;
    }
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
    if (m_rig && m_rig->IsEngineOpenFor(m_frame)) {
        if (nIDEvent == kPanelTimer) {
            ShowActivity();
        }
        if (!m_following) {
            CommitActiveVfo();
        }
        if (nIDEvent == kStatusTimer) {
            OnRadioStatus(0, 0);
        } else if (m_frame && m_frame->ViewType() == kBrowseView && m_scanning) {
            auto status = std::make_unique<hb::records::EngineStatus>();
            if (m_rig->EngineStatus(status->data()) == 0) {
                UpdateFrequencyDisplay(status->get(hb::records::EngineStatus::kCurrentFrequency));
            }
        }
        if (m_updateTick != 0 && m_busy && GetTickCount() - m_updateTick > kBusyCheckMs) {
            NotifyEngineCheck(m_frame);
            // Once per update: a later update arms the check again.
            m_busy = 0;
            m_updateTick = 0;
        }
    }
    CEnhancedFormView::OnTimer(nIDEvent);
}

void CRadioView::ShowActivity() {
    auto status = std::make_unique<hb::records::DeviceStatus>();
    if (m_rig->DeviceStatus(status->data()) != 0) {
        return;
    }
    const std::array<std::uint32_t, 2> counts = {
        status->get(hb::records::DeviceStatus::kActivityCounterTx),
        status->get(hb::records::DeviceStatus::kActivityCounterRx)};
    const std::array<CiLedRectangleX*, 2> lamps = {&m_activityLamp1, &m_activityLamp2};
    for (std::size_t n = 0; n < lamps.size(); ++n) {
        if (lamps[n]->m_hWnd) {
            lamps[n]->SetActive(counts[n] != m_activityCounts[n]);
            m_activityCounts[n] = counts[n];
        }
    }
}
