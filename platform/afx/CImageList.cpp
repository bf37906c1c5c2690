#include "platform/afx/CImageList.h"

#include "platform/afx/CBitmap.h"
#include "platform/afx/CDC.h"
#include "platform/afx/ObjectMap.h"

#include <algorithm>
#include <memory>

IMPLEMENT_DYNAMIC(CImageList, CObject)

namespace {

using ImageLists = hb::afx::detail::ObjectMap<CImageList, HIMAGELIST, &CImageList::m_hImageList>;

} // namespace

CImageList::~CImageList() {
    DeleteImageList();
}

CImageList* CImageList::FromHandle(HIMAGELIST hImageList) {
    return ImageLists::Get().FromHandle(hImageList, [] { return std::make_unique<CImageList>(); });
}

BOOL CImageList::Attach(HIMAGELIST hImageList) {
    return ImageLists::Get().Attach(*this, hImageList);
}

HIMAGELIST CImageList::Detach() {
    return ImageLists::Get().Detach(*this);
}

BOOL CImageList::DeleteImageList() {
    return m_hImageList ? ImageList_Destroy(Detach()) : FALSE;
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow) {
    if (m_hImageList) {
        return FALSE;
    }
    const HIMAGELIST list = ImageList_Create(cx, cy, nFlags, nInitial, nGrow);
    return list && Attach(list);
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask) {
    CBitmap strip;
    BITMAP size;
    if (m_hImageList || !strip.LoadBitmap(nBitmapID) || !strip.GetBitmap(&size) ||
        !Create(cx, size.bmHeight, ILC_COLOR | ILC_MASK, size.bmWidth / std::max(cx, 1), nGrow)) {
        return FALSE;
    }
    if (Add(&strip, crMask) < 0) {
        DeleteImageList();
        return FALSE;
    }
    return TRUE;
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask) {
    return pbmImage ? ImageList_AddMasked(m_hImageList, *pbmImage, crMask) : -1;
}

int CImageList::Add(HICON hIcon) {
    return ImageList_AddIcon(m_hImageList, hIcon);
}

int CImageList::GetImageCount() const {
    return ImageList_GetImageCount(m_hImageList);
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) {
    return pDC ? ImageList_Draw(m_hImageList, nImage, pDC->m_hDC, pt.x, pt.y, nStyle) : FALSE;
}
