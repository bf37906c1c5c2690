#pragma once
#include "platform/win/WinTypes.h"

class CCmdTarget;
class CWnd;

// The state of one command's user interface (a menu item, a bar button, a dialog-bar control),
// asked of the command's update handler. The base class drives the control window m_pOther, when
// there is one; menus and bars have their own kinds.
class CCmdUI {
public:
    virtual ~CCmdUI() = default;

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCSTR lpszText);

    // Asks the route from `pTarget` for an update handler. Where none set the enabled state and
    // bDisableIfNoHndler is TRUE, the command is enabled exactly when a command handler exists on
    // the route. Returns whether an update handler ran.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    UINT m_nID = 0;
    UINT m_nIndex = 0;
    CWnd* m_pOther = nullptr;
    BOOL m_bEnableChanged = FALSE;
};
