// The engine's short notifications to the front panel: status reads, the audio mode, restart and
// check requests for the window, the Multi-Radio queue, the device opening and the link lamp.
#include "app/radiowindow/RadioFrame.h"
#include "app/rig/Rig.h"
#include "platform/records/EngineStatus.h"
#include "platform/records/PrivateMessages.h"
#include "radioview/RadioView.h"
#include "radioview/SearchSlaveView.h"

#include <memory>

namespace {

constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kYellow = 0x00FFFF;
constexpr COLORREF kGreen = 0x00FF00;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0;

} // namespace

LRESULT CRadioView::OnRadioEngineStatus(WPARAM, LPARAM) {
    // Read only so that the rig keeps the engine's current channel.
    if (m_rig) {
        auto status = std::make_unique<hb::records::EngineStatus>();
        m_rig->EngineStatus(status->data());
    }
    return 0;
}

LRESULT CRadioView::OnAudioMode(WPARAM wParam, LPARAM lParam) {
    if (m_rig) {
        m_rig->SetAudioLogMode(wParam, static_cast<BYTE>(lParam));
    }
    return 0;
}

LRESULT CRadioView::OnRestartRequest(WPARAM, LPARAM) {
    if (m_frame) {
        m_frame->SendMessage(WM_RADIO_RESTART);
    }
    return 0;
}

LRESULT CRadioView::OnRadioFlag(WPARAM, LPARAM) {
    if (m_frame && m_frame->m_multiRadioView) {
        m_frame->m_multiRadioView->m_refresh = 1;
    }
    return 0;
}

LRESULT CRadioView::OnRadioBad(WPARAM, LPARAM) {
    SetStatusLamp("BAD", kRed, kWhite);
    return 0;
}

LRESULT CRadioView::OnRadioReset(WPARAM, LPARAM) {
    SetStatusLamp("Reset", kYellow, kBlack);
    return 0;
}

void CRadioView::OnStatusLampClick() {
    SetStatusLamp("OK", kGreen, kBlack);
}

void CRadioView::SetStatusLamp(LPCSTR caption, COLORREF lamp, COLORREF text) {
    if (!m_statusLamp.m_hWnd) {
        return;
    }
    m_statusLamp.SetCaption(caption);
    m_statusLamp.SetActiveColor(lamp);
    m_statusLamp.SetCaptionColor(text);
}

LRESULT CRadioView::OnEngineCheckRequest(WPARAM, LPARAM) {
    if (m_frame) {
        m_frame->OnEngineCheck(0, 0);
    }
    return 0;
}

void CRadioView::OnSetFocus(CWnd*) {
    FocusKeypad();
}

void CRadioView::NotifyAudioLog(dal* rec, BYTE decision, BYTE, const BYTE*, const BYTE*) {
    if (m_rig) {
        m_rig->NotifyAudioLog(rec, decision);
    }
}

void CRadioView::NotifyEngineCheck(CRadioFrame* frame) {
    if (frame) {
        frame->OnEngineCheck(0, 0);
    }
}

void CRadioView::RefreshFromDevice() {
    if (!m_rig) {
        return;
    }
    // Read for the rig's copy of the current channel; the result does not matter here.
    auto status = std::make_unique<hb::records::DeviceStatus>();
    m_rig->DeviceStatus(status->data());
    SetTuningStep(m_working.get(parm::kFrequency));
}
