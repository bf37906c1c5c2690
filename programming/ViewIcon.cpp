#include "programming/ViewIcon.h"

#include "platform/afx/CWinApp.h"
#include "platform/afx/CWnd.h"

namespace hb::programming {

void SetViewIcon(CWnd& view, UINT icon) {
    CWinApp* app = AfxGetApp();
    if (const HICON loaded = app ? app->LoadIcon(icon) : HICON{}) {
        const auto param = hb::win::ParamFromHandle(loaded);
        view.SendMessage(WM_SETICON, ICON_BIG, param);
        view.SendMessage(WM_SETICON, ICON_SMALL, param);
    }
}

} // namespace hb::programming
