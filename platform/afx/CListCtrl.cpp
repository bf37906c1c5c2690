#include "platform/afx/CListCtrl.h"

#include "platform/afx/CHeaderCtrl.h"
#include "platform/afx/CImageList.h"
#include "platform/afx/MessageParams.h"
#include "platform/afx/ObjectMap.h"
#include "platform/afx/Position.h"

#include <memory>
#include <vector>

using hb::afx::detail::IndexParam;
using hb::afx::detail::PointerParam;

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

namespace {

// Header wrappers made for list views whose header has no object of its own.
using Headers = hb::afx::detail::ObjectMap<CHeaderCtrl, HWND, &CWnd::m_hWnd>;

POSITION PositionOf(int row) {
    const auto index = static_cast<std::size_t>(row);
    return row < 0 ? nullptr : hb::afx::PositionAt(index, index + 1);
}

} // namespace

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(WC_LISTVIEW, nullptr, dwStyle, rect, pParentWnd, nID);
}

int CListCtrl::InsertColumn(int nCol, const LVCOLUMN* pColumn) {
    return m_hWnd ? static_cast<int>(
                        SendMessage(LVM_INSERTCOLUMN, IndexParam(nCol), PointerParam(pColumn)))
                  : -1;
}

int CListCtrl::InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat, int nWidth,
                            int nSubItem) {
    LVCOLUMN column;
    column.mask = LVCF_TEXT | LVCF_FMT | (nWidth != -1 ? LVCF_WIDTH : 0) |
                  (nSubItem != -1 ? LVCF_SUBITEM : 0);
    column.fmt = nFormat;
    column.cx = nWidth;
    column.pszText = const_cast<LPSTR>(lpszColumnHeading);
    column.iSubItem = nSubItem;
    return InsertColumn(nCol, &column);
}

BOOL CListCtrl::DeleteColumn(int nCol) {
    return static_cast<BOOL>(SendMessage(LVM_DELETECOLUMN, IndexParam(nCol)));
}

BOOL CListCtrl::SetColumnWidth(int nCol, int cx) {
    return static_cast<BOOL>(
        SendMessage(LVM_SETCOLUMNWIDTH, IndexParam(nCol), MAKELPARAM(static_cast<WORD>(cx), 0)));
}

int CListCtrl::GetColumnWidth(int nCol) const {
    return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, IndexParam(nCol)));
}

int CListCtrl::InsertItem(const LVITEM* pItem) {
    return m_hWnd ? static_cast<int>(SendMessage(LVM_INSERTITEM, 0, PointerParam(pItem))) : -1;
}

int CListCtrl::InsertItem(int nItem, LPCSTR lpszItem) {
    return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0);
}

int CListCtrl::InsertItem(int nItem, LPCSTR lpszItem, int nImage) {
    return InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, lpszItem, 0, 0, nImage, 0);
}

int CListCtrl::InsertItem(UINT nMask, int nItem, LPCSTR lpszItem, UINT nState, UINT nStateMask,
                          int nImage, LPARAM lParam) {
    LVITEM item;
    item.mask = nMask;
    item.iItem = nItem;
    item.state = nState;
    item.stateMask = nStateMask;
    item.pszText = const_cast<LPSTR>(lpszItem);
    item.iImage = nImage;
    item.lParam = lParam;
    return InsertItem(&item);
}

BOOL CListCtrl::SetItem(const LVITEM* pItem) {
    return static_cast<BOOL>(SendMessage(LVM_SETITEM, 0, PointerParam(pItem)));
}

BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCSTR lpszItem, int nImage,
                        UINT nState, UINT nStateMask, LPARAM lParam) {
    LVITEM item;
    item.mask = nMask;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.state = nState;
    item.stateMask = nStateMask;
    item.pszText = const_cast<LPSTR>(lpszItem);
    item.iImage = nImage;
    item.lParam = lParam;
    return SetItem(&item);
}

BOOL CListCtrl::GetItem(LVITEM* pItem) const {
    return static_cast<BOOL>(SendMessage(LVM_GETITEM, 0, PointerParam(pItem)));
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCSTR lpszText) {
    LVITEM item;
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPSTR>(lpszText);
    return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXT, IndexParam(nItem), PointerParam(&item)));
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const {
    // Grows the buffer until the text fits with room to spare.
    for (int size = 256;; size *= 2) {
        std::vector<char> buffer(static_cast<std::size_t>(size));
        const int length = GetItemText(nItem, nSubItem, buffer.data(), size);
        if (length < size - 1) {
            return CString(buffer.data(), length);
        }
    }
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPSTR lpszText, int nLen) const {
    LVITEM item;
    item.iSubItem = nSubItem;
    item.pszText = lpszText;
    item.cchTextMax = nLen;
    if (lpszText && nLen > 0) {
        *lpszText = '\0';
    }
    return static_cast<int>(SendMessage(LVM_GETITEMTEXT, IndexParam(nItem), PointerParam(&item)));
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData) {
    return SetItem(nItem, 0, LVIF_PARAM, nullptr, 0, 0, 0, static_cast<LPARAM>(dwData));
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const {
    LVITEM item;
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    return GetItem(&item) ? static_cast<DWORD_PTR>(item.lParam) : 0;
}

BOOL CListCtrl::DeleteItem(int nItem) {
    return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, IndexParam(nItem)));
}

