// The tuning step: its entry box and spin, shown in Hz or kHz and kept in the radio's section.
#include "app/rig/Rig.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Format.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/controls/CommonControls.h"
#include "radioview/RadioView.h"

namespace {

// Longer entries are cut before they are read.
constexpr int kLongestStepEntry = 20;

} // namespace

void CRadioView::SaveSetting(LPCSTR entry, int value) {
    if (m_rig) {
        CScanApp::GetScanApp()->WriteProfileInt(Section(), entry, value);
    }
}

void CRadioView::FocusKeypad() {
    if (m_keypadEntry.m_hWnd) {
        m_keypadEntry.SetFocus();
    }
}

void CRadioView::SaveStep(UINT step) {
    ActiveVfo().set(parm::kStep, step);
    ShowStep(step);
    SaveSetting("TuningStep", static_cast<int>(step));
}

void CRadioView::ShowStep(UINT step) {
    if (!m_stepEntry.m_hWnd) {
        return;
    }
    CString text;
    const UINT rest = step % 1000;
    if (step < 1000) {
        text.Format("%u Hz", step);
    } else if (rest == 0) {
        text.Format("%u kHz", step / 1000);
    } else if (step % 100 == 0) {
        text.Format("%u.%u kHz", step / 1000, rest / 100);
    } else if (step % 10 != 0) {
        text.Format("%u Hz", step);
    } else {
        text.Format("%u.%02u kHz", step / 1000, rest / 10);
    }
    m_stepEntry.SetWindowText(text);
}

UINT CRadioView::ParseStepEntry(UINT current) {
    if (!m_stepEntry.m_hWnd) {
        return current;
    }
    CString text;
    m_stepEntry.GetWindowText(text);
    const CString entry = text.Left(kLongestStepEntry);
    std::uint32_t step = current;
    return convert_frequency(entry, &step, 'H') == 0 ? step : current;
}

void CRadioView::OnStepEntryKillFocus() {
    SaveStep(ParseStepEntry(ActiveVfo().get(parm::kStep)));
}

void CRadioView::OnStepSpin(NMHDR* pNMHDR, LRESULT* pResult) {
    const auto* change = reinterpret_cast<const NMUPDOWN*>(pNMHDR);
    parm& vfo = ActiveVfo();
    vfo.set(parm::kStep, ParseStepEntry(vfo.get(parm::kStep)));
    if (const Radio* radio = TheRadio()) {
        radio->StepRecord(vfo, change->iDelta < 0 ? -1 : 1);
    }
    SaveStep(vfo.get(parm::kStep));
    *pResult = 0;
}
