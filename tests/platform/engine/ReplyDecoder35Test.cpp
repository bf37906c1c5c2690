// What the trunk scanners of types 35 and 99 say, read into the device status, and the channel
// line the engine and the radios share.
#include "platform/engine/device/ReplyDecoder.h"
#include "platform/engine/device/TrunkChannelLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hb::engine {
namespace {

using hb::records::DeviceStatus;
using hb::records::Parm;

Parm Current(const DeviceStatus& status) {
    return status.get(DeviceStatus::kCurrentParm);
}

TEST(ReplyDecoder35Test, AChannelLineCarriesWhatTheRadiosKeepOfAMemory) {
    const TrunkChannel channel{51, 851'012'500, 11, 4, 128, true, false, true};
    const std::string line = FormatTrunkChannel(channel);
    EXPECT_EQ(line, "051 0851012500 011 00004 00128 N F N");
    EXPECT_EQ(ParseTrunkChannel(line), channel);
    EXPECT_EQ(TrunkChannel::Of(channel.Record()), channel);
    EXPECT_EQ(channel.Record().get(Parm::kLockOut), 0xFF);
    EXPECT_EQ(channel.Record().get(Parm::Channel::kDelay), TrunkChannel::kDelayOnMs);

    for (const char* bad :
         {"051 0851012500 011 00004 00128 N F", "051 0851012500 011 00004 00128 N F X",
          "05A 0851012500 011 00004 00128 N F N", "051 9999999999 011 00004 00128 N F N",
          "051 0851012500 256 00004 00128 N F N", "051 0851012500 011 70000 00128 N F N",
          "051 0851012500 011 00004 00128 NNF N"}) {
        EXPECT_EQ(ParseTrunkChannel(bad), std::nullopt) << bad;
    }
    EXPECT_EQ(FormatTrunkDelay(channel), "N 00004 00128");
    EXPECT_EQ(ParseTrunkDelay("F 00004 00128")->delay, false);
    EXPECT_EQ(ParseTrunkDelay("N 0004 00128"), std::nullopt);
}

TEST(ReplyDecoder35Test, TheRepliesOfAMemoryReadFillTheCurrentRecord) {
    for (const std::uint8_t type : {35, 99}) {
        const auto decoder = MakeReplyDecoder(type);
        ASSERT_NE(decoder, nullptr);
        DeviceStatus status;
        decoder->Decode("MA051 0851012500 011 00004 00128 N N N", status);
        Parm record = Current(status);
        EXPECT_EQ(record.get(Parm::kMemoryChannel), 51);
        EXPECT_EQ(record.get(Parm::kFrequency), 851'012'500u);
        EXPECT_EQ(record.get(Parm::Channel::kAttenuator), 1);

        decoder->Decode("RM 002", status);
        decoder->Decode("DL F 00000 00001", status);
        record = Current(status);
        EXPECT_EQ(record.get(Parm::kMode), 2);
        EXPECT_EQ(record.get(Parm::Channel::kDelay), 0);
        EXPECT_EQ(record.get(Parm::Channel::kFlags), 0);
        EXPECT_EQ(record.get(Parm::Channel::kTrunkWord), 1);
        EXPECT_EQ(record.get(Parm::kFrequency), 851'012'500u);
        decoder->Decode("DL N 00000 00000", status);
        EXPECT_EQ(Current(status).get(Parm::Channel::kDelay), TrunkChannel::kDelayOnMs);

        decoder->Decode("LL01180000", status);
        decoder->Decode("LU01370000", status);
        EXPECT_EQ(Current(status).get(Parm::Channel::kLowerLimit), 118'000'000u);
        EXPECT_EQ(Current(status).get(Parm::Channel::kUpperLimit), 137'000'000u);
        decoder->Decode("TB J 5", status);
        EXPECT_EQ(status.get(DeviceStatus::kTrunkTypeCode), 5);
    }
}

TEST(ReplyDecoder35Test, RepliesOutOfShapeChangeNothing) {
    const auto decoder = MakeReplyDecoder(35);
    DeviceStatus status;
    decoder->Decode("MA051 0851012500 011 00004 00128 N N N", status);
    decoder->Decode("TB A 4", status);
    const DeviceStatus before = status;
    for (const char* reply : {"MA051", "NG", "OK", "RM FM", "RM 300", "DL N", "LL", "LL0118000",
                              "LU99999999", "TB A", "TB A x", "TB A 999", ""}) {
        decoder->Decode(reply, status);
        EXPECT_EQ(status, before) << reply;
    }
}

TEST(ReplyDecoder35Test, OnlyTheType35RadioTakesTheEnginesMemoryWrite) {
    Parm record = TrunkChannel{0, 851'012'500, 0, 0, 0x80, false, true, false}.Record();
    record.set(Parm::kMemoryChannel, 7);
    EXPECT_EQ(MakeReplyDecoder(35)->MemoryWriteLine(record),
              "MW 007 0851012500 000 00000 00128 F N F");
    EXPECT_EQ(MakeReplyDecoder(99)->MemoryWriteLine(record), std::nullopt);
}

} // namespace
} // namespace hb::engine
