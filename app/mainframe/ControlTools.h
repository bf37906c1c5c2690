#pragma once
// The place on a command bar where the user tools appear: outside customising it hides itself
// and puts one button per tool after itself (id ID_TOOLS_USER_TOOL, the tool's record as tag);
// while customising it stands alone so that the user can move or remove it. The class is
// registered by name, so saved bars make it again.

#include "platform/toolkit/CXTPControl.h"

class CControlTools : public CXTPControlButton {
public:
    static constexpr LPCSTR kClassName = "CControlTools";

    CControlTools();

    // Once, before any bar is loaded.
    static void Register();

    CString GetClassName() const override { return kClassName; }
    void OnCalcDynamicSize() override;
    // Only menus take it.
    XTPDropEffect GetCustomizeDropEffect(const CXTPCommandBar* pBar) const override;
    std::unique_ptr<CXTPControl> Clone() const override;

private:
    void RemoveToolButtons();
};
