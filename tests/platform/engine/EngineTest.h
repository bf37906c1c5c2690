#pragma once
#include "platform/engine/EngineApi.h"
#include "platform/engine/EngineCodes.h"
#include "platform/engine/EngineSim.h"
#include "platform/records/DeviceStatus.h"
#include "platform/records/EngineCommands.h"
#include "platform/records/EngineStates.h"
#include "platform/records/EngineStatus.h"
#include "platform/records/ObjectKind.h"
#include "platform/records/PrivateMessages.h"
#include "platform/records/ProgHeader.h"
#include "platform/records/StatusCodes.h"
#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"

#include <cstdint>
#include <string>
#include <vector>

namespace hb::engine {

using hb::records::DeviceStatus;
using hb::records::EngineStatus;
using hb::records::ObjectKind;

// A radio "Scanner" on the simulated port, busy on 155.475 MHz only, and a program of three
// channels with that one in the middle.
class EngineTest : public hb::testkit::PlatformTest {
protected:
    static constexpr const char* kSettings = "/virtual/Halbridge.ini";
    static constexpr std::uint32_t kQuiet1 = 154'100'000;
    static constexpr std::uint32_t kBusy = 155'475'000;
    static constexpr std::uint32_t kQuiet2 = 156'800'000;

    struct Entry {
        ObjectKind kind = ObjectKind::Channel;
        parm record;
    };

    EngineTest() {
        hb::win::ini::Seed(kSettings, "[Radios]\nRadio#1=Scanner\n"
                                      "[Scanner]\nType=2\nPort=SIM\nBusy=155475000\nSeed=7\n");
        EngineSim::SetSettingsFile(kSettings);
    }

    static Entry Channel(std::uint32_t frequency, std::uint32_t object, const char* name = "") {
        Entry entry;
        entry.record.set(parm::kFrequency, frequency);
        entry.record.set(parm::kObjectHandle, object);
        entry.record.setText(parm::kName, name);
        return entry;
    }

    static Entry Range(std::uint32_t start, std::uint32_t end, std::uint32_t step,
                       std::uint32_t object) {
        Entry entry;
        entry.kind = ObjectKind::SearchRange;
        entry.record.set(parm::kStart, start);
        entry.record.set(parm::kEnd, end);
        entry.record.set(parm::kStep, step);
        entry.record.set(parm::kObjectHandle, object);
        return entry;
    }

    // A program block laid out as the core library compiles it.
    static std::vector<std::uint8_t> Compile(const std::vector<Entry>& entries) {
        using hb::records::ProgEntry;
        using hb::records::ProgHeader;
        std::vector<std::uint8_t> block(hb::records::ProgEntryOffset(entries.size()));
        ProgHeader head;
        head.set(ProgHeader::kBlockSize, static_cast<std::uint32_t>(block.size()));
        head.set(ProgHeader::kMagic, ProgHeader::kMagicValue);
        head.set(ProgHeader::kEntryCount, static_cast<std::uint16_t>(entries.size()));
        head.copyTo(block);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            ProgEntry entry;
            entry.set(ProgEntry::kKind, static_cast<std::uint32_t>(entries[i].kind));
            entry.set(ProgEntry::kParm, entries[i].record);
            entry.copyTo(std::span(block).subspan(hb::records::ProgEntryOffset(i)));
        }
        return block;
    }

    static std::vector<std::uint8_t> ThreeChannels() {
        return Compile({Channel(kQuiet1, 101, "Fire"), Channel(kBusy, 102, "Dispatch"),
                        Channel(kQuiet2, 103, "Marine")});
    }

    // Creates an engine from a block that is freed as soon as the call returns.
    static std::uint16_t Create(HWND window, const char* radio = "Scanner") {
        std::vector<std::uint8_t> block = ThreeChannels();
        return scan_create_single_engine(radio, block.data(), window, 0);
    }

    static EngineStatus Status(std::uint16_t engine) {
        EngineStatus status;
        EXPECT_EQ(scan_engine_status(engine, status.data()), 0);
        return status;
    }

    static std::uint8_t State(std::uint16_t engine) {
        return Status(engine).get(EngineStatus::kState);
    }

    static void Send(std::uint16_t engine, std::uint8_t code, std::uint8_t subCode = 0,
                     std::uint32_t first = 0, std::uint32_t second = 0,
                     std::uint16_t shortParam = 0) {
        const auto record = EngineCommandRecord::Make(code, subCode, first, second, shortParam);
        EXPECT_EQ(scan_engine_command(engine, &record), 0);
    }

    // Advances in steps of `ms` until the engine's state is `state`; false after `limit` steps.
    static bool RunUntilState(std::uint16_t engine, std::uint8_t state, int limit = 100000,
                              std::int64_t ms = 100) {
        for (int i = 0; i < limit; ++i) {
            if (State(engine) == state) {
                return true;
            }
            AdvanceAndPump(ms);
        }
        return false;
    }

    static std::vector<HistoryRecord> DrainHistory(std::uint16_t engine) {
        std::vector<HistoryRecord> records;
        HistoryRecord record;
        while (scan_get_history(engine, record.data()) == 0) {
            records.push_back(record);
        }
        return records;
    }

    hb::testkit::TestWindow m_window{hb::testkit::TestWindowOptions{}};
};

} // namespace hb::engine
