#pragma once
#include "platform/afx/CCmdTarget.h"
#include "platform/afx/CPoint.h"
#include "platform/afx/CRect.h"
#include "platform/afx/CString.h"
#include "platform/afx/WindowMessageMap.h"
#include "platform/win/Windows.h"

class CDataExchange;
class CDC;
class CFont;
class CFrameWnd;
struct CCreateContext;

// A window's object. A window made by Create/CreateEx, or subclassed, has its messages go through
// the object's message map first and then to the window's own class procedure. The permanent map
// answers which object a window has; a window without one gets a temporary object from
// FromHandle, valid until hb::afx::DeleteTempMap (the idle loop's). An object without a window
// is inert: every member returns a default and does nothing.
class CWnd : public CCmdTarget {
    DECLARE_DYNCREATE(CWnd)

public:
    CWnd() = default;
    // Destroys the window if the object still has one, without passing its last messages to the
    // object that is going away.
    ~CWnd() override;

    HWND m_hWnd{};

    // Where SetWindowPos places a window.
    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // The window's own object, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);
    // The window's own object, else a temporary one; null when `hWnd` is not a window.
    static CWnd* FromHandle(HWND hWnd);
    // Binds the object to a window (no subclassing); FALSE when either is bound already.
    BOOL Attach(HWND hWndNew);
    HWND Detach();

    // Child windows: WS_CHILD is added. `pContext` reaches OnCreate as lpCreateParams.
    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID,
                        CCreateContext* pContext = nullptr);
    // A null class name is the library's plain window class. The object is bound to the window
    // before its first message.
    BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                  const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                  int x, int y, int nWidth, int nHeight, HWND hWndParent, UINT nID,
                  LPVOID lpParam = nullptr);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL DestroyWindow();

    // FALSE when the object has a window or the window has an object.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();
    virtual void PreSubclassWindow();
    // After WM_NCDESTROY, once the object has been unbound from its window. Objects that own
    // themselves delete themselves here.
    virtual void PostNcDestroy();

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The message map; FALSE when no entry took the message.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // The window class's own procedure.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // A control's notification goes to the control's object first (OnChildNotify), then through
    // OnCmdMsg.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Called on a control's object with its parent's WM_COMMAND, WM_NOTIFY or WM_CTLCOLOR* about
    // it; TRUE when the control's reflect entries handled it (for colours: returned a brush).
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // TRUE consumes the message before it is translated and dispatched. Overrides call this one
    // for the mouse messages, which the window's tooltips see here.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Offers the message to the target window's object and then to its parents' up to and
    // including hWndStop (none: to the top); stops at the first that consumes it.
    static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);
    // The default processing of the message being handled.
    LRESULT Default();
    // The message being handled, or null outside a window procedure.
    static const MSG* GetCurrentMessage();

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    CWnd* GetParent() const;
    virtual BOOL IsFrameWnd() const;
    // The nearest ancestor that is a frame, through splitters and other containers.
    CFrameWnd* GetParentFrame() const;
    CWnd* GetDlgItem(int nID) const;
    // The first descendant with that id, depth first; a child with the same id as its parent
    // wins over the parent. With bOnlyPerm only windows with an object of their own count.
    CWnd* GetDescendantWindow(int nID, BOOL bOnlyPerm = FALSE) const;
    // Sends the message to the children, with bDeep to all descendants (parents before their
    // children); with bOnlyPerm only to windows with an object of their own.
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                                  BOOL bDeep = TRUE, BOOL bOnlyPerm = FALSE) const;
    int GetDlgCtrlID() const;
    // Who gets this window's notifications when it is not its parent.
    void SetOwner(CWnd* pOwnerWnd);
    void DragAcceptFiles(BOOL bAccept = TRUE);
    CWnd* GetOwner() const;

    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer = nullptr);
    BOOL KillTimer(UINT_PTR nIDEvent);
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(const RECT* lpRect, BOOL bErase = TRUE);
    void UpdateWindow();
    BOOL ShowWindow(int nCmdShow);
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowVisible() const;
    BOOL IsWindowEnabled() const;
    CWnd* SetFocus();
    static CWnd* GetFocus();
    void SetWindowText(LPCSTR lpszString);
    void GetWindowText(CString& rString) const;
    int GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const;
    int GetWindowTextLength() const;

    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(const RECT* lpRect, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void GetWindowRect(RECT* lpRect) const;
    void GetClientRect(RECT* lpRect) const;
    void ScreenToClient(POINT* lpPoint) const;
    void ScreenToClient(RECT* lpRect) const;
    void ClientToScreen(POINT* lpPoint) const;
    void ClientToScreen(RECT* lpRect) const;
    // Over the alternate owner, else the parent (a child's client area) or owner, else the screen.
    void CenterWindow(CWnd* pAlternateOwner = nullptr);

    // WM_SETICON/WM_GETICON: the big or small icon; returns the one it replaces.
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    HICON GetIcon(BOOL bBigIcon) const;
    // A temporary wrapper of the client area's DC; give it back with ReleaseDC.
    CDC* GetDC();
    int ReleaseDC(CDC* pDC);
    // WM_SETFONT/WM_GETFONT. The window does not own the font.
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    CFont* GetFont() const;

    // Gives the window a tooltip control of its own. It sees the mouse over the window and its
    // children through this window's PreTranslateMessage, so through a loop that walks the
    // pre-translate tree (or hb::afx::MoveMouse). The tool under the mouse is the one
    // OnToolHitTest names; by default its text is asked of this window with TTN_NEEDTEXT
    // (ON_NOTIFY_EX(TTN_NEEDTEXT, 0, ...)), idFrom being the child's handle. FALSE removes it.
    BOOL EnableToolTips(BOOL bEnable = TRUE);
    // Hides the window's tooltip; it shows again once the mouse comes onto a tool anew.
    void CancelToolTips();
    // The tool at a point of the client area, or -1: by default the visible child window there
    // (TTF_IDISHWND, text LPSTR_TEXTCALLBACK, to this window), returning the child's id.
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const;

    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    // Non-zero nFlags are SetWindowPos flags applied after the change. FALSE when nothing changed.
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);

    // Runs DoDataExchange; FALSE when a field failed to validate (the user has been told).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX);

    void SetDlgItemText(int nID, LPCSTR lpszString);
    int GetDlgItemText(int nID, CString& rString) const;
    int GetDlgItemText(int nID, LPSTR lpStr, int nMaxCount) const;
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
    // 0 with *lpTrans FALSE when the text is not a whole number in range.
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const;

protected:
    // Defaults for the window-message entries: the window's default processing.
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnNcDestroy();
    void OnClose();
    void OnPaint();
    void OnTimer(UINT_PTR nIDEvent);
    void OnSize(UINT nType, int cx, int cy);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnRButtonUp(UINT nFlags, CPoint point);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    BOOL OnEraseBkgnd(CDC* pDC);

    // The procedure the window had before the object subclassed it.
    WNDPROC m_pfnSuper = nullptr;

private:
    explicit CWnd(HWND placement) : m_hWnd(placement) {}

    static LRESULT StandardProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    void BindCreated(HWND hWnd);
    void FilterToolTipMessage(const MSG& msg);

    HWND m_hWndOwner{};
    HWND m_hWndToolTip{};
    TOOLINFO m_lastTool; // the tool the tooltip has now; none while its uId and hwnd are 0
};
