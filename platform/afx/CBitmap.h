#pragma once
#include "platform/afx/CGdiObject.h"

class CDC;

class CBitmap : public CGdiObject {
    DECLARE_DYNAMIC(CBitmap)

public:
    static CBitmap* FromHandle(HBITMAP hBitmap);
    operator HBITMAP() const { return HBITMAP(m_hObject); }

    // Through the bitmap loader (hb::afx::SetBitmapLoader).
    BOOL LoadBitmap(UINT nIDResource);
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    int GetBitmap(BITMAP* pBitMap) const;
};
