#include "app/rig/Rig.h"
#include "app/rig/RigList.h"
#include "platform/afx/CMDIFrameWnd.h"
#include "platform/instruments/Dispids.h"
#include "platform/records/DeviceStatus.h"
#include "platform/records/EngineStatus.h"
#include "platform/tessary/audio/AudioLog.h"
#include "platform/tessary/model/Radio.h"
#include "radioview/MiniStatusWnd.h"
#include "tests/radioview/FrontPanelTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace hb::radioview::test {
namespace {

using hb::records::DeviceStatus;
using hb::records::EngineStatus;
using hb::records::UserId;

constexpr UINT kMhz = 1'000'000;

// Records the commands a window receives, then lets the window have them.
class CommandSpy {
public:
    explicit CommandSpy(HWND window) : m_window(window) {
        seen.clear();
        previous = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtr(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
    }
    ~CommandSpy() {
        if (::IsWindow(m_window)) {
            ::SetWindowLongPtr(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        }
    }
    static inline std::vector<std::pair<WPARAM, LPARAM>> seen;

private:
    static LRESULT Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_COMMAND) {
            seen.emplace_back(wParam, lParam);
        }
        return ::CallWindowProc(previous, hwnd, message, wParam, lParam);
    }
    static inline WNDPROC previous = nullptr;
    HWND m_window;
};

class MiniStatusTest : public hb::app::test::FrontPanelTest {
protected:
    // The radio's window and its mini status window.
    CMiniStatusWnd* OpenMini(int type) {
        StartWith(type);
        panel = OpenPanel();
        if (!panel) {
            return nullptr;
        }
        frame = RadioWindow();
        auto* mini = new CMiniStatusWnd(frame, kSection);
        frame->m_miniStatus = mini;
        return mini;
    }
    static std::string Caption(const CWnd& window) {
        CString text;
        window.GetWindowText(text);
        return text.str();
    }
    static CRect Place(const CWnd& window) {
        CRect rect;
        window.GetWindowRect(&rect);
        return rect;
    }
    // One status refresh with the engine in `state` on 145.5 MHz.
    void Refresh(CMiniStatusWnd& mini, std::uint8_t state, BYTE audioState = 0) {
        engine.set(EngineStatus::kState, state);
        device.set(DeviceStatus::kCurrentFrequency, 145'500'000);
        mini.SetStatus("", engine.data(), device.data(), frame->m_rig, audioState);
    }
    static std::string Lamps(const CMiniStatusRack& rack) {
        std::string lamps;
        for (const CiLedRectangleX* lamp :
             {&rack.m_scanningLamp, &rack.m_stoppedLamp, &rack.m_hitLamp}) {
            lamps += lamp->GetActive() ? '1' : '0';
        }
        return lamps;
    }
    static void Click(CWnd& control, UINT down = WM_LBUTTONDOWN, UINT up = WM_LBUTTONUP,
                      int x = 4) {
        control.SendMessage(down, MK_LBUTTON, MAKELPARAM(x, 3));
        control.SendMessage(up, 0, MAKELPARAM(x, 3));
    }

