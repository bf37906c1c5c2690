// The front panel's status display: engine and device status records turned into lamps, meter,
// channel text, VFO 0 and the mini status line, and the instruments put on a channel record.
#include "app/rig/Rig.h"
#include "platform/instruments/Gestures.h"
#include "platform/records/DeviceStatus.h"
#include "platform/records/EngineStatus.h"
#include "platform/tessary/model/Chan.h"
#include "platform/tessary/model/Radio.h"
#include "radioview/MiniStatusWnd.h"
#include "tests/radioview/FrontPanelTest.h"

#include <memory>

namespace hb::app::test {
namespace {

using hb::records::DeviceStatus;
using hb::records::EngineStatus;

constexpr std::uint32_t kDeviceHz = 155'010'000;

class StatusDisplayTest : public FrontPanelTest {
protected:
    void SetUp() override {
        StartWith(42);
        panel = OpenPanel();
        ASSERT_NE(panel, nullptr);
        rig = CRig::FindByName(kSection);
        ASSERT_NE(rig, nullptr);
        parm record = Record(kDeviceHz, 0, "Dispatch 1");
        device->set(DeviceStatus::kCurrentParm, record);
        panel->m_working = record;
    }
    // One status refresh with the engine in `state`.
    void Show(std::uint8_t state, Object* channel = nullptr, Object* user = nullptr) {
        engine->set(EngineStatus::kState, state);
        panel->UpdateStatusDisplay(engine->data(), device->data(), channel, user);
    }
    parm DeviceRecord() const { return device->get(DeviceStatus::kCurrentParm); }
    void SetDeviceRecord(const parm& record) { device->set(DeviceStatus::kCurrentParm, record); }
    static bool Lit(CiLedRectangleX& lamp) { return lamp.GetActive() != FALSE; }
    void CheckVButtons() {
        for (CXTPButton& button : panel->m_vfoButtons) {
            button.SetChecked(TRUE);
        }
    }
    int CheckedVButtons() const {
        int checked = 0;
        for (const CXTPButton& button : panel->m_vfoButtons) {
            checked += button.GetChecked() ? 1 : 0;
        }
        return checked;
    }
    // A trunk-tracker panel on the radio, shown to in place of the window's.
    CRadioView* TrunkPanel() {
        auto* trunk = new CRadioView(IDD_TRUNKTRACKER_VIEW);
        EXPECT_TRUE(trunk->Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 800, 400), &Main(), 1));
        trunk->UpdateData(FALSE);
        trunk->m_rig = rig;
        trunk->m_working = panel->m_working;
        panel = trunk;
        return trunk;
    }
    // A knob of the id made on the panel and bound to `knob`, for the settings the forms lack.
    void MakeKnob(CiKnobX& knob, UINT id) {
        if (knob.m_hWnd) {
            return;
        }
        HWND hwnd =
            ::CreateWindowEx(0, "TiKnob", "", WS_CHILD, 0, 0, 30, 30, panel->m_hWnd, id, nullptr);
        ASSERT_NE(hwnd, nullptr);
        knob.SubclassWindow(hwnd);
        knob.SetPositionMin(-100000);
        knob.SetPositionMax(100000);
    }

    std::unique_ptr<EngineStatus> engine = std::make_unique<EngineStatus>();
    std::unique_ptr<DeviceStatus> device = std::make_unique<DeviceStatus>();
    CRadioView* panel = nullptr;
    CRig* rig = nullptr;
};

TEST_F(StatusDisplayTest, OnlyAChangedEngineStateMovesTheFlagsLampsAndVButtons) {
    Show(7);
    EXPECT_TRUE(Lit(panel->m_stoppedLamp));
    EXPECT_FALSE(Lit(panel->m_scanningLamp));
    EXPECT_EQ(panel->m_stoppedFlag, 1);

    // Stopped to scanning unchecks V1-V5; the same state again changes nothing.
    CheckVButtons();
    Show(1);
    EXPECT_EQ(CheckedVButtons(), 0);
    EXPECT_TRUE(Lit(panel->m_scanningLamp));
    EXPECT_FALSE(Lit(panel->m_stoppedLamp));
    CheckVButtons();
    panel->m_scanningLamp.SetActive(FALSE);
    Show(1);
    EXPECT_EQ(CheckedVButtons(), CRadioView::kVfoButtonCount);
    EXPECT_FALSE(Lit(panel->m_scanningLamp));

    // Paused to scanning leaves them; a hit lights its lamp; 15-19 and above 36 change nothing.
    Show(5);
    EXPECT_EQ(panel->m_scanningFlag, 0);
    EXPECT_EQ(panel->m_stoppedFlag, 0);
    Show(1);
    EXPECT_EQ(CheckedVButtons(), CRadioView::kVfoButtonCount);
    Show(6);
    EXPECT_TRUE(Lit(panel->m_hitLamp));
    EXPECT_FALSE(Lit(panel->m_scanningLamp));
    Show(16);
    EXPECT_TRUE(Lit(panel->m_hitLamp));
    Show(40);
    EXPECT_TRUE(Lit(panel->m_hitLamp));
    EXPECT_EQ(panel->m_lastEngineState, 40);

    // State 8 scans here.
    Show(8);
    EXPECT_TRUE(Lit(panel->m_scanningLamp));
    EXPECT_FALSE(Lit(panel->m_hitLamp));
    EXPECT_EQ(panel->m_scanningFlag, 1);
}

