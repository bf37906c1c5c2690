#pragma once
#include "platform/afx/CWnd.h"

// An up-down control ("msctls_updown32").
class CSpinButtonCtrl : public CWnd {
    DECLARE_DYNAMIC(CSpinButtonCtrl)

public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // The up arrow moves the position from nLower towards nUpper.
    void SetRange(short nLower, short nUpper);
    void SetRange32(int nLower, int nUpper);
    void GetRange(int& nLower, int& nUpper) const;
    // Clamped to the range; returns the position before.
    int SetPos(int nPos);
    // With UDS_SETBUDDYINT, read from the buddy's text first.
    int GetPos() const;
    // Returns the buddy before.
    CWnd* SetBuddy(CWnd* pWndBuddy);
    CWnd* GetBuddy() const;
};
