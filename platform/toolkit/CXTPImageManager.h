#pragma once
#include "platform/afx/CSize.h"
#include "platform/win/WinTypes.h"
#include "platform/win/gdi/Bitmaps.h"

#include <map>
#include <optional>

enum XTPImageState { xtpImageNormal = 0 };

// The toolkit's icons by id, for controls that show an icon of their own (CXTPControl::SetIconId).
// It keeps its own copy: the caller may destroy the icon it hands over.
class CXTPImageManager {
public:
    // A size of (0, 0) keeps the icon's own size. A null icon changes nothing.
    void SetIcon(HICON hIcon, UINT nId, CSize size = CSize(0, 0),
                 XTPImageState state = xtpImageNormal);
    BOOL HasIcon(UINT nId) const { return m_icons.contains(nId); }
    // A new icon the caller destroys; null for an id without one.
    HICON CreateIcon(UINT nId) const;
    void RemoveAll() { m_icons.clear(); }

private:
    std::map<UINT, hb::win::ImageInfo> m_icons;
};

// The toolkit's one image manager.
CXTPImageManager* XTPImageManager();
