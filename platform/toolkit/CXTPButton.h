#pragma once
#include "platform/afx/CButton.h"
#include "platform/toolkit/CXTPButtonTheme.h"

#include <memory>
#include <optional>

// The event a right or middle click on a CXTPButton fires into its parent's event-sink map, with
// the arguments (button, shift, x, y): button 2 for the right one and 4 for the middle one; shift
// holds 1 for Shift, 2 for Ctrl and 4 for Alt; x and y are in the button's client coordinates.
inline constexpr long XTP_BUTTON_EVENT_MOUSEUP = 7;

// A push button bound to a "Button" control, drawn by itself: a face showing its icon (or its
// text), sunken while pressed or checked and greyed while disabled. Its check is its own: the
// program sets it; a click does not change it.
class CXTPButton : public CButton {
    DECLARE_DYNAMIC(CXTPButton)

public:
    ~CXTPButton() override;

    void SetChecked(BOOL bChecked);
    BOOL GetChecked() const { return m_bChecked; }

    // The icon resource drawn at `size`, and another shown while checked (0: none). FALSE, and
    // the button shows its text, when the first is missing.
    BOOL SetIcon(CSize size, UINT nID, UINT nCheckedID = 0, BOOL bRedraw = TRUE);
    // Icons the caller keeps and destroys.
    BOOL SetIcon(CSize size, HICON hIcon, HICON hIconChecked = HICON{}, BOOL bRedraw = TRUE);
    CSize GetIconSize() const { return m_iconSize; }
    // The icon for the button's state (its checked icon while checked), or none.
    HICON GetButtonIcon() const;

    // The theme paints the button from now on; the button deletes it, with itself or when
    // another comes. Null goes back to the plain look.
    void SetTheme(CXTPButtonTheme* pTheme);
    CXTPButtonTheme* GetTheme() const { return m_theme.get(); }

    // Held down by the mouse or the keyboard.
    BOOL IsPushed() const;
    // The mouse is over it (tracked while the button has a theme).
    BOOL IsHighlighted() const { return m_bHighlighted; }
    BOOL IsFocused() const;
    // Whether a focused button shows a focus rectangle (it does unless told otherwise).
    void SetShowFocus(BOOL bShow) { m_bShowFocus = bShow; }
    BOOL GetShowFocus() const { return m_bShowFocus; }
    // xtpButtonPushButton, or one of the drop-down styles.
    void SetPushButtonStyle(int nStyle);
    int GetPushButtonStyle() const { return m_nPushButtonStyle; }
    // Whether the theme draws with the system's visual style where it has a choice.
    void SetUseVisualStyle(BOOL bUse) { m_bUseVisualStyle = bUse; }
    BOOL GetUseVisualStyle() const { return m_bUseVisualStyle; }
    // Pixels from the icon to the caption beside it; a negative gap pulls the caption over the
    // icon's edge. Once set it rules over the theme's own gap.
    void SetTextImageGap(int nGap);
    std::optional<int> GetTextImageGap() const { return m_textImageGap; }
    // Captions that begin with a tag are markup.
    void SetEnableMarkup(BOOL bEnable) { m_bEnableMarkup = bEnable; }
    BOOL GetEnableMarkup() const { return m_bEnableMarkup; }

protected:
    void OnPaint();
    void OnRButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    LRESULT OnMButtonUp(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    void ReleaseIcons();
    void FireMouseUp(short button, CPoint point);

    BOOL m_bChecked = FALSE;
    CSize m_iconSize;
    HICON m_icon;
    HICON m_iconChecked;
    // The icons were loaded here and are destroyed here.
    bool m_bOwnIcons = false;
    std::unique_ptr<CXTPButtonTheme> m_theme;
    BOOL m_bHighlighted = FALSE;
    BOOL m_bShowFocus = TRUE;
    int m_nPushButtonStyle = 0;
    BOOL m_bEnableMarkup = FALSE;
    BOOL m_bUseVisualStyle = FALSE;
    std::optional<int> m_textImageGap;
};
