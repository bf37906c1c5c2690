#pragma once
#include "platform/afx/CGdiObject.h"

class CBrush : public CGdiObject {
    DECLARE_DYNAMIC(CBrush)

public:
    CBrush() = default;
    // A solid brush; check m_hObject for success.
    explicit CBrush(COLORREF crColor);

    static CBrush* FromHandle(HBRUSH hBrush);
    operator HBRUSH() const { return HBRUSH(m_hObject); }

    BOOL CreateSolidBrush(COLORREF crColor);
};