    CRadioView* panel = nullptr;
    CRadioFrame* frame = nullptr;
    EngineStatus engine;
    DeviceStatus device;
};

TEST_F(MiniStatusTest, OpensTopmostAtItsPlaceSizedToItsPanelAndComesBackWhereItWas) {
    CMiniStatusWnd* mini = OpenMini(42);
    ASSERT_NE(mini, nullptr);
    ASSERT_TRUE(mini->GetSafeHwnd());
    EXPECT_EQ(mini->panel.GetDlgCtrlID(), static_cast<int>(IDD_MINI_STATUS));
    const CSize panelSize = mini->panel.m_sizeDefault;
    CRect rect = Place(*mini);
    EXPECT_EQ(rect.TopLeft(), CPoint(100, 100));
    EXPECT_EQ(rect.Width(), panelSize.cx + 2 * ::GetSystemMetrics(SM_CXFRAME));
    EXPECT_EQ(rect.Height(), panelSize.cy + ::GetSystemMetrics(SM_CYCAPTION) + 12);
    EXPECT_TRUE(::GetWindowLong(mini->m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(mini->IsWindowVisible());
    EXPECT_FALSE(::GetWindow(mini->m_hWnd, GW_OWNER));
    EXPECT_EQ(Caption(*mini), "Halbridge Pro");
    Refresh(*mini, 0);
    EXPECT_EQ(Caption(*mini), kSection);

    mini->SetWindowPos(nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    mini->DestroyWindow();
    EXPECT_EQ(frame->m_miniStatus, nullptr);
    const std::string section = std::string(kSection) + "_MiniStatusWindow";
    EXPECT_EQ(app->GetProfileIntA(section.c_str(), "Left", 0), 300);
    EXPECT_EQ(app->GetProfileIntA(section.c_str(), "Top", 0), 200);
    EXPECT_EQ(app->GetProfileIntA(section.c_str(), "Width", 0), rect.Width());
    EXPECT_EQ(app->GetProfileIntA(section.c_str(), "Height", 0), rect.Height());

    mini = new CMiniStatusWnd(frame, kSection);
    EXPECT_EQ(Place(*mini), CRect(CPoint(300, 200), rect.Size()));
    mini->DestroyWindow();
}

TEST_F(MiniStatusTest, EachKindOfRadioHasItsPanel) {
    Radios("[Radios]\nRadio#1=Vhf\nRadio#2=Hf\nRadio#3=Commands\nRadio#4=Trunk\n"
           "[Vhf]\nType=42\nPort=SIM\n[Hf]\nType=115\nPort=SIM\n[Commands]\nType=254\nPort=SIM\n"
           "[Trunk]\nType=17\nPort=SIM\n",
           {{"Vhf", 42}, {"Hf", 115}, {"Commands", 254}, {"Trunk", 17}});
    std::vector<UINT> templates;
    for (const CRig* rig : CRigList::Get()) {
        templates.push_back(CMiniStatusWnd::TemplateFor(rig));
    }
    EXPECT_EQ(templates, (std::vector<UINT>{IDD_MINI_STATUS, IDD_MINI_STATUS_HF,
                                            IDD_MINI_STATUS_TRUNK, IDD_MINI_STATUS_TRUNK_2}));
}

TEST_F(MiniStatusTest, TheEngineStateLightsTheLampsAndShowsTheFrequency) {
    CMiniStatusWnd* mini = OpenMini(42);
    ASSERT_NE(mini, nullptr);
    CMiniStatusRack& rack = mini->panel;
    const struct {
        std::uint8_t state;
        const char* lamps;
        double mhz;
    } rows[] = {{0, "010", 145.5}, {1, "100", 0},     {5, "000", 145.5},  {6, "001", 145.5},
                {1, "100", 0},     {8, "000", 145.5}, {27, "001", 145.5}, {15, "001", 145.5}};
    for (const auto& row : rows) {
        Refresh(*mini, row.state);
        EXPECT_EQ(Lamps(rack), row.lamps) << int(row.state);
        EXPECT_DOUBLE_EQ(rack.m_frequency.GetValue(), row.mhz) << int(row.state);
    }

    // The ID shows while the radio is not scanning.
    UserId id;
    id.set(UserId::kValue, 1000);
    id.set(UserId::kKind, hb::records::kIdKindCtcss);
    engine.set(EngineStatus::kCurrentId, id);
    Refresh(*mini, 1);
    EXPECT_STREQ(rack.m_idDisplay.GetText(), "--------------");
    Refresh(*mini, 5);
    EXPECT_STRNE(rack.m_idDisplay.GetText(), "--------------");

    EXPECT_FALSE(rack.m_recordingLamp.GetActive());
    Refresh(*mini, 5, 2);
    EXPECT_TRUE(rack.m_recordingLamp.GetActive());
    Refresh(*mini, 5, 3);
    EXPECT_FALSE(rack.m_recordingLamp.GetActive());
    mini->DestroyWindow();
}

TEST_F(MiniStatusTest, TheSignalMovesTheMeterAndAClosedSquelchClearsTheDevicesIdWords) {
    // A scanner whose meter reads from -127 to -33 dBm.
    CMiniStatusWnd* mini = OpenMini(1);
    ASSERT_NE(mini, nullptr);
    CiAngularGaugeX& meter = mini->panel.m_sMeter;
    EXPECT_DOUBLE_EQ(meter.GetPositionMin(), -130);
    EXPECT_DOUBLE_EQ(meter.GetPositionMax(), -30);
    EXPECT_DOUBLE_EQ(meter.GetSectionEnd(1), -73);
    EXPECT_DOUBLE_EQ(meter.GetSectionEnd(2), -53);
    EXPECT_DOUBLE_EQ(meter.GetSectionEnd(3), -33);
    EXPECT_STREQ(meter.GetCaption(), "S - dBm");

    const Radio* radio = frame->m_rig->m_radio;
    device.set(DeviceStatus::kSquelchOpen, 1);
    device.set(DeviceStatus::kSignalLevel, 200);
    device.set(DeviceStatus::kCurrentModelWords, 0, 0x12345678);
    Refresh(*mini, 6);
    EXPECT_TRUE(mini->panel.m_signalLamp.GetActive());
    EXPECT_DOUBLE_EQ(meter.GetPosition(), const_cast<Radio*>(radio)->Request(200, 1));
    EXPECT_EQ(device.get(DeviceStatus::kCurrentModelWords, 0), 0x12345678u);

    device.set(DeviceStatus::kSquelchOpen, 0);
    device.set(DeviceStatus::kModeChar, '&');
    Refresh(*mini, 6);
    EXPECT_FALSE(mini->panel.m_signalLamp.GetActive());
    EXPECT_DOUBLE_EQ(meter.GetPosition(), radio->meterFloor());
    EXPECT_EQ(device.get(DeviceStatus::kCurrentModelWords, 0), 0x12345678u);
    device.set(DeviceStatus::kModeChar, 'x');
    Refresh(*mini, 6);
    EXPECT_EQ(device.get(DeviceStatus::kCurrentModelWords, 0), 0u);
    mini->DestroyWindow();
}

TEST_F(MiniStatusTest, FrequenciesReadAsTheRadioShowsThem) {
    CMiniStatusWnd* mini = OpenMini(42);
    ASSERT_NE(mini, nullptr);
    mini->ForwardToPanel(145'500'000);
    EXPECT_EQ(mini->panel.lastFrequency, 145'500'000u);
    EXPECT_DOUBLE_EQ(mini->panel.m_frequency.GetValue(), 145.5);
    EXPECT_EQ(mini->panel.m_frequency.GetPrecision(), 4);
    mini->DestroyWindow();
    CloseWindow();
    NewApp();

    mini = OpenMini(115);
    ASSERT_NE(mini, nullptr);
    EXPECT_EQ(mini->panel.GetDlgCtrlID(), static_cast<int>(IDD_MINI_STATUS_HF));
    panel->m_mhzDisplay = 0;
    mini->ForwardToPanel(7'055'000);
    EXPECT_DOUBLE_EQ(mini->panel.m_frequency.GetValue(), 7055.0);
    EXPECT_EQ(mini->panel.m_frequency.GetPrecision(), 3);
    panel->m_mhzDisplay = CRadioView::kOn;
    mini->ForwardToPanel(7'055'000);
    EXPECT_DOUBLE_EQ(mini->panel.m_frequency.GetValue(), 7.055);
    EXPECT_EQ(mini->panel.m_frequency.GetPrecision(), 6);
    mini->DestroyWindow();
}

TEST_F(MiniStatusTest, ItsButtonsAndLampsReachTheRadioWindow) {
    CMiniStatusWnd* mini = OpenMini(17);
    ASSERT_NE(mini, nullptr);
    CMiniStatusRack& rack = mini->panel;
    EXPECT_EQ(rack.GetDlgCtrlID(), static_cast<int>(IDD_MINI_STATUS_TRUNK_2));
    // Only the trunk-commands panel lights its trunk lamp.
    EXPECT_EQ(rack.trunkLamp, 0);
    Refresh(*mini, 20);
    EXPECT_FALSE(rack.m_trunkLamp.GetActive());
    CommandSpy spy(frame->m_hWnd);

    rack.m_holdIdButton.SendMessage(BM_CLICK);
    PumpUntilIdle();
    ASSERT_FALSE(CommandSpy::seen.empty());
    EXPECT_EQ(
        CommandSpy::seen.back(),
        (std::pair<WPARAM, LPARAM>{ID_RADIO_ID_SETTING, hb::win::ParamFromHwnd(mini->m_hWnd)}));
    rack.m_stopButton.SendMessage(BM_CLICK);
    PumpUntilIdle();
    EXPECT_EQ(CommandSpy::seen.back(),
              (std::pair<WPARAM, LPARAM>{ID_RADIO_STOP, hb::win::ParamFromHwnd(mini->m_hWnd)}));

    Click(rack.m_scanningLamp);
    PumpUntilIdle();
    EXPECT_EQ(CommandSpy::seen.back(),
              (std::pair<WPARAM, LPARAM>{ID_RADIO_START, hb::win::ParamFromHwnd(rack.m_hWnd)}));
    mini->DestroyWindow();
}

TEST_F(MiniStatusTest, OnTheTrunkCommandsPanelTheTrunkLampFollowsTheEngineState) {
    // A radio that takes trunk commands but is not driven as a trunk tracker.
    CMiniStatusWnd* mini = OpenMini(254);
    ASSERT_NE(mini, nullptr);
    CMiniStatusRack& rack = mini->panel;
    ASSERT_EQ(rack.GetDlgCtrlID(), static_cast<int>(IDD_MINI_STATUS_TRUNK));
    EXPECT_EQ(rack.trunkLamp, 0xFF);
    ASSERT_TRUE(rack.m_trunkLamp.GetSafeHwnd());
    const struct {
        std::uint8_t state;
        bool lit;
    } rows[] = {{20, true},  {0, true},  {7, true},  {15, true}, {19, true},
                {1, false},  {7, false}, {36, true}, {6, false}, {25, true},
                {14, false}, {30, true}, {8, false}, {16, false}};
    for (const auto& row : rows) {
        Refresh(*mini, row.state);
        EXPECT_EQ(rack.m_trunkLamp.GetActive(), row.lit) << int(row.state);
    }
    mini->DestroyWindow();
}

TEST_F(MiniStatusTest, WithoutAFrontPanelItsKeysVfoLampsAndFrequencyDoNothing) {
    CMiniStatusWnd* mini = OpenMini(254);
    ASSERT_NE(mini, nullptr);
    CMiniStatusRack& rack = mini->panel;
    ASSERT_TRUE(rack.m_scanKey.GetSafeHwnd());
    CommandSpy spy(panel->m_hWnd);
    rack.m_scanKey.SendMessage(BM_CLICK);
    PumpUntilIdle();
    ASSERT_FALSE(CommandSpy::seen.empty());
    EXPECT_EQ(CommandSpy::seen.back(), (std::pair<WPARAM, LPARAM>{IDC_KEY_SCAN, 0}));
    panel->m_activeVfo = 2;
    rack.ShowVfoLamps();
    mini->ForwardToPanel(145'500'000);

    // The window has lost its radio window's front panel.
    rack.frame = nullptr;
    CommandSpy::seen.clear();
    rack.m_scanKey.SendMessage(BM_CLICK);
    rack.m_resetKey.SendMessage(BM_CLICK);
    PumpUntilIdle();
    EXPECT_TRUE(CommandSpy::seen.empty());
    panel->m_activeVfo = 4;
    rack.ShowVfoLamps();
    EXPECT_TRUE(
        std::get<bool>(rack.m_vfoLamps[1].GetProperty(hb::instruments::switchLed::kActive)));
    EXPECT_FALSE(
        std::get<bool>(rack.m_vfoLamps[3].GetProperty(hb::instruments::switchLed::kActive)));
    mini->ForwardToPanel(7'055'000);
    EXPECT_EQ(rack.lastFrequency, 145'500'000u);
    EXPECT_DOUBLE_EQ(rack.m_frequency.GetValue(), 145.5);
    rack.frame = frame;
    mini->DestroyWindow();
}

TEST_F(MiniStatusTest, TheMuteButtonsReachTheRadiosLogger) {
    CMiniStatusWnd* mini = OpenMini(42);
    ASSERT_NE(mini, nullptr);
    CMiniStatusRack& rack = mini->panel;
    CAudioLog* log = frame->m_rig->GetAudioLog();
    ASSERT_NE(log, nullptr);
    ASSERT_FALSE(log->m_muted);
    rack.m_muteButton.SendMessage(BM_CLICK);
    PumpUntilIdle();
    EXPECT_TRUE(log->m_muted);
    // The radio alone is heard again, the others are muted.
    rack.m_mutePeersButton.SendMessage(BM_CLICK);
    PumpUntilIdle();
    EXPECT_FALSE(log->m_muted);
    Refresh(*mini, 0);
    EXPECT_FALSE(rack.m_muteButton.GetChecked());
    rack.m_muteButton.SendMessage(BM_CLICK);
    PumpUntilIdle();
    Refresh(*mini, 0);
    EXPECT_TRUE(rack.m_muteButton.GetChecked());
    mini->DestroyWindow();
}

TEST_F(MiniStatusTest, TheVfoSwitchesFollowAndPickTheFrontPanelsVfo) {
    CMiniStatusWnd* mini = OpenMini(42);
    ASSERT_NE(mini, nullptr);
    CMiniStatusRack& rack = mini->panel;
    const auto lit = [&rack](int n) {
        return std::get<bool>(rack.m_vfoLamps[n].GetProperty(hb::instruments::switchLed::kActive));
    };
    // The panel's own timers may change its VFO meanwhile: tick the lamps' timer alone.
    const auto tick = [&rack] { rack.SendMessage(WM_TIMER, CMiniStatusRack::kVfoTimerId); };
    panel->m_activeVfo = 2;
    tick();
    EXPECT_TRUE(lit(1));
    EXPECT_FALSE(lit(0));
    panel->m_activeVfo = 0;
    tick();
    EXPECT_FALSE(lit(1));

    CommandSpy spy(panel->m_hWnd);
    rack.m_vfoLamps[2].SetProperty(hb::instruments::switchLed::kActive, true);
    std::vector<hb::afx::EventArg> none;
    hb::afx::FireEvent(rack.m_vfoLamps[2].m_hWnd, 1, none);
    EXPECT_TRUE(panel->m_vfoButtons[2].GetChecked());
    EXPECT_EQ(panel->m_activeVfo, 3);
    EXPECT_NE(std::ranges::find(CommandSpy::seen, static_cast<WPARAM>(IDC_VFO_1 + 2),
                                &std::pair<WPARAM, LPARAM>::first),
              CommandSpy::seen.end());
    mini->DestroyWindow();
}

TEST_F(MiniStatusTest, TheKnobSetsTheLoggersVolumeWithinItsRange) {
    CMiniStatusWnd* mini = OpenMini(42);
    ASSERT_NE(mini, nullptr);
    CiKnobX& knob = mini->panel.m_volumeKnob;
    CAudioLog* log = frame->m_rig->GetAudioLog();
    ASSERT_NE(log, nullptr);
    std::vector<hb::afx::EventArg> none;
    knob.SetPositionMax(200);
    knob.SetPosition(130);
    hb::afx::FireEvent(knob.m_hWnd, 4, none);
    EXPECT_DOUBLE_EQ(log->m_volume, 1.0);
    knob.SetPosition(40);
    hb::afx::FireEvent(knob.m_hWnd, 4, none);
    EXPECT_DOUBLE_EQ(log->m_volume, 0.4);

    // Without a logger the knob does nothing.
    frame->m_rig->m_audio_log = nullptr;
    knob.SetPosition(10);
    hb::afx::FireEvent(knob.m_hWnd, 4, none);
    frame->m_rig->m_audio_log = log;
    EXPECT_DOUBLE_EQ(log->m_volume, 0.4);
    mini->DestroyWindow();
}

TEST_F(MiniStatusTest, MinimisingKeepsItShownAndBringsTheRadioWindowForward) {
    CMiniStatusWnd* mini = OpenMini(42);
    ASSERT_NE(mini, nullptr);
    mini->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_TRUE(mini->IsWindowVisible());
    EXPECT_FALSE(::IsIconic(mini->m_hWnd));
    auto* main = dynamic_cast<CMDIFrameWnd*>(AfxGetMainWnd());
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->MDIGetActive(), frame);
    mini->DestroyWindow();
}

// The left button steps down by the digit, the right one up.
TEST_F(MiniStatusTest, TheTuningStripStepsTheActiveVfoWhileTheButtonIsHeld) {
    CMiniStatusWnd* mini = OpenMini(42);
    ASSERT_NE(mini, nullptr);
    CTuningLedMatrix& strip = mini->panel.m_tuningStrip;
    ASSERT_TRUE(strip.GetSafeHwnd());
    EXPECT_EQ(strip.target, panel);
    const auto frequency = [this] {
        return panel->m_vfo[panel->m_activeVfo].get(parm::kFrequency);
    };
    panel->EnterManualMode();
    panel->TuneFrequency(150 * kMhz, 0);
    const std::uint32_t start = frequency();
    strip.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3 * 16 + 7, 3));
    EXPECT_EQ(frequency(), start - kMhz);
    AdvanceAndPump(250);
    EXPECT_EQ(frequency(), start - 2 * kMhz);
    strip.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(3 * 16 + 7, 3));
    AdvanceAndPump(1000);
    EXPECT_EQ(frequency(), start - 2 * kMhz);
    strip.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(4 * 16 + 7, 3));
    strip.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(4 * 16 + 7, 3));
    EXPECT_EQ(frequency(), start - 2 * kMhz + 100'000);
    mini->DestroyWindow();
}

} // namespace
} // namespace hb::radioview::test
