#pragma once
#include "platform/afx/CGdiObject.h"

class CPen : public CGdiObject {
    DECLARE_DYNAMIC(CPen)

public:
    CPen() = default;
    // Check m_hObject for success.
    CPen(int nPenStyle, int nWidth, COLORREF crColor);

    static CPen* FromHandle(HPEN hPen);
    operator HPEN() const { return HPEN(m_hObject); }

    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
};
