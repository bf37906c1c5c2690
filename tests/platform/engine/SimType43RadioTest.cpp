// The simulated type-43 trunk scanner answers from what was written to it, and its reply decoder
// reads a channel and the search limits into the device's current record.
#include "platform/engine/sim/SimType43Radio.h"

#include "platform/engine/device/ReplyDecoder.h"
#include "platform/engine/device/Type43Lines.h"
#include "platform/engine/sim/SimRadios.h"

#include <gtest/gtest.h>

#include <memory>

namespace hb::engine {
namespace {

using hb::records::DeviceStatus;
using hb::records::Parm;
using sim::SimType43Radio;

class SimType43RadioTest : public ::testing::Test {
protected:
    SimType43RadioTest() : m_made(sim::MakeRadio(43)) {
        radio = dynamic_cast<SimType43Radio*>(m_made.get());
    }
    std::optional<std::string> Take(std::string_view line) { return radio->Take(line); }
    // Answers only in programming mode.
    void Program() { ASSERT_EQ(Take("MUN"), "OK"); }

    static Parm Channel(std::uint16_t memory, std::uint32_t hz, const char* name) {
        Parm record;
        record.set(Parm::kMemoryChannel, memory);
        record.set(Parm::kFrequency, hz);
        record.set(Parm::kStep, 12'500);
        record.set(Parm::kMode, 2);
        record.set(Parm::Channel::kFlags, 4);
        record.set(Parm::Channel::kTrunkWord, 0x80);
        record.set(Parm::Channel::kDelay, 500);
        record.set(Parm::kLockOut, 0xFF);
        record.setText(Parm::kName, name);
        return record;
    }

    SimType43Radio* radio = nullptr;

private:
    std::unique_ptr<sim::SimRadio> m_made;
};

TEST_F(SimType43RadioTest, MemoryBankAndIdCommandsWaitForProgrammingMode) {
    ASSERT_NE(radio, nullptr);
    for (const char* line : {"MA001", "TB", "TR A 1", "FB A 0", "TG A A1", "RM", "DL", "DLN"}) {
        EXPECT_EQ(Take(line), std::nullopt) << line;
    }
    // Search limits, keys, the display and the erase answer at any time.
    EXPECT_EQ(Take("LL01624000"), "OK");
    EXPECT_EQ(Take("LL"), "LL01624000");
    EXPECT_EQ(Take("KEY01"), "OK");
    EXPECT_EQ(Take("LCD LINE1"), "LINE1 ");
    EXPECT_EQ(Take("AC"), "OK");
    EXPECT_EQ(Take("LL"), "LL00000000");
    Program();
    EXPECT_EQ(Take("TG A A1"), "TG A A1 ------");
    EXPECT_EQ(Take("MUA"), "OK");
    EXPECT_EQ(Take("TG A A1"), std::nullopt);
}

TEST_F(SimType43RadioTest, BanksKeepTheirTrunkSystemFleetMapAndTalkgroups) {
    Program();
    EXPECT_EQ(Take("TR L 4 04060000 2500"), "OK");
    EXPECT_EQ(Take("TR A 1"), "OK");
    EXPECT_EQ(Take("TR A 4"), "NG");
    EXPECT_EQ(Take("TR U 1"), "NG");
    EXPECT_EQ(Take("FB A 2 12"), "OK");
    EXPECT_EQ(Take("FB A 2"), "FB A 2 12");
    EXPECT_EQ(Take("FB A 8 04"), "NG");
    EXPECT_EQ(Take("TG A A0 200-01"), "OK");
    EXPECT_EQ(Take("TG A B1 i01234"), "OK");
    EXPECT_EQ(Take("TG A A0"), "TG A A0 200-01");
    EXPECT_EQ(Take("TG A B1"), "TG A B1 i01234");
    EXPECT_EQ(Take("TG A B1 000000"), "OK");
    EXPECT_EQ(Take("TG A B1"), "TG A B1 ------");

    const auto& bank = radio->BankNumbered(12);
    EXPECT_EQ(bank.trunkCommand, 4u);
    EXPECT_EQ(bank.base, 406'000'000u);
    EXPECT_EQ(bank.step, 25'000u);
    EXPECT_EQ(bank.offset, 380);
    EXPECT_EQ(radio->BankNumbered(1).fleetMap[2], 12);
    EXPECT_EQ(radio->BankNumbered(1).slots[9], "200-01");

    // "TB" speaks of the bank the keys chose: bank 12 is "1" and "2" behind KEY14.
    EXPECT_EQ(Take("TB"), "TB A TYPE1");
    for (const char* key : {"KEY13H", "KEY14", "KEY02 2", "KEY14", "KEY04"}) {
        Take(key);
    }
    EXPECT_EQ(Take("TB"), "TB L E2-UHF");
    for (const char* key : {"KEY13H", "KEY02 0", "KEY04"}) {
        Take(key);
    }
    EXPECT_EQ(Take("TB"), "TB J CONV");

    EXPECT_EQ(Take("AC"), "OK");
    EXPECT_EQ(radio->BankNumbered(12).trunkCommand, 0u);
    EXPECT_EQ(Take("TG A A0"), "TG A A0 ------");
}

TEST_F(SimType43RadioTest, AWrittenChannelIsSelectedAndReadBackWithItsDelayAndLockOut) {
    const auto decoder = MakeReplyDecoder(43);
    ASSERT_NE(decoder, nullptr);
    const Parm written = Channel(1000, 162'550'000, "NOAA");
    const auto line = decoder->MemoryWriteLine(written);
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(*line, "MW 01000 0162550000 00012500 002 0 1 00000 +00500 NOAA             00004 "
                     "00128");
    EXPECT_EQ(Take(*line), std::nullopt);
    Program();
    EXPECT_EQ(Take(*line), "OK");
    EXPECT_EQ(Take("MW 01001 0162550000"), "NG");

    // The write keeps neither delay nor lock-out: they have commands of their own.
    DeviceStatus status;
    decoder->Decode(*Take("MA000"), status);
    Parm read = status.get(DeviceStatus::kCurrentParm);
    EXPECT_EQ(read.get(Parm::kMemoryChannel), 1000);
    EXPECT_EQ(read.get(Parm::kFrequency), 162'550'000u);
    EXPECT_EQ(read.text(Parm::kName), "NOAA            ");
    EXPECT_EQ(read.get(Parm::kLockOut), 0);
    decoder->Decode(*Take("DL"), status);
    EXPECT_EQ(status.get(DeviceStatus::kCurrentDelay), 0);
    EXPECT_EQ(Take("DLN"), "OK");
    EXPECT_EQ(Take("LON"), "OK");
    decoder->Decode(*Take("MA000"), status);
    EXPECT_EQ(status.get(DeviceStatus::kCurrentLockOut), 0xFF);
    decoder->Decode(*Take("RM"), status);
    decoder->Decode(*Take("DL"), status);
    read = status.get(DeviceStatus::kCurrentParm);
    EXPECT_EQ(read.get(Parm::kMode), 2);
    EXPECT_EQ(read.get(Parm::Channel::kDelay), type43::kDelayOnMs);
    EXPECT_EQ(read.get(Parm::Channel::kFlags), 4);
    EXPECT_EQ(read.get(Parm::Channel::kTrunkWord), 0x80);
    EXPECT_EQ(radio->Memory(1000)->get(Parm::kLockOut), 0xFF);

    // A memory never written reads as empty; replies it does not know change nothing.
    decoder->Decode(*Take("MA002"), status);
    EXPECT_EQ(status.get(DeviceStatus::kCurrentFrequency), 0u);
    EXPECT_EQ(status.get(DeviceStatus::kCurrentChannel), 2);
    decoder->Decode("OK", status);
    decoder->Decode("DL X 00004 00128", status);
    decoder->Decode("RM 12", status);
    EXPECT_EQ(status.get(DeviceStatus::kCurrentChannel), 2);
    EXPECT_EQ(status.get(DeviceStatus::kCurrentParm).get(Parm::kMode), 0);

    // The erase takes the radio longer than a reply; the path waits a little beyond the
    // transfer's ten seconds.
    EXPECT_EQ(decoder->ReplyLimit("AC\r"), 12'000);
    EXPECT_EQ(decoder->ReplyLimit("MA001\r"), std::nullopt);
}

TEST_F(SimType43RadioTest, TheSearchLimitsAndEachRangesMenuItemsAreKept) {
    const auto decoder = MakeReplyDecoder(43);
    DeviceStatus status;
    EXPECT_EQ(Take("LL01624000"), "OK");
    EXPECT_EQ(Take("LU01625500"), "OK");
    EXPECT_EQ(Take("LU1625500"), "NG");
    decoder->Decode(*Take("LL"), status);
    decoder->Decode(*Take("LU"), status);
    EXPECT_EQ(status.get(DeviceStatus::kCurrentParm).get(Parm::Channel::kLowerLimit), 162'400'000u);
    EXPECT_EQ(status.get(DeviceStatus::kCurrentParm).get(Parm::Channel::kUpperLimit), 162'550'000u);

    // Range 10's mode, then range 3's step; the item shows its digit until KEY01.
    for (const char* key : {"KEY01", "KEY11", "KEY02 4", "KEY02 1", "KEY02 0", "KEY02 3"}) {
        Take(key);
    }
    EXPECT_EQ(Take("LCD LINE1"), "LINE1 [~2");
    Take("KEY02 4");
    EXPECT_EQ(Take("LCD LINE1"), "LINE1 [~4");
    for (const char* key :
         {"KEY01", "KEY11", "KEY02 4", "KEY02 1", "KEY02 3", "KEY02 2", "KEY02 7", "KEY01"}) {
        Take(key);
    }
    EXPECT_EQ(Take("LCD LINE1"), "LINE1 ");
    EXPECT_EQ(radio->Range(10).mode, '4');
    EXPECT_EQ(radio->Range(3).step, '7');
    EXPECT_EQ(radio->Range(3).mode, '2');
    // Another menu than the search menu opens no range item.
    for (const char* key : {"KEY11", "KEY02 5", "KEY02 1", "KEY02 3", "KEY02 3", "KEY02 9"}) {
        Take(key);
    }
    EXPECT_EQ(Take("LCD LINE1"), "LINE1 ");
    EXPECT_EQ(radio->Range(3).mode, '2');
}

} // namespace
} // namespace hb::engine
