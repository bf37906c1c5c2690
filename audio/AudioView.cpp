#include "audio/AudioView.h"

#include "app/rig/Rig.h"

#include <utility>

IMPLEMENT_DYNCREATE(CAudioView, CView)

CAudioView::CAudioView(CString name, CString secondName, UINT form)
    : m_name(std::move(name)), m_secondName(std::move(secondName)), m_form(form),
      m_log(m_name.GetString(), m_secondName.GetString()) {}

CAudioView::~CAudioView() {
    CRig::DetachAudioLog(&m_log);
}
