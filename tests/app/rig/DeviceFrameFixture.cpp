#include "tests/app/rig/DeviceFrameFixture.h"

#include "platform/afx/CCreateContext.h"
#include "platform/records/PrivateMessages.h"

namespace hb::app::test {

FrameLog& Frames() {
    static FrameLog log;
    return log;
}

IMPLEMENT_DYNCREATE(CTestPanel, CView)

BEGIN_MESSAGE_MAP(CTestPanel, CView)
ON_MESSAGE(WM_RADIO_DTMF, &CTestPanel::OnDtmf)
ON_MESSAGE(WM_RADIO_HISTORY, &CTestPanel::OnHistory)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CRig* CTestPanel::Rig() const {
    const auto* frame = DYNAMIC_DOWNCAST(CDeviceFrame, GetParentFrame());
    return frame ? frame->m_rig : nullptr;
}

LRESULT CTestPanel::OnDtmf(WPARAM, LPARAM) {
    messages.push_back(WM_RADIO_DTMF);
    DtmfRecord record;
    while (Rig() && Rig()->GetDtmf(record.data()) == 0) {
        dtmf.push_back(record.text(DtmfRecord::kText));
    }
    if (afterDtmf) {
        afterDtmf();
    }
    return 0;
}

LRESULT CTestPanel::OnHistory(WPARAM, LPARAM) {
    messages.push_back(WM_RADIO_HISTORY);
    HistoryRecord record;
    while (Rig() && Rig()->GetHistory(record.data()) == 0) {
        ++histories;
    }
    return 0;
}

void CTestPanel::OnDestroy() {
    if (restartOnDestroy) {
        GetParentFrame()->SendMessage(WM_RADIO_RESTART);
    }
    CView::OnDestroy();
}

IMPLEMENT_DYNCREATE(CTestRadioFrame, CCommandBarsChildFrame)

BEGIN_MESSAGE_MAP(CTestRadioFrame, CCommandBarsChildFrame)
ON_COMMAND(CRig::kCommandStop, &CTestRadioFrame::OnStop)
ON_COMMAND(CRig::kCommandStart, &CTestRadioFrame::OnStart)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CTestRadioFrame::~CTestRadioFrame() {
    ++Frames().framesDeleted;
}

void CTestRadioFrame::OnStop() {
    Frames().commands.push_back(CRig::kCommandStop);
}

void CTestRadioFrame::OnStart() {
    Frames().commands.push_back(CRig::kCommandStart);
}

void CTestRadioFrame::OnDestroy() {
    if (CView* panel = GetActiveView()) {
        SetActiveView(nullptr, FALSE);
        panel->DestroyWindow();
    }
    CCommandBarsChildFrame::OnDestroy();
}

DeviceFrameTest::DeviceFrameTest() {
    Frames() = {};
    Settings("[Alpha]\nType=42\nPort=SIM\n[Bravo]\nType=42\nPort=SIM\n");
    alpha = AddRig("Alpha", kReceiver);
    bravo = AddRig("Bravo", kReceiver);
    main = new CMDIFrameWnd;
    main->Create(nullptr, "Halbridge Pro");
}

void DeviceFrameTest::TearDown() {
    if (::IsWindow(main->GetSafeHwnd())) {
        main->DestroyWindow();
    }
    RigTest::TearDown();
}

CTestRadioFrame* DeviceFrameTest::Open(CRig* rig, CRig* rig2) {
    auto* frame = new CTestRadioFrame;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CTestPanel);
    // The rigs are the window's before it is first activated, as when it makes its client area.
    frame->m_rig = rig;
    frame->m_rig2 = rig2;
    EXPECT_TRUE(frame->Create(nullptr, "Radio", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                              CFrameWnd::rectDefault, main, &context));
    frame->InitialUpdateFrame(nullptr, TRUE);
    for (CRig* each : {rig, rig2}) {
        if (each) {
            EXPECT_EQ(each->AttachView(CRig::kCommandScanListFiles, frame), 0);
        }
    }
    return frame;
}

std::uint16_t DeviceFrameTest::Start(CRig* rig, CTestRadioFrame* frame) {
    const std::uint16_t engine = StartEngine(*rig, frame->Panel());
    EXPECT_FALSE(IsFailureStatus(engine));
    return engine;
}

} // namespace hb::app::test
