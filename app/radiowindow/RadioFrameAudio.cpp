// The radio window's part in the audio logger's display mirror.
#include "app/radiowindow/RadioFrame.h"
#include "platform/tessary/audio/AudioLog.h"
#include "radioview/RadioView.h"

#include <strings.h>

void CRadioFrame::ForwardToView(CAudioLog* log, const char* file, const wlseg* segment) {
    if (!log || !file || !m_frontPanel || !log->m_file.IsOpen() ||
        ::strcasecmp(file, log->m_file.m_name.c_str()) != 0) {
        return;
    }
    m_frontPanel->OnAudioStateEvent(log, file, segment);
}
