#pragma once
#include "platform/afx/CWnd.h"
#include "platform/afx/res/AfxIds.h"
#include "platform/win/menu/Accelerators.h"

class CControlBar;

class CDockState;
class CDocument;
class CView;

// A frame's style bit: the title shows the active document's title after its own.
inline constexpr DWORD FWS_ADDTOTITLE = 0x00008000;

// Where control bars may dock.
inline constexpr DWORD CBRS_ALIGN_LEFT = 0x1000;
inline constexpr DWORD CBRS_ALIGN_TOP = 0x2000;
inline constexpr DWORD CBRS_ALIGN_RIGHT = 0x4000;
inline constexpr DWORD CBRS_ALIGN_BOTTOM = 0x8000;
inline constexpr DWORD CBRS_ALIGN_ANY = 0xF000;

// Sent by the application's idle step to its main window and every descendant (wParam: TRUE, the
// commands without a handler are disabled).
inline constexpr UINT WM_IDLEUPDATECMDUI = 0x0363;

// Sent by a frame's RecalcLayout to each child but the pane, in order (lParam: the
// AFX_SIZEPARENTPARAMS). A bar places itself along an edge of the rectangle and takes its room out
// of it; the pane gets what is left.
inline constexpr UINT WM_SIZEPARENT = 0x0361;

// Sent to a frame to show a command's prompt in its message pane: wParam the command's id, or 0
// with lParam the text itself. Returns the id shown before.
inline constexpr UINT WM_SETMESSAGESTRING = 0x0362;

struct AFX_SIZEPARENTPARAMS {
    RECT rect;
};

inline constexpr DWORD AFX_WS_DEFAULT_VIEW = WS_CHILD | WS_VISIBLE | WS_BORDER;

// A window that holds views and bars, with a title, a menu and accelerators from the
// resources of one id. Commands go to the active view (and its document), then to the frame,
// then to the application. A frame deletes itself once its window is gone; when it was the
// application's main window, the message loop is told to quit.
class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)

