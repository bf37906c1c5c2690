#pragma once
#include "platform/afx/CView.h"

class CAudioFile;
class CAudioLog;

// The index view of a logger's recording file (the radio window's "Audio Index" tab, the player's
// "Current Index" tab). The view and the logger's file are linked both ways; whichever goes first
// unlinks the other.
class CAudioPlayerView : public CView {
    DECLARE_DYNCREATE(CAudioPlayerView)

public:
    ~CAudioPlayerView() override;

    // Shows the segments of the file; recorded.
    void BindDocument(CAudioFile* file);

    CAudioLog* m_log = nullptr;
    CAudioFile* m_file = nullptr;

protected:
    // The segment list is drawn by the player's own view.
    void OnDraw(CDC*) override {}
};
