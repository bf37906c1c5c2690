#pragma once
// The audio recorder and player view: the radio window's "Audio Recorder" tab and the audio
// player's view. Its audio logger is part of it; a rig that links the logger holds it only while
// the view lives. It draws nothing yet.

#include "audio/AudioLogClient.h"
#include "platform/tessary/app/TemplateClasses.h"

class CRig;

class CAudioView : public CShellView {
    DECLARE_DYNCREATE(CAudioView)

public:
    CAudioView() = default;
    // `name` keys the view's settings; `secondName` is the rig's name; `form` its form.
    CAudioView(CString name, CString secondName, UINT form);
    // The rig holding the logger lets it go.
    ~CAudioView() override;

    CAudioLogClient* GetLogClient() { return &m_log; }

    CString m_name;
    CString m_secondName;
    UINT m_form = 0;
    CRig* m_rig = nullptr;

private:
    CAudioLogClient m_log;
};
