#include "platform/afx/CDocument.h"
#include "platform/tessary/audio/AudioPlayerView.h"
#include "platform/tessary/model/Radio.h"
#include "tests/radioview/FrontPanelTest.h"

#include <gtest/gtest.h>

namespace hb::app::test {
namespace {

constexpr int kReceiver = 42;
constexpr int kHfReceiver = 115;

class RadioViewLifecycleTest : public FrontPanelTest {
protected:
    // The record as the radio keeps it.
    static parm Checked(parm record) {
        CRig::FindByName(kSection)->m_radio->CheckRecord(record);
        return record;
    }
    static parm StartRecord(std::uint32_t hz, std::uint8_t mode) {
        parm record;
        record.set(parm::kFrequency, hz);
        record.set(parm::kMode, mode);
        return Checked(record);
    }
    // The active VFO 0 takes the stored tuning step (100 Hz when none is stored).
    static void ExpectEveryVfo(const CRadioView& panel, std::uint32_t hz, std::uint8_t mode) {
        parm expected = StartRecord(hz, mode);
        ASSERT_NE(expected.get(parm::kStep), 100u);
        for (int n = CRadioView::kVfoCount - 1; n >= 0; --n) {
            if (n == 0) {
                expected.set(parm::kStep, 100);
            }
            EXPECT_EQ(panel.m_vfo[n].get(parm::kFrequency), hz);
            EXPECT_EQ(panel.m_vfo[n].get(parm::kMode), mode);
            EXPECT_EQ(panel.m_vfo[n], expected) << n;
        }
    }
};

TEST_F(RadioViewLifecycleTest, AFirstOpenStartsEveryVfoOnTheWeatherChannelInFm) {
    StartWith(kReceiver);
    CRadioView* panel = OpenPanel();
    ASSERT_NE(panel, nullptr);
    ExpectEveryVfo(*panel, 162'550'000, 0);
    EXPECT_EQ(panel->m_activeVfo, 0u);
    EXPECT_STREQ(panel->GetDocument()->GetTitle(), kSection);
}

TEST_F(RadioViewLifecycleTest, AFirstOpenOfAnHfRadioStartsEveryVfoOnTenMegahertzInAm) {
    StartWith(kHfReceiver);
    CRadioView* panel = OpenPanel();
    ASSERT_NE(panel, nullptr);
    ExpectEveryVfo(*panel, 10'000'000, 1);
}

TEST_F(RadioViewLifecycleTest, ClosingAndReopeningRestoresEveryVfoButStartsOnVfoZero) {
    StartWith(kReceiver);
    // The records' own step, which VFO 0 takes when the window opens.
    app->WriteProfileInt(kSection, "TuningStep", 12'500);
    CRadioView* panel = OpenPanel();
    ASSERT_NE(panel, nullptr);
    std::array<parm, CRadioView::kVfoCount> records;
    for (int n = 0; n < CRadioView::kVfoCount; ++n) {
        records[n] =
            Checked(Record(144'000'000 + n * 25'000, 0, ("Channel " + std::to_string(n)).c_str()));
        panel->m_vfo[n] = records[n];
        panel->m_vfoInfo[n] = ("Info " + std::to_string(n)).c_str();
    }
    panel->m_activeVfo = 3;
    CloseWindow();
    EXPECT_EQ(Binary("VFO4"), BytesOf(records[4]));
    EXPECT_EQ(ProfileText("VFO4Info"), "Info 4");
    EXPECT_EQ(Profile("ActiveVFO"), 3);

    panel = OpenPanel();
    ASSERT_NE(panel, nullptr);
    for (int n = 0; n < CRadioView::kVfoCount; ++n) {
        EXPECT_EQ(BytesOf(panel->m_vfo[n]), BytesOf(records[n])) << n;
        EXPECT_EQ(panel->m_vfoInfo[n], ("Info " + std::to_string(n)).c_str()) << n;
    }
    EXPECT_EQ(panel->m_activeVfo, 0u);
}

TEST_F(RadioViewLifecycleTest, OnlyA129ByteBinaryValueIsTakenForAVfo) {
    StartWith(kReceiver);
    const parm stored = Checked(Record(146'520'000, 0, "Calling"));
    std::vector<BYTE> longer = BytesOf(stored);
    longer.push_back(0);
    SetBinary("VFO2", REG_BINARY, longer);
    SetBinary("VFO3", REG_SZ, BytesOf(stored));
    SetBinary("VFO4", REG_BINARY, BytesOf(stored));
    CRadioView* panel = OpenPanel();
    ASSERT_NE(panel, nullptr);
    const parm start = StartRecord(162'550'000, 0);
    EXPECT_EQ(panel->m_vfo[2], start);
    EXPECT_EQ(panel->m_vfo[3], start);
    EXPECT_EQ(panel->m_vfo[4], stored);
}

TEST_F(RadioViewLifecycleTest, AStoredVfoGoesThroughTheRadiosCheck) {
    StartWith(kReceiver);
    parm odd = Record(146'520'000, 15, "Odd mode");
    odd.set(parm::kStep, 0);
    ASSERT_NE(Checked(odd), odd);
    SetBinary("VFO1", REG_BINARY, BytesOf(odd));
    CRadioView* panel = OpenPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->m_vfo[1], Checked(odd));
}

TEST_F(RadioViewLifecycleTest, AWindowThatFailsAfterMakingItsPanelLeavesTheStoredVfosAlone) {
    StartWith(kReceiver);
    const std::vector<BYTE> stored = BytesOf(Checked(Record(146'520'000, 0, "Calling")));
    SetBinary("VFO1", REG_BINARY, stored);
    app->WriteProfileStringA(kSection, "VFO1Info", "Simplex");
    CRuntimeClass* index = RUNTIME_CLASS(CAudioPlayerView);
    const auto create = index->m_pfnCreateObject;
    index->m_pfnCreateObject = [] { return static_cast<CObject*>(nullptr); };
    CRadioFrame* frame = OpenWindow();
    index->m_pfnCreateObject = create;
    ASSERT_EQ(frame, nullptr);
    PumpUntilIdle();

    EXPECT_EQ(Binary("VFO1"), stored);
    EXPECT_TRUE(Binary("VFO0").empty());
    EXPECT_EQ(ProfileText("VFO1Info"), "Simplex");
    EXPECT_EQ(ProfileText("VFO0Info"), "<none>");
    EXPECT_EQ(Profile("ActiveVFO"), -7);
}

TEST_F(RadioViewLifecycleTest, TheStoredChoicesComeBackWithTheWindow) {
    StartWith(kReceiver);
    app->WriteProfileInt(kSection, "BandStepSnap", 1);
    app->WriteProfileInt(kSection, "TuningStepSnap", 1);
    app->WriteProfileInt(kSection, "FrequencyFollowing", 1);
    app->WriteProfileInt(kSection, "MemoryChannel", 5000);
    app->WriteProfileInt(kSection, "MiniStatus", 1);
    app->WriteProfileInt("Settings", "HFFreqDisplayMHz", 0);
    CRadioView* panel = OpenPanel();
    ASSERT_NE(panel, nullptr);

    EXPECT_FALSE(panel->m_bandStepSnapButton.GetChecked() &&
                 panel->m_tuningStepSnapButton.GetChecked());
    EXPECT_TRUE(panel->m_tuningStepSnapButton.GetChecked());
    EXPECT_EQ(panel->m_tuningStepSnap, 0xFFu);
    EXPECT_EQ(panel->m_bandStepSnap, 0u);
    EXPECT_TRUE(panel->m_followButton.GetChecked());
    // The receiver's channels are 0 to 999.
    EXPECT_EQ(panel->m_memoryChannel.GetValue(), 999);
    EXPECT_NE(RadioWindow()->m_miniStatus, nullptr);
    EXPECT_EQ(panel->m_mhzDisplay, 0u);
    // The first audio display painted the hold state.
    EXPECT_EQ(panel->m_holdShown, 0u);
}

TEST_F(RadioViewLifecycleTest, WithoutStoredChoicesNothingIsCheckedAndTheFirstChannelShows) {
    StartWith(kReceiver);
    app->WriteProfileInt(kSection, "MemoryChannel", -3);
    CRadioView* panel = OpenPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(panel->m_bandStepSnapButton.GetChecked());
    EXPECT_FALSE(panel->m_tuningStepSnapButton.GetChecked());
    EXPECT_FALSE(panel->m_followButton.GetChecked());
    EXPECT_EQ(panel->m_memoryChannel.GetValue(), 0);
    EXPECT_EQ(RadioWindow()->m_miniStatus, nullptr);
    EXPECT_EQ(panel->m_mhzDisplay, 0xFFu);
}

TEST_F(RadioViewLifecycleTest, TheUsersTuningStepSurvivesEveryReopening) {
    StartWith(kReceiver);
    app->WriteProfileInt(kSection, "TuningStep", 12'500);
    for (int round = 0; round < 2; ++round) {
        CRadioView* panel = OpenPanel();
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->m_vfo[0].get(parm::kStep), 12'500u);
        EXPECT_EQ(Profile("TuningStep"), 12'500);
        CloseWindow();
    }
    // A step that cannot be one gives the usual 100 Hz.
    app->WriteProfileInt(kSection, "TuningStep", -5);
    CRadioView* panel = OpenPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->m_vfo[0].get(parm::kStep), 100u);
    EXPECT_EQ(Profile("TuningStep"), 100);
}

TEST_F(RadioViewLifecycleTest, OnlyAnUpdateWithAnObjectMarksThePanelBusyAndStampsIt) {
    StartWith(kReceiver);
    CRadioView* panel = OpenPanel();
    ASSERT_NE(panel, nullptr);
    CDocument& doc = *panel->GetDocument();
    AdvanceAndPump(5000);
    doc.UpdateAllViews(nullptr, 1018, nullptr);
    EXPECT_EQ(panel->m_busy, 0u);
    EXPECT_EQ(panel->m_updateTick, 0u);

    CCmdTarget hint;
    doc.UpdateAllViews(nullptr, 999, &hint);
    EXPECT_EQ(panel->m_busy, 0u);
    EXPECT_EQ(panel->m_updateTick, GetTickCount());
    AdvanceAndPump(100);
    doc.UpdateAllViews(nullptr, 1018, &hint);
    EXPECT_EQ(panel->m_busy, 0xFFu);
    EXPECT_EQ(panel->m_updateTick, GetTickCount());
    panel->m_busy = 0;
    doc.UpdateAllViews(nullptr, 1111, &hint);
    EXPECT_EQ(panel->m_busy, 0xFFu);
}

TEST_F(RadioViewLifecycleTest, AfterCloseTheScanListFileIsTheDocumentsPath) {
    StartWith(kReceiver);
    CRadioView* panel = OpenPanel();
    ASSERT_NE(panel, nullptr);
    const std::string path = panel->GetDocument()->GetPathName().str();
    ASSERT_FALSE(path.empty());
    app->WriteProfileStringA(kSection, "ScanListFile", "elsewhere.sws");
    CloseWindow();
    EXPECT_EQ(ProfileText("ScanListFile"), path);
}

} // namespace
} // namespace hb::app::test
