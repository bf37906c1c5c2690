#include "platform/toolkit/CXTListBase.h"

void CXTListBase::EnableUserRowColor(BOOL bEnable) {
    m_bRowColors = bEnable ? TRUE : FALSE;
    if (m_list.m_hWnd) {
        m_list.Invalidate();
    }
}

void CXTListBase::SetRowColor(int iRow, COLORREF crText, COLORREF crBack, BOOL bRedraw) {
    if (iRow < 0) {
        return;
    }
    if (static_cast<std::size_t>(iRow) >= m_rows.size()) {
        m_rows.resize(static_cast<std::size_t>(iRow) + 1);
    }
    m_rows[static_cast<std::size_t>(iRow)] = {crText, crBack};
    if (bRedraw && m_list.m_hWnd) {
        m_list.Invalidate();
    }
}

void CXTListBase::SetMinimumColSize(int nSize) {
    m_nMinColSize = nSize;
    m_header.SetMinSize(nSize);
}

void CXTListBase::AttachHeader() {
    const HWND header =
        hb::win::HwndFromParam(static_cast<WPARAM>(m_list.SendMessage(LVM_GETHEADER)));
    if (header && !m_header.m_hWnd) {
        m_header.SubclassWindow(header);
    }
}

BOOL CXTListBase::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    return m_list.CWnd::OnNotify(wParam, lParam, pResult);
}

void CXTListBase::OnDestroy() {
    if (m_header.m_hWnd) {
        m_header.UnsubclassWindow();
    }
}

void CXTListBase::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult) {
    auto& draw = *reinterpret_cast<NMLVCUSTOMDRAW*>(pNMHDR);
    *pResult = CDRF_DODEFAULT;
    if (!m_bRowColors) {
        return;
    }
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
        *pResult = CDRF_NOTIFYITEMDRAW;
    } else if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT && draw.nmcd.dwItemSpec < m_rows.size()) {
        const RowColors& colors = m_rows[draw.nmcd.dwItemSpec];
        if (colors.text != CLR_DEFAULT) {
            draw.clrText = colors.text;
        }
        if (colors.back != CLR_DEFAULT) {
            draw.clrTextBk = colors.back;
        }
    }
}
