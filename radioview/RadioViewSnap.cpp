// The snap buttons ("SB", "ST", "AB", "AT"), frequency following ("FF") and the band choice.
#include "platform/tessary/app/BandSelect.h"
#include "radioview/RadioView.h"
#include "radioview/TuningArithmetic.h"

void CRadioView::ChooseSnap(CXTPButton& button, CXTPButton& other, std::uint8_t& snap,
                            std::uint8_t& otherSnap, LPCSTR entry, LPCSTR otherEntry) {
    const BOOL checked = !button.GetChecked();
    button.SetChecked(checked);
    if (checked) {
        // The two snaps exclude each other.
        snap = kOn;
        otherSnap = 0;
        if (other.m_hWnd) {
            other.SetChecked(FALSE);
        }
        SaveSetting(entry, 1);
        SaveSetting(otherEntry, 0);
    } else {
        snap = 0;
        SaveSetting(entry, 0);
    }
    FocusKeypad();
}

void CRadioView::OnBandStepSnap() {
    ChooseSnap(m_bandStepSnapButton, m_tuningStepSnapButton, m_bandStepSnap, m_tuningStepSnap,
               "BandStepSnap", "TuningStepSnap");
}

void CRadioView::OnTuningStepSnap() {
    ChooseSnap(m_tuningStepSnapButton, m_bandStepSnapButton, m_tuningStepSnap, m_bandStepSnap,
               "TuningStepSnap", "BandStepSnap");
}

void CRadioView::OnSnapToBand() {
    EnterManualMode();
    parm& vfo = ActiveVfo();
    band found;
    if (CBandSelect::LocateBand(&vfo, &found) == 1) {
        std::uint32_t frequency = vfo.get(parm::kFrequency);
        if (found.get(band::kStep) != 0) {
            frequency = hb::radioview::SnapToGrid(frequency, found.get(band::kBase),
                                                  found.get(band::kStep));
        }
        TuneFrequency(frequency, 0);
    }
    FocusKeypad();
}

void CRadioView::OnSnapToStep() {
    EnterManualMode();
    const parm& vfo = ActiveVfo();
    std::uint32_t frequency = vfo.get(parm::kFrequency);
    if (const std::uint32_t step = vfo.get(parm::kStep); step != 0) {
        frequency = hb::radioview::ClampFrequency(hb::radioview::RoundToMultiple(frequency, step));
    }
    TuneFrequency(frequency, 0);
    FocusKeypad();
}

void CRadioView::OnFrequencyFollowing() {
    if (!m_followButton.m_hWnd) {
        return;
    }
    const BOOL checked = !m_followButton.GetChecked();
    m_followButton.SetChecked(checked);
    if (checked && m_manualMode) {
        m_bandCache.clear();
        SnapToBandGrid();
    }
    SaveSetting("FrequencyFollowing", checked ? 1 : 0);
    FocusKeypad();
}

void CRadioView::OnBandSelect() {
    EnterManualMode();
    parm choice = ActiveVfo();
    choice.set(parm::kStart, choice.get(parm::kFrequency));
    if (CBandSelect::SelectBand(&choice) == 1) {
        TuneFrequency(choice.get(parm::kChosenFrequency), 1);
    }
    FocusKeypad();
}
