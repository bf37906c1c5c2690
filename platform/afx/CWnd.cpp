#include "platform/afx/CWnd.h"

#include "platform/afx/HandleMap.h"
#include "platform/afx/WindowFaults.h"

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

namespace {

constexpr LPCSTR kPlainClass = "HbAfxWnd";

const MSG*& CurrentMessage() {
    static const MSG* current = nullptr;
    return current;
}

// Makes `msg` the message being handled for as long as it lives.
class CurrentMessageScope {
public:
    explicit CurrentMessageScope(const MSG& msg) : m_saved(CurrentMessage()) {
        CurrentMessage() = &msg;
    }
    ~CurrentMessageScope() { CurrentMessage() = m_saved; }
    CurrentMessageScope(const CurrentMessageScope&) = delete;
    CurrentMessageScope& operator=(const CurrentMessageScope&) = delete;

private:
    const MSG* m_saved;
};

LONG_PTR ProcValue(WNDPROC proc) {
    return reinterpret_cast<LONG_PTR>(proc);
}

} // namespace

CWnd::~CWnd() {
    hb::afx::detail::NoteObjectGone(this);
    const HWND hwnd = m_hWnd;
    if (!hwnd || hb::afx::detail::FindPermanent(hwnd) != this) {
        return;
    }
    if (m_pfnSuper && ::GetWindowLongPtr(hwnd, GWLP_WNDPROC) == ProcValue(&StandardProc)) {
        ::SetWindowLongPtr(hwnd, GWLP_WNDPROC, ProcValue(m_pfnSuper));
    }
    Detach();
    ::DestroyWindow(hwnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    return hb::afx::detail::FindPermanent(hWnd);
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (!::IsWindow(hWnd)) {
        return nullptr;
    }
    CWnd* wnd = FromHandlePermanent(hWnd);
    return wnd ? wnd : hb::afx::detail::TemporaryFor(hWnd);
}

BOOL CWnd::Attach(HWND hWndNew) {
    if (m_hWnd || !::IsWindow(hWndNew) || FromHandlePermanent(hWndNew)) {
        return FALSE;
    }
    m_hWnd = hWndNew;
    hb::afx::detail::AddPermanent(hWndNew, this);
    return TRUE;
}

HWND CWnd::Detach() {
    const HWND hwnd = m_hWnd;
    if (hwnd) {
        hb::afx::detail::RemovePermanent(hwnd, this);
    }
    m_hWnd = {};
    return hwnd;
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext) {
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID,
                    pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top,
                    pParentWnd ? pParentWnd->m_hWnd : HWND{}, nID, lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, UINT nID,
                    LPVOID lpParam) {
    if (m_hWnd) {
        return FALSE;
    }
    CREATESTRUCT cs;
    cs.lpCreateParams = lpParam;
    cs.hMenu = HMENU(nID);
    cs.hwndParent = hWndParent;
    cs.cy = nHeight;
    cs.cx = nWidth;
    cs.y = y;
    cs.x = x;
    cs.style = static_cast<LONG>(dwStyle);
    cs.lpszName = lpszWindowName;
    cs.lpszClass = lpszClassName;
    cs.dwExStyle = dwExStyle;
    if (!PreCreateWindow(cs)) {
        return FALSE;
    }
    if ((cs.style & WS_CHILD) && hb::afx::detail::TakeChildWindowFault(nID)) {
        return FALSE;
    }
    // A failure after the window was made has already unbound the object (and run PostNcDestroy,
    // which may have deleted it): nothing here touches it afterwards.
    hb::win::HookNextWindowCreation([this](HWND hwnd) { BindCreated(hwnd); });
    return ::CreateWindowEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style),
                            cs.x, cs.y, cs.cx, cs.cy, cs.hwndParent, cs.hMenu.id(),
                            cs.lpCreateParams)
               ? TRUE
               : FALSE;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs) {
    if (!cs.lpszClass) {
        if (!::GetClassInfo(kPlainClass, nullptr)) {
            hb::win::RegisterBuiltinClass({.style = CS_DBLCLKS,
                                           .lpfnWndProc = &::DefWindowProc,
                                           .lpszClassName = kPlainClass});
        }
        cs.lpszClass = kPlainClass;
    }
    return TRUE;
}

void CWnd::BindCreated(HWND hWnd) {
    Attach(hWnd);
    PreSubclassWindow();
    m_pfnSuper =
        reinterpret_cast<WNDPROC>(::SetWindowLongPtr(hWnd, GWLP_WNDPROC, ProcValue(&StandardProc)));
}

BOOL CWnd::DestroyWindow() {
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!Attach(hWnd)) {
        return FALSE;
    }
    PreSubclassWindow();
    const auto old =
        reinterpret_cast<WNDPROC>(::SetWindowLongPtr(hWnd, GWLP_WNDPROC, ProcValue(&StandardProc)));
    // A window left subclassed by a detached object keeps the procedure it had before that.
    if (old != &StandardProc) {
        m_pfnSuper = old;
    }
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    const HWND item = pParent ? ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID)) : HWND{};
    return item ? SubclassWindow(item) : FALSE;
}

HWND CWnd::UnsubclassWindow() {
    if (!m_hWnd) {
        return {};
    }
    ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, ProcValue(m_pfnSuper ? m_pfnSuper : &::DefWindowProc));
    m_pfnSuper = nullptr;
    return Detach();
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

LRESULT CWnd::StandardProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = FromHandlePermanent(hWnd);
    if (!wnd) {
        return ::DefWindowProc(hWnd, message, wParam, lParam);
    }
    const MSG msg{hWnd, message, wParam, lParam, GetTickCount(), {}};
    const CurrentMessageScope scope(msg);
    const LRESULT result = wnd->WindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY && FromHandlePermanent(hWnd) == wnd) {
        wnd->m_pfnSuper = nullptr;
        wnd->Detach();
        wnd->PostNcDestroy();
    }
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) {
        result = DefWindowProc(message, wParam, lParam);
    }
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper) {
        return ::CallWindowProc(m_pfnSuper, m_hWnd, message, wParam, lParam);
    }
    return ::DefWindowProc(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    const MSG* msg = CurrentMessage();
    return msg ? DefWindowProc(msg->message, msg->wParam, msg->lParam) : 0;
}

const MSG* CWnd::GetCurrentMessage() {
    return CurrentMessage();
}