BOOL CListCtrl::DeleteAllItems() {
    return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS));
}

int CListCtrl::GetItemCount() const {
    return static_cast<int>(SendMessage(LVM_GETITEMCOUNT));
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask) {
    LVITEM item;
    item.state = nState;
    item.stateMask = nMask;
    return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, IndexParam(nItem), PointerParam(&item)));
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const {
    return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, IndexParam(nItem), nMask));
}

int CListCtrl::GetNextItem(int nItem, int nFlags) const {
    return m_hWnd ? static_cast<int>(SendMessage(LVM_GETNEXTITEM, IndexParam(nItem), nFlags)) : -1;
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const {
    return PositionOf(GetNextItem(-1, LVNI_SELECTED));
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const {
    const int row = static_cast<int>(hb::afx::IndexOf(pos));
    pos = PositionOf(GetNextItem(row, LVNI_SELECTED));
    return row;
}

UINT CListCtrl::GetSelectedCount() const {
    return static_cast<UINT>(SendMessage(LVM_GETSELECTEDCOUNT));
}

int CListCtrl::GetSelectionMark() const {
    return m_hWnd ? static_cast<int>(SendMessage(LVM_GETSELECTIONMARK)) : -1;
}

int CListCtrl::SetSelectionMark(int iIndex) {
    return m_hWnd ? static_cast<int>(SendMessage(LVM_SETSELECTIONMARK, 0, iIndex)) : -1;
}

BOOL CListCtrl::EnsureVisible(int nItem, BOOL bPartialOK) {
    return static_cast<BOOL>(SendMessage(LVM_ENSUREVISIBLE, IndexParam(nItem), bPartialOK));
}

CImageList* CListCtrl::SetImageList(CImageList* pImageList, int nImageListType) {
    const LRESULT previous =
        SendMessage(LVM_SETIMAGELIST, IndexParam(nImageListType),
                    pImageList ? hb::win::ParamFromHandle(pImageList->m_hImageList) : 0);
    return CImageList::FromHandle(
        hb::win::HandleFromParam<HIMAGELIST>(static_cast<std::uintptr_t>(previous)));
}

CImageList* CListCtrl::GetImageList(int nImageListType) const {
    return CImageList::FromHandle(hb::win::HandleFromParam<HIMAGELIST>(
        static_cast<std::uintptr_t>(SendMessage(LVM_GETIMAGELIST, IndexParam(nImageListType)))));
}

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle) {
    return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNewStyle));
}

DWORD CListCtrl::GetExtendedStyle() const {
    return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE));
}

BOOL CListCtrl::SetTextColor(COLORREF cr) {
    return static_cast<BOOL>(SendMessage(LVM_SETTEXTCOLOR, 0, cr));
}

COLORREF CListCtrl::GetTextColor() const {
    return static_cast<COLORREF>(SendMessage(LVM_GETTEXTCOLOR));
}

BOOL CListCtrl::SetTextBkColor(COLORREF cr) {
    return static_cast<BOOL>(SendMessage(LVM_SETTEXTBKCOLOR, 0, cr));
}

COLORREF CListCtrl::GetTextBkColor() const {
    return static_cast<COLORREF>(SendMessage(LVM_GETTEXTBKCOLOR));
}

BOOL CListCtrl::SetBkColor(COLORREF cr) {
    return static_cast<BOOL>(SendMessage(LVM_SETBKCOLOR, 0, cr));
}

COLORREF CListCtrl::GetBkColor() const {
    return static_cast<COLORREF>(SendMessage(LVM_GETBKCOLOR));
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl() const {
    const HWND header = hb::win::HwndFromParam(static_cast<WPARAM>(SendMessage(LVM_GETHEADER)));
    if (auto* own = dynamic_cast<CHeaderCtrl*>(FromHandlePermanent(header))) {
        return own;
    }
    return ::IsWindow(header)
               ? Headers::Get().FromHandle(header, [] { return std::make_unique<CHeaderCtrl>(); })
               : nullptr;
}
