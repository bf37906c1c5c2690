#pragma once
#include "platform/afx/CRect.h"
#include "platform/afx/CString.h"

class CXTPCommandBar;

enum XTPControlType {
    xtpControlButton = 1,
    // Opens a menu: the menu bar's top-level items.
    xtpControlPopup = 2,
};

// Why a control is hidden; a control shows only with none of them.
enum XTPButtonHideFlags : DWORD {
    xtpNoHide = 0,
    xtpHideGeneric = 0x1,
    // Taken off the bar by customising.
    xtpHideCustomize = 0x10,
};

// One button of a command bar. A button sends WM_COMMAND with its id to the bar's site frame
// when clicked while enabled; the idle pass enables and checks it through CCmdUI.
class CXTPControl {
public:
    CXTPControl(XTPControlType type, int nId, const CString& caption);
    CXTPControl(const CXTPControl&) = delete;
    CXTPControl& operator=(const CXTPControl&) = delete;

    XTPControlType GetType() const { return m_type; }
    int GetID() const { return m_nId; }
    CString GetCaption() const { return m_caption; }
    void SetCaption(LPCSTR lpszCaption);

    // Visible when no hide flag is set; SetVisible clears or sets xtpHideGeneric.
    BOOL IsVisible() const { return m_hideFlags == xtpNoHide; }
    void SetVisible(BOOL bVisible);
    DWORD GetHideFlags() const { return m_hideFlags; }
    void SetHideFlags(DWORD dwFlags);
    void SetHideFlag(DWORD dwFlag, BOOL bSet);

    BOOL GetEnabled() const { return m_bEnabled; }
    void SetEnabled(BOOL bEnabled);
    BOOL GetChecked() const { return m_bChecked; }
    void SetChecked(BOOL bChecked);
    // A separator goes before a control that begins a group.
    BOOL GetBeginGroup() const { return m_bBeginGroup; }
    void SetBeginGroup(BOOL bBeginGroup);
    // The image of the bar's image list the control shows, or -1 for its caption.
    int GetIconIndex() const { return m_nIconIndex; }
    void SetIconIndex(int nIndex);

    CXTPCommandBar* GetParent() const { return m_pParent; }
    // Where the bar shows the control, in the bar's client coordinates; empty while hidden.
    CRect GetRect() const;

    // The menu a popup control opens, owned by its bar.
    HMENU GetPopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(HMENU hMenu) { m_popupMenu = hMenu; }

private:
    friend class CXTPCommandBar;
    friend class CXTPControls;

    // The bar lays itself out again (true) or only repaints.
    void Changed(bool layout) const;

    XTPControlType m_type;
    int m_nId;
    CString m_caption;
    DWORD m_hideFlags = xtpNoHide;
    BOOL m_bEnabled = TRUE;
    BOOL m_bChecked = FALSE;
    BOOL m_bBeginGroup = FALSE;
    int m_nIconIndex = -1;
    HMENU m_popupMenu;
    CXTPCommandBar* m_pParent = nullptr;
    CRect m_rect;
};
