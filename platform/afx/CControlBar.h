#pragma once
#include "platform/afx/CWnd.h"

class CFrameWnd;

// The bits of a bar's creation style that are the bar's own (alignment and borders); the rest is
// the window's style.
inline constexpr DWORD CBRS_ALL = 0x0040FFFF;

// A strip of controls held by a window. It takes its room along the edge its alignment names
// when the frame lays out its children, and updates its controls' states when the program is
// idle. The holder owns the object: a bar never deletes itself.
class CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar)

public:
    // Updates the states of the bar's controls from the commands' update handlers, asked of
    // `pTarget`; with bDisableIfNoHndler a control whose command has no handler is disabled.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;
    // The size the bar takes when laid out.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);

    DWORD GetBarStyle() const { return m_dwStyle; }
    // The edges (CBRS_ALIGN_*) the bar may dock on; none keeps it where it is.
    void EnableDocking(DWORD dwDockStyle);
    DWORD GetDockingSides() const { return m_dwDockStyle; }
    // The frame edge the bar is docked on (AFX_IDW_DOCKBAR_*), or 0 before it is docked.
    UINT GetDockBarID() const { return m_nDockBarID; }
    // A bar floats when a mini frame of its own holds it rather than the window it serves.
    BOOL IsFloating() const;

    // The frame the bar is docked in; null while it is not.
    CFrameWnd* m_pDockSite = nullptr;

    // Never TRUE: the holder deletes the bar.
    BOOL m_bAutoDelete = FALSE;

    DECLARE_MESSAGE_MAP()

protected:
    // The bar's style bits (CBRS_*), kept out of the window's style.
    DWORD m_dwStyle = 0;
    DWORD m_dwDockStyle = 0;

private:
    friend class CFrameWnd;
    UINT m_nDockBarID = 0;

    LRESULT HandleSizeParent(WPARAM wParam, LPARAM lParam);
    LRESULT HandleIdleUpdate(WPARAM wParam, LPARAM lParam);
};
