#include "app/mainframe/ControlTools.h"

#include "app/mainframe/UserTool.h"
#include "platform/toolkit/CXTPCommandBar.h"
#include "platform/toolkit/CXTPCommandBars.h"
#include "resources/ResourceIds.h"

namespace {

constexpr LPCSTR kPlaceholderCaption = "User Tools";

} // namespace

CControlTools::CControlTools() {
    SetID(ID_TOOLS_USER_TOOL);
    SetCaption(kPlaceholderCaption);
    // Enabled by the tools, not by a command handler.
    SetFlags(xtpFlagManualUpdate);
}

void CControlTools::Register() {
    hb::toolkit::RegisterControlClass(kClassName, [] { return std::make_unique<CControlTools>(); });
}

void CControlTools::RemoveToolButtons() {
    CXTPControls* controls = GetParent()->GetControls();
    const int next = controls->IndexOf(this) + 1;
    while (CXTPControl* control = controls->GetAt(next)) {
        if (control->GetID() != static_cast<int>(ID_TOOLS_USER_TOOL)) {
            break;
        }
        controls->Remove(next);
    }
}

void CControlTools::OnCalcDynamicSize() {
    CXTPCommandBar* bar = GetParent();
    if (!bar) {
        return;
    }
    RemoveToolButtons();
    const CXTPCommandBars* bars = bar->GetCommandBars();
    if (bars && bars->IsCustomizeMode()) {
        SetHideFlags(xtpNoHide);
        SetEnabled(TRUE);
        return;
    }
    const CUserToolList& tools = hb::app::UserTools();
    if (tools.empty()) {
        SetHideFlags(xtpNoHide);
        SetEnabled(FALSE);
        return;
    }
    SetHideFlags(xtpHideGeneric);
    CXTPControls* controls = bar->GetControls();
    int before = controls->IndexOf(this) + 1;
    bool first = true;
    for (const auto& tool : tools) {
        CXTPControl* button =
            controls->Add(xtpControlButton, static_cast<int>(ID_TOOLS_USER_TOOL), before, TRUE);
        button->SetBeginGroup(first && GetBeginGroup());
        first = false;
        button->SetCaption(tool->m_strTitle);
        button->SetFlags(xtpFlagManualUpdate);
        button->SetTag(reinterpret_cast<DWORD_PTR>(tool.get()));
        button->SetIconId(static_cast<int>(tool->m_nIconId));
        ++before;
    }
}

XTPDropEffect CControlTools::GetCustomizeDropEffect(const CXTPCommandBar* pBar) const {
    return pBar && pBar->GetType() == xtpBarTypePopup ? xtpDropMove : xtpDropNone;
}

std::unique_ptr<CXTPControl> CControlTools::Clone() const {
    auto clone = std::make_unique<CControlTools>();
    clone->Copy(*this);
    return clone;
}
