// The simulated type-43 trunk scanner and its reply decoder where a transfer does not reach: the
// programming mode, commands it refuses, and replies the decoder leaves alone.
#include "platform/engine/sim/SimType43Radio.h"

#include "platform/engine/device/ReplyDecoder.h"
#include "platform/engine/sim/SimRadios.h"

#include <gtest/gtest.h>

#include <memory>

namespace hb::engine {
namespace {

using hb::records::DeviceStatus;
using hb::records::Parm;

class SimType43RadioTest : public ::testing::Test {
protected:
    std::optional<std::string> Take(std::string_view line) { return radio->Take(line); }

    std::unique_ptr<sim::SimRadio> radio = sim::MakeRadio(43);
};

TEST_F(SimType43RadioTest, MemoryBankAndIdCommandsWaitForProgrammingMode) {
    ASSERT_NE(dynamic_cast<sim::SimType43Radio*>(radio.get()), nullptr);
    for (const char* line : {"MA001", "TB", "TR A 1", "FB A 0", "TG A A1", "RM", "DL", "DLN"}) {
        EXPECT_EQ(Take(line), std::nullopt) << line;
    }
    // Search limits, keys, the display and the erase answer at any time.
    EXPECT_EQ(Take("LL01624000"), "OK");
    EXPECT_EQ(Take("KEY01"), "OK");
    EXPECT_EQ(Take("LCD LINE1"), "LINE1 ");
    EXPECT_EQ(Take("AC"), "OK");
    EXPECT_EQ(Take("LL"), "LL00000000");
    EXPECT_EQ(Take("MUN"), "OK");
    EXPECT_EQ(Take("TG A A1"), "TG A A1 ------");
    EXPECT_EQ(Take("MUA"), "OK");
    EXPECT_EQ(Take("TG A A1"), std::nullopt);
}

TEST_F(SimType43RadioTest, CommandsOutsideTheRadiosBanksSlotsAndCodesAreRefused) {
    Take("MUN");
    for (const char* line : {"TR A 4", "TR U 1", "TR A 7", "TR A 1 04060000 2500", "FB A 8 04",
                             "FB A 0 16", "TG A K1 001234", "TG A A 001234", "MA1", "LU1625500",
                             "LCD LINE2", "MW 00001 0162550000"}) {
        EXPECT_EQ(Take(line), "NG") << line;
    }
    const auto& bank = dynamic_cast<sim::SimType43Radio&>(*radio).BankNumbered(1);
    EXPECT_EQ(bank.trunkCommand, 0u);
    EXPECT_EQ(bank.fleetMap[0], 0);
}

TEST_F(SimType43RadioTest, TheDecoderTakesOnlyWholeRepliesOfItsOwnAndGivesTheEraseMoreTime) {
    const auto decoder = MakeReplyDecoder(43);
    ASSERT_NE(decoder, nullptr);
    DeviceStatus status;
    Take("MUN");
    decoder->Decode(*Take("MA002"), status);
    EXPECT_EQ(status.get(DeviceStatus::kCurrentChannel), 2);
    for (const char* reply : {"OK", "NG", "DL X 00004 00128", "DL N 4 128", "RM 12", "RM 256",
                              "LL0162400", "LU01625500x", "MA 2"}) {
        decoder->Decode(reply, status);
    }
    const Parm read = status.get(DeviceStatus::kCurrentParm);
    EXPECT_EQ(read.get(Parm::kMemoryChannel), 2);
    EXPECT_EQ(read.get(Parm::kMode), 0);
    EXPECT_EQ(read.get(Parm::Channel::kDelay), 0);
    EXPECT_EQ(read.get(Parm::Channel::kLowerLimit), 0u);
    EXPECT_EQ(read.get(Parm::Channel::kUpperLimit), 0u);

    Parm record;
    record.set(Parm::kMemoryChannel, 1000);
    record.set(Parm::kFrequency, 162'550'000);
    record.set(Parm::Channel::kTrunkWord, 0x80);
    record.setText(Parm::kName, "NOAA");
    EXPECT_EQ(decoder->MemoryWriteLine(record),
              "MW 01000 0162550000 00000000 000 0 0 00000 +00000 NOAA             00000 00128");
    // The path waits a little beyond the transfer's ten seconds for an erase.
    EXPECT_EQ(decoder->ReplyLimit("AC\r"), 12'000);
    EXPECT_EQ(decoder->ReplyLimit("MA001\r"), std::nullopt);
}

} // namespace
} // namespace hb::engine
