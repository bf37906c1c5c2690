// The model panels on a real X server (Xvfb), in this process: one radio window per form family,
// each panel made from its class name, every control inside the panel, and a screenshot of each.
#include "platform/testkit/xdriver/Artefacts.h"
#include "platform/testkit/xdriver/ScreenSession.h"
#include "platform/testkit/xdriver/XDriver.h"
#include "platform/win/core/Clock.h"
#include "tests/radioview/models/ModelViewTest.h"

#include <set>
#include <string>
#include <thread>
#include <vector>

namespace hb::app::test {
namespace {

using hb::testkit::ArtefactPath;
using hb::testkit::XDriver;
using namespace std::chrono_literals;

class ModelViewOnScreenTest : public ModelViewTest {
protected:
    void SetUp() override {
        ModelViewTest::SetUp();
        screen.Start();
    }
    void TearDown() override {
        screen.Stop();
        ModelViewTest::TearDown();
    }

    // Every child of the panel lies within its form, whatever room the window gives it now.
    static void ExpectControlsInside(CRadioView& panel) {
        const CRect form(CPoint(0, 0), panel.GetTotalSize());
        for (HWND child = ::GetWindow(panel.m_hWnd, GW_CHILD); child;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
            CRect box;
            ::GetWindowRect(child, &box);
            panel.ScreenToClient(&box);
            EXPECT_TRUE(box.left >= 0 && box.top >= 0 && box.right <= form.right &&
                        box.bottom <= form.bottom)
                << ::GetDlgCtrlID(child);
        }
    }

    // The main window with the radio window's panel, once painted, as the picture.
    std::string Shoot(const std::string& picture) {
        CString title;
        AfxGetMainWnd()->GetWindowText(title);
        const std::string mainName = title.str();
        const HWND main = AfxGetMainWnd()->m_hWnd;
        std::string failure;
        bool done = false;
        std::thread user([&] {
            auto driver = XDriver::Connect(screen.name());
            const auto window = driver ? driver->FindWindow(mainName, 30s) : std::nullopt;
            if (!window || !driver->WaitUntilPainted(*window, 30s)) {
                failure = "the main window never showed";
            } else if (!m_lastPanel.empty() &&
                       !driver->WaitUntilChanged(*window, 0, 240, 800, 120, m_lastPanel, 30s)) {
                failure = "the new panel never showed";
            } else {
                m_lastPanel = driver->Pixels(*window, 0, 240, 800, 120);
                const auto pixels = driver->Pixels(*window, 0, 100, 400, 120);
                if (std::set<unsigned long>(pixels.begin(), pixels.end()).size() < 8) {
                    failure = "the panel is not painted";
                }
                driver->Screenshot(*window, ArtefactPath(picture));
            }
            done = true;
            PostMessage(main, WM_NULL, 0, 0);
        });
        while (!done) {
            MSG msg;
            if (GetMessage(&msg, HWND{}, 0, 0) > 0) {
                TranslateMessage(&msg);
                DispatchMessage(&msg);
            }
        }
        user.join();
        return failure;
    }

    hb::testkit::ScreenSession screen;
    // Where the previous panel showed its own controls.
    std::vector<unsigned long> m_lastPanel;
};

TEST_F(ModelViewOnScreenTest, EachFormFamilyShowsItsPanelWhole) {
    const std::pair<const char*, const char*> families[] = {
        {"CBlandView", "model-view-bland.png"},   {"COptoComView", "model-view-opto.png"},
        {"CPCR1000View", "model-view-pcr.png"},   {"CR8500View", "model-view-r-series.png"},
        {"CNRD535View", "model-view-nrd535.png"},
    };
    // Not the first start, whose Volume pane would cover the panels' left until it is put away.
    UserValue("Settings", "DockingWindowsInit", 1);
    for (const auto& [name, picture] : families) {
        SCOPED_TRACE(name);
        CRadioView* panel = OpenModel<CRadioView>(name, kPcWithDsp);
        ASSERT_NE(panel, nullptr);
        // The user gives the radio window the whole workspace.
        static_cast<CMDIChildWnd*>(panel->m_frame)->MDIMaximize();
        EXPECT_EQ(Shoot(picture), "");
        ExpectControlsInside(*panel);
        CloseWindow();
        CRadioFrame::s_panelClassForTest = nullptr;
    }
}

} // namespace
} // namespace hb::app::test
