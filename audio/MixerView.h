#pragma once
// The sound card's volume view of the main window's Volume pane.
#include "platform/afx/CFormView.h"

class CMixerView : public CFormView {
    DECLARE_DYNAMIC(CMixerView)

public:
    CMixerView();

    // The scroll sizes become the form's extent less the origin of the client area, which is
    // returned: what the pane needs to show all of it.
    CSize GetContentSize();
};
