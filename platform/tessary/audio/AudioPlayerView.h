#pragma once
#include "platform/afx/CView.h"
#include "platform/tessary/grid/UGCtrl.h"

class CAudioFile;
class CAudioLog;

// The index view of a logger's recording file (the radio window's "Audio Index" tab, the player's
// "Current Index" tab): a read-only grid of one row per segment of the file. The view and the
// logger's file are linked both ways; whichever goes first unlinks the other.
class CAudioPlayerView : public CView {
    DECLARE_DYNCREATE(CAudioPlayerView)

public:
    static constexpr UINT kGridId = 1234;
    enum Column { kNumberColumn, kTimeColumn, kFrequencyColumn, kNamesColumn, kLengthColumn };

    ~CAudioPlayerView() override;

    // Shows the segments of the file; recorded.
    void BindDocument(CAudioFile* file);
    // Lists the segments of the bound file again, one row each; none without an open file.
    void Reload();
    CUGCtrl& GetGrid() { return m_grid; }

    CAudioLog* m_log = nullptr;
    CAudioFile* m_file = nullptr;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnSetFocus(CWnd* pOldWnd);
    // The grid paints the list.
    void OnDraw(CDC*) override {}

    DECLARE_MESSAGE_MAP()

private:
    void SetRow(long row, const CAudioFile& file, std::uint32_t number);

    CUGCtrl m_grid;
};
