#include "programming/FrameToolBar.h"

#include "platform/afx/CDockState.h"
#include "platform/afx/CException.h"
#include "platform/afx/CFrameWnd.h"

namespace hb::programming {

bool MakeFrameToolBar(CFrameWnd& frame, CToolBar& bar, UINT resource, LPCSTR title) {
    constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS |
                             CBRS_FLYBY | CBRS_SIZE_DYNAMIC;
    if (!bar.CreateEx(&frame, TBSTYLE_FLAT | TBSTYLE_WRAPABLE, kStyle, CRect(), AFX_IDW_TOOLBAR)) {
        return false;
    }
    if (!bar.LoadToolBar(resource)) {
        bar.DestroyWindow();
        return false;
    }
    bar.SetWindowText(title);
    bar.EnableDocking(CBRS_ALIGN_ANY);
    frame.EnableDocking(CBRS_ALIGN_ANY);
    frame.DockControlBar(&bar);
    return true;
}

void RestoreFrameLayout(CFrameWnd& frame, LPCSTR name) {
    CDockState state;
    state.LoadState(name);
    try {
        frame.SetDockState(state);
    } catch (const CException&) {
        state.Clear();
        frame.SetDockState(state);
    }
}

void SaveFrameLayout(const CFrameWnd& frame, LPCSTR name) {
    CDockState state;
    frame.GetDockState(state);
    state.SaveState(name);
}

} // namespace hb::programming
