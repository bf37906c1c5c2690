#include "platform/toolkit/CXTSplitterWnd.h"

#include "platform/afx/CPaintDC.h"

IMPLEMENT_DYNAMIC(CXTSplitterWnd, CSplitterWnd)

BEGIN_MESSAGE_MAP(CXTSplitterWnd, CSplitterWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

void CXTSplitterWnd::SetSplitterStyle(DWORD dwStyle) {
    m_dwSplitterStyle = dwStyle;
    if (m_hWnd) {
        Invalidate();
    }
}

void CXTSplitterWnd::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(client, ::GetSysColor(COLOR_BTNFACE));
    if (m_dwSplitterStyle & XT_SPLIT_FLAT) {
        return;
    }
    for (int row = 0; row < GetRowCount(); ++row) {
        for (int col = 0; col < GetColumnCount(); ++col) {
            const CWnd* pane = GetPane(row, col);
            if (!pane) {
                continue;
            }
            CRect frame;
            pane->GetWindowRect(&frame);
            ScreenToClient(&frame);
            frame.InflateRect(2, 2);
            dc.DrawEdge(frame, EDGE_SUNKEN, BF_RECT);
        }
    }
}
