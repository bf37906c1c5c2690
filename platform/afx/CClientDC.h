#pragma once
#include "platform/afx/CDC.h"

class CWnd;

// The DC of a window's client area (GetDC), released when destroyed. No window: the screen's.
class CClientDC : public CDC {
    DECLARE_DYNAMIC(CClientDC)

public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};
