#include "EngineTest.h"

namespace hb::engine {
namespace {

namespace rec = hb::records;

class MemoryChannelTest : public EngineTest {
protected:
    MemoryChannelTest() {
        hb::win::ini::Seed(kSettings, "[Radios]\nRadio#1=Scanner\nRadio#2=Other\n"
                                      "[Scanner]\nType=2\nPort=SIM\nSeed=7\n"
                                      "[Other]\nType=2\nPort=SIM\nSeed=8\n");
    }

    static parm Stored(std::uint16_t channel, std::uint32_t frequency, const char* name) {
        parm record;
        record.set(parm::kMemoryChannel, channel);
        record.set(parm::kFrequency, frequency);
        record.set(parm::kMode, 1);
        record.setText(parm::kName, name);
        return record;
    }

    static parm Asking(std::uint16_t channel) {
        parm record;
        record.set(parm::kMemoryChannel, channel);
        record.set(parm::kFrequency, 1234);
        record.set(parm::kStep, 777);
        return record;
    }
};

TEST_F(MemoryChannelTest, AChannelRecallsTheRecordWrittenToItAcrossReopeningTheRadio) {
    std::uint16_t device = scan_open_device("Scanner", m_window.hwnd(), 0);
    ASSERT_FALSE(rec::IsFailureStatus(device));
    const parm first = Stored(5, kBusy, "Fire");
    const parm second = Stored(6, kQuiet1, "Police");
    EXPECT_EQ(scan_device_mem_write(device, &first), 0);
    EXPECT_EQ(scan_device_mem_write(device, &second), 0);
    const parm overwritten = Stored(6, kQuiet2, "Ambulance");
    EXPECT_EQ(scan_device_mem_write(device, &overwritten), 0);
    AdvanceAndPump(1000); // the writes cross the wire to the radio
    EXPECT_EQ(scan_close_device(device), 0);

    device = scan_open_device("Scanner", m_window.hwnd(), 0);
    parm recalled = Asking(5);
    EXPECT_EQ(scan_device_mem_to_vfo(device, &recalled), 0);
    EXPECT_EQ(recalled, first);
    recalled = Asking(6);
    EXPECT_EQ(scan_device_mem_to_vfo(device, &recalled), 0);
    EXPECT_EQ(recalled, overwritten);
}

TEST_F(MemoryChannelTest, AChannelNeverWrittenFailsAndLeavesTheRecordAlone) {
    const std::uint16_t scanner = scan_open_device("Scanner", m_window.hwnd(), 0);
    const std::uint16_t other = scan_open_device("Other", m_window.hwnd(), 0);
    const parm stored = Stored(3, kBusy, "Scanner only");
    EXPECT_EQ(scan_device_mem_write(scanner, &stored), 0);
    AdvanceAndPump(1000);

    // Memories belong to one radio: the other radio's channel 3 is empty, as is channel 4 here.
    for (const auto& [device, channel] : {std::pair{other, 3}, std::pair{scanner, 4}}) {
        parm asking = Asking(static_cast<std::uint16_t>(channel));
        const parm before = asking;
        const std::uint16_t status = scan_device_mem_to_vfo(device, &asking);
        EXPECT_TRUE(rec::IsFailureStatus(status)) << channel;
        EXPECT_EQ(asking, before);
    }
}

} // namespace
} // namespace hb::engine
