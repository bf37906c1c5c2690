#pragma once
#include "platform/afx/CObject.h"
#include "platform/afx/CPoint.h"
#include "platform/win/Windows.h"

class CBitmap;
class CDC;

// An image list owned by its wrapper, which destroys it. A list without a wrapper gets a temporary
// one from FromHandle, valid until hb::afx::DeleteTempMap, which never destroys it.
class CImageList : public CObject {
    DECLARE_DYNAMIC(CImageList)

public:
    CImageList() = default;
    ~CImageList() override;

    HIMAGELIST m_hImageList;

    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }

    // Null for no list.
    static CImageList* FromHandle(HIMAGELIST hImageList);
    // FALSE when the wrapper has a list already or the list has a wrapper.
    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();
    BOOL DeleteImageList();

    // An empty list of cx by cy images (ILC_* flags).
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // The strip of bitmap resource nBitmapID (through the bitmap loader) cut into images cx wide,
    // as tall as the strip; crMask shows as transparent.
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);

    // These return the index of the first image added, or -1.
    int Add(CBitmap* pbmImage, COLORREF crMask);
    int Add(HICON hIcon);
    int GetImageCount() const;
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
};
