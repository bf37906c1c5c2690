#include "audio/LoggerControls.h"

#include "audio/AudioRackRules.h"
#include "platform/tessary/model/TimeFunctions.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/MessageBox.h"
#include "platform/win/mm/Wave.h"

#include <ctime>

namespace hb::audio {

void ShowStateLamp(CiLedRectangleX& lamp, const CAudioLog& log) {
    const LampLook look = StateLamp(log.m_state, log.m_recording != 0);
    if (look.known) {
        lamp.SetCaption(look.caption.c_str());
        lamp.SetActiveColor(look.lamp);
        lamp.SetCaptionColor(look.text);
    }
    lamp.SetActive(TRUE);
}

bool PlaybackHeld(const CAudioLog& log) {
    return log.m_mode == CAudioLog::kModePlay && log.m_playState == CAudioLog::kPlayHeld;
}

void TakeModeSwitch(CAudioLog& log, CiSwitchSliderX& modeSwitch, HWND owner) {
    if (log.SetMode(static_cast<int>(modeSwitch.GetPosition())) == -1) {
        ::MessageBeep(MB_ICONASTERISK);
        modeSwitch.SetPosition(log.m_mode);
    }
    if (log.m_mode == CAudioLog::kModeRecord && log.m_inputLine == -1) {
        ::MessageBeep(MB_ICONASTERISK);
        ::MessageBox(owner,
                     "Recording can not start because no audio input line has been selected "
                     "for this device.",
                     "No Audio Input Line Selected", MB_ICONSTOP);
    }
}

void SeekToPercent(CAudioLog& log, double percent) {
    CAudioFile& file = log.m_file;
    const auto target = static_cast<std::uint32_t>(percent * file.m_recordCount * 0.01);
    while (file.m_currentRecord < target) {
        bool stepped = file.NextRecord();
        while (stepped && log.ChainMatch()) {
            stepped = file.NextRecord();
        }
        if (!stepped) {
            break;
        }
    }
    while (file.m_currentRecord > target) {
        bool stepped = file.PreviousRecord();
        while (stepped && log.ChainMatch()) {
            stepped = file.PreviousRecord();
        }
        if (!stepped) {
            break;
        }
    }
    log.UpdateStatus();
}

void HoldPlayback(CAudioLog& log) {
    if (log.m_mode != CAudioLog::kModePlay || log.m_playState == CAudioLog::kPlayStopped) {
        return;
    }
    log.Skip();
    if (log.m_playState == CAudioLog::kPlayPlaying && log.m_waveOut) {
        waveOutPause(log.m_waveOut);
        log.m_outputPaused = TRUE;
    }
    log.m_playState = CAudioLog::kPlayHeld;
    log.UpdateStatus();
}

void ReleasePlayback(CAudioLog& log) {
    const BYTE before = log.m_playState;
    if (PlaybackHeld(log)) {
        log.m_playState = CAudioLog::kPlayPlaying;
    }
    if (before >= CAudioLog::kPlayHeld) {
        log.UpdateStatus();
    }
}

void ShowSegmentDate(const DateDisplays& displays, const CAudioLog& log, std::uint32_t time) {
    if (PlaybackHeld(log)) {
        return;
    }
    std::tm local{};
    if (time == 0) {
        displays.clock.SetTime(0);
        displays.year.SetValue(0);
        displays.month.SetValue(0);
        displays.day.SetValue(0);
    } else if (log.m_mode != CAudioLog::kModeOff && SafeLocalTime(time, &local)) {
        displays.clock.SetTime(ClockFraction(local));
        const long year = local.tm_year + 1900;
        displays.year.SetValue(displays.year.GetDigitCount() >= 4 ? year : year % 100);
        displays.month.SetValue(local.tm_mon + 1);
        displays.day.SetValue(local.tm_mday);
    }
}

} // namespace hb::audio