public:
    static const CRect rectDefault;

    CFrameWnd() = default;
    ~CFrameWnd() override;

    // Loads the title (the first "\n"-separated part of the string `nIDResource`), the menu, the
    // accelerators (m_hAccelTable) and the icon of `nIDResource` down the resource chain, and
    // creates the window; OnCreateClient gets `pContext`. Without a context the new window's
    // descendants get WM_INITIALUPDATE at once. A frame whose LoadFrame fails has deleted itself.
    virtual BOOL LoadFrame(UINT nIDResource,
                           DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    // `lpszMenuName` names a menu resource (MAKEINTRESOURCE) down the chain, or none.
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr,
                LPCSTR lpszMenuName = nullptr, DWORD dwExStyle = 0,
                CCreateContext* pContext = nullptr);

    // Makes the client area while the frame is created; FALSE fails the frame, whose children
    // made so far are destroyed with it. The default makes the context's view, if it names one.
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    // A view of the context's class as the child `nID`; null when it cannot be made.
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);

    CView* GetActiveView() const { return m_pViewActive; }
    // With bNotify the views hear of it (OnActivateView).
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    // The frame whose view is active: this one, or an MDI frame's active child.
    virtual CFrameWnd* GetActiveFrame();
    // The active view's document.
    virtual CDocument* GetActiveDocument();

    // The bars take their room (WM_SIZEPARENT), then the pane AFX_IDW_PANE_FIRST fills the rest of
    // the client area.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // RecalcLayout at the next idle time.
    void DelayRecalcLayout(BOOL bNotify = TRUE);
    // Bars do not move from side to side yet: the frame only accepts the call.
    void EnableDocking(DWORD dwDockStyle);
    // Docks the bar in this frame along the edge its alignment names, laid out at the next idle
    // time.
    void DockControlBar(CControlBar* pBar);
    // The places of the frame's docking bars, on the screen of now. The frame holds none of its
    // own (the toolkit's bars keep theirs), so the state lists no bar.
    void GetDockState(CDockState& state) const;
    // Shows the frame (-1: as it is, or normally when hidden).
    virtual void ActivateFrame(int nCmdShow = -1);
    // Makes the first pane view the active one; with bMakeVisible sends WM_INITIALUPDATE to every
    // descendant and shows the frame; then updates the title.
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);

    CString GetTitle() const { return m_strTitle; }
    void SetTitle(LPCSTR lpszTitle) { m_strTitle = lpszTitle; }
    // With FWS_ADDTOTITLE: the title, then " - " and the active document's title.
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void UpdateFrameTitleForDocument(LPCSTR lpszDocName);
    // The title is brought up to date at the next idle time.
    void DelayUpdateFrameTitle() { m_bTitlePending = true; }

    // The idle step: the pending layout and title update, and the CCmdUI pass over the frame's
    // menu, where commands without a handler are disabled. Frames with bars extend it.
    virtual void OnIdleUpdateCmdUI();

    // The prompt of a command: its string resource up to the first newline.
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    // The window that shows prompts: the frame's status bar (AFX_IDW_STATUS_BAR), or null.
    CWnd* GetMessageBar();
    // Shows a text, or a command's prompt (the idle text when it has none), in the message pane;
    // a frame without one passes it to the frame that holds it.
    void SetMessageText(LPCSTR lpszText);
    void SetMessageText(UINT nID);

    BOOL IsFrameWnd() const override;
    // Translates the frame's accelerators.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    HACCEL m_hAccelTable;
    // The menu LoadFrame gave the window.
    HMENU m_hMenuDefault;
    UINT m_nIDHelp = 0;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    // Asks the active document (or, for the main window, every document) whether it may close,
    // closes the documents it is the last frame of, and destroys the frame.
    void OnClose();
    void OnSize(UINT nType, int cx, int cy);
    // The focus goes on to the active view.
    void OnSetFocus(CWnd* pOldWnd);
    // The class library's help commands, for the frames that map them. There is no help engine:
    // help is the application's, so each hands a help command to the application's handlers.
    // Context help has no mode for picking a window and asks for help on the whole program.
    void OnHelp();
    void OnHelpFinder();
    void OnContextHelp();
    void PostNcDestroy() override;

    // Sets the window text when it differs.
    void ShowTitle(const CString& text);
    // LoadFrame's steps before and after the window is made: the title and accelerators; the icon
    // and, without a context, the initial update.
    void LoadFrameResources(UINT nIDResource);
    void FinishLoadFrame(UINT nIDResource, CCreateContext* pContext);
    // CFrameWnd::Create with a menu handle.
    BOOL CreateFrame(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                     HWND hWndParent, HMENU hMenu, DWORD dwExStyle, CCreateContext* pContext);
    CString m_strTitle;

    DECLARE_MESSAGE_MAP()

private:
    friend class CMDIFrameWnd;

    // The MDI frame routes a command through its active child this way: the child then leaves the
    // application to the MDI frame, which comes after it.
    static BOOL RouteThroughChild(CFrameWnd* child, UINT nID, int nCode, void* pExtra,
                                  AFX_CMDHANDLERINFO* pHandlerInfo);

    LRESULT HandleIdleUpdate(WPARAM wParam, LPARAM lParam);
    LRESULT HandleInitMenuPopup(WPARAM wParam, LPARAM lParam);
    LRESULT HandleSetMessageString(WPARAM wParam, LPARAM lParam);
    // The prompt of the menu item under the pointer; the idle text once the menu closes.
    LRESULT HandleMenuSelect(WPARAM wParam, LPARAM lParam);

    CView* m_pViewActive = nullptr;
    HICON m_hIcon;
    bool m_bTitlePending = false;
    bool m_bLayoutPending = false;
    // What the message pane shows: a command's id, AFX_IDS_IDLEMESSAGE, or 0 before anything.
    UINT m_nIDLastMessage = 0;
};
