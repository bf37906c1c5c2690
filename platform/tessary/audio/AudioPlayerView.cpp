#include "platform/tessary/audio/AudioPlayerView.h"

#include "platform/tessary/audio/AudioCalls.h"
#include "platform/tessary/audio/AudioFile.h"

IMPLEMENT_DYNCREATE(CAudioPlayerView, CView)

CAudioPlayerView::~CAudioPlayerView() {
    if (m_file && m_file->m_indexView == this) {
        m_file->m_indexView = nullptr;
    }
}

void CAudioPlayerView::BindDocument(CAudioFile* file) {
    hb::tessary::detail::RecordAudioCall(this, "BindDocument",
                                         {hb::tessary::detail::Arg(file, "file")});
    m_file = file;
    if (file) {
        file->m_indexView = this;
    }
}
