#include "tests/platform/afx/AppFixture.h"

namespace hb::afx::test {

Seen& Counters() {
    static Seen seen;
    return seen;
}

namespace {

void Record(const std::string& who, const CDocument* doc) {
    Counters().commands.push_back(doc ? who + " " + doc->GetTitle().str() : who);
}

} // namespace

IMPLEMENT_DYNCREATE(CTestDoc, CDocument)

BEGIN_MESSAGE_MAP(CTestDoc, CDocument)
ON_COMMAND(kDocCommand, &CTestDoc::OnDocCommand)
END_MESSAGE_MAP()

CTestDoc::~CTestDoc() {
    ++Counters().docsDeleted;
}

void CTestDoc::OnDocCommand() {
    Record("doc", this);
}

IMPLEMENT_DYNCREATE(CTestFormView, CFormView)

BEGIN_MESSAGE_MAP(CTestFormView, CFormView)
ON_COMMAND(kViewCommand, &CTestFormView::OnViewCommand)
ON_COMMAND(kVfoCommand, &CTestFormView::OnViewCommand)
END_MESSAGE_MAP()

CTestFormView::CTestFormView() : CFormView(kFormId) {}

CTestFormView::~CTestFormView() {
    ++Counters().viewsDeleted;
}

void CTestFormView::OnInitialUpdate() {
    ++Counters().initialUpdates;
    CFormView::OnInitialUpdate();
}

void CTestFormView::OnViewCommand() {
    Record("view", GetDocument());
}

IMPLEMENT_DYNCREATE(CTestChildFrame, CMDIChildWnd)

CTestChildFrame::~CTestChildFrame() {
    ++Counters().framesDeleted;
}

BOOL CTestChildFrame::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) {
    return CMDIChildWnd::OnCreateClient(lpcs, pContext) && !Counters().failClient;
}

BOOL CTestChildFrame::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message == WM_KEYDOWN ||
        (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MBUTTONDBLCLK)) {
        ++Counters().childInput;
    }
    return CMDIChildWnd::PreTranslateMessage(pMsg);
}

IMPLEMENT_DYNCREATE(CSplitChildFrame, CTestChildFrame)

BOOL CSplitChildFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) {
    if (!m_splitter.CreateStatic(this, 2, 1) ||
        !m_splitter.CreateView(0, 0, RUNTIME_CLASS(CTestFormView), {100, 60}, pContext)) {
        return FALSE;
    }
    if (Counters().failClient) {
        return FALSE;
    }
    if (!m_splitter.CreateView(1, 0, RUNTIME_CLASS(CTestFormView), {100, 60}, pContext)) {
        return FALSE;
    }
    m_splitter.SetRowInfo(0, 80, 20);
    return TRUE;
}

IMPLEMENT_DYNCREATE(CTestMainFrame, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CTestMainFrame, CMDIFrameWnd)
ON_COMMAND(kFrameCommand, &CTestMainFrame::OnFrameCommand)
END_MESSAGE_MAP()

void CTestMainFrame::OnFrameCommand() {
    Record("frame", nullptr);
}

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
ON_COMMAND(kAppCommand, &CTestApp::OnAppCommand)
END_MESSAGE_MAP()

BOOL CTestApp::InitInstance() {
    SetRegistryKey("Corvanta Test");
    forms = AfxLoadLibrary(kFormsLibrary);
    if (!forms) {
        return FALSE;
    }
    group = new CMultiDocTemplate(kGroupTemplate, RUNTIME_CLASS(CTestDoc),
                                  RUNTIME_CLASS(CTestChildFrame), RUNTIME_CLASS(CTestFormView));
    range = new CMultiDocTemplate(kRangeTemplate, RUNTIME_CLASS(CTestDoc),
                                  RUNTIME_CLASS(CTestChildFrame), RUNTIME_CLASS(CTestFormView));
    split = new CMultiDocTemplate(kSplitTemplate, RUNTIME_CLASS(CTestDoc),
                                  RUNTIME_CLASS(CSplitChildFrame), RUNTIME_CLASS(CTestFormView));
    AddDocTemplate(group);
    AddDocTemplate(range);
    AddDocTemplate(split);
    auto* frame = new CTestMainFrame;
    if (!frame->LoadFrame(kMainId)) {
        return FALSE;
    }
    m_pMainWnd = frame;
    ParseCommandLine(shell);
    if (shell.m_nShellCommand == CCommandLineInfo::FileNew) {
        shell.m_nShellCommand = CCommandLineInfo::FileNothing;
    }
    frame->ShowWindow(m_nCmdShow);
    if (!ProcessShellCommand(shell)) {
        return FALSE;
    }
    if (postPing) {
        frame->PostMessage(WM_COMMAND, kAppCommand);
    }
    return initResult;
}

int CTestApp::ExitInstance() {
    ++Counters().exitInstances;
    if (forms) {
        AfxFreeLibrary(forms);
    }
    return CWinApp::ExitInstance();
}

void CTestApp::OnAppCommand() {
    Record("app", nullptr);
}

AppTest::AppTest() {
    Counters() = {};
    RegisterTestComboBox();
    UseProgramResources({
        .strings = {{kMainId, "Test Suite"},
                    {kGroupTemplate,
                     "\nGroup\nGroup\nGroup Files (*.tg)\n.tg\nTest.Group\nTest Group"},
                    {kRangeTemplate,
                     "\nRange\nRange\nRange Files (*.tr)\n.tr\nTest.Range\nTest Range"}},
        .icons = {{kMainId, {}}},
        .menus = {{kMainId,
                   {{.text = "&File",
                     .items = {{.id = ID_FILE_OPEN, .text = "&Open..."},
                               {.flags = MF_SEPARATOR},
                               {.id = ID_APP_EXIT, .text = "E&xit"}}},
                    {.text = "&Tools",
                     .items = {{.id = kAppCommand, .text = "&Ping"},
                               {.id = kOrphanCommand, .text = "&Orphan"},
                               {.id = kViewCommand, .text = "&View"},
                               {.id = kVfoCommand, .text = "V&1"}}}}}},
        .accelerators = {{kMainId, {{FVIRTKEY | FCONTROL, VK_F1, kVfoCommand}}}},
    });
}

CMDIFrameWnd& AppTest::Main() const {
    return *DYNAMIC_DOWNCAST(CMDIFrameWnd, app.m_pMainWnd);
}

CView* AppTest::ActiveView() const {
    CFrameWnd* child = Main().GetActiveFrame();
    return child ? child->GetActiveView() : nullptr;
}

} // namespace hb::afx::test
