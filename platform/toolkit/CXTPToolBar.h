#pragma once
#include "platform/toolkit/CXTPCommandBar.h"

// A bar of buttons built from a tool-bar resource: one button per command in the resource's
// order, each showing its cell of the resource's bitmap, a separator beginning a group. A
// button's caption is the last line of the command's string resource (its tooltip).
class CXTPToolBar : public CXTPCommandBar {
    DECLARE_DYNCREATE(CXTPToolBar)

public:
    ~CXTPToolBar() override;

    // Replaces the controls with the resource's; without bLoadIcons, or without the bitmap, the
    // buttons show their captions. FALSE when there is no such resource.
    BOOL LoadToolBar(UINT nIDResource, BOOL bLoadIcons = TRUE);
    // Back to the resource's buttons, then the site frame is told (WM_TOOLKIT_BAR_RESET, lParam:
    // this bar). Refused (FALSE) while the command bars may not be customised, and for a bar
    // that was not loaded from a resource.
    BOOL Reset();

protected:
    HIMAGELIST GetImageList() const override { return m_images; }

private:
    UINT m_nIDResource = 0;
    BOOL m_bLoadIcons = TRUE;
    HIMAGELIST m_images;
};
