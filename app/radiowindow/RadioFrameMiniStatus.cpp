// The radio window's mini status command: a small always-on-top window with the radio's S-meter,
// set up like the front panel's meter.
#include "app/radiowindow/RadioFrame.h"
#include "app/rig/Rig.h"
#include "platform/afx/CCmdUI.h"
#include "platform/instruments/CiAngularGaugeX.h"
#include "platform/instruments/Instrument.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Radio.h"
#include "radioview/MiniStatusWnd.h"
#include "radioview/RadioView.h"

#include <cmath>

namespace {

constexpr UINT kGaugeId = 27490;
constexpr LPCSTR kGaugeClass = "{C5412DD5-2E2F-11D3-85BF-00105AC8B715}";
constexpr int kGaugeSize = 160;
constexpr int kDefaultPlace = 100;
constexpr long kScaleSetting = 5;
constexpr COLORREF kSectionColors[] = {0x00FF00, 0x00FFFF, 0x0000FF};
constexpr double kSectionOffsets[] = {40, 20, 0};

CScanApp& App() {
    return *CScanApp::GetScanApp();
}

// The mini status window of one radio window: it owns itself, and tells the radio window when it
// is gone.
class RadioMiniStatus : public CMiniStatusWnd {
public:
    explicit RadioMiniStatus(CRadioFrame& frame) : m_frame(frame) {}

    bool Open(const CString& radioName) {
        const CString section = radioName + "_MiniStatusWindow";
        const int left = App().GetProfileIntA(section, "Left", kDefaultPlace);
        const int top = App().GetProfileIntA(section, "Top", kDefaultPlace);
        const CRect place(left, top, left + kGaugeSize, top + kGaugeSize);
        if (!CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, nullptr, "Halbridge Pro",
                      WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, place, nullptr, 0)) {
            return false;
        }
        CRect client;
        GetClientRect(&client);
        const HWND gauge = hb::instruments::CreateInstrument(
            m_hWnd, {.id = kGaugeId, .className = kGaugeClass, .style = WS_CHILD | WS_VISIBLE},
            client);
        if (gauge) {
            m_gauge.SubclassWindow(gauge);
        }
        return true;
    }

    CiAngularGaugeX m_gauge;

protected:
    void PostNcDestroy() override {
        if (m_frame.m_miniStatus == this) {
            m_frame.m_miniStatus = nullptr;
        }
        delete this;
    }

private:
    CRadioFrame& m_frame;
};

void CopyGauge(const CiAngularGaugeX& from, CiAngularGaugeX& to) {
    to.SetPositionMin(from.GetPositionMin());
    to.SetPositionMax(from.GetPositionMax());
    to.SetTickMajorCount(from.GetTickMajorCount());
    to.SetSectionCount(from.GetSectionCount());
    for (int section = 1; section <= hb::instruments::angularGauge::kMaxSections; ++section) {
        to.SetSectionEnd(section, from.GetSectionEnd(section));
        to.SetSectionColor(section, from.GetSectionColor(section));
    }
    to.SetPosition(from.GetPosition());
}

// The scale reaches out to whole tens beyond the radio's meter range.
void SetUpGauge(const Radio& radio, CiAngularGaugeX& gauge) {
    const double floor = radio.meterFloor();
    const double ceiling = radio.meterCeiling();
    gauge.SetPositionMin(std::floor(floor / 10) * 10);
    gauge.SetPositionMax(std::ceil(ceiling / 10) * 10);
    gauge.SetTickMajorCount(kScaleSetting);
    gauge.SetPosition(floor);
    gauge.SetSectionCount(std::size(kSectionColors));
    for (std::size_t n = 0; n < std::size(kSectionColors); ++n) {
        gauge.SetSectionEnd(static_cast<int>(n) + 1, ceiling - kSectionOffsets[n]);
        gauge.SetSectionColor(static_cast<int>(n) + 1, kSectionColors[n]);
    }
    gauge.SetCaption("S - dBm");
}

} // namespace

void CRadioFrame::OnMiniStatus() {
    if (m_miniStatus) {
        m_miniStatus->DestroyWindow();
        m_miniStatus = nullptr;
        return;
    }
    if (!m_rig) {
        return;
    }
    auto* mini = new RadioMiniStatus(*this);
    if (!mini->Open(m_rig->m_name)) {
        delete mini;
        return;
    }
    m_miniStatus = mini;
    App().WriteProfileInt(m_rig->m_section, "MiniStatus", 1);
    if (!mini->m_gauge.GetSafeHwnd()) {
        return;
    }
    if (m_frontPanel && m_frontPanel->m_sMeter.GetSafeHwnd()) {
        CopyGauge(m_frontPanel->m_sMeter, mini->m_gauge);
    } else if (m_rig->m_radio) {
        SetUpGauge(*m_rig->m_radio, mini->m_gauge);
    }
}

void CRadioFrame::OnUpdateMiniStatus(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_miniStatus ? 1 : 0);
}
