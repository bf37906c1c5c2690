// Operations of the front panel that do nothing yet, grouped by the side of the panel that will
// carry them.
#include "radioview/RadioView.h"

// ---- Engine notifications.
void CRadioView::LogHit(HistoryRecord*, Object*, Object*) {}
void CRadioView::NotifyAudioLog(dal*, BYTE, BYTE, const BYTE*, const BYTE*) {}
void CRadioView::NotifyEngineCheck(CRadioFrame*) {}
void CRadioView::RefreshFromDevice() {}

// ---- Status and audio.
void CRadioView::UpdateStatusDisplay(const BYTE*, BYTE*, Object*, Object*) {}
void CRadioView::UpdateControlsFromParm(const parm*, const CString*) {}
void CRadioView::OnRecorderState(CAudioLog*) {}
void CRadioView::ShowMeterValue(CAudioLog*, int, int) {}
void CRadioView::ShowAudioState(CAudioLog*) {}
void CRadioView::OnAudioStateEvent(CAudioLog*, const char*, const wlseg*) {}
void CRadioView::ShowPlaybackChannel(CAudioLog*, const dal*, BYTE) {}
void CRadioView::SetAuxMeter(CAudioLog*, int) {}
