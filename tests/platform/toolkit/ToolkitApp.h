#pragma once
// A small MDI application whose main frame has the toolkit's bars, a status bar and one docking
// pane, built from test resources, with a record of what reached its handlers.
#include "platform/afx/Afx.h"
#include "platform/testkit/AppRun.h"
#include "platform/testkit/PlatformTest.h"
#include "platform/toolkit/Toolkit.h"

#include <memory>
#include <string>
#include <vector>

namespace hb::toolkit::test {

inline constexpr UINT kMainId = 100;
inline constexpr UINT kDocTemplate = 300;
inline constexpr UINT kPaneId = 29592;
inline constexpr UINT kPaneIcon = 27170;

// Commands, by who handles them.
inline constexpr UINT kViewCommand = 27008;   // the active view
inline constexpr UINT kOrphanCommand = 27005; // nobody
inline constexpr UINT kCheckCommand = 28039;  // the frame's update handler checks it
inline constexpr UINT kFrameCommand = 27117;  // the frame

struct Seen {
    std::vector<std::string> commands;
    // Codes of WM_DOCKING_PANE_NOTIFY, with the pane's id; actions of code 4.
    std::vector<std::pair<WPARAM, int>> paneNotes;
    std::vector<DWORD> paneActions;
    int barResets = 0;
    // Whether the frame's update handler checks kCheckCommand.
    bool checked = false;
    // The pane's content reports this size as its track size.
    CSize contentSize{100, 60};
};

Seen& Log();

class CToolkitDoc : public CDocument {
    DECLARE_DYNCREATE(CToolkitDoc)
};

class CToolkitView : public CView {
    DECLARE_DYNCREATE(CToolkitView)

public:
    void OnDraw(CDC*) override {}

protected:
    void OnViewCommand();

    DECLARE_MESSAGE_MAP()
};

class CToolkitFrame : public CXTPMDIFrameWnd {
    DECLARE_DYNCREATE(CToolkitFrame)

public:
    CXTPToolBar* m_pMainBar = nullptr;
    CXTPStatusBar m_statusBar;
    CXTPDockingPaneManager m_panes;
    CXTMDIWndTab m_tabs;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnClose();
    void OnFrameCommand();
    void OnUpdateCheck(CCmdUI* pCmdUI);
    void OnUpdateNum(CCmdUI* pCmdUI);
    LRESULT OnPaneNotify(WPARAM wParam, LPARAM lParam);
    LRESULT OnBarReset(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};

class CToolkitApp : public CWinApp {
public:
    CToolkitApp() : CWinApp("Toolkit Test") {}

    BOOL InitInstance() override;

    CDocTemplate* docs = nullptr;
};

class ToolkitAppTest : public hb::testkit::PlatformTest {
protected:
    ToolkitAppTest();

    // A new application, started; the one before it must be finished.
    void Start();
    CToolkitFrame& Main() const;
    CXTPCommandBars& Bars() const { return *Main().GetCommandBars(); }
    CXTPToolBar& MainBar() const { return *Main().m_pMainBar; }
    CDocument* OpenChild() const { return app->docs->OpenDocumentFile(nullptr); }
    std::size_t Pump() const { return hb::testkit::PumpApp(*app); }
    int Finish() const { return hb::testkit::FinishApp(*app); }
    // A press and release of the left button over the control on its bar, then the loop runs.
    void Click(CXTPControl* control) const;
    // The window's rectangle in the main frame's client coordinates.
    CRect PlaceOf(HWND hwnd) const;

    std::unique_ptr<CToolkitApp> app;
};

// The display list of the window painted afresh.
const hb::win::DisplayList& Repaint(HWND hwnd);
std::vector<std::string> DrawnTexts(const hb::win::DisplayList& list);

} // namespace hb::toolkit::test
