#include "platform/toolkit/CXTPDockingPaneLayout.h"

#include "platform/toolkit/CXTPDockingPane.h"
#include "platform/toolkit/ProfileBlob.h"

namespace {

constexpr const char* kEntry = "DockingPaneLayout";

} // namespace

using hb::toolkit::detail::BlobKind;

CXTPDockingPaneLayout::CXTPDockingPaneLayout(CXTPDockingPaneManager*) {}

BOOL CXTPDockingPaneLayout::Load(LPCSTR lpszSection) {
    auto blob = hb::toolkit::detail::LoadBlob(lpszSection, kEntry, BlobKind::PaneLayout);
    std::uint32_t count = 0;
    if (!blob || !blob->U32(count)) {
        return FALSE;
    }
    std::vector<PaneState> panes;
    for (std::uint32_t i = 0; i < count; ++i) {
        PaneState& pane = panes.emplace_back();
        std::int32_t cx = 0;
        std::int32_t cy = 0;
        std::uint8_t hidden = 0;
        if (!blob->I32(pane.id) || !blob->I32(pane.direction) || !blob->I32(cx) || !blob->I32(cy) ||
            !blob->U8(hidden) || pane.direction < xtpPaneDockLeft ||
            pane.direction > xtpPaneDockBottom || cx < 0 || cy < 0) {
            return FALSE;
        }
        pane.size = CSize(cx, cy);
        pane.hidden = hidden != 0;
    }
    if (!blob->Done()) {
        return FALSE;
    }
    m_panes = std::move(panes);
    return TRUE;
}

void CXTPDockingPaneLayout::Save(LPCSTR lpszSection) const {
    hb::toolkit::detail::BlobWriter blob;
    blob.U32(static_cast<std::uint32_t>(m_panes.size()));
    for (const PaneState& pane : m_panes) {
        blob.I32(pane.id);
        blob.I32(pane.direction);
        blob.I32(pane.size.cx);
        blob.I32(pane.size.cy);
        blob.U8(pane.hidden ? 1 : 0);
    }
    hb::toolkit::detail::SaveBlob(lpszSection, kEntry, BlobKind::PaneLayout, blob);
}
