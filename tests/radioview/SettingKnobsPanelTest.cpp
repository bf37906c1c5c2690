#include "platform/instruments/Gestures.h"
#include "tests/radioview/PanelTestForms.h"
#include "tests/radioview/TuningTest.h"

#include <optional>

namespace hb::radioview::test {
namespace {

using hb::app::test::PanelTestForms;
using hb::instruments::UserDoubleClick;
using hb::instruments::UserSetPosition;

constexpr std::uint32_t kFilters[] = {6'000, 12'000, 25'000};

// The knobs of the test form on a panel of the receiver's window, turned, pressed, released and
// double-clicked as the user does; the receiver's descriptors are the test's.
class SettingKnobsPanelTest : public TuningTest {
protected:
    void SetUp() override {
        controls.volume = {.min = 0, .max = 100, .scale = 3, .def = 50, .offset = -10};
        controls.squelch = {.min = 0, .max = 100, .scale = 2, .def = 10, .offset = 0};
        controls.bfo = {.min = -5000, .max = 5000, .scale = 1, .def = 0, .offset = 0};
        controls.bfo.granularity = 10;
        controls.filter2 = {.min = 1, .max = 30, .scale = 1000, .def = 12, .offset = 0};
        controls.vsc = {.min = 0, .max = 100, .scale = 1, .def = 0, .offset = 0};
        controls.gain = {.min = 0, .max = 100, .scale = 1, .def = 0, .offset = 0};
        UseReceiver();
        m_model.controls = &controls;
        m_model.filters = withFilters ? std::span<const std::uint32_t>(kFilters)
                                      : std::span<const std::uint32_t>();
        Open();
        forms.emplace();
        knobs = new CRadioView(PanelTestForms::kForm);
        ASSERT_TRUE(knobs->Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 800, 300), &Main(), 1));
        knobs->UpdateData(FALSE);
        knobs->m_rig = frame->m_rig;
        knobs->m_frame = frame;
        knobs->SetupControls();
        EngineSim::ClearJournal();
    }
    parm& Record() const { return knobs->m_vfo[knobs->m_activeVfo]; }
    HWND Knob(UINT id) const { return ::GetDlgItem(knobs->m_hWnd, static_cast<int>(id)); }
    bool Turn(UINT id, double position) const { return UserSetPosition(Knob(id), position); }
    // The knob pressed, turned to the position and released: the press may take the radio, the
    // release saves.
    void Drag(UINT id, double position) const {
        hb::instruments::UserMouse(Knob(id), MouseAction::Down, kLeft, 0, 3, 3);
        EXPECT_TRUE(Turn(id, position));
        hb::instruments::UserMouse(Knob(id), MouseAction::Up, kLeft, 0, 3, 3);
    }
    static std::vector<std::uint32_t> Sent(std::string_view function) {
        std::vector<std::uint32_t> values;
        for (const auto& call : EngineSim::Calls(function)) {
            values.push_back(call.value);
        }
        return values;
    }

