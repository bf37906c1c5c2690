#include "platform/afx/CDialog.h"

#include "platform/afx/ButtonKind.h"
#include "platform/afx/CWinApp.h"
#include "platform/afx/ModalScript.h"
#include "platform/afx/ModelessDialog.h"
#include "platform/afx/res/TemplateControls.h"
#include "platform/afx/res/TemplateLookup.h"
#include "platform/win/core/ModalDepth.h"
#include "platform/win/core/Placement.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

namespace {

constexpr LPCSTR kDialogClass = "#32770";

// The controls that take the focus from the keyboard, in their order.
std::vector<HWND> TabStops(HWND dialog) {
    std::vector<HWND> stops;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        const auto style = static_cast<DWORD>(::GetWindowLong(child, GWL_STYLE));
        if ((style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED)) {
            stops.push_back(child);
        }
    }
    return stops;
}

HWND FirstTabStop(HWND dialog) {
    const std::vector<HWND> stops = TabStops(dialog);
    return stops.empty() ? HWND{} : stops.front();
}

// The tab stop after (or before) the control with the focus, going round.
HWND NextTabStop(HWND dialog, bool backwards) {
    const std::vector<HWND> stops = TabStops(dialog);
    if (stops.empty()) {
        return {};
    }
    const auto at = std::ranges::find(stops, ::GetFocus());
    if (at == stops.end()) {
        return backwards ? stops.back() : stops.front();
    }
    if (backwards) {
        return at == stops.begin() ? stops.back() : *(at - 1);
    }
    return at + 1 == stops.end() ? stops.front() : *(at + 1);
}

// The dialog class's own procedure, under the object's message map. WM_NEXTDLGCTL moves the focus
// to the next tab stop, or with a non-zero wParam to the previous one.
LRESULT DialogClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case DM_GETDEFID:
        for (HWND child = ::GetWindow(hwnd, GW_CHILD); child;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
            if (hb::afx::detail::IsButtonOfType(child, BS_DEFPUSHBUTTON)) {
                return MAKELONG(static_cast<WORD>(::GetDlgCtrlID(child)), DC_HASDEFID);
            }
        }
        return 0;
    case WM_NEXTDLGCTL:
        if (const HWND next = NextTabStop(hwnd, wParam != 0)) {
            ::SetFocus(next);
        }
        return 0;
    case WM_CLOSE:
        ::SendMessage(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                      hb::win::ParamFromHwnd(::GetDlgItem(hwnd, IDCANCEL)));
        return 0;
    default:
        return ::DefWindowProc(hwnd, message, wParam, lParam);
    }
}

void RegisterDialogClass() {
    if (!::GetClassInfo(kDialogClass, nullptr)) {
        hb::win::RegisterBuiltinClass(
            {.style = 0, .lpfnWndProc = &DialogClassProc, .lpszClassName = kDialogClass});
    }
}

} // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::CDialog(const hb::afx::DialogTemplate* pTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(pTemplate ? pTemplate->id : 0), m_pTemplate(pTemplate),
      m_pParentWnd(pParentWnd) {}

void CDialog::SetTemplate(const hb::afx::DialogTemplate* pTemplate) {
    m_pTemplate = pTemplate;
    m_nIDTemplate = pTemplate ? pTemplate->id : 0;
}

UINT CDialog::GetTemplateId() const {
    return m_nIDTemplate;
}

const hb::afx::DialogTemplate* CDialog::FindTemplate() const {
    return m_pTemplate ? m_pTemplate : hb::afx::FindDialogTemplate(m_nIDTemplate);
}

BOOL CDialog::CreateChild(CWnd* pParentWnd) {
    const hb::afx::DialogTemplate* dialog = FindTemplate();
    if (!dialog || m_hWnd || !pParentWnd || !pParentWnd->m_hWnd) {
        return FALSE;
    }
    RegisterDialogClass();
    const RECT size = hb::afx::DluToPixels({0, 0, dialog->cx, dialog->cy});
    const DWORD style =
        (dialog->style & ~(WS_POPUP | WS_CAPTION | WS_DISABLED | WS_VISIBLE)) | WS_CHILD;
    if (!CreateEx(0, kDialogClass, dialog->caption.c_str(), style, 0, 0, size.right, size.bottom,
                  pParentWnd->m_hWnd, m_nIDTemplate)) {
        return FALSE;
    }
    if (!hb::afx::CreateTemplateControls(m_hWnd, *dialog)) {
        DestroyWindow();
        return FALSE;
    }
    SendMessage(WM_INITDIALOG, hb::win::ParamFromHwnd(FirstTabStop(m_hWnd)));
    return ::IsWindow(m_hWnd);
}

int CDialog::DoModal() {
    const hb::afx::DialogTemplate* dialog = FindTemplate();
    if (!dialog || m_hWnd) {
        return -1;
    }
    // Without a parent the main window owns the dialog, so that it stays out of reach meanwhile.
    const CWnd* parent = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    const HWND owner = parent && parent->m_hWnd ? ::GetAncestor(parent->m_hWnd, GA_ROOT) : HWND{};
    const bool disableOwner = owner && ::IsWindowEnabled(owner);
    if (disableOwner) {
        ::EnableWindow(owner, FALSE);
    }
    m_nModalResult = -1;
    m_bEnded = false;
    const int result = CreateFromTemplate(*dialog, owner) ? RunModal() : -1;
    // The owner may have gone while the dialog ran.
    if (disableOwner && ::IsWindow(owner)) {
        ::EnableWindow(owner, TRUE);
        if (m_hWnd && ::GetActiveWindow() == m_hWnd) {
            ::SetActiveWindow(owner);
        }
    }
    DestroyWindow();
    return result;
}