TEST_F(StatusDisplayTest, OnATrunkFormStoppedToScanningUnchecksTheTrunkVButtons) {
    CRadioView* trunk = TrunkPanel();
    ASSERT_EQ(::GetDlgCtrlID(trunk->m_vfoButtons[0].m_hWnd), 28488);
    Show(7);
    CheckVButtons();
    Show(1);
    EXPECT_EQ(CheckedVButtons(), 0);
    trunk->DestroyWindow();
}

TEST_F(StatusDisplayTest, StoppingLoadsVfoZeroFromTheDeviceUnlessTheFrequencyWasChanged) {
    parm& vfo0 = panel->m_vfo[0];
    vfo0.set(parm::kStep, 5'000);
    Show(1);
    ASSERT_EQ(panel->m_manualMode, 0);
    panel->m_activeVfo = 3;
    Show(7);
    EXPECT_EQ(panel->m_activeVfo, 0);
    EXPECT_EQ(vfo0.get(parm::kFrequency), kDeviceHz);
    EXPECT_EQ(vfo0.get(parm::kStep), 5'000u);
    EXPECT_EQ(panel->m_manualMode, CRadioView::kOn);

    // With the frequency-changed mark the VFO stays, and manual mode with it.
    vfo0.set(parm::kFrequency, 146'520'000);
    Show(1);
    EXPECT_EQ(panel->m_manualMode, 0);
    panel->m_frequencyChanged = CRadioView::kOn;
    Show(0);
    EXPECT_EQ(vfo0.get(parm::kFrequency), 146'520'000u);
    EXPECT_EQ(panel->m_manualMode, CRadioView::kOn);
    panel->m_frequencyChanged = 0;
}

TEST_F(StatusDisplayTest, WhileFrozenOnlyTheRadioNameChanges) {
    panel->m_radioName.SetCaption("");
    panel->m_hold = CRadioView::kOn;
    device->set(DeviceStatus::kSquelchOpen, 1);
    Show(7);
    EXPECT_EQ(panel->m_radioName.GetCaption(), kSection);
    EXPECT_FALSE(Lit(panel->m_signalLamp));
    EXPECT_FALSE(Lit(panel->m_stoppedLamp));
    EXPECT_EQ(panel->m_lastEngineState, 0xFF);
    panel->m_hold = 0;
}

TEST_F(StatusDisplayTest, TheMeterShowsTheConvertedLevelOnlyWithASignal) {
    device->set(DeviceStatus::kSquelchOpen, 1);
    device->set(DeviceStatus::kSignalLevel, 90);
    Show(6);
    const int level = rig->RadioRequest(90, 1);
    EXPECT_TRUE(Lit(panel->m_signalLamp));
    EXPECT_EQ(panel->m_sMeter.GetPosition(), level);
    CString label;
    label.Format("%d dBm", level);
    EXPECT_EQ(panel->m_sMeter.GetLabelText(), label);
    if (panel->m_signalValue.m_hWnd) {
        EXPECT_EQ(panel->m_signalValue.GetValue(), level);
    }

    device->set(DeviceStatus::kSquelchOpen, 0);
    Show(6);
    EXPECT_FALSE(Lit(panel->m_signalLamp));
    EXPECT_EQ(panel->m_sMeter.GetPosition(), rig->m_radio->meterFloor());
    EXPECT_EQ(panel->m_sMeter.GetLabelText(), "----");
}

TEST_F(StatusDisplayTest, TheModelWordsAndTheIdAreClearedInTheRefreshsBufferOnly) {
    parm record = DeviceRecord();
    for (std::size_t n = 0; n < 3; ++n) {
        record.set(parm::kModelWords, n, 0x1234 + n);
    }
    SetDeviceRecord(record);
    const auto idBytes = [&] {
        const auto id = device->view(DeviceStatus::kCurrentId);
        return std::vector<std::uint8_t>(id.begin(), id.end());
    };
    const auto fillId = [&] { std::ranges::fill(device->view(DeviceStatus::kCurrentId), 7); };
    const std::vector<std::uint8_t> cleared(idBytes().size(), 0);
    fillId();
    rig->m_parm = record;

    // A model that keeps its words, on the working frequency in FM with an ID: all stays.
    device->set(DeviceStatus::kModeChar, 38);
    engine->set(EngineStatus::kIdHold, 1);
    Show(1);
    EXPECT_EQ(DeviceRecord().get(parm::kModelWords, 2), 0x1236u);
    EXPECT_NE(idBytes(), cleared);

    // Another model loses them, and stopping puts the cleared record on VFO 0; the rig's own
    // record keeps its bytes.
    device->set(DeviceStatus::kModeChar, 0);
    Show(7);
    EXPECT_EQ(DeviceRecord().get(parm::kModelWords, 0), 0u);
    EXPECT_EQ(panel->m_vfo[0].get(parm::kModelWords, 1), 0u);
    EXPECT_EQ(rig->m_parm.get(parm::kModelWords, 1), 0x1235u);
    EXPECT_NE(idBytes(), cleared);

    // The ID goes with another frequency, with AM, and while scanning without an ID.
    panel->m_working.set(parm::kFrequency, kDeviceHz + 12'500);
    Show(7);
    EXPECT_EQ(idBytes(), cleared);
    panel->m_working.set(parm::kFrequency, kDeviceHz);
    fillId();
    record = DeviceRecord();
    record.set(parm::kMode, 2);
    SetDeviceRecord(record);
    fillId();
    Show(7);
    EXPECT_EQ(idBytes(), cleared);
    record.set(parm::kMode, 11);
    SetDeviceRecord(record);
    fillId();
    Show(1);
    engine->set(EngineStatus::kIdHold, 0);
    Show(1);
    EXPECT_EQ(idBytes(), cleared);
    // In manual mode a closed squelch without an ID clears it too.
    Show(6);
    fillId();
    Show(6);
    EXPECT_NE(idBytes(), cleared);
    panel->m_manualMode = CRadioView::kOn;
    Show(6);
    EXPECT_EQ(idBytes(), cleared);
}

TEST_F(StatusDisplayTest, TheLocalControlByteSwitchesTheLampBetweenLocalAndRemote) {
    CRadioView* trunk = TrunkPanel();
    CiLedRectangleX& lamp = trunk->m_localRemoteLamp;
    ASSERT_NE(lamp.m_hWnd, nullptr);
    device->set(DeviceStatus::kLocalControl, 1);
    Show(1);
    EXPECT_TRUE(Lit(lamp));
    EXPECT_EQ(lamp.GetCaption(), "LOCAL");
    Show(1);
    EXPECT_EQ(lamp.GetCaption(), "LOCAL");
    device->set(DeviceStatus::kLocalControl, 0);
    Show(1);
    EXPECT_FALSE(Lit(lamp));
    EXPECT_EQ(lamp.GetCaption(), "REMOTE");
    trunk->DestroyWindow();
}

TEST_F(StatusDisplayTest, TheChannelTextFollowsScanningManualModeUserChannelAndDevice) {
    CString shown;
    Show(1);
    EXPECT_EQ(panel->m_channelLabel.GetCaption(), "Scanning...");

    // On a hit: the user's name, else the channel's, else the device record's.
    Chan channel;
    channel.setName("Car to car");
    Chan user;
    user.setName("Unit 12");
    Show(6, &channel, &user);
    EXPECT_EQ(panel->m_channelLabel.GetCaption(), "Unit 12");
    Show(27, &channel, nullptr);
    EXPECT_EQ(panel->m_channelLabel.GetCaption(), "Car to car");
    Show(28);
    EXPECT_EQ(panel->m_channelLabel.GetCaption(), "Dispatch 1");

    // In manual mode the active VFO's info, else its name.
    panel->m_manualMode = CRadioView::kOn;
    panel->m_activeVfo = 2;
    panel->m_vfo[2] = Record(146'520'000, 0, "Calling");
    panel->m_vfoInfo[2] = "  Simplex  ";
    Show(28);
    EXPECT_EQ(panel->m_channelLabel.GetCaption(), "Simplex");
    panel->m_vfoInfo[2] = "";
    Show(28);
    EXPECT_EQ(panel->m_channelLabel.GetCaption(), "Calling");

    // With an ID present the label is left to the ID display.
    engine->set(EngineStatus::kIdHold, 1);
    panel->m_manualMode = 0;
    Show(28, nullptr, &user);
    EXPECT_EQ(panel->m_channelLabel.GetCaption(), "Calling");
}

TEST_F(StatusDisplayTest, TheMiniStatusLineTellsTheFrequencyInUnitsOppositeToThePanels) {
    CRadioFrame* frame = RadioWindow();
    auto& mini = *new CMiniStatusWnd(frame, "Receiver");
    frame->m_miniStatus = &mini;

    // Scanning from a VFO in manual mode.
    Show(1);
    panel->m_manualMode = CRadioView::kOn;
    panel->m_activeVfo = 2;
    panel->m_vfo[2] = Record(146'520'000, 0, "Calling");
    Show(1);
    EXPECT_EQ(mini.StatusLine(), "VFO 2 146.5200 MHz, Scanning...");

    panel->m_manualMode = 0;
    Show(2);
    EXPECT_EQ(mini.StatusLine(), "Scanning...");

    Show(6);
    EXPECT_EQ(mini.StatusLine(), "155.0100 MHz, Dispatch 1");

    // Below 30 MHz: kHz with the MHz display setting, six decimals of MHz without it.
    SetDeviceRecord(Record(7'123'450, 0, "Forty"));
    panel->m_mhzDisplay = CRadioView::kOn;
    Show(27);
    EXPECT_EQ(mini.StatusLine(), "7123.450 kHz, Forty");
    panel->m_mhzDisplay = 0;
    Show(28);
    EXPECT_EQ(mini.StatusLine(), "7.123450 MHz, Forty");
    mini.DestroyWindow();
    EXPECT_EQ(frame->m_miniStatus, nullptr);
}

TEST_F(StatusDisplayTest, TheRecordsRequestBitsChooseBetweenItsValuesAndTheRadios) {
    MakeKnob(panel->m_volumeSetting, IDC_VOLUME_SETTING);
    MakeKnob(panel->m_filterKnob, IDC_FILTER_KNOB);
    MakeKnob(panel->m_filter2Knob, IDC_FILTER_2_KNOB);
    const hb::records::Controls& c = rig->m_radio->controls();
    ASSERT_NE(c.volume.scale, 0);
    const auto position = [](const hb::records::Descriptor& d, double v) {
        return (v - d.offset) / d.scale;
    };
    const std::uint32_t radioVolume = 40;
    rig->SetVolume(&radioVolume);
    const double fromRadio = position(c.volume, rig->GetVolume() & 0xFF);

    parm record = Record(kDeviceHz, 0, "Dispatch 1");
    record.set(parm::kVolume, 77);
    record.set(parm::kRequestFlags, 0x0200);
    record.set(parm::kBandwidth, 0);
    panel->m_filterKnob.SetPosition(3);
    panel->m_filter2Knob.SetPosition(4);
    panel->UpdateControlsFromParm(&record, nullptr);
    EXPECT_DOUBLE_EQ(panel->m_volumeSetting.GetPosition(), position(c.volume, 77));
    // Without a bandwidth both filter knobs stay.
    EXPECT_EQ(panel->m_filterKnob.GetPosition(), 3);
    EXPECT_EQ(panel->m_filter2Knob.GetPosition(), 4);

    record.set(parm::kRequestFlags, parm::kRequestVsc);
    record.set(parm::kBandwidth, 12'000);
    panel->UpdateControlsFromParm(&record, nullptr);
    EXPECT_DOUBLE_EQ(panel->m_volumeSetting.GetPosition(), fromRadio);
    EXPECT_EQ(panel->m_filterKnob.GetPosition(), rig->m_radio->FilterCode(12'000) + 1);
    if (c.filter2.scale != 0) {
        EXPECT_DOUBLE_EQ(panel->m_filter2Knob.GetPosition(), position(c.filter2, 12'000));
    }
    if (panel->m_vscButton.m_hWnd) {
        EXPECT_TRUE(panel->m_vscButton.GetChecked());
    }

    // Frozen, nothing moves; with an info string the display and name follow.
    panel->m_hold = CRadioView::kOn;
    record.set(parm::kRequestFlags, 0x0200);
    panel->UpdateControlsFromParm(&record, nullptr);
    EXPECT_DOUBLE_EQ(panel->m_volumeSetting.GetPosition(), fromRadio);
    panel->m_hold = 0;
    const CString info = "Dispatch";
    panel->UpdateControlsFromParm(&record, &info);
    EXPECT_EQ(panel->m_channelLabel.GetCaption(), "Dispatch");
}

} // namespace
} // namespace hb::app::test
