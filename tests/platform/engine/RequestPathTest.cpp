#include "DeviceLinkTest.h"
#include "platform/engine/device/Type43Lines.h"

namespace hb::engine {
namespace {

namespace rec = hb::records;

// A radio of a command family on the simulated port: without the family's model it answers
// only what the test scripts.
class RequestPathTest : public DeviceLinkTest {
protected:
    RequestPathTest() { Radios("[Radio]\nType=63\nPort=SIM\n"); }
};

TEST_F(RequestPathTest, ARawCommandIsBusyForItsWireTimeThenLeavesTheReply) {
    const std::uint16_t device = Open();
    Radio().Script("LCD LINE1", "LINE1 [~3 ABC");
    Radio().ClearJournal();

    EXPECT_EQ(scan_device_raw_command(device, "LCD LINE1\r"), 0);
    EXPECT_TRUE(Busy(device));
    EXPECT_FALSE(ReplyPresent(device));
    EXPECT_EQ(Read(device).text(DeviceStatus::kTransmit), "LCD LINE1\r");
    PumpUntilIdle();
    EXPECT_EQ(Posts(), 1u);

    // 10 bytes out and 14 back at 9600 baud: 25 ms on the wire.
    AdvanceAndPump(24);
    EXPECT_TRUE(Busy(device));
    EXPECT_EQ(Posts(), 1u);
    AdvanceAndPump(1);
    EXPECT_FALSE(Busy(device));
    EXPECT_TRUE(ReplyPresent(device));
    EXPECT_EQ(Reply(device), "LINE1 [~3 ABC");
    EXPECT_EQ(Posts(), 2u);
    EXPECT_EQ(Radio().Journal(), std::vector<std::string>{"LCD LINE1"});
}

TEST_F(RequestPathTest, EachLineOfACommandIsOneExchangeAndTheLastReplyStays) {
    const std::uint16_t device = Open();
    Radio().Script("MA", "MA007 A");
    Radio().Script("CS", "CS OK");
    Radio().ClearJournal();

    EXPECT_EQ(scan_device_raw_command(device, "MA007\rCS000\r"), 0);
    EXPECT_EQ(Radio().Journal(), std::vector<std::string>{"MA007"}); // one line at a time
    AdvanceAndPump(100);
    EXPECT_EQ(Radio().Journal(), (std::vector<std::string>{"MA007", "CS000"}));
    EXPECT_FALSE(Busy(device));
    EXPECT_EQ(Reply(device), "CS OK");

    // A remainder without a carriage return goes as it is.
    EXPECT_EQ(scan_device_raw_command(device, "MA008\rKEY0"), 0);
    AdvanceAndPump(100);
    EXPECT_EQ(Radio().Journal().back(), "KEY0");
    EXPECT_EQ(Reply(device), "OK");
}

TEST_F(RequestPathTest, StopDropsTheQueueAndALateReplyChangesNothing) {
    const std::uint16_t device = Open();
    Radio().Script("MA", "MA007 A");
    Radio().ClearJournal();
    EXPECT_EQ(scan_device_raw_command(device, "MA007\rCS000\r"), 0);
    AdvanceAndPump(5);
    PumpUntilIdle();
    const std::size_t posts = Posts();

    EXPECT_EQ(scan_device_stop(device), 0);
    EXPECT_FALSE(Busy(device));
    PumpUntilIdle();
    EXPECT_EQ(Posts(), posts + 1);
    AdvanceAndPump(2000);
    EXPECT_FALSE(ReplyPresent(device));
    EXPECT_EQ(Reply(device), "");
    EXPECT_EQ(Radio().Journal(), std::vector<std::string>{"MA007"});
    EXPECT_EQ(Posts(), posts + 1);

    // Break ends an exchange the same way; stopping an idle device changes nothing.
    EXPECT_EQ(scan_device_raw_command(device, "MA009\r"), 0);
    EXPECT_EQ(scan_device_break(device), 0);
    EXPECT_FALSE(Busy(device));
    EXPECT_EQ(scan_device_stop(device), 0);
}

TEST_F(RequestPathTest, ASilentRadioEndsTheExchangeAtTheReplyLimit) {
    const std::uint16_t device = Open();
    EXPECT_EQ(scan_device_raw_command(device, "ZZ\r"), 0); // unknown: no reply
    PumpUntilIdle();
    EXPECT_EQ(Posts(), 1u);
    // 3 bytes take 4 ms at 9600 baud; the limit counts from there.
    AdvanceAndPump(1003);
    EXPECT_TRUE(Busy(device));
    AdvanceAndPump(1);
    EXPECT_FALSE(Busy(device));
    EXPECT_FALSE(ReplyPresent(device));
    EXPECT_EQ(Reply(device), "");
    EXPECT_EQ(Posts(), 2u);
}

TEST_F(RequestPathTest, TheSectionSetsTheReplyLimitAndTheBaudRate) {
    Radios("[Radio]\nType=63\nPort=SIM\nReplyTimeout=200\nBaud=1200\n");
    const std::uint16_t device = Open();
    Radio().Script("LCD", "X");
    EXPECT_EQ(scan_device_raw_command(device, "LCD\r"), 0);
    // 4 + 2 bytes at 1200 baud: 50 ms.
    AdvanceAndPump(49);
    EXPECT_TRUE(Busy(device));
    AdvanceAndPump(1);
    EXPECT_EQ(Reply(device), "X");

    EXPECT_EQ(scan_device_raw_command(device, "ZZ\r"), 0);
    AdvanceAndPump(25 + 199);
    EXPECT_TRUE(Busy(device));
    AdvanceAndPump(1);
    EXPECT_FALSE(Busy(device));
}

TEST_F(RequestPathTest, FaultsOfTheRadioShowAsNoReplyOrAsAReplyThatIsNotDecoded) {
    const std::uint16_t device = Open();
    Radio().Script("LCD", "LINE1 ABC");
    Radio().FailOn("LCD", sim::Fault::Silent);
    EXPECT_EQ(scan_device_raw_command(device, "LCD\r"), 0);
    AdvanceAndPump(1100);
    EXPECT_FALSE(ReplyPresent(device));

    Radio().FailOn("LCD", sim::Fault::Garbled);
    EXPECT_EQ(scan_device_raw_command(device, "LCD\r"), 0);
    AdvanceAndPump(100);
    EXPECT_TRUE(ReplyPresent(device));
    EXPECT_NE(Reply(device), "LINE1 ABC");
    EXPECT_EQ(Current(device), parm{});

    // The faults were counted: the next line is answered again.
    EXPECT_EQ(scan_device_raw_command(device, "LCD\r"), 0);
    AdvanceAndPump(100);
    EXPECT_EQ(Reply(device), "LINE1 ABC");
}

TEST_F(RequestPathTest, APatchedBusyStaysAndAScriptedFailureSendsNothing) {
    const std::uint16_t device = Open();
    EngineSim::PatchStatus(device, DeviceStatus::kBusy.kOffset, 1);
    Radio().Script("LCD", "X");
    EXPECT_EQ(scan_device_raw_command(device, "LCD\r"), 0);
    AdvanceAndPump(100);
    EXPECT_TRUE(Busy(device));
    EXPECT_EQ(Reply(device), "X");

    Radio().ClearJournal();
    EngineSim::FailNextRequest(rec::kStatusTimeOut);
    EXPECT_EQ(scan_device_raw_command(device, "LCD\r"), rec::kStatusTimeOut);
    AdvanceAndPump(100);
    EXPECT_TRUE(Radio().Journal().empty());
}

TEST_F(RequestPathTest, ATransmitTextIsCutAtTheFieldAndTheFamilyBracketsEndAtOnce) {
    const std::uint16_t device = Open();
    const std::string longCommand(600, 'A');
    EXPECT_EQ(scan_device_raw_command(device, longCommand.c_str()), 0);
    EXPECT_EQ(Read(device).text(DeviceStatus::kTransmit), std::string(511, 'A'));
    EXPECT_EQ(scan_device_stop(device), 0);

    // A command family moves its memories with commands of its own.
    parm record;
    EXPECT_EQ(scan_device_pre_upload(device, &record), 0);
    EXPECT_FALSE(Busy(device));
    EXPECT_EQ(scan_device_mem_read(device, &record), rec::kStatusNotSupported);
}

TEST_F(RequestPathTest, ADecodedRecordStandsOnlyWhileATransferRuns) {
    // A family whose replies carry records: the type-17 scanner speaks the type-43 lines.
    Radios("[Radio]\nType=17\nPort=SIM\n");
    const std::uint16_t device = Open();
    Radio().Take("MUN");
    Radio().Take(type43::MemoryWriteLine(Memory(2, 155'000'000, "Fire")));
    parm tuned;
    tuned.set(parm::kFrequency, 851'012'500);
    EXPECT_EQ(scan_device_vfo_fast_write(device, &tuned), 0);
    // Outside a transfer the tuned channel stands, whatever the replies carry.
    EXPECT_EQ(scan_device_raw_command(device, "MA002\r"), 0);
    AdvanceAndPump(100);
    EXPECT_EQ(Current(device).get(parm::kFrequency), 851'012'500u);

    parm record;
    EXPECT_EQ(scan_device_pre_upload(device, &record), 0);
    EXPECT_EQ(scan_device_raw_command(device, "MA002\r"), 0);
    AdvanceAndPump(100);
    EXPECT_EQ(Current(device).get(parm::kFrequency), 155'000'000u);

    EXPECT_EQ(scan_device_post_upload(device, &record), 0);
    EXPECT_EQ(scan_device_vfo_fast_write(device, &tuned), 0);
    EXPECT_EQ(Current(device).get(parm::kFrequency), 851'012'500u);
}

} // namespace
} // namespace hb::engine
