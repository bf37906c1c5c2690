#pragma once
#include "platform/afx/CHeaderCtrl.h"

// A list's column headings, bound to the list's header window, keeping every column at least
// the minimum width.
class CXTHeaderCtrl : public CHeaderCtrl {
    DECLARE_DYNAMIC(CXTHeaderCtrl)

public:
    // Applies to widths set from then on.
    void SetMinSize(int nMinSize) { m_nMinSize = nMinSize; }
    int GetMinSize() const { return m_nMinSize; }

protected:
    LRESULT OnSetItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnInsertItem(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // The message passed on with the width raised to the minimum.
    LRESULT WithMinimumWidth(UINT message, WPARAM wParam, LPARAM lParam);

    int m_nMinSize = 0;
};
