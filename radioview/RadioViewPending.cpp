// Operations of the front panel that do nothing yet, grouped by the side of the panel that will
// carry them.
#include "radioview/RadioView.h"

// ---- Engine notifications.
void CRadioView::LogHit(HistoryRecord*, Object*, Object*) {}
void CRadioView::NotifyAudioLog(dal*, BYTE, BYTE, const BYTE*, const BYTE*) {}
void CRadioView::NotifyEngineCheck(CRadioFrame*) {}
void CRadioView::RefreshFromDevice() {}

// ---- Keypad, VFOs and setting knobs.
void CRadioView::EnterManualMode() {}
void CRadioView::SelectVfo(BYTE, BOOL) {}
void CRadioView::CommitActiveVfo() {}
std::uint16_t CRadioView::FastWriteVfo(const parm*) {
    return 0;
}
void CRadioView::OnInstrumentClick() {}
void CRadioView::ResetSquelch() {}
void CRadioView::ApplySquelch() {}
void CRadioView::SaveSquelch() {}
void CRadioView::ResetVolume() {}
void CRadioView::ApplyVolume() {}
void CRadioView::SaveVolume() {}
void CRadioView::ResetBFO() {}
void CRadioView::ApplyBFO() {}
void CRadioView::SaveBFO() {}
void CRadioView::ResetGain() {}
void CRadioView::ApplyGain() {}
void CRadioView::SaveGain() {}
void CRadioView::ResetFilter2() {}
void CRadioView::ApplyFilter2() {}
void CRadioView::SaveFilter2() {}
void CRadioView::ResetFilter() {}
void CRadioView::ApplyFilter() {}
void CRadioView::SaveFilter() {}
void CRadioView::ResetNotch() {}
void CRadioView::ApplyNotch() {}
void CRadioView::SaveNotch() {}
void CRadioView::ResetVSC() {}
void CRadioView::ApplyVSC() {}
void CRadioView::SaveVSC() {}
void CRadioView::ResetVoiceInversion() {}
void CRadioView::ApplyVoiceInversion() {}
void CRadioView::SaveVoiceInversion() {}
void CRadioView::ResetIFShift() {}
void CRadioView::ApplyIFShift() {}
void CRadioView::SaveIFShift() {}
void CRadioView::ResetAGCAttack() {}
void CRadioView::ApplyAGCAttack() {}
void CRadioView::SaveAGCAttack() {}
void CRadioView::ResetAGCHang() {}
void CRadioView::ApplyAGCHang() {}
void CRadioView::SaveAGCHang() {}
void CRadioView::ResetAGCDecay() {}
void CRadioView::ApplyAGCDecay() {}
void CRadioView::SaveAGCDecay() {}
