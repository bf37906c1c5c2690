#include "app/rig/EngineView.h"

#include "app/rig/EngineDump.h"
#include "app/rig/Rig.h"
#include "platform/afx/CDC.h"
#include "platform/engine/EngineApi.h"

#include <algorithm>
#include <memory>

IMPLEMENT_DYNCREATE(CEngineView, CScrollView)

BEGIN_MESSAGE_MAP(CEngineView, CScrollView)
ON_WM_TIMER()
END_MESSAGE_MAP()

namespace {

constexpr int kBlockHeightFactor = 10;

} // namespace

CEngineView::CEngineView() {
    m_font.CreateFont(kFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH,
                      nullptr);
}

BOOL CEngineView::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                         const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext* pContext) {
    if (!CScrollView::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID,
                             pContext)) {
        return FALSE;
    }
    CRect parent;
    pParentWnd->GetClientRect(&parent);
    SetScrollSizes(MM_TEXT, CSize(parent.Width(), kBlockHeightFactor * parent.Height()));
    SetTimer(kTimerId, kTimerMs);
    return TRUE;
}

void CEngineView::OnTimer(UINT_PTR nIDEvent) {
    CScrollView::OnTimer(nIDEvent);
    Invalidate(TRUE);
}

void CEngineView::OnDraw(CDC* pDC) {
    if (!m_rig) {
        return;
    }
    CFont* oldFont = pDC->SelectObject(&m_font);
    DrawDump(*pDC);
    pDC->SelectObject(oldFont);
}

void CEngineView::DrawDump(CDC& dc) {
    TEXTMETRIC metrics;
    dc.GetTextMetrics(&metrics);
    m_margin = metrics.tmAveCharWidth;
    // A font that measures nothing still moves each line on.
    const CSize extent = dc.GetTextExtent(CString(' ', kColumnChars));
    m_column_width = std::max<LONG>(extent.cx, 1);
    m_line_height = std::max<LONG>(extent.cy, 1);
    CRect client;
    GetClientRect(&client);
    m_columns = (client.right - m_margin) / m_column_width;
    m_rows = (client.bottom - m_margin) / m_line_height;
    m_column = m_row = m_block = 0;

    const auto engine = std::make_unique<hb::records::EngineStatus>();
    const auto device = std::make_unique<hb::records::DeviceStatus>();
    if (m_rig->EngineStatus(engine->data()) != 0 || m_rig->DeviceStatus(device->data()) != 0) {
        return;
    }
    hb::records::TimerStatistics timer;
    scan_api_call(hb::records::kApiCallTimerStatistics, 0, 0, timer.data(), 0);
    for (const std::string& line : hb::app::EngineDumpLines(*engine, *device, timer)) {
        PutLine(dc, line);
    }
}

void CEngineView::PutLine(CDC& dc, const CString& line) {
    dc.TextOut(m_column * m_column_width + m_margin,
               (m_block * m_rows + m_row) * m_line_height + m_margin, line);
    if (++m_row >= m_rows) {
        m_row = 0;
        if (++m_column >= m_columns) {
            m_column = 0;
            ++m_block;
        }
    }
}
