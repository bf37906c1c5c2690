#include "platform/tessary/audio/AudioFile.h"

#include "platform/tessary/audio/AudioPlayerView.h"

CAudioFile::~CAudioFile() {
    if (m_indexView && m_indexView->m_file == this) {
        m_indexView->m_file = nullptr;
        m_indexView->m_log = nullptr;
    }
}
