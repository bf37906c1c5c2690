#pragma once
// A small MDI application for the application, document, view and frame tests: two templates of
// form views whose form comes from the test forms library, a main frame with a menu and
// accelerators, and counters of what was made and deleted.
#include "platform/testkit/AppRun.h"
#include "tests/platform/afx/AfxTest.h"
#include "tests/platform/afx/TestComboBox.h"
#include "tests/platform/afx/forms/TestFormIds.h"

#include <string>
#include <vector>

namespace hb::afx::test {

inline constexpr UINT kMainId = 100;
inline constexpr UINT kGroupTemplate = 300;
inline constexpr UINT kRangeTemplate = 301;
inline constexpr UINT kSplitTemplate = 302;

// Commands, by who handles them.
inline constexpr UINT kAppCommand = 200;
inline constexpr UINT kOrphanCommand = 201;
inline constexpr UINT kViewCommand = 202;
inline constexpr UINT kDocCommand = 203;
inline constexpr UINT kFrameCommand = 204;
// Ctrl+F1, handled by the view.
inline constexpr UINT kVfoCommand = 27745;

struct Seen {
    int docsDeleted = 0;
    int viewsDeleted = 0;
    int framesDeleted = 0;
    int initialUpdates = 0;
    int exitInstances = 0;
    // Keyboard and mouse messages a child frame saw on their way to its views.
    int childInput = 0;
    // "who title" for each command handled.
    std::vector<std::string> commands;
    // The next child frame's OnCreateClient makes its panes, then fails.
    bool failClient = false;
};

Seen& Counters();

class CTestDoc : public CDocument {
    DECLARE_DYNCREATE(CTestDoc)

public:
    ~CTestDoc() override;

protected:
    void OnDocCommand();

    DECLARE_MESSAGE_MAP()
};

class CTestFormView : public CFormView {
    DECLARE_DYNCREATE(CTestFormView)

public:
    CTestFormView();
    ~CTestFormView() override;
    void OnInitialUpdate() override;

protected:
    void OnViewCommand();

    DECLARE_MESSAGE_MAP()
};

class CTestChildFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CTestChildFrame)

public:
    ~CTestChildFrame() override;
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
};

// Two form views in a splitter, one above the other.
class CSplitChildFrame : public CTestChildFrame {
    DECLARE_DYNCREATE(CSplitChildFrame)

public:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;

    CSplitterWnd m_splitter;
};

class CTestMainFrame : public CMDIFrameWnd {
    DECLARE_DYNCREATE(CTestMainFrame)

protected:
    void OnFrameCommand();

    DECLARE_MESSAGE_MAP()
};

class CTestApp : public CWinApp {
public:
    CTestApp() : CWinApp("Test Suite") {}

    BOOL InitInstance() override;
    int ExitInstance() override;

    BOOL initResult = TRUE;
    // InitInstance posts kAppCommand to the main window at its end.
    bool postPing = false;
    HMODULE forms;
    CDocTemplate* group = nullptr;
    CDocTemplate* range = nullptr;
    CDocTemplate* split = nullptr;
    CCommandLineInfo shell;

protected:
    void OnAppCommand();

    DECLARE_MESSAGE_MAP()
};

class AppTest : public AfxTest {
protected:
    AppTest();

    // The application's main window and its active child frame's view.
    CMDIFrameWnd& Main() const;
    CView* ActiveView() const;
    static UINT MenuState(HWND frame, UINT id) {
        return GetMenuState(GetMenu(frame), id, MF_BYCOMMAND);
    }

    CTestApp app;
};

} // namespace hb::afx::test
