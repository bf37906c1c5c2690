// The radio window's mini status command: a small always-on-top window with the radio's S-meter,
// set up like the front panel's meter.
#include "app/radiowindow/RadioFrame.h"
#include "app/rig/Rig.h"
#include "platform/afx/CCmdUI.h"
#include "platform/instruments/CiAngularGaugeX.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Radio.h"
#include "radioview/MiniStatusWnd.h"
#include "radioview/RadioView.h"

#include <cmath>

namespace {

constexpr long kScaleSetting = 5;
constexpr COLORREF kSectionColors[] = {0x00FF00, 0x00FFFF, 0x0000FF};
constexpr double kSectionOffsets[] = {40, 20, 0};

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
    auto* mini = new CMiniStatusWnd(this, m_rig->m_name);
    if (!mini->GetSafeHwnd()) {
        delete mini;
        return;
    }
    m_miniStatus = mini;
    CScanApp::GetScanApp()->WriteProfileInt(m_rig->m_section, "MiniStatus", 1);
    CiAngularGaugeX& gauge = mini->panel.m_sMeter;
    if (!gauge.GetSafeHwnd()) {
        return;
    }
    if (m_frontPanel && m_frontPanel->m_sMeter.GetSafeHwnd()) {
        CopyGauge(m_frontPanel->m_sMeter, gauge);
    } else if (m_rig->m_radio) {
        SetUpGauge(*m_rig->m_radio, gauge);
    }
}

void CRadioFrame::OnUpdateMiniStatus(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_miniStatus ? 1 : 0);
}
