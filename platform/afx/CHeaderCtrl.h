#pragma once
#include "platform/afx/CWnd.h"

// The column headings of a list view ("SysHeader32").
class CHeaderCtrl : public CWnd {
    DECLARE_DYNAMIC(CHeaderCtrl)

public:
    int GetItemCount() const;
};
