// The Multi-Radio tab's form on a real X server (Xvfb): every control shows inside the form, and
// the screenshot shows whether the queue, the rotary switch and the slider read.
#include "platform/afx/Afx.h"
#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/xdriver/Artefacts.h"
#include "platform/testkit/xdriver/ScreenSession.h"
#include "platform/testkit/xdriver/XDriver.h"
#include "platform/win/controls/CommonControls.h"
#include "radioview/SearchSlaveView.h"
#include "resources/program/ProgramResources.h"

#include <string>
#include <thread>

namespace {

using hb::testkit::ArtefactPath;
using hb::testkit::XDriver;
using namespace std::chrono_literals;

class MultiRadioFormOnScreenTest : public hb::testkit::PlatformTest {
protected:
    void SetUp() override {
        if (!screen.Start()) {
            return;
        }
        UseProgramResources(ProgramResourceTables());
    }
    void TearDown() override {
        screen.Stop();
        PlatformTest::TearDown();
    }

    hb::testkit::ScreenSession screen;
};

TEST_F(MultiRadioFormOnScreenTest, TheQueueAndThePairsControlsShowInsideTheForm) {
    auto* frame = new CFrameWnd;
    ASSERT_TRUE(
        frame->Create(nullptr, "Multi-Radio Test", WS_OVERLAPPEDWINDOW, CRect(60, 60, 660, 400)));
    auto* view = static_cast<CSearchSlaveView*>(RUNTIME_CLASS(CSearchSlaveView)->CreateObject());
    ASSERT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 340), frame,
                             AFX_IDW_PANE_FIRST));
    view->UpdateData(FALSE);
    view->m_rigAName.SetCaption("Receiver");
    view->m_rigBName.SetCaption("Scanner");
    view->m_priorityMode.SetPosition(1);
    view->m_preemptSlider.SetPosition(-20);
    view->m_preemptDisplay.SetValue(-20);
    view->m_squelchKnob.SetPosition(40);
    const char* rows[][3] = {{"155.010000", "3", "Fire            "},
                             {"462.550000", "9", "Marine          "}};
    const char* headings[] = {"Frequency", "Pri", "Name"};
    for (int column = 0; column < CSearchSlaveView::kColumnCount; ++column) {
        view->m_queue.InsertColumn(column, headings[column], LVCFMT_LEFT, 100);
    }
    for (const auto& row : rows) {
        const int n = view->m_queue.InsertItem(view->m_queue.GetItemCount(), row[0]);
        view->m_queue.SetItemText(n, 1, row[1]);
        view->m_queue.SetItemText(n, 2, row[2]);
    }
    // Every control lies inside the form.
    CRect form;
    view->GetClientRect(&form);
    for (UINT id : {IDC_SLAVE_QUEUE, IDC_PRIORITY_MODE, IDC_PREEMPT_LEVEL, IDC_PREEMPT_DISPLAY,
                    IDC_SLAVE_SQUELCH_KNOB, IDC_SLAVE_RIG_A_NAME, IDC_SLAVE_RIG_B_NAME}) {
        CRect box;
        view->GetDlgItem(static_cast<int>(id))->GetWindowRect(&box);
        view->ScreenToClient(&box);
        EXPECT_TRUE(box.left >= 0 && box.top >= 0 && box.right <= form.right &&
                    box.bottom <= form.bottom)
            << id;
    }
    frame->ShowWindow(SW_SHOWNORMAL);

    std::string failure;
    const HWND top = frame->m_hWnd;
    std::thread user([&, top] {
        auto driver = XDriver::Connect(screen.name());
        const auto window = driver ? driver->FindWindow("Multi-Radio Test", 10s) : std::nullopt;
        if (!window || !driver->WaitUntilPainted(*window, 10s)) {
            failure = "the window never showed";
        } else {
            driver->Screenshot(*window, ArtefactPath("multi-radio-form.png"));
        }
        PostMessage(top, WM_CLOSE, 0, 0);
    });
    // The frame is not the application's main window: its closing ends the loop.
    MSG msg;
    while (::IsWindow(top) && GetMessage(&msg, HWND{}, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    user.join();
    EXPECT_EQ(failure, "");
}

} // namespace
