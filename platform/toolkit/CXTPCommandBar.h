#pragma once
#include "platform/afx/CWnd.h"
#include "platform/toolkit/CXTPControls.h"

class CFrameWnd;
class CXTPCommandBars;

// Where a bar docks in its site frame.
enum XTPBarPosition {
    xtpBarTop = 0,
    xtpBarBottom = 1,
};

// What kind of bar a bar is.
enum XTPBarType {
    xtpBarTypeNormal = 0,
    xtpBarTypeMenuBar = 1,
    // A menu that drops from another bar.
    xtpBarTypePopup = 2,
};

// The execute notification (WM_NOTIFY code 100) the site frame gets when a control is clicked.
struct NMXTPCONTROL {
    NMHDR hdr;
    CXTPControl* pControl;
};

// A row of controls along an edge of its site frame, owned by the frame's command bars. It takes
// its room in the frame's layout (WM_SIZEPARENT) while visible, enables and checks its controls in
// the idle pass, paints them (an image of the bar's, else a control's own icon before its
// caption, else the caption), and runs the one clicked: pressed and released over the same enabled
// control. While the mouse is over a button, the site frame's message pane shows the command's
// prompt, and after the hover delay a tooltip shows the command's tooltip.
class CXTPCommandBar : public CWnd {
    DECLARE_DYNAMIC(CXTPCommandBar)

public:
    CString GetTitle() const { return m_strTitle; }
    void SetTitle(LPCSTR lpszTitle);
    XTPBarPosition GetPosition() const { return m_position; }
    virtual XTPBarType GetType() const { return xtpBarTypeNormal; }
    CXTPCommandBars* GetCommandBars() const { return m_pCommandBars; }

    CXTPControls* GetControls() { return &m_controls; }
    int GetControlCount() const { return m_controls.GetCount(); }
    CXTPControl* GetControl(int nIndex) const { return m_controls.GetAt(nIndex); }
    // The first control with that id, or null.
    CXTPControl* FindControl(int nId) const { return m_controls.FindControl(nId); }

    BOOL IsVisible() const;
    // Shows or hides the bar; the site frame is laid out again.
    void SetVisible(BOOL bVisible);

    // After the bar was built or changed: the idle pass's update now, and a new layout.
    void OnInitialUpdate();
    // Each visible button without xtpFlagManualUpdate asks the route from the site frame for its
    // state (CCmdUI); with bDisableIfNoHndler a command nobody handles is disabled.
    void OnUpdateCmdUI(BOOL bDisableIfNoHndler = TRUE);
    // The controls are placed again before the bar is next drawn or hit.
    void DelayLayout();
    void DelayRedraw();
    // Lays the controls out now, each control's own size calculation first.
    void OnRecalcLayout();
    // The bar's thickness across its edge.
    int GetRowHeight() const;

protected:
    CXTPCommandBar() = default;

    // The enabled control that was clicked. The site is sent the execute notification; unless it
    // handles it, a button posts WM_COMMAND with its id to the site.
    virtual void OnExecute(CXTPControl& control);
    // The images the controls' icon indexes point into; none shows captions only.
    virtual HIMAGELIST GetImageList() const { return {}; }

    HFONT GetBarFont() const;
    void RecalcSiteLayout() const;

    void OnPaint();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    // While customising is allowed, a menu offers the customize sheet.
    void OnRButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    BOOL OnToolTipText(UINT id, NMHDR* pNMHDR, LRESULT* pResult);
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
    LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    LRESULT OnIdleUpdate(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    friend class CXTPCommandBars;
    friend class CXTPControl;

    BOOL CreateBar(CXTPCommandBars* pCommandBars, LPCSTR lpszTitle, XTPBarPosition position);
    void EnsureLayout();
    // The index of the visible control at the point, or -1.
    int HitTest(CPoint point);
    // The same, as the bar was last laid out.
    int ControlAt(CPoint point) const;
    // The control under the mouse changed: the site's message pane follows it.
    void SetHot(int index);
    void DrawControl(CDC& dc, int index);
    // A control's own icon, small, then its caption: for a control with an image-manager icon
    // and no image of the bar's.
    static void DrawOwnIconAndCaption(CDC& dc, const CXTPControl& control, bool enabled);
    static int ControlWidth(const CXTPControl& control, HFONT font, SIZE image);

    CXTPControls m_controls{this};
    CXTPCommandBars* m_pCommandBars = nullptr;
    CString m_strTitle;
    XTPBarPosition m_position = xtpBarTop;
    HFONT m_font;
    int m_nPressed = -1;
    int m_nHot = -1;
    CString m_strTip; // the text of the tooltip shown
    bool m_bLayoutDirty = true;
    // Set while the controls calculate their sizes: what they change is laid out at once.
    bool m_bCalculating = false;
};
