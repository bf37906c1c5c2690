#pragma once
#include "platform/toolkit/CXTHeaderCtrl.h"

#include <vector>

// What the toolkit adds to a list view window (the derived class is that window): its header
// bound to a CXTHeaderCtrl, and colours per row, shown through the list's custom drawing.
class CXTListBase {
public:
    CXTListBase(const CXTListBase&) = delete;
    CXTListBase& operator=(const CXTListBase&) = delete;

    // Row colours show only while this is on.
    void EnableUserRowColor(BOOL bEnable);
    // The colours of the row at that index (CLR_DEFAULT keeps the list's own); rows without
    // colours of their own keep the list's.
    void SetRowColor(int iRow, COLORREF crText, COLORREF crBack, BOOL bRedraw = TRUE);
    CXTHeaderCtrl& GetHeader() { return m_header; }
    // Kept here and by the header.
    void SetMinimumColSize(int nSize);
    int GetMinimumColSize() const { return m_nMinColSize; }

protected:
    explicit CXTListBase(CWnd& list) : m_list(list) {}
    virtual ~CXTListBase() = default;

    // The creation step, once the list window exists: its header is bound to GetHeader().
    void AttachHeader();
    // The list window's own handling of its children's notifications.
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // The header is let go.
    void OnDestroy();
    // The list's NM_CUSTOMDRAW, reflected to it: the rows' colours.
    void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);

private:
    struct RowColors {
        COLORREF text = CLR_DEFAULT;
        COLORREF back = CLR_DEFAULT;
    };

    CWnd& m_list;
    CXTHeaderCtrl m_header;
    std::vector<RowColors> m_rows;
    BOOL m_bRowColors = FALSE;
    int m_nMinColSize = 0;
};
