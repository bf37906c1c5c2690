#include "platform/afx/CListBox.h"

#include "platform/afx/MessageParams.h"

#include <string>

using hb::afx::detail::IndexParam;
using hb::afx::detail::PointerParam;

IMPLEMENT_DYNAMIC(CListBox, CWnd)

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("ListBox", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CListBox::Indexed(UINT message, WPARAM wParam, LPARAM lParam) const {
    return m_hWnd ? static_cast<int>(SendMessage(message, wParam, lParam)) : LB_ERR;
}

int CListBox::AddString(LPCSTR lpszString) {
    return Indexed(LB_ADDSTRING, 0, PointerParam(lpszString));
}

int CListBox::InsertString(int nIndex, LPCSTR lpszString) {
    return Indexed(LB_INSERTSTRING, IndexParam(nIndex), PointerParam(lpszString));
}

int CListBox::DeleteString(UINT nIndex) {
    return Indexed(LB_DELETESTRING, nIndex, 0);
}

void CListBox::ResetContent() {
    if (m_hWnd) {
        SendMessage(LB_RESETCONTENT);
    }
}

int CListBox::GetCount() const {
    return Indexed(LB_GETCOUNT, 0, 0);
}

int CListBox::GetCurSel() const {
    return Indexed(LB_GETCURSEL, 0, 0);
}

int CListBox::SetCurSel(int nSelect) {
    return Indexed(LB_SETCURSEL, IndexParam(nSelect), 0);
}

void CListBox::GetText(int nIndex, CString& rString) const {
    const int length = Indexed(LB_GETTEXTLEN, IndexParam(nIndex), 0);
    if (length < 0) {
        rString.Empty();
        return;
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    Indexed(LB_GETTEXT, IndexParam(nIndex), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    rString = CString(text);
}

int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData) {
    return Indexed(LB_SETITEMDATA, IndexParam(nIndex), static_cast<LPARAM>(dwItemData));
}

DWORD_PTR CListBox::GetItemData(int nIndex) const {
    return m_hWnd ? static_cast<DWORD_PTR>(SendMessage(LB_GETITEMDATA, IndexParam(nIndex), 0))
                  : static_cast<DWORD_PTR>(LB_ERR);
}

int CListBox::GetItemRect(int nIndex, LPRECT lpRect) const {
    return Indexed(LB_GETITEMRECT, IndexParam(nIndex), reinterpret_cast<LPARAM>(lpRect));
}
