#include "platform/afx/CComboBox.h"

#include "platform/afx/MessageParams.h"

using hb::afx::detail::IndexParam;
using hb::afx::detail::PointerParam;

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("ComboBox", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CComboBox::Indexed(UINT message, WPARAM wParam, LPARAM lParam) const {
    return m_hWnd ? static_cast<int>(SendMessage(message, wParam, lParam)) : CB_ERR;
}

int CComboBox::AddString(LPCSTR lpszString) {
    return Indexed(CB_ADDSTRING, 0, PointerParam(lpszString));
}

int CComboBox::InsertString(int nIndex, LPCSTR lpszString) {
    return Indexed(CB_INSERTSTRING, IndexParam(nIndex), PointerParam(lpszString));
}

int CComboBox::DeleteString(UINT nIndex) {
    return Indexed(CB_DELETESTRING, nIndex, 0);
}

void CComboBox::ResetContent() {
    SendMessage(CB_RESETCONTENT);
}

int CComboBox::GetCount() const {
    return static_cast<int>(SendMessage(CB_GETCOUNT));
}

int CComboBox::GetCurSel() const {
    return Indexed(CB_GETCURSEL, 0, 0);
}

int CComboBox::SetCurSel(int nSelect) {
    return Indexed(CB_SETCURSEL, IndexParam(nSelect), 0);
}

int CComboBox::GetLBText(int nIndex, LPSTR lpszText) const {
    return Indexed(CB_GETLBTEXT, IndexParam(nIndex), reinterpret_cast<LPARAM>(lpszText));
}

void CComboBox::GetLBText(int nIndex, CString& rString) const {
    const int length = GetLBTextLen(nIndex);
    if (length < 0) {
        rString.Empty();
        return;
    }
    GetLBText(nIndex, rString.GetBufferSetLength(length));
    rString.ReleaseBuffer(length);
}

int CComboBox::GetLBTextLen(int nIndex) const {
    return Indexed(CB_GETLBTEXTLEN, IndexParam(nIndex), 0);
}

int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData) {
    return Indexed(CB_SETITEMDATA, IndexParam(nIndex), static_cast<LPARAM>(dwItemData));
}

DWORD_PTR CComboBox::GetItemData(int nIndex) const {
    return m_hWnd ? static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, IndexParam(nIndex)))
                  : static_cast<DWORD_PTR>(CB_ERR);
}

int CComboBox::FindString(int nStartAfter, LPCSTR lpszString) const {
    return Indexed(CB_FINDSTRING, IndexParam(nStartAfter), PointerParam(lpszString));
}

int CComboBox::FindStringExact(int nIndexStart, LPCSTR lpszFind) const {
    return Indexed(CB_FINDSTRINGEXACT, IndexParam(nIndexStart), PointerParam(lpszFind));
}

int CComboBox::SelectString(int nStartAfter, LPCSTR lpszString) {
    return Indexed(CB_SELECTSTRING, IndexParam(nStartAfter), PointerParam(lpszString));
}

void CComboBox::ShowDropDown(BOOL bShowIt) {
    SendMessage(CB_SHOWDROPDOWN, static_cast<WPARAM>(bShowIt));
}

BOOL CComboBox::GetDroppedState() const {
    return static_cast<BOOL>(SendMessage(CB_GETDROPPEDSTATE));
}
