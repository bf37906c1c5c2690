#pragma once
#include "platform/afx/CDC.h"

class CWnd;

// The DC of a WM_PAINT handler: BeginPaint when made, EndPaint when destroyed.
class CPaintDC : public CDC {
    DECLARE_DYNAMIC(CPaintDC)

public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;

protected:
    HWND m_hWnd;
};
