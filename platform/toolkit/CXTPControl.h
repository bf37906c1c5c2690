#pragma once
#include "platform/afx/CRect.h"
#include "platform/afx/CString.h"

#include <functional>
#include <memory>

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

// What a control does of its own accord.
enum XTPControlFlags : DWORD {
    xtpFlagNone = 0,
    // The idle pass leaves the control's state alone.
    xtpFlagManualUpdate = 0x8,
};

// What dropping a dragged control onto a bar would do while customising.
enum XTPDropEffect { xtpDropNone = 0, xtpDropMove = 2 };

// One button of a command bar. A button sends WM_COMMAND with its id to the bar's site frame
// when clicked while enabled; the idle pass enables and checks it through CCmdUI.
class CXTPControl {
public:
    CXTPControl(XTPControlType type, int nId, const CString& caption);
    CXTPControl(const CXTPControl&) = delete;
    CXTPControl& operator=(const CXTPControl&) = delete;
    virtual ~CXTPControl() = default;

    XTPControlType GetType() const { return m_type; }
    int GetID() const { return m_nId; }
    void SetID(int nId) { m_nId = nId; }
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

    // The image-manager id of the control's own icon (CXTPImageManager), 0 for none.
    int GetIconId() const { return m_nIconId; }
    void SetIconId(int nId);
    // A value of the owner's choice that the control carries.
    DWORD_PTR GetTag() const { return m_tag; }
    void SetTag(DWORD_PTR tag) { m_tag = tag; }
    DWORD GetFlags() const { return m_flags; }
    void SetFlags(DWORD dwFlags) { m_flags = dwFlags; }
    // Made by the program for the moment: the bar's saved state leaves it out.
    BOOL IsTemporary() const { return m_bTemporary; }

    // The name a control class is registered under (RegisterControlClass), empty for the
    // toolkit's own buttons.
    virtual CString GetClassName() const { return {}; }
    // Runs each time the bar lays itself out, before the controls are placed.
    virtual void OnCalcDynamicSize() {}
    // What dropping this control onto `pBar` would do while customising.
    virtual XTPDropEffect GetCustomizeDropEffect(const CXTPCommandBar* pBar) const;
    // A new control of the same class with this one's settings.
    virtual std::unique_ptr<CXTPControl> Clone() const;
    // Takes the other control's id, caption, look and tag.
    virtual void Copy(const CXTPControl& other);

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
    int m_nIconId = 0;
    DWORD_PTR m_tag = 0;
    DWORD m_flags = xtpFlagNone;
    BOOL m_bTemporary = FALSE;
    HMENU m_popupMenu;
    CXTPCommandBar* m_pParent = nullptr;
    CRect m_rect;
};

// A plain button, the base of the program's own control classes.
class CXTPControlButton : public CXTPControl {
public:
    CXTPControlButton() : CXTPControl(xtpControlButton, 0, CString()) {}
};

namespace hb::toolkit {

using ControlFactory = std::function<std::unique_ptr<CXTPControl>()>;

// Saved bars name such controls by class, so that loading them makes the class's control again.
void RegisterControlClass(const CString& name, ControlFactory factory);
// Null for a name no class is registered under.
std::unique_ptr<CXTPControl> CreateControlOfClass(const CString& name);

} // namespace hb::toolkit
