#include "radioview/Rack.h"

#include "app/HalbridgeApp.h"
#include "platform/afx/res/ResourceLoading.h"
#include "platform/win/core/NoCase.h"

#include <algorithm>
#include <cstring>
#include <string>

IMPLEMENT_DYNAMIC(CRack, CDialogBar)

BEGIN_MESSAGE_MAP(CRack, CDialogBar)
ON_WM_DESTROY()
ON_COMMAND_RANGE(1, 32767, &CRack::PostCommandToParent)
ON_NOTIFY_EX(TTN_NEEDTEXTA, 0, &CRack::OnToolTipText)
END_MESSAGE_MAP()

namespace {

constexpr int kStringLength = 256;

bool IsButton(HWND hwnd) {
    char name[16] = {};
    ::GetClassName(hwnd, name, static_cast<int>(sizeof name));
    return hb::win::EqualNoCase(name, "Button");
}

} // namespace

BOOL CRack::Create(CWnd* parent, UINT templateId, UINT style, UINT barId) {
    if (!CDialogBar::Create(parent, MAKEINTRESOURCE(templateId), style, barId)) {
        return FALSE;
    }
    UpdateData(FALSE);
    if (CHalbridgeApp* app = CHalbridgeApp::Get()) {
        app->ApplyVisualStyle(this);
    }
    ShowButtonIcons();
    EnableToolTips(TRUE);
    return TRUE;
}

void CRack::ShowButtonIcons() {
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!IsButton(child)) {
            continue;
        }
        const LPCSTR name = MAKEINTRESOURCE(static_cast<UINT>(::GetDlgCtrlID(child)));
        if (HICON icon = ::LoadIcon(AfxFindResourceHandle(name, RT_GROUP_ICON), name)) {
            ::SendMessage(child, BM_SETIMAGE, IMAGE_ICON, hb::win::ParamFromHandle(icon));
        }
    }
}

void CRack::OnDestroy() {
    CControlBar::OnDestroy();
}

BOOL CRack::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult) {
    auto* info = reinterpret_cast<TOOLTIPTEXTA*>(pNMHDR);
    *pResult = 0;
    std::memset(info->szText, 0, sizeof info->szText);
    info->hinst = HINSTANCE{};
    if (pNMHDR->code != TTN_NEEDTEXTA || !(info->uFlags & TTF_IDISHWND)) {
        return TRUE;
    }
    const auto id = static_cast<UINT>(::GetDlgCtrlID(hb::win::HwndFromParam(pNMHDR->idFrom)));
    char text[kStringLength] = {};
    if (id != 0 && ::LoadString(AfxFindResourceHandle(MAKEINTRESOURCE(id), RT_STRING), id, text,
                                kStringLength) > 0) {
        const std::string tip(text, std::strcspn(text, "\n"));
        const std::size_t length = std::min(tip.size(), sizeof info->szText - 1);
        std::memcpy(info->szText, tip.data(), length);
    }
    return TRUE;
}

void CRack::PostCommandToParent(UINT id) {
    SetFocus();
    CWnd* parent = GetParent();
    if (m_hWnd && parent && parent->m_hWnd) {
        parent->PostMessage(WM_COMMAND, id, hb::win::ParamFromHwnd(m_hWnd));
    }
    if (::IsWindow(m_hWnd)) {
        SetFocus();
    }
}

void CRack::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL) {
    CDialogBar::OnUpdateCmdUI(pTarget, FALSE);
}

void CRack::DoDataExchange(CDataExchange*) {}
