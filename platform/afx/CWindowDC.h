#pragma once
#include "platform/afx/CDC.h"

class CWnd;

// The DC of a whole window (GetWindowDC), released when destroyed. No window: the screen's.
class CWindowDC : public CDC {
    DECLARE_DYNAMIC(CWindowDC)

public:
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd;
};
