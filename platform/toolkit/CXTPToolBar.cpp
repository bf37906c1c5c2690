#include "platform/toolkit/CXTPToolBar.h"

#include "platform/afx/CFrameWnd.h"
#include "platform/afx/res/ResourceChain.h"
#include "platform/afx/res/ToolBarImages.h"
#include "platform/records/ToolkitMessages.h"
#include "platform/toolkit/CXTPCommandBars.h"
#include "platform/toolkit/CommandText.h"

IMPLEMENT_DYNCREATE(CXTPToolBar, CXTPCommandBar)

CXTPToolBar::~CXTPToolBar() {
    if (m_images) {
        ::ImageList_Destroy(m_images);
    }
}

BOOL CXTPToolBar::LoadToolBar(UINT nIDResource, BOOL bLoadIcons) {
    const hb::afx::ToolBarResource* resource = hb::afx::FindToolBarResource(nIDResource);
    if (!resource) {
        return FALSE;
    }
    m_nIDResource = nIDResource;
    m_bLoadIcons = bLoadIcons;
    if (m_images) {
        ::ImageList_Destroy(m_images);
    }
    m_images = bLoadIcons ? hb::afx::LoadToolBarImages(*resource) : HIMAGELIST{};
    CXTPControls& controls = *GetControls();
    controls.RemoveAll();
    bool group = false;
    int cell = 0;
    for (const UINT id : resource->buttons) {
        if (id == 0) {
            group = true;
            continue;
        }
        CXTPControl* button = controls.Add(xtpControlButton, static_cast<int>(id),
                                           hb::toolkit::detail::CommandTip(id));
        button->SetBeginGroup(group);
        button->SetIconIndex(cell++);
        group = false;
    }
    RecalcSiteLayout();
    return TRUE;
}

BOOL CXTPToolBar::Reset() {
    CXTPCommandBars* bars = GetCommandBars();
    if (!bars || !bars->IsCustomizationEnabled() || !m_nIDResource ||
        !LoadToolBar(m_nIDResource, m_bLoadIcons)) {
        return FALSE;
    }
    if (CFrameWnd* site = bars->GetSite()) {
        site->SendMessage(WM_TOOLKIT_BAR_RESET, 0, reinterpret_cast<LPARAM>(this));
    }
    return TRUE;
}
