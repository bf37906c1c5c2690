#include "EngineTest.h"

#include <algorithm>
#include <functional>

namespace hb::engine {
namespace {

using hb::records::IsFailureStatus;

class EngineLifeTest : public EngineTest {};

TEST_F(EngineLifeTest, AnEngineNamesItsDeviceAndKeepsItsOwnCopyOfTheProgram) {
    const std::vector<std::uint8_t> original = ThreeChannels();
    const std::uint16_t engine = Create(m_window.hwnd()); // its block is freed on return
    ASSERT_GE(engine, 1);
    ASSERT_LE(engine, kLastHandle);

    // The whole record is written and not a byte more.
    std::vector<std::uint8_t> buffer(EngineStatus::kSize + 8, 0xEE);
    ASSERT_EQ(scan_engine_status(engine, buffer.data()), 0);
    EXPECT_TRUE(std::all_of(buffer.end() - 8, buffer.end(), [](auto b) { return b == 0xEE; }));
    EngineStatus status;
    status.copyFrom(buffer);
    const std::uint16_t device = status.get(EngineStatus::kDeviceHandle);
    EXPECT_NE(device, 0);
    EXPECT_NE(device, engine);
    EXPECT_EQ(status.get(EngineStatus::kToneDeviceHandle), 0);
    EXPECT_EQ(status.get(EngineStatus::kEngineHandle), engine);

    std::vector<std::uint8_t> deviceBuffer(DeviceStatus::kSize + 8, 0xEE);
    EXPECT_EQ(scan_device_status(device, deviceBuffer.data()), 0);
    EXPECT_TRUE(
        std::all_of(deviceBuffer.end() - 8, deviceBuffer.end(), [](auto b) { return b == 0xEE; }));

    const auto* copy = static_cast<const std::uint8_t*>(
        scan_program_from_id(status.get(EngineStatus::kProgramId)));
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(std::equal(original.begin(), original.end(), copy));
}

TEST_F(EngineLifeTest, ReloadAndDestroyFreeTheCopyBeforeIt) {
    const std::uint16_t engine = Create(m_window.hwnd());
    const std::uint32_t first = Status(engine).get(EngineStatus::kProgramId);

    std::vector<std::uint8_t> block = Compile({Channel(kQuiet1, 201), Channel(kQuiet2, 202)});
    ASSERT_EQ(scan_reload_engine(engine, block.data()), 0);
    block.assign(block.size(), 0); // the caller reuses its block at once
    const std::uint32_t second = Status(engine).get(EngineStatus::kProgramId);
    EXPECT_NE(second, first);
    EXPECT_EQ(scan_program_from_id(first), nullptr);
    ASSERT_NE(scan_program_from_id(second), nullptr);
    hb::records::ProgHeader head;
    std::memcpy(head.data(), scan_program_from_id(second), head.kSize);
    EXPECT_EQ(head.get(hb::records::ProgHeader::kEntryCount), 2);
    EXPECT_EQ(EngineSim::ProgramCount(), 1u);

    ASSERT_EQ(scan_destroy_engine(engine), 0);
    EXPECT_EQ(scan_program_from_id(second), nullptr);
    EXPECT_EQ(EngineSim::ProgramCount(), 0u);
    EXPECT_EQ(EngineSim::DeviceCount(), 0u);
}

TEST_F(EngineLifeTest, AFailedCreateLeavesNothingBehind) {
    EngineSim::FailNextCreate(hb::records::kStatusDecoderFailure);
    EXPECT_EQ(Create(m_window.hwnd()), hb::records::kStatusDecoderFailure);
    EXPECT_EQ(EngineSim::EngineCount(), 0u);
    EXPECT_EQ(EngineSim::DeviceCount(), 0u);
    EXPECT_EQ(EngineSim::ProgramCount(), 0u);
    EXPECT_FALSE(IsFailureStatus(Create(m_window.hwnd())));

    // An empty, missing or damaged program, or a radio that cannot be driven.
    std::vector<std::uint8_t> empty = Compile({});
    EXPECT_EQ(scan_create_single_engine("Scanner", empty.data(), m_window.hwnd(), 0),
              hb::records::kStatusEmptyScanList);
    EXPECT_EQ(scan_create_single_engine("Scanner", nullptr, m_window.hwnd(), 0),
              hb::records::kStatusEmptyScanList);
    std::vector<std::uint8_t> damaged = ThreeChannels();
    damaged[0] = 40; // the size no longer holds the entries
    EXPECT_EQ(scan_create_single_engine("Scanner", damaged.data(), m_window.hwnd(), 0),
              hb::records::kStatusNotSupported);
    hb::win::ini::Seed(kSettings, "[Wired]\nType=2\nPort=/dev/ttyUSB0\n[Odd]\nType=7\nPort=SIM\n");
    EXPECT_EQ(Create(m_window.hwnd(), "Wired"), hb::records::kStatusNotSupported);
    EXPECT_EQ(Create(m_window.hwnd(), "Odd"), hb::records::kStatusNotSupported);
    EXPECT_EQ(Create(m_window.hwnd(), "Missing"), hb::records::kStatusNotSupported);
    EXPECT_EQ(EngineSim::EngineCount(), 1u);
    EXPECT_EQ(EngineSim::DeviceCount(), 1u);
    EXPECT_EQ(EngineSim::ProgramCount(), 1u);
}

TEST_F(EngineLifeTest, ToneEngineOpensTheReaderConnectedToTheRadio) {
    hb::win::ini::Seed(kSettings, "[Radios]\nRadio#1=Scanner\n[Scanner]\nType=2\nPort=SIM\n"
                                  "[Vela*Quin]\nToneReadersInstalled=1\n"
                                  "[Connections]\nReader#1=Radio#1\n"
                                  "[ToneReaders]\nReader#1=Reader\n[Reader]\nType=72\nPort=SIM\n");
    std::vector<std::uint8_t> block = ThreeChannels();
    const std::uint16_t engine = scan_create_single_tone("Scanner", block.data(), {}, 0);
    ASSERT_FALSE(IsFailureStatus(engine));
    const std::uint16_t reader = Status(engine).get(EngineStatus::kToneDeviceHandle);
    EXPECT_NE(reader, 0);
    DeviceStatus status;
    EXPECT_EQ(scan_device_status(reader, status.data()), 0);

    WritePrivateProfileString("Reader", "Type", "2", kSettings);
    EXPECT_EQ(scan_create_single_tone("Scanner", block.data(), {}, 0),
              hb::records::kStatusDecoderFailure);
    EXPECT_EQ(EngineSim::DeviceCount(), 2u);
}

TEST_F(EngineLifeTest, HandlesThatNameNothingFailEverywhere) {
    const std::uint16_t engine = Create(m_window.hwnd());
    const std::uint16_t device = Status(engine).get(EngineStatus::kDeviceHandle);
    const std::uint16_t gone = Create(m_window.hwnd());
    ASSERT_EQ(scan_destroy_engine(gone), 0);

    EngineStatus status;
    HistoryRecord history;
    parm record;
    std::uint32_t level = 3;
    SpanPoint point;
    std::vector<std::uint8_t> block = ThreeChannels();
    const auto command = EngineCommandRecord::Make(hb::records::kEngineCmdPause, 7);
    const std::vector<std::function<std::uint32_t(std::uint16_t)>> engineCalls = {
        [&](auto h) { return scan_engine_command(h, &command); },
        [&](auto h) { return scan_engine_status(h, status.data()); },
        [&](auto h) { return scan_reload_engine(h, block.data()); },
        [&](auto h) { return scan_get_history(h, history.data()); },
        [&](auto h) { return scan_get_dtmf(h, history.data()); },
        [&](auto h) { return scan_engine_join(h, engine); },
        [&](auto h) { return scan_destroy_engine(h); },
    };
    const std::vector<std::function<std::uint32_t(std::uint16_t)>> deviceCalls = {
        [&](auto h) { return scan_device_status(h, status.data()); },
        [&](auto h) { return scan_device_hwnd(h, m_window.hwnd()); },
        [&](auto h) { return scan_device_stop(h); },
        [&](auto h) { return scan_device_vfo_fast_write(h, &record); },
        [&](auto h) { return scan_device_mem_to_vfo(h, &record); },
        [&](auto h) { return scan_device_set_volume(h, &level); },
        [&](auto h) { return scan_device_get_squelch(h); },
        [&](auto h) { return scan_device_raw_command(h, "MD\r"); },
        [&](auto h) { return scan_spectrum(h, &record); },
        [&](auto h) { return span_get_data(h, &point); },
        [&](auto h) { return span_get_block(h, status.data(), 0); },
        [&](auto h) { return scan_close_device(h); },
    };
    for (const std::uint16_t bad : {std::uint16_t{0}, gone, kLastHandle, device}) {
        for (const auto& call : engineCalls) {
            EXPECT_TRUE(IsFailureStatus(static_cast<std::uint16_t>(call(bad)))) << bad;
        }
    }
    for (const std::uint16_t bad : {std::uint16_t{0}, gone, kLastHandle, engine}) {
        for (const auto& call : deviceCalls) {
            EXPECT_TRUE(IsFailureStatus(static_cast<std::uint16_t>(call(bad)))) << bad;
        }
    }
    // Null buffers and records fail without touching anything.
    EXPECT_EQ(scan_engine_status(engine, nullptr), kStatusInvalidArgument);
    EXPECT_EQ(scan_get_history(engine, nullptr), kStatusInvalidArgument);
    EXPECT_EQ(scan_engine_command(engine, nullptr), kStatusInvalidArgument);
    EXPECT_EQ(scan_device_vfo_fast_write(device, nullptr), kStatusInvalidArgument);
    EXPECT_EQ(scan_device_set_squelch(device, nullptr), kStatusInvalidArgument);
    EXPECT_EQ(scan_create_single_engine(nullptr, block.data(), {}, 0), kStatusInvalidArgument);
    EXPECT_EQ(EngineSim::EngineCount(), 1u);
}

TEST_F(EngineLifeTest, AScriptedFailureAnswersTheNextCallOnceAndChangesNothing) {
    constexpr std::uint16_t kRadioFailure = 0x9001;
    const std::uint16_t engine = Create(m_window.hwnd());
    const std::uint16_t device = Status(engine).get(EngineStatus::kDeviceHandle);
    AdvanceAndPump(100);

    EngineStatus status;
    status.set(EngineStatus::kState, 0xEE);
    EngineSim::FailNext("scan_engine_status", kRadioFailure);
    EXPECT_EQ(scan_engine_status(engine, status.data()), kRadioFailure);
    EXPECT_EQ(status.get(EngineStatus::kState), 0xEE); // the buffer is left as it was
    EXPECT_EQ(scan_engine_status(engine, status.data()), 0);

    DeviceStatus deviceStatus;
    EngineSim::FailNext("scan_device_status", kRadioFailure);
    EXPECT_EQ(scan_device_status(device, deviceStatus.data()), kRadioFailure);
    EXPECT_EQ(deviceStatus.get(DeviceStatus::kCurrentFrequency), 0u);
    EXPECT_EQ(scan_device_status(device, deviceStatus.data()), 0);

    // A failed pause leaves the engine scanning.
    EngineSim::FailNext("scan_engine_command", kRadioFailure);
    const auto pause = EngineCommandRecord::Make(hb::records::kEngineCmdPause, 7);
    EXPECT_EQ(scan_engine_command(engine, &pause), kRadioFailure);
    AdvanceAndPump(100);
    EXPECT_NE(State(engine), hb::records::kEnginePaused);

    const std::uint32_t program = Status(engine).get(EngineStatus::kProgramId);
    std::vector<std::uint8_t> block = Compile({Channel(kQuiet1, 201)});
    EngineSim::FailNext("scan_reload_engine", kRadioFailure);
    EXPECT_EQ(scan_reload_engine(engine, block.data()), kRadioFailure);
    EXPECT_EQ(Status(engine).get(EngineStatus::kProgramId), program);
    EXPECT_EQ(EngineSim::ProgramCount(), 1u);

    EngineSim::FailNext("scan_destroy_engine", kRadioFailure);
    EXPECT_EQ(scan_destroy_engine(engine), kRadioFailure);
    EXPECT_EQ(EngineSim::EngineCount(), 1u);
    EXPECT_EQ(scan_destroy_engine(engine), 0);

    // The journal keeps the failed calls with what they answered.
    const auto destroys = EngineSim::Calls("scan_destroy_engine");
    ASSERT_EQ(destroys.size(), 2u);
    EXPECT_EQ(destroys[0].result, kRadioFailure);
    EXPECT_EQ(destroys[1].result, 0u);
}

TEST_F(EngineLifeTest, OnlyTheFiveCallsAndOnlyFailuresCanBeScripted) {
    std::vector<std::string> failures;
    hb::win::SetFailureHandler([&](const std::string& m) { failures.push_back(m); });
    EngineSim::FailNext("scan_get_history", 0x9001);
    EngineSim::FailNext("scan_engine_status", 0x1234);
    hb::win::SetFailureHandler([](const std::string& m) { ADD_FAILURE() << m; });
    EXPECT_EQ(failures.size(), 2u);

    const std::uint16_t engine = Create(m_window.hwnd());
    EngineStatus status;
    EXPECT_EQ(scan_engine_status(engine, status.data()), 0);
}

TEST_F(EngineLifeTest, TheJournalKeepsEachCallWithItsRecords) {
    const std::uint16_t engine = Create(m_window.hwnd());
    const auto record =
        EngineCommandRecord::Make(hb::records::kEngineCmdLockOut, 0, 102, kBusy, 0xFFFF);
    scan_engine_command(engine, &record);
    const std::uint16_t device = Status(engine).get(EngineStatus::kDeviceHandle);
    scan_device_raw_command(device, "KEY01\r");

    const auto creates = EngineSim::Calls("scan_create_single_engine");
    ASSERT_EQ(creates.size(), 1u);
    EXPECT_EQ(creates[0].text, "Scanner");
    EXPECT_EQ(creates[0].programEntries, 3);
    EXPECT_EQ(creates[0].window, m_window.hwnd());
    EXPECT_EQ(creates[0].result, engine);

    const auto commands = EngineSim::Calls("scan_engine_command");
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].handle, engine);
    EXPECT_EQ(commands[0].code(), hb::records::kEngineCmdLockOut);
    const std::vector<std::uint8_t> bytes(commands[0].command->data(),
                                          commands[0].command->data() + 12);
    EXPECT_EQ(bytes,
              (std::vector<std::uint8_t>{1, 0, 102, 0, 0, 0, 0x38, 0x5C, 0x44, 0x09, 0xFF, 0xFF}));

    const auto raw = EngineSim::Calls("scan_device_raw_command");
    ASSERT_EQ(raw.size(), 1u);
    EXPECT_EQ(raw[0].handle, device);
    EXPECT_EQ(raw[0].text, "KEY01\r");
}

} // namespace
} // namespace hb::engine
