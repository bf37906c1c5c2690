#include "platform/toolkit/CXTPImageManager.h"

void CXTPImageManager::SetIcon(HICON hIcon, UINT nId, CSize size, XTPImageState) {
    std::optional<hb::win::ImageInfo> info = hb::win::GetImageInfo(hIcon);
    if (!info) {
        return;
    }
    if (size.cx > 0 && size.cy > 0) {
        info->size = SIZE{size.cx, size.cy};
    }
    m_icons[nId] = *info;
}

HICON CXTPImageManager::CreateIcon(UINT nId) const {
    const auto found = m_icons.find(nId);
    if (found == m_icons.end()) {
        return {};
    }
    const hb::win::ImageInfo& info = found->second;
    return hb::win::CreateIconHandle(info.size.cx, info.size.cy, info.resourceId, info.picture);
}

CXTPImageManager* XTPImageManager() {
    static CXTPImageManager manager;
    return &manager;
}
