#pragma once
#include "platform/afx/CWnd.h"

// A "Static" control: a label, or with SS_ICON an icon.
class CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)

public:
    BOOL Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                UINT nID = 0xFFFF);

    // Returns the icon it replaces.
    HICON SetIcon(HICON hIcon);
    HICON GetIcon() const;
};
