#pragma once
#include "platform/afx/CWnd.h"

// A progress bar ("msctls_progress32"). Positions are clamped to the range; the setters return
// the position before.
class CProgressCtrl : public CWnd {
    DECLARE_DYNAMIC(CProgressCtrl)

public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    void SetRange(short nLower, short nUpper);
    void SetRange32(int nLower, int nUpper);
    void GetRange(int& nLower, int& nUpper) const;
    int SetPos(int nPos);
    int GetPos() const;
    int OffsetPos(int nPos);
    // Returns the step before.
    int SetStep(int nStep);
    // Past the top of the range, starts again from the bottom.
    int StepIt();
};
