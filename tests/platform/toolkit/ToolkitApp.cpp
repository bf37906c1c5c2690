#include "tests/platform/toolkit/ToolkitApp.h"

namespace hb::toolkit::test {

Seen& Log() {
    static Seen seen;
    return seen;
}

IMPLEMENT_DYNCREATE(CToolkitDoc, CDocument)

IMPLEMENT_DYNCREATE(CToolkitView, CView)

BEGIN_MESSAGE_MAP(CToolkitView, CView)
ON_COMMAND(kViewCommand, &CToolkitView::OnViewCommand)
END_MESSAGE_MAP()

void CToolkitView::OnViewCommand() {
    Log().commands.push_back("view " + GetDocument()->GetTitle().str());
}

IMPLEMENT_DYNCREATE(CToolkitFrame, CXTPMDIFrameWnd)

BEGIN_MESSAGE_MAP(CToolkitFrame, CXTPMDIFrameWnd)
ON_WM_CREATE()
ON_WM_CLOSE()
ON_COMMAND(kFrameCommand, &CToolkitFrame::OnFrameCommand)
ON_UPDATE_COMMAND_UI(kCheckCommand, &CToolkitFrame::OnUpdateCheck)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_NUM, &CToolkitFrame::OnUpdateNum)
ON_MESSAGE(WM_DOCKING_PANE_NOTIFY, &CToolkitFrame::OnPaneNotify)
ON_MESSAGE(WM_TOOLKIT_BAR_RESET, &CToolkitFrame::OnBarReset)
END_MESSAGE_MAP()

int CToolkitFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    static const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};
    if (CXTPMDIFrameWnd::OnCreate(lpCreateStruct) == -1 ||
        !m_statusBar.Create(this, 0x56008200, AFX_IDW_STATUS_BAR) ||
        !m_statusBar.SetIndicators(indicators, 3) ||
        !InitCommandBars(RUNTIME_CLASS(CXTPCommandBars))) {
        return -1;
    }
    CXTPCommandBars& bars = *GetCommandBars();
    if (!bars.SetMenu("Menu Bar", kMainId)) {
        return -1;
    }
    m_pMainBar = bars.Add("Main", xtpBarTop);
    if (!m_pMainBar || !m_pMainBar->LoadToolBar(kMainId)) {
        return -1;
    }
    LoadCommandBars("CommandBars");
    m_panes.InstallDockingPanes(this, TRUE);
    CXTPDockingPane* pane = m_panes.CreatePane(kPaneId, CRect(0, 0, 120, 80), xtpPaneDockLeft);
    pane->SetTitle("Volume");
    pane->SetIconID(kPaneIcon);
    pane->SetOptions(0x11);
    CXTPDockingPaneLayout layout(&m_panes);
    if (layout.Load("PaneLayout")) {
        m_panes.SetLayout(&layout);
    }
    return 0;
}

void CToolkitFrame::OnClose() {
    CXTPDockingPaneLayout layout(&m_panes);
    m_panes.GetLayout(&layout);
    layout.Save("PaneLayout");
    if (GetCommandBars()->IsCustomizationEnabled()) {
        SaveCommandBars("CommandBars");
    }
    CXTPMDIFrameWnd::OnClose();
}

void CToolkitFrame::OnFrameCommand() {
    Log().commands.push_back("frame");
}

void CToolkitFrame::OnUpdateCheck(CCmdUI* pCmdUI) {
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(Log().checked ? 1 : 0);
}

void CToolkitFrame::OnUpdateNum(CCmdUI* pCmdUI) {
    pCmdUI->SetText(Log().checked ? "NUM" : "");
}

LRESULT CToolkitFrame::OnPaneNotify(WPARAM wParam, LPARAM lParam) {
    if (wParam == DOCKING_PANE_SHOW_WINDOW) {
        auto* pane = reinterpret_cast<CXTPDockingPane*>(lParam);
        Log().paneNotes.emplace_back(wParam, pane->GetID());
        if (!pane->IsValid() && pane->GetID() == static_cast<int>(kPaneId)) {
            const CSize size = Log().contentSize;
            const HWND content = CreateWindowEx(0, "Static", "Mixer", WS_CHILD | WS_VISIBLE, 0, 0,
                                                size.cx, size.cy, m_hWnd, kPaneId, nullptr);
            pane->Attach(CWnd::FromHandle(content));
        }
        return 1;
    }
    if (wParam == DOCKING_PANE_ACTION) {
        const auto* action = reinterpret_cast<const XTP_DOCKINGPANE_ACTION*>(lParam);
        Log().paneNotes.emplace_back(wParam, action->pane->GetID());
        Log().paneActions.push_back(action->action);
        if (action->action == DOCKING_PANE_ACTION_SIZING && action->pane->IsValid()) {
            action->pane->SetMinTrackSize(Log().contentSize);
            action->pane->SetMaxTrackSize(Log().contentSize);
            m_panes.RecalcFrameLayout(action->pane, FALSE);
            m_panes.RedrawPanes();
        }
    }
    return 0;
}

