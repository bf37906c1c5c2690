#include "tests/radioview/FrontPanelTest.h"
#include "tests/radioview/KeypadTest.h"

namespace hb::radioview::test {
namespace {

using hb::records::kEngineCmdManualMode;

// The commit as each tick of the panel's timer runs it, on a receiver tuned by hand.
class CommitTest : public KeypadTest {
protected:
    void SetUp() override {
        UseReceiver();
        Open();
        Type("146.52");
        PressInKeypad(VK_RETURN);
        panel->CommitActiveVfo();
        ASSERT_EQ(panel->m_working, Vfo());
        EngineSim::ClearJournal();
    }
    // The active VFO edited as the mode knob would edit it.
    void Edit(std::uint8_t mode) const { Vfo().set(parm::kMode, mode); }
};

TEST_F(CommitTest, AnUnchangedRecordSendsNothing) {
    panel->CommitActiveVfo();
    EXPECT_EQ(FastWrites(), 0u);
    EXPECT_FALSE(Sent(kEngineCmdManualMode));
}

TEST_F(CommitTest, ARecordWithoutAFrequencyIsNeverSentButTakesTheWorkingRecordBack) {
    Vfo().set(parm::kFrequency, 0);
    panel->CommitActiveVfo();
    EXPECT_EQ(FastWrites(), 0u);
    EXPECT_EQ(Frequency(), 146'520'000u);
}

TEST_F(CommitTest, ABusyRadioIsAskedAgainOnTheNextTick) {
    EngineSim::SetVfoFastWriteResult(0x8400);
    Edit(1);
    panel->CommitActiveVfo();
    EXPECT_EQ(FastWrites(), 1u);
    EXPECT_NE(panel->m_working, Vfo());
    EngineSim::SetVfoFastWriteResult(0);
    panel->CommitActiveVfo();
    EXPECT_EQ(FastWrites(), 2u);
    EXPECT_EQ(panel->m_working, Vfo());
    panel->CommitActiveVfo();
    EXPECT_EQ(FastWrites(), 2u);
}

TEST_F(CommitTest, ARequestTheRadioLacksIsNotRetried) {
    EngineSim::SetVfoFastWriteResult(0x8B00);
    Edit(1);
    panel->CommitActiveVfo();
    panel->CommitActiveVfo();
    EXPECT_EQ(FastWrites(), 1u);
}

TEST_F(CommitTest, AFailedWriteIsRetriedAndBeepsOnceForEachRecord) {
    EngineSim::SetVfoFastWriteResult(0x8100);
    Edit(1);
    panel->CommitActiveVfo();
    panel->CommitActiveVfo();
    EXPECT_EQ(FastWrites(), 2u);
    EXPECT_NE(panel->m_working, Vfo());
    EXPECT_EQ(Beeps().size(), 1u);
    Edit(2);
    panel->CommitActiveVfo();
    EXPECT_EQ(FastWrites(), 3u);
    ExpectBeeps(2);
}

TEST_F(CommitTest, APendingVolumeIsSentAloneAndItsRequestCleared) {
    Vfo().set(parm::kVolume, 77);
    Vfo().set(parm::kRequestFlags, parm::kRequestVolume | parm::kRequestVsc);
    panel->CommitActiveVfo();
    const auto volumes = EngineSim::Calls("scan_device_set_volume");
    ASSERT_EQ(volumes.size(), 1u);
    EXPECT_EQ(volumes[0].value, 77u);
    EXPECT_EQ(panel->m_working.get(parm::kVolume), 77);
    EXPECT_EQ(Vfo().get(parm::kRequestFlags), parm::kRequestVsc);
    EXPECT_EQ(FastWrites(), 0u);
}

class TrunkCommitTest : public hb::app::test::FrontPanelTest {};

TEST_F(TrunkCommitTest, TheChangeLedShowsWhatDiffersAndGoesOutWhenNothingDoes) {
    StartWith(63);
    CRadioView* panel = OpenPanel();
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(panel->m_changeLed.m_hWnd);
    panel->EnterManualMode();
    ASSERT_TRUE(panel->IsManualMode());
    parm& active = panel->m_vfo[panel->m_activeVfo];
    active.set(parm::kMode, active.get(parm::kMode) == 1 ? 2 : 1);
    const ParmChangeCode code = CompareParm(panel->m_working, active);
    panel->CommitActiveVfo();
    EXPECT_TRUE(panel->m_changeLed.GetActive());
    EXPECT_EQ(panel->m_changeLed.GetCaption(), std::to_string(code).c_str());
    panel->CommitActiveVfo();
    EXPECT_FALSE(panel->m_changeLed.GetActive());
    EXPECT_EQ(panel->m_changeLed.GetCaption(), "");
}

} // namespace
} // namespace hb::radioview::test