    bool withFilters = true;
    hb::records::Controls controls;
    std::optional<PanelTestForms> forms;
    CRadioView* knobs = nullptr;
};

TEST_F(SettingKnobsPanelTest, TheVolumeIsHeldToAByteAndTheRecordKeepsTheValueSent) {
    ASSERT_TRUE(Turn(IDC_VOLUME_SETTING, 2));
    EXPECT_EQ(Record().get(parm::kVolume), 0);
    ASSERT_TRUE(Turn(IDC_VOLUME_SETTING, 100));
    EXPECT_EQ(Record().get(parm::kVolume), 255);
    Drag(IDC_VOLUME_SETTING, 20.5);
    EXPECT_EQ(Record().get(parm::kVolume), 53);
    // One send per turn: only one of the knob's position-change events is bound.
    EXPECT_EQ(Sent("scan_device_set_volume"), (std::vector<std::uint32_t>{0, 255, 53}));
    EXPECT_EQ(Record().get(parm::kRequestFlags) & parm::kRequestVolume, parm::kRequestVolume);
    EXPECT_EQ(Setting("Volume"), 53);
    EXPECT_FALSE(knobs->IsManualMode());
}

TEST_F(SettingKnobsPanelTest, TheBfoIsCutToTheRadiosGranularityAndSavedAsStored) {
    Drag(IDC_BFO_KNOB, 1234);
    EXPECT_TRUE(knobs->IsManualMode());
    EXPECT_EQ(Record().get(parm::kBfo), 1230);
    EXPECT_EQ(Setting("BFO"), 1230);
    EXPECT_DOUBLE_EQ(knobs->m_bfoKnob.GetPosition(), 1230);

    controls.bfo.granularity = 0;
    ASSERT_TRUE(Turn(IDC_BFO_KNOB, -1234));
    EXPECT_EQ(Record().get(parm::kBfo), -1234);
}

TEST_F(SettingKnobsPanelTest, TheFilterKnobCountsCodesFromOneAndWrapsBothWays) {
    knobs->m_filterKnob.SetPositionMin(0);
    knobs->m_filterKnob.SetPositionMax(10);
    ASSERT_TRUE(Turn(IDC_FILTER_KNOB, 1));
    EXPECT_EQ(Record().get(parm::kFilter), 0);
    EXPECT_EQ(Record().get(parm::kBandwidth), 6'000u);
    ASSERT_TRUE(Turn(IDC_FILTER_KNOB, 3));
    EXPECT_EQ(Record().get(parm::kBandwidth), 25'000u);
    ASSERT_TRUE(Turn(IDC_FILTER_KNOB, 4));
    EXPECT_EQ(Record().get(parm::kFilter), 0);
    Drag(IDC_FILTER_KNOB, 0);
    EXPECT_EQ(Record().get(parm::kFilter), 2);
    EXPECT_EQ(Setting("Filter"), 0);
}

TEST_F(SettingKnobsPanelTest, BothFilterKnobsSaveUnderOneNameTheSecondInHertz) {
    Drag(IDC_FILTER_2_KNOB, 9);
    EXPECT_EQ(Record().get(parm::kBandwidth), 9'000u);
    EXPECT_EQ(Record().get(parm::kFilter), 1);
    EXPECT_EQ(Setting("Filter"), 9000);
    Drag(IDC_FILTER_KNOB, 2);
    EXPECT_EQ(Setting("Filter"), 2);
}

TEST_F(SettingKnobsPanelTest, TheSquelchAlwaysReachesTheRadioButTheRecordOnlyInManualMode) {
    const parm before = Record();
    ASSERT_TRUE(Turn(IDC_SQUELCH_KNOB, 40));
    EXPECT_EQ(Sent("scan_device_set_squelch"), std::vector<std::uint32_t>{80});
    EXPECT_EQ(Record(), before);

    Drag(IDC_GAIN_KNOB, 5);
    ASSERT_TRUE(knobs->IsManualMode());
    Record().set(parm::kRequestFlags, parm::kRequestVsc);
    ASSERT_TRUE(Turn(IDC_SQUELCH_KNOB, 60));
    EXPECT_EQ(Record().get(parm::kSquelch), 120);
    EXPECT_EQ(Record().get(parm::kRequestFlags), parm::kRequestVsc | parm::kRequestSquelch);
}

TEST_F(SettingKnobsPanelTest, ADoubleClickPutsAKnobBackOnTheRadiosDefault) {
    ASSERT_TRUE(Turn(IDC_VOLUME_SETTING, 90));
    ASSERT_TRUE(UserDoubleClick(Knob(IDC_VOLUME_SETTING), kLeft, 0, 3, 3));
    EXPECT_DOUBLE_EQ(knobs->m_volumeSetting.GetPosition(), 50);
    EXPECT_EQ(Sent("scan_device_set_volume").back(), 140u);
    EXPECT_EQ(Setting("Volume"), 140);
}

class FilterlessKnobsTest : public SettingKnobsPanelTest {
protected:
    FilterlessKnobsTest() { withFilters = false; }
};

TEST_F(FilterlessKnobsTest, ARadioWithoutFiltersLeavesTheFilterAlone) {
    hb::instruments::UserMouse(Knob(IDC_FILTER_KNOB), MouseAction::Down, kLeft, 0, 3, 3);
    const parm before = Record();
    EXPECT_TRUE(Turn(IDC_FILTER_KNOB, 1));
    EXPECT_EQ(Record(), before);
}

TEST_F(SettingKnobsPanelTest, AFormWithoutTheKnobsNeverRunsTheirOperations) {
    ASSERT_FALSE(panel->m_bfoKnob.m_hWnd);
    const parm before = Vfo();
    const std::size_t writes = RegistryWrites().size();
    panel->ResetBFO();
    panel->ApplyFilter2();
    panel->SaveGain();
    panel->ResetVolume();
    panel->ApplyVSC();
    panel->SaveAGCDecay();
    EXPECT_EQ(Vfo(), before);
    EXPECT_EQ(RegistryWrites().size(), writes);
    EXPECT_TRUE(EngineSim::Journal().empty());
}

} // namespace
} // namespace hb::radioview::test
