#include "platform/toolkit/CXTEditListBox.h"

#include "platform/afx/CClientDC.h"
#include "platform/records/ToolkitMessages.h"
#include "platform/win/core/Keys.h"
#include "platform/win/gdi/Objects.h"

#include <utility>

IMPLEMENT_DYNAMIC(CXTEditListBox, CListBox)

BEGIN_MESSAGE_MAP(CXTEditListBox, CListBox)
ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

namespace {

constexpr UINT kEditId = 1;
constexpr int kTitleGap = 2;

} // namespace

void CXTEditListBox::SetListEditStyle(LPCSTR lpszTitle, DWORD) {
    CWnd* parent = GetParent();
    if (!m_hWnd || !parent || m_title.m_hWnd) {
        return;
    }
    CRect place;
    GetWindowRect(&place);
    parent->ScreenToClient(&place);
    TEXTMETRIC metrics{};
    {
        CClientDC dc(this);
        ::SelectObject(dc.m_hDC, hb::win::HandleFromParam<HGDIOBJ>(
                                     static_cast<WPARAM>(SendMessage(WM_GETFONT))));
        dc.GetTextMetrics(&metrics);
    }
    const int height = metrics.tmHeight + kTitleGap;
    m_title.Create(lpszTitle, WS_CHILD | WS_VISIBLE,
                   CRect(place.left, place.top, place.right, place.top + height), parent);
    m_title.SendMessage(WM_SETFONT, static_cast<WPARAM>(SendMessage(WM_GETFONT)));
    MoveWindow(place.left, place.top + height, place.Width(), place.Height() - height);
}

void CXTEditListBox::EditNewItem() {
    if (!m_hWnd) {
        return;
    }
    EndLabelEdit(false);
    const int index = AddString("");
    m_bNewItem = true;
    EditItem(index);
}

void CXTEditListBox::EditItem(int nIndex) {
    CRect row;
    if (!m_hWnd || GetItemRect(nIndex, &row) == LB_ERR) {
        return;
    }
    if (m_edit.m_hWnd) {
        EndLabelEdit(false);
    }
    m_nIndex = nIndex;
    SetCurSel(nIndex);
    CString text;
    GetText(nIndex, text);
    m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, row, this, kEditId);
    m_edit.SendMessage(WM_SETFONT, static_cast<WPARAM>(SendMessage(WM_GETFONT)));
    m_edit.SetWindowText(text);
    m_edit.SetSel(0, -1);
    m_edit.SetFocus();
}

void CXTEditListBox::EndLabelEdit(bool cancel) {
    if (!m_edit.m_hWnd || m_bEnding) {
        return;
    }
    m_bEnding = true;
    CString text;
    m_edit.GetWindowText(text);
    m_edit.DestroyWindow();
    m_bEnding = false;
    const bool isNew = std::exchange(m_bNewItem, false);
    SetFocus();
    if (isNew && (cancel || text.IsEmpty())) {
        DeleteString(static_cast<UINT>(m_nIndex));
        m_nIndex = -1;
        return;
    }
    if (cancel) {
        Notify(EDITLIST_CANCEL_LABEL_EDIT);
        return;
    }
    SetItemText(m_nIndex, text);
    Notify(isNew ? EDITLIST_NEW_ITEM : EDITLIST_END_LABEL_EDIT);
}

void CXTEditListBox::DeleteItem() {
    const int index = GetCurSel();
    if (index < 0) {
        return;
    }
    EndLabelEdit(true);
    m_nIndex = index;
    Notify(EDITLIST_DELETE_ITEM);
    if (!m_hWnd) {
        return;
    }
    DeleteString(static_cast<UINT>(index));
    // The user goes on from the item that took its place.
    const int count = GetCount();
    if (count > 0) {
        SetCurSel(index < count ? index : count - 1);
    }
    Notify(LBN_SELCHANGE);
}

void CXTEditListBox::SetItemText(int nIndex, const CString& text) {
    const DWORD_PTR data = GetItemData(nIndex);
    const bool selected = GetCurSel() == nIndex;
    DeleteString(static_cast<UINT>(nIndex));
    InsertString(nIndex, text);
    SetItemData(nIndex, data);
    if (selected) {
        SetCurSel(nIndex);
    }
}

void CXTEditListBox::Notify(UINT code) {
    if (CWnd* parent = GetParent()) {
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID()), code),
                            hb::win::ParamFromHwnd(m_hWnd));
    }
}

BOOL CXTEditListBox::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message != WM_KEYDOWN) {
        return CListBox::PreTranslateMessage(pMsg);
    }
    if (m_edit.m_hWnd && pMsg->hwnd == m_edit.m_hWnd &&
        (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) {
        EndLabelEdit(pMsg->wParam == VK_ESCAPE);
        return TRUE;
    }
    if (pMsg->hwnd == m_hWnd && pMsg->wParam == VK_INSERT) {
        EditNewItem();
        return TRUE;
    }
    if (pMsg->hwnd == m_hWnd && pMsg->wParam == VK_DELETE) {
        DeleteItem();
        return TRUE;
    }
    return CListBox::PreTranslateMessage(pMsg);
}

void CXTEditListBox::OnLButtonDblClk(UINT, CPoint point) {
    for (int index = 0; index < GetCount(); ++index) {
        CRect row;
        if (GetItemRect(index, &row) != LB_ERR && row.PtInRect(point)) {
            EditItem(index);
            return;
        }
    }
}

BOOL CXTEditListBox::OnCommand(WPARAM wParam, LPARAM lParam) {
    // Leaving the label keeps what was typed.
    if (LOWORD(wParam) == kEditId && HIWORD(wParam) == EN_KILLFOCUS) {
        EndLabelEdit(false);
        return TRUE;
    }
    return CListBox::OnCommand(wParam, lParam);
}
