#include "platform/engine/EngineCodes.h"
#include "platform/records/StatusCodes.h"
#include "tests/radioview/TuningTest.h"

namespace hb::radioview::test {
namespace {

class MemoryButtonsTest : public TuningTest {
protected:
    void OpenWithMemories(std::uint16_t count) {
        UseReceiver(kTwoRows, Radio::kFeatureControl, count);
        Open();
    }
    long Channel() const { return panel->m_memoryChannel.GetValue(); }
    void ShowChannel(long channel) const { panel->m_memoryChannel.SetValue(channel); }
};

TEST_F(MemoryButtonsTest, StoreThenRecallBringsBackTheChannelButKeepsTheStep) {
    OpenWithMemories(100);
    panel->TuneFrequency(155'475'000, 0);
    Vfo().set(parm::kMode, 1);
    panel->m_vfoInfo[panel->m_activeVfo] = "County Fire";
    ShowChannel(7);
    Click(IDC_MEMORY_STORE);
    EXPECT_TRUE(KeypadHasFocus());
    const auto writes = EngineSim::Calls("scan_device_mem_write");
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].record->get(parm::kMemoryChannel), 7);
    EXPECT_EQ(writes[0].record->text(parm::kName), "County Fire     ");
    AdvanceAndPump(100); // the memory crosses the wire to the radio

    panel->TuneFrequency(330 * kMhz, 0);
    Vfo().set(parm::kMode, 0);
    Vfo().set(parm::kStep, 25'000);
    panel->m_vfoInfo[panel->m_activeVfo] = "";
    Click(IDC_MEMORY_RECALL);
    EXPECT_EQ(Frequency(), 155'475'000u);
    EXPECT_EQ(Vfo().get(parm::kMode), 1);
    EXPECT_EQ(Vfo().get(parm::kStep), 25'000u);
    EXPECT_EQ(Vfo().text(parm::kName), "County Fire     ");
    EXPECT_EQ(panel->m_vfoInfo[panel->m_activeVfo], "County Fire");
    EXPECT_EQ(Vfo().get(parm::kChangeByte), 0);
    EXPECT_EQ(panel->m_recalled, CRadioView::kOn);
    EXPECT_EQ(panel->m_working, Vfo());
    EXPECT_TRUE(KeypadHasFocus());
}

TEST_F(MemoryButtonsTest, AnEmptyChannelOrAFailedStoreBeepsAndTheVfoStaysAsItWas) {
    OpenWithMemories(100);
    panel->TuneFrequency(330 * kMhz, 0);
    const parm before = Vfo();
    ShowChannel(42);
    Click(IDC_MEMORY_RECALL);
    EXPECT_EQ(Vfo(), before);
    EXPECT_EQ(panel->m_recalled, 0);
    ASSERT_EQ(Beeps().size(), 1u);
    EXPECT_EQ(Beeps()[0], MB_ICONASTERISK);

    EngineSim::FailNextRequest(hb::records::kStatusTimeOut);
    Click(IDC_MEMORY_STORE);
    EXPECT_EQ(Beeps().size(), 2u);
    ExpectBeeps(2);
}

TEST_F(MemoryButtonsTest, TheSpinWrapsAtBothEndsAndStoresTheChannel) {
    OpenWithMemories(100);
    ShowChannel(0);
    Spin(IDC_MEMORY_SPIN, 1);
    EXPECT_EQ(Channel(), 99);
    EXPECT_EQ(Setting("MemoryChannel"), 99);
    Spin(IDC_MEMORY_SPIN, 1);
    EXPECT_EQ(Channel(), 98);
    Spin(IDC_MEMORY_SPIN, -1);
    Spin(IDC_MEMORY_SPIN, -1);
    EXPECT_EQ(Channel(), 0);
    EXPECT_EQ(Setting("MemoryChannel"), 0);
}

TEST_F(MemoryButtonsTest, ARadioWithoutMemoriesLeavesTheButtonsAndSpinIdle) {
    OpenWithMemories(0);
    const long shown = Channel();
    Spin(IDC_MEMORY_SPIN, 1);
    Click(IDC_MEMORY_STORE);
    Click(IDC_MEMORY_RECALL);
    EXPECT_EQ(Channel(), shown);
    EXPECT_TRUE(EngineSim::Calls("scan_device_mem_write").empty());
    EXPECT_TRUE(EngineSim::Calls("scan_device_mem_to_vfo").empty());
    EXPECT_EQ(Setting("MemoryChannel", -5), -5);
}

} // namespace
} // namespace hb::radioview::test