BOOL CDialog::CreateFromTemplate(const hb::afx::DialogTemplate& dialog, HWND owner) {
    RegisterDialogClass();
    const RECT size = hb::afx::DluToPixels({0, 0, dialog.cx, dialog.cy});
    const DWORD style = (dialog.style & ~(WS_CHILD | WS_VISIBLE)) | WS_POPUP;
    if (!CreateEx(0, kDialogClass, dialog.caption.c_str(), style, 0, 0, size.right, size.bottom,
                  owner, 0)) {
        return FALSE;
    }
    if (!hb::afx::CreateTemplateControls(m_hWnd, dialog)) {
        DestroyWindow();
        return FALSE;
    }
    return TRUE;
}

int CDialog::RunModal() {
    const HWND hwnd = m_hWnd;
    RECT created;
    ::GetWindowRect(hwnd, &created);
    SendMessage(WM_INITDIALOG, hb::win::ParamFromHwnd(FirstTabStop(hwnd)));
    // Where the dialog's own code did not place it, it goes over its owner.
    RECT placed;
    if (::GetWindowRect(hwnd, &placed) && placed.left == created.left &&
        placed.top == created.top) {
        const POINT at = hb::win::CentredOver(
            ::GetWindow(hwnd, GW_OWNER), {placed.right - placed.left, placed.bottom - placed.top});
        ::SetWindowPos(hwnd, HWND{}, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (!m_bEnded && ::IsWindow(hwnd)) {
        ShowWindow(SW_SHOWNORMAL);
        // The dialog's script runs inside it too.
        const hb::win::ModalScope modal;
        const std::size_t logIndex = hb::afx::detail::ModalShown(*this);
        hb::win::RunNestedLoop([this, hwnd] { return !m_bEnded && ::IsWindow(hwnd); },
                               [hwnd](const MSG& msg) {
                                   if (msg.hwnd != hwnd && !::IsChild(hwnd, msg.hwnd)) {
                                       return false;
                                   }
                                   MSG copy = msg;
                                   return WalkPreTranslateTree(hwnd, &copy) != FALSE;
                               });
        hb::afx::detail::ModalEnded(logIndex, m_bEnded ? m_nModalResult : IDCANCEL);
    }
    return m_bEnded ? m_nModalResult : IDCANCEL;
}

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    m_bEnded = true;
    ShowWindow(SW_HIDE);
}

LRESULT CDialog::HandleInitDialog(WPARAM wParam, LPARAM) {
    const BOOL focusFirst = OnInitDialog();
    const HWND first = hb::win::HwndFromParam(wParam);
    if (focusFirst && ::IsWindow(first)) {
        ::SetFocus(first);
    }
    return focusFirst;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) {
        EndDialog(IDOK);
    }
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message != WM_KEYDOWN || !m_hWnd ||
        (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd))) {
        return CWnd::PreTranslateMessage(pMsg);
    }
    int id = 0;
    if (pMsg->wParam == VK_RETURN) {
        const LRESULT defId = SendMessage(DM_GETDEFID);
        id = HIWORD(defId) == DC_HASDEFID ? static_cast<int>(LOWORD(defId)) : IDOK;
    } else if (pMsg->wParam == VK_ESCAPE) {
        id = IDCANCEL;
    } else {
        return FALSE;
    }
    const HWND button = ::GetDlgItem(m_hWnd, id);
    if (!button || ::IsWindowEnabled(button)) {
        SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED),
                    hb::win::ParamFromHwnd(button));
    }
    return TRUE;
}

BOOL hb::afx::CreateModeless(CDialog& dialog, CWnd* parent) {
    const hb::afx::DialogTemplate* found = dialog.FindTemplate();
    if (!found || dialog.m_hWnd) {
        return FALSE;
    }
    RegisterDialogClass();
    const HWND owner = parent && parent->m_hWnd ? ::GetAncestor(parent->m_hWnd, GA_ROOT) : HWND{};
    const RECT size = hb::afx::DluToPixels({0, 0, found->cx, found->cy});
    const DWORD style = (found->style & ~(WS_CHILD | WS_VISIBLE)) | WS_POPUP;
    if (!dialog.CreateEx(0, kDialogClass, found->caption.c_str(), style, 0, 0, size.right,
                         size.bottom, owner, 0)) {
        return FALSE;
    }
    if (!hb::afx::CreateTemplateControls(dialog.m_hWnd, *found)) {
        dialog.DestroyWindow();
        return FALSE;
    }
    const HWND hwnd = dialog.m_hWnd;
    dialog.SendMessage(WM_INITDIALOG, hb::win::ParamFromHwnd(FirstTabStop(hwnd)));
    if (!::IsWindow(hwnd)) {
        return FALSE;
    }
    const POINT at = hb::win::CentredOver(owner, {size.right, size.bottom});
    ::SetWindowPos(hwnd, HWND{}, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    dialog.ShowWindow(SW_SHOWNORMAL);
    return TRUE;
}
