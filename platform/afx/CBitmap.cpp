#include "platform/afx/CBitmap.h"

#include "platform/afx/CDC.h"
#include "platform/afx/res/BitmapLookup.h"

IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

CBitmap* CBitmap::FromHandle(HBITMAP hBitmap) {
    return hb::afx::detail::GdiWrapperOf<CBitmap>(HGDIOBJ(hBitmap));
}

BOOL CBitmap::LoadBitmap(UINT nIDResource) {
    return Take(hb::afx::LoadResourceBitmap(nIDResource));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight) {
    return pDC && Take(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}

int CBitmap::GetBitmap(BITMAP* pBitMap) const {
    return GetObject(static_cast<int>(sizeof(BITMAP)), pBitMap);
}