LRESULT CToolkitFrame::OnBarReset(WPARAM, LPARAM) {
    ++Log().barResets;
    return 0;
}

BOOL CToolkitApp::InitInstance() {
    SetRegistryKey("Corvanta Test");
    docs = new CMultiDocTemplate(kDocTemplate, RUNTIME_CLASS(CToolkitDoc),
                                 RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CToolkitView));
    AddDocTemplate(docs);
    auto* frame = new CToolkitFrame;
    if (!frame->LoadFrame(kMainId)) {
        return FALSE;
    }
    m_pMainWnd = frame;
    frame->ShowWindow(m_nCmdShow);
    return TRUE;
}

ToolkitAppTest::ToolkitAppTest() {
    Log() = {};
    UseProgramResources({
        .strings = {{kMainId, "Toolkit Test"},
                    {kDocTemplate, "\nDoc\nDoc"},
                    {kViewCommand, "Runs the view's command\nView"},
                    {kOrphanCommand, "Nobody's\nOrphan"},
                    {kCheckCommand, "Mute"},
                    {kFrameCommand, "Runs the frame's command\nFrame\nnot a tooltip"},
                    {AFX_IDS_IDLEMESSAGE, "Ready"},
                    {ID_INDICATOR_CAPS, "CAP"},
                    {ID_INDICATOR_NUM, "NUM"}},
        .icons = {{kMainId, {}}, {kPaneIcon, {{16, 16}}}},
        .bitmaps = {{kMainId, 64, 15, 4}},
        .menus = {{kMainId,
                   {{.text = "&File",
                     .items = {{.id = ID_FILE_NEW, .text = "&New"},
                               {.id = ID_APP_EXIT, .text = "E&xit"}}},
                    {.text = "&Tools",
                     .items = {{.id = kViewCommand, .text = "&View"},
                               {.id = kFrameCommand, .text = "&Frame"}}},
                    {.text = "&Window", .items = {{.id = ID_WINDOW_CASCADE, .text = "&Cascade"}}}}},
                  {kDocTemplate,
                   {{.text = "&Doc", .items = {{.id = kViewCommand, .text = "&View"}}},
                    {.text = "&Tools", .items = {{.id = kOrphanCommand, .text = "&Orphan"}}}}}},
        .toolBars = {{kMainId,
                      kMainId,
                      16,
                      15,
                      {kViewCommand, kOrphanCommand, 0, kCheckCommand, kFrameCommand}}},
        .accelerators = {{kMainId, {{FVIRTKEY | FCONTROL, VK_F2, kFrameCommand}}}},
    });
}

void ToolkitAppTest::Start() {
    app.reset();
    app = std::make_unique<CToolkitApp>();
    ASSERT_EQ(hb::testkit::StartApp(*app), std::nullopt);
}

CToolkitFrame& ToolkitAppTest::Main() const {
    return *DYNAMIC_DOWNCAST(CToolkitFrame, app->m_pMainWnd);
}

void ToolkitAppTest::Click(CXTPControl* control) const {
    ASSERT_NE(control, nullptr);
    const CPoint at = control->GetRect().CenterPoint();
    const LPARAM where = MAKELPARAM(at.x, at.y);
    control->GetParent()->SendMessage(WM_LBUTTONDOWN, 0, where);
    control->GetParent()->SendMessage(WM_LBUTTONUP, 0, where);
    Pump();
}

CRect ToolkitAppTest::PlaceOf(HWND hwnd) const {
    CRect rect;
    GetWindowRect(hwnd, &rect);
    Main().ScreenToClient(&rect);
    return rect;
}

const hb::win::DisplayList& Repaint(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
    return hb::win::LastPaint(hwnd);
}

std::vector<std::string> DrawnTexts(const hb::win::DisplayList& list) {
    std::vector<std::string> texts;
    for (const auto& record : list) {
        if (record.op == hb::win::DrawOp::DrawText || record.op == hb::win::DrawOp::TextOut) {
            texts.push_back(record.text);
        }
    }
    return texts;
}

} // namespace hb::toolkit::test
