// The rules that hold across the named fields: overlapping names share bytes, signed fields read
// back negative, buffers of the wrong size are refused.

#include "platform/records/Dal.h"
#include "platform/records/EngineCommandRecord.h"
#include "platform/records/EngineCommands.h"
#include "platform/records/EngineStatus.h"
#include "platform/records/Parm.h"
#include "platform/records/UserId.h"

#include <gtest/gtest.h>

#include <vector>

using namespace hb::records;

TEST(ParmRules, Byte29IsTheHighByteOfTheWordAt28) {
    Parm p;
    p.set(Parm::kRequestFlags, Parm::kRequestVsc);
    p.set(Parm::Sweep::kSwitchByte, p.get(Parm::Sweep::kSwitchByte) | 0x0F);
    EXPECT_EQ(p.get(Parm::kRequestFlags), 0x0F01);

    p.set(Parm::kRequestFlags, p.get(Parm::kRequestFlags) | Parm::kRequestVolume);
    EXPECT_EQ(p.get(Parm::Sweep::kSwitchByte), 0x0F);
    EXPECT_EQ(p.bytes()[28], 0x01);
    EXPECT_EQ(p.get(Parm::Channel::kTrunkWord), p.get(Parm::kRequestFlags));
}

TEST(ParmRules, SignedFieldsReadBackNegative) {
    Parm p;
    p.set(Parm::kNotch, -2);
    p.set(Parm::Channel::kDelay, -10);
    p.set(Parm::kBfo, -32768);
    p.set(Parm::kIfShift, -1);
    EXPECT_EQ(p.get(Parm::kNotch), -2);
    EXPECT_EQ(p.get(Parm::Channel::kDelay), -10);
    EXPECT_EQ(p.get(Parm::kBfo), -32768);
    EXPECT_EQ(p.get(Parm::kIfShift), -1);
    EXPECT_EQ(p.bytes()[56], 0xFE);
    EXPECT_EQ(p.bytes()[57], 0xFF);
    EXPECT_EQ(p.bytes()[66], 0xF6);
    EXPECT_EQ(p.bytes()[85], 0x80);
}

TEST(ParmRules, ToneIsTheLow15BitsOfAWord) {
    Parm p;
    p.set(Parm::Channel::kTone, 0xFFFF8000u | 1318u);
    EXPECT_EQ(p.tone(), 1318u);
    p.set(Parm::Channel::kTone, 0x00010000u | 0x7FFFu);
    EXPECT_EQ(p.tone(), 0x7FFFu);
}

TEST(EngineCommandRecordRules, MakeZeroesAllButTheGivenFields) {
    const auto manual = EngineCommandRecord::Make(kEngineCmdManualMode, 0, 0x12345678);
    const std::vector<std::uint8_t> expected = {26, 0, 0x78, 0x56, 0x34, 0x12, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(std::vector<std::uint8_t>(manual.bytes().begin(), manual.bytes().end()), expected);

    auto setting = EngineCommandRecord::Make(kEngineCmdSetting, 0, 0, 0x00060000);
    EXPECT_EQ(setting.get(EngineCommandRecord::kSecondHigh), 6);
    EXPECT_EQ(setting.get(EngineCommandRecord::kSecondLow), 0);

    auto preempt = EngineCommandRecord::Make(kEngineCmdPreempt);
    preempt.set(EngineCommandRecord::kSignedSubCode, -127);
    EXPECT_EQ(preempt.get(EngineCommandRecord::kSubCode), 0x81);
}

TEST(RecordRules, StoredRecordIsTakenOnlyAtItsExactSize) {
    Parm p;
    p.set(Parm::kFrequency, 1);
    const Parm before = p;
    std::vector<std::uint8_t> stored(128, 0x42);
    EXPECT_FALSE(p.loadExact(stored));
    stored.resize(130, 0x42);
    EXPECT_FALSE(p.loadExact(stored));
    EXPECT_FALSE(p.loadExact({}));
    EXPECT_EQ(p, before);

    stored.resize(129);
    EXPECT_TRUE(p.loadExact(stored));
    EXPECT_EQ(p.get(Parm::kFrequency), 0x42424242u);
}

TEST(RecordRules, EmbeddedRecordsCopyInAndOut) {
    Parm channel;
    channel.set(Parm::kFrequency, 162'550'000);
    channel.setText(Parm::kName, "NOAA");
    EngineStatus status;
    status.set(EngineStatus::kParmQueue, 99, channel);
    status.set(EngineStatus::kCurrentParm, channel);
    EXPECT_EQ(status.get(EngineStatus::kParmQueue, 99), channel);
    EXPECT_EQ(status.get(EngineStatus::kCurrentFrequency), 162'550'000u);
    EXPECT_EQ(status.text(EngineStatus::kCurrentName), "NOAA            ");
    EXPECT_EQ(status.get(EngineStatus::kParmQueue, 0), Parm{});
}

TEST(RecordRules, ClearingAFieldZeroesOnlyItsBytes) {
    Parm p;
    std::ranges::fill(p.bytes(), 0x20);
    p.clear(Parm::kName);
    p.clear(Parm::kModelWords);
    for (std::size_t i = 0; i < Parm::kSize; ++i) {
        const bool cleared = (i >= 113) || (i >= 32 && i < 44);
        EXPECT_EQ(p.bytes()[i], cleared ? 0 : 0x20) << i;
    }
}

TEST(RecordRules, CallerBuffersAreCopiedWholeOrRefused) {
    EngineStatus status;
    status.set(EngineStatus::kState, 7);
    std::vector<std::uint8_t> buffer(EngineStatus::kSize + 2, 0xEE);
    status.copyTo(buffer);
    EXPECT_EQ(buffer[312], 7);
    EXPECT_EQ(buffer[EngineStatus::kSize], 0xEE);

    EngineStatus back;
    back.copyFrom(buffer);
    EXPECT_EQ(back, status);

    std::vector<std::uint8_t> shortBuffer(EngineStatus::kSize - 2);
    EXPECT_DEATH(status.copyTo(shortBuffer), "target buffer");
    EXPECT_DEATH(back.copyFrom(shortBuffer), "source buffer");
}

TEST(RecordRules, IndexOutsideAnArrayFieldStops) {
    EngineStatus status;
    EXPECT_DEATH(status.get(EngineStatus::kParmQueue, 100), "index 100");
    Parm p;
    EXPECT_DEATH(p.set(Parm::kModelBytes, 8, 1), "index 8");
}

TEST(RecordRules, DalSegmentStartSpansItsTwoHalves) {
    Dal d;
    d.setSegmentStart(0x0123456789ABCDEFull);
    EXPECT_EQ(d.get(Dal::kSegmentStartLow), 0x89ABCDEFu);
    EXPECT_EQ(d.get(Dal::kSegmentStartHigh), 0x01234567u);
    EXPECT_EQ(d.segmentStart(), 0x0123456789ABCDEFull);
}

TEST(RecordRules, UserIdIsInUseExactlyWhenItHasAKind) {
    UserId id;
    id.set(UserId::kValue, 1234);
    id.set(UserId::kFlags, UserId::kFlagIndividual);
    EXPECT_FALSE(id.inUse());
    id.set(UserId::kKind, kIdKindLtr);
    EXPECT_TRUE(id.inUse());
}
