#include "radioview/ChannelRack.h"

namespace {

// The style bits a control bar keeps for itself.
constexpr UINT kBarStyleBits = 0x0040FFFF;

} // namespace

BOOL CChannelRack::Create(CWnd* parent, UINT templateId, UINT style) {
    owner = parent;
    return CWnd::Create(nullptr, nullptr, style & ~kBarStyleBits, CRect(0, 0, 0, 0), parent,
                        templateId);
}

void CChannelRack::RefreshAppearance() {}
