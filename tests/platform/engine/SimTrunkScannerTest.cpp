#include "EngineTest.h"
#include "platform/engine/EngineCodes.h"
#include "platform/engine/sim/SimRadios.h"
#include "platform/engine/sim/SimTrunkRadio63.h"

namespace hb::engine {
namespace {

namespace rec = hb::records;

// The simulated trunk tracker of type 63 (ten banks of twenty channels) with one trunked
// channel among the three of the program.
class SimTrunkScannerTest : public EngineTest {
protected:
    static constexpr std::uint16_t kChannel = 21;

    SimTrunkScannerTest() {
        hb::win::ini::Seed(kSettings, "[Radios]\nRadio#1=Tracker\n"
                                      "[Tracker]\nType=63\nPort=SIM\nBusy=155475000\nSeed=3\n"
                                      "Talkgroups=100, 200\n");
        EngineSim::SetSettingsFile(kSettings);
    }

    // The trunked channel is memory `number`.
    std::uint16_t CreateTracker(std::uint16_t number = kChannel) {
        Entry trunked = Channel(kBusy, 102, "Dispatch");
        trunked.record.set(parm::Channel::kTrunkWord, parm::Channel::kTrunkFrequency);
        trunked.record.set(parm::Channel::kTrunkKind, rec::kIdKindMotorolaTypeII);
        trunked.record.set(parm::kMemoryChannel, number);
        std::vector<std::uint8_t> block =
            Compile({Channel(kQuiet1, 101, "Fire"), trunked, Channel(kQuiet2, 103, "Marine")});
        return scan_create_single_engine("Tracker", block.data(), m_window.hwnd(), 0);
    }
    static DeviceStatus Device(std::uint16_t engine) {
        DeviceStatus status;
        EXPECT_EQ(
            scan_device_status(Status(engine).get(EngineStatus::kDeviceHandle), status.data()), 0);
        return status;
    }
    static std::uint16_t Word(std::uint16_t engine, std::size_t bank) {
        return Device(engine).get(DeviceStatus::kIdBankWords, bank);
    }
};

TEST_F(SimTrunkScannerTest, ATrunkedCallCarriesATalkgroupAndIsReportedAsOne) {
    const std::uint16_t engine = CreateTracker();
    ASSERT_NE(engine, 0);
    ASSERT_TRUE(RunUntilState(engine, rec::kEngineTrunkCallActive, 2000, 10));
    const std::uint32_t id = Status(engine).get(EngineStatus::kCurrentId).get(UserId::kValue);
    EXPECT_TRUE(id == 100 || id == 200) << id;
    const DeviceStatus device = Device(engine);
    const std::uint32_t flags = device.get(DeviceStatus::kTrunkFlags);
    EXPECT_EQ(flags & DeviceStatus::kTrunkBankMask, 0x3FFu);
    EXPECT_NE(flags & DeviceStatus::kTrunkTrunking, 0u);
    EXPECT_NE(flags & DeviceStatus::kTrunkNotSearching, 0u);
    EXPECT_EQ(device.get(DeviceStatus::kCurrentId).get(UserId::kKind), rec::kIdKindMotorolaTypeII);
    EXPECT_EQ(device.get(DeviceStatus::kCurrentChannel), kChannel);
    EXPECT_EQ(device.get(DeviceStatus::kBankIndex), 1);
    EXPECT_EQ(device.get(DeviceStatus::kScanStateCode), 17);
    EXPECT_EQ(device.text(DeviceStatus::kTextLines, 1), "TG " + std::to_string(id));
}

TEST_F(SimTrunkScannerTest, BankAndModeCommandsTakeEffectThreeStepsLater) {
    const std::uint16_t engine = CreateTracker();
    ASSERT_NE(engine, 0);
    // All ID groups in scan mode at first, reported as new while the scanner is newly connected.
    EXPECT_EQ(Word(engine, 4), 0x73FF);
    AdvanceAndPump(3000);
    EXPECT_EQ(Word(engine, 4), 0x33FF);

    Send(engine, rec::kEngineCmdBankMask, 0, 0x5);
    Send(engine, rec::kEngineCmdIdBankMode, 0, 0, 0, 4);
    EXPECT_EQ(Device(engine).get(DeviceStatus::kTrunkFlags) & 0x3FF, 0x3FFu);
    EXPECT_EQ(Word(engine, 4), 0x23FF | 0x0800);
    AdvanceAndPump(1000);
    // The new mode is reported with bit 14 for two reads.
    EXPECT_EQ(Word(engine, 4), 0x43FF);
    EXPECT_EQ(Word(engine, 4), 0x43FF);
    EXPECT_EQ(Word(engine, 4), 0x03FF);
    EXPECT_EQ(Device(engine).get(DeviceStatus::kTrunkFlags) & 0x3FF, 0x5u);

    // ID groups change at once.
    Send(engine, rec::kEngineCmdIdGroups, 0, 0x0F0, 0, 4);
    EXPECT_EQ(Word(engine, 4), 0x40F0);
}

TEST_F(SimTrunkScannerTest, TheTunedChannelReportsTheSwitchesOfTheRadiosMemory) {
    const std::uint16_t engine = CreateTracker(7);
    ASSERT_NE(engine, 0);
    ASSERT_TRUE(RunUntilState(engine, rec::kEngineTrunkCallActive, 2000, 10));
    const std::uint16_t device = Status(engine).get(EngineStatus::kDeviceHandle);
    constexpr auto kLockOut = rec::Within(DeviceStatus::kCurrentParm, parm::kLockOut);
    constexpr auto kAttenuator =
        rec::Within(DeviceStatus::kCurrentParm, parm::Channel::kAttenuator);
    // The radio takes the lines, and the scanner reports its memory.
    const auto send = [&](const char* lines) {
        EXPECT_EQ(scan_device_raw_command(device, lines), 0);
        AdvanceAndPump(1000);
        return Device(engine);
    };
    // Another channel's switches are not the tuned one's.
    EXPECT_EQ(send("MA021\rLON\r").get(kLockOut), 0);
    const DeviceStatus locked = send("MA007\rLON\r");
    EXPECT_EQ(locked.get(DeviceStatus::kCurrentChannel), 7);
    EXPECT_EQ(locked.get(kLockOut), 1);
    EXPECT_EQ(locked.get(kAttenuator), 0);
    const DeviceStatus attenuated = send("MA007\rATN\r");
    EXPECT_EQ(attenuated.get(kLockOut), 1);
    EXPECT_EQ(attenuated.get(kAttenuator), 1);
    const DeviceStatus unlocked = send("MA007\rLOF\r");
    EXPECT_EQ(unlocked.get(kLockOut), 0);
    EXPECT_EQ(unlocked.get(kAttenuator), 1);
    // The scanner's keys change the radio's memory.
    Send(engine, rec::kEngineCmdScannerKey, 8);
    const auto* radio = dynamic_cast<const sim::SimTrunkRadio63*>(sim::FindRadio("Tracker"));
    ASSERT_NE(radio, nullptr);
    EXPECT_TRUE(radio->Memory().channels[6].lockOut);
    EXPECT_TRUE(radio->Memory().channels[20].lockOut);
    EXPECT_FALSE(radio->Memory().channels[5].lockOut);
}

TEST_F(SimTrunkScannerTest, TheKeysShowInWhatTheScannerReports) {
    const std::uint16_t engine = CreateTracker();
    ASSERT_NE(engine, 0);
    ASSERT_TRUE(RunUntilState(engine, rec::kEngineTrunkCallActive, 2000, 10));
    auto key = [&](std::uint8_t sub) {
        Send(engine, rec::kEngineCmdScannerKey, sub);
        return Device(engine);
    };
    EXPECT_EQ(key(2).get(DeviceStatus::kScanStateCode), 3);
    EXPECT_EQ(key(7).get(DeviceStatus::kScanStateCode), 5);
    EXPECT_EQ(key(10).get(DeviceStatus::kScanStateCode), 2);
    EXPECT_EQ(key(4).get(DeviceStatus::kScanStateCode), 17);
    // Holding on a call.
    EXPECT_EQ(key(3).get(DeviceStatus::kScanStateCode), 18);
    EXPECT_EQ(key(0).get(DeviceStatus::kScanStateCode), 17);
    EXPECT_NE(key(6).get(DeviceStatus::kTrunkFlags) & DeviceStatus::kTrunkKeyOn, 0u);
    EXPECT_EQ(key(6).get(DeviceStatus::kTrunkFlags) & DeviceStatus::kTrunkKeyOn, 0u);
    const DeviceStatus delayed = key(23);
    EXPECT_EQ(delayed.data()[1489] | delayed.data()[1490], 1);
    Send(engine, rec::kEngineCmdPrioritySwitch, 1);
    EXPECT_NE(Device(engine).get(DeviceStatus::kTrunkFlags) & DeviceStatus::kTrunkPriority, 0u);
    const DeviceStatus flagged = (key(17), key(8));
    EXPECT_EQ(flagged.get(rec::Within(DeviceStatus::kCurrentParm, parm::Channel::kAttenuator)), 1);
    EXPECT_EQ(flagged.get(rec::Within(DeviceStatus::kCurrentParm, parm::kLockOut)), 1);
    EXPECT_EQ(key(19).get(rec::Within(DeviceStatus::kCurrentParm, parm::kLockOut)), 0);
}

} // namespace
} // namespace hb::engine
