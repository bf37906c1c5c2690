// Every shared record's size and every named field's place, against the layouts the modules agree
// on. Offsets here are written out as numbers on purpose: they are the contract.

#include "FieldCheck.h"
#include "platform/records/Band.h"
#include "platform/records/Dal.h"
#include "platform/records/DeviceStatus.h"
#include "platform/records/DtmfRecord.h"
#include "platform/records/EngineCommandRecord.h"
#include "platform/records/EngineStatus.h"
#include "platform/records/HistoryRecord.h"
#include "platform/records/Parm.h"
#include "platform/records/ProgHeader.h"
#include "platform/records/SpanBlockHeader.h"
#include "platform/records/SpanPoint.h"
#include "platform/records/SwqFileHeader.h"
#include "platform/records/UserId.h"
#include "platform/records/Wlseg.h"

#include <gtest/gtest.h>

using namespace hb::records;
using hb::records::test::ExpectField;

#define CHECK_FIELD(R, f, ...)                                                                     \
    do {                                                                                           \
        SCOPED_TRACE(#R "::" #f);                                                                  \
        ExpectField<R>(R::f, __VA_ARGS__);                                                         \
    } while (0)

TEST(RecordLayout, Sizes) {
    EXPECT_EQ(Parm::kSize, 129u);
    EXPECT_EQ(EngineCommandRecord::kSize, 12u);
    EXPECT_EQ(EngineStatus::kSize, 13644u);
    EXPECT_EQ(DeviceStatus::kSize, 4150u);
    EXPECT_EQ(HistoryRecord::kSize, 106u);
    EXPECT_EQ(DtmfRecord::kSize, 32u);
    EXPECT_EQ(UserId::kSize, 12u);
    EXPECT_EQ(Dal::kSize, 219u);
    EXPECT_EQ(Band::kSize, 15u);
    EXPECT_EQ(SpanPoint::kSize, 24u);
    EXPECT_EQ(SpanBlockHeader::kSize, 64u);
    EXPECT_EQ(SpanBlockHeader::kLevelsOffset, 64u);
    EXPECT_GE(ProgHeader::kSize, 0x1Eu);
}

TEST(RecordLayout, Parm) {
    CHECK_FIELD(Parm, kFrequency, 0, 4);
    CHECK_FIELD(Parm, kStep, 4, 4);
    CHECK_FIELD(Parm, kChosenFrequency, 8, 4);
    CHECK_FIELD(Parm, kStart, 12, 4);
    CHECK_FIELD(Parm, kEnd, 16, 4);
    CHECK_FIELD(Parm, kObjectHandle, 20, 4);
    CHECK_FIELD(Parm, kOptionFlags, 24, 2);
    CHECK_FIELD(Parm, kVscLevel, 26, 1);
    CHECK_FIELD(Parm, kRequestFlags, 28, 2);
    CHECK_FIELD(Parm, kSquelch, 30, 1);
    CHECK_FIELD(Parm, kVolume, 31, 1);
    CHECK_FIELD(Parm, kModelWords, 32, 3);
    CHECK_FIELD(Parm, kNotch, 56, 2);
    CHECK_FIELD(Parm, kBandwidth, 58, 4);
    CHECK_FIELD(Parm, kMemoryChannel, 68, 2);
    CHECK_FIELD(Parm, kVoiceInversion, 70, 2);
    CHECK_FIELD(Parm, kControlWord72, 72, 2);
    CHECK_FIELD(Parm, kNoiseReducer, 74, 2);
    CHECK_FIELD(Parm, kControlWord76, 76, 2);
    CHECK_FIELD(Parm, kAgcAttack, 78, 2);
    CHECK_FIELD(Parm, kAgcHang, 80, 2);
    CHECK_FIELD(Parm, kAgcDecay, 82, 2);
    CHECK_FIELD(Parm, kBfo, 84, 2);
    CHECK_FIELD(Parm, kIfShift, 86, 2);
    CHECK_FIELD(Parm, kSweepKind, 88, 1);
    CHECK_FIELD(Parm, kMode, 89, 1);
    CHECK_FIELD(Parm, kControlByte90, 90, 1);
    CHECK_FIELD(Parm, kFilter, 91, 1);
    CHECK_FIELD(Parm, kSwitch92, 92, 1);
    CHECK_FIELD(Parm, kGain, 93, 1);
    CHECK_FIELD(Parm, kSwitch94, 94, 1);
    CHECK_FIELD(Parm, kSwitch95, 95, 1);
    CHECK_FIELD(Parm, kSwitch96, 96, 1);
    CHECK_FIELD(Parm, kVoiceInversionOn, 97, 1);
    CHECK_FIELD(Parm, kModelBytes, 98, 8);
    CHECK_FIELD(Parm, kChangeByte, 108, 1);
    CHECK_FIELD(Parm, kControlByte109, 109, 1);
    CHECK_FIELD(Parm, kControlByte110, 110, 1);
    CHECK_FIELD(Parm, kLockOut, 111, 1);
    CHECK_FIELD(Parm, kPriority, 112, 1);
    CHECK_FIELD(Parm, kName, 113, 16, TextPad::Blank);

    CHECK_FIELD(Parm, Channel::kLowerLimit, 12, 4);
    CHECK_FIELD(Parm, Channel::kUpperLimit, 16, 4);
    CHECK_FIELD(Parm, Channel::kFlags, 24, 2);
    CHECK_FIELD(Parm, Channel::kTrunkWord, 28, 2);
    CHECK_FIELD(Parm, Channel::kTone, 32, 4);
    CHECK_FIELD(Parm, Channel::kToneOption, 36, 1);
    CHECK_FIELD(Parm, Channel::kSquelchKind, 42, 1);
    CHECK_FIELD(Parm, Channel::kTrunkKind, 42, 1);
    CHECK_FIELD(Parm, Channel::kDelay, 66, 2);
    CHECK_FIELD(Parm, Channel::kMemoryNumber, 68, 2);
    CHECK_FIELD(Parm, Channel::kAttenuator, 96, 1);
    CHECK_FIELD(Parm, Channel::kMarker, 110, 1);
    CHECK_FIELD(Parm, Channel::kLockOut, 111, 1);

    CHECK_FIELD(Parm, Sweep::kCurrentFrequency, 0, 4);
    CHECK_FIELD(Parm, Sweep::kResumeFrequency, 8, 4);
    CHECK_FIELD(Parm, Sweep::kSwitchBits, 24, 2);
    CHECK_FIELD(Parm, Sweep::kFlags, 28, 2);
    CHECK_FIELD(Parm, Sweep::kSwitchByte, 29, 1);
    CHECK_FIELD(Parm, Sweep::kResolutionBandwidth, 58, 4);
    CHECK_FIELD(Parm, Sweep::kValue62, 62, 2);
    CHECK_FIELD(Parm, Sweep::kValue64, 64, 2);
    CHECK_FIELD(Parm, Sweep::kValue66, 66, 2);
    CHECK_FIELD(Parm, Sweep::kAttenuator, 92, 1);
    CHECK_FIELD(Parm, Sweep::kSetup108, 108, 1);
    CHECK_FIELD(Parm, Sweep::kSetup109, 109, 1);
    CHECK_FIELD(Parm, Sweep::kSetup111, 111, 1);
}

TEST(RecordLayout, EngineCommandRecord) {
    CHECK_FIELD(EngineCommandRecord, kCode, 0, 1);
    CHECK_FIELD(EngineCommandRecord, kSubCode, 1, 1);
    CHECK_FIELD(EngineCommandRecord, kSignedSubCode, 1, 1);
    CHECK_FIELD(EngineCommandRecord, kFirst, 2, 4);
    CHECK_FIELD(EngineCommandRecord, kSecond, 6, 4);
    CHECK_FIELD(EngineCommandRecord, kSecondLow, 6, 2);
    CHECK_FIELD(EngineCommandRecord, kSecondHigh, 8, 2);
    CHECK_FIELD(EngineCommandRecord, kShort, 10, 2);
}

TEST(RecordLayout, EngineStatus) {
    CHECK_FIELD(EngineStatus, kReceiverId, 0, 4);
    CHECK_FIELD(EngineStatus, kReaderId, 4, 4);
    CHECK_FIELD(EngineStatus, kProgramId, 136, 4);
    CHECK_FIELD(EngineStatus, kStartTime, 152, 8);
    CHECK_FIELD(EngineStatus, kStartTimeLow, 152, 4);
    CHECK_FIELD(EngineStatus, kStartTimeHigh, 156, 4);
    CHECK_FIELD(EngineStatus, kTime, 160, 8);
    CHECK_FIELD(EngineStatus, kTimeStamp, 168, 4);
    CHECK_FIELD(EngineStatus, kActivityTimer, 184, 4);
    CHECK_FIELD(EngineStatus, kAirTime, 192, 4);
    CHECK_FIELD(EngineStatus, kRateTime, 212, 4);
    CHECK_FIELD(EngineStatus, kRateCount, 216, 4);
    CHECK_FIELD(EngineStatus, kHitValue, 276, 2);
    CHECK_FIELD(EngineStatus, kDeviceHandle, 278, 2);
    CHECK_FIELD(EngineStatus, kToneDeviceHandle, 280, 2);
    CHECK_FIELD(EngineStatus, kEngineHandle, 284, 2);
    CHECK_FIELD(EngineStatus, kCounter, 286, 2);
    CHECK_FIELD(EngineStatus, kCurrentId, 294);
    CHECK_FIELD(EngineStatus, kAverageSignal, 306, 1);
    CHECK_FIELD(EngineStatus, kRadioHold, 308, 1);
    CHECK_FIELD(EngineStatus, kReaderHold, 309, 1);
    CHECK_FIELD(EngineStatus, kEngineMode, 311, 1);
    CHECK_FIELD(EngineStatus, kState, 312, 1);
    CHECK_FIELD(EngineStatus, kHold, 313, 1);
    CHECK_FIELD(EngineStatus, kMeasureStop, 314, 1);
    CHECK_FIELD(EngineStatus, kIdHold, 321, 1);
    CHECK_FIELD(EngineStatus, kHoldByte, 324, 1);
    CHECK_FIELD(EngineStatus, kHitFlags, 325, 4);
    CHECK_FIELD(EngineStatus, kHitNumber1, 329, 4);
    CHECK_FIELD(EngineStatus, kHitNumber2, 333, 4);
    CHECK_FIELD(EngineStatus, kHitByte1, 337, 1);
    CHECK_FIELD(EngineStatus, kHitByte2, 338, 1);
    CHECK_FIELD(EngineStatus, kCurrentParm, 341);
    CHECK_FIELD(EngineStatus, kCurrentFrequency, 341, 4);
    CHECK_FIELD(EngineStatus, kCurrentObject, 361, 4);
    CHECK_FIELD(EngineStatus, kCurrentSystem, 383, 1);
    CHECK_FIELD(EngineStatus, kCounter2, 407, 2);
    CHECK_FIELD(EngineStatus, kCurrentMode, 430, 1);
    CHECK_FIELD(EngineStatus, kCurrentAttenuator, 437, 1);
    CHECK_FIELD(EngineStatus, kCurrentName, 454, 16, TextPad::Blank);
    CHECK_FIELD(EngineStatus, kRadioText, 486, 16, TextPad::Nul);
    CHECK_FIELD(EngineStatus, kParmQueue, 575, 100);
}

TEST(RecordLayout, DeviceStatus) {
    CHECK_FIELD(DeviceStatus, kDeviceFlags, 32, 4);
    CHECK_FIELD(DeviceStatus, kLinkControl1, 36, 4);
    CHECK_FIELD(DeviceStatus, kLinkControl2, 40, 4);
    CHECK_FIELD(DeviceStatus, kThreadHandle, 56, 4);
    CHECK_FIELD(DeviceStatus, kPortHandle, 84, 4);
    CHECK_FIELD(DeviceStatus, kDelay, 108, 4);
    CHECK_FIELD(DeviceStatus, kTrunkFlags, 112, 4);
    CHECK_FIELD(DeviceStatus, kBaudRate, 142, 2);
    CHECK_FIELD(DeviceStatus, kEchoCounted, 156, 1);
    CHECK_FIELD(DeviceStatus, kBusy, 158, 1);
    CHECK_FIELD(DeviceStatus, kModeChar, 185, 1);
    CHECK_FIELD(DeviceStatus, kReplyPresent, 191, 1);
    CHECK_FIELD(DeviceStatus, kSquelchOpen, 197, 1);
    CHECK_FIELD(DeviceStatus, kSignalLevel, 198, 1);
    CHECK_FIELD(DeviceStatus, kTrunkState, 208, 1);
    CHECK_FIELD(DeviceStatus, kTrunkModel, 215, 1);
    CHECK_FIELD(DeviceStatus, kTrunkTypeCode, 221, 1);
    CHECK_FIELD(DeviceStatus, kModelVariant, 227, 1);
    CHECK_FIELD(DeviceStatus, kLtChar, 229, 1);
    CHECK_FIELD(DeviceStatus, kAlert, 243, 1);
    CHECK_FIELD(DeviceStatus, kMute, 244, 1);
    CHECK_FIELD(DeviceStatus, kPatrolBits, 245, 1);
    CHECK_FIELD(DeviceStatus, kAlertTone, 246, 1);
    CHECK_FIELD(DeviceStatus, kReply, 331, 512, TextPad::Terminated);
    CHECK_FIELD(DeviceStatus, kTransmit, 843, 512, TextPad::Terminated);
    CHECK_FIELD(DeviceStatus, kCurrentId, 1407);
    CHECK_FIELD(DeviceStatus, kCurrentParm, 1423);
    CHECK_FIELD(DeviceStatus, kCurrentFrequency, 1423, 4);
    CHECK_FIELD(DeviceStatus, kCurrentObject, 1443, 4);
    CHECK_FIELD(DeviceStatus, kCurrentModelWords, 1455, 3);
    CHECK_FIELD(DeviceStatus, kCurrentSystem, 1465, 1);
    CHECK_FIELD(DeviceStatus, kCurrentLockupTime, 1487, 2);
    CHECK_FIELD(DeviceStatus, kCurrentDelay, 1489, 2);
    CHECK_FIELD(DeviceStatus, kCurrentChannel, 1491, 2);
    CHECK_FIELD(DeviceStatus, kCurrentVoiceInversion, 1493, 2);
    CHECK_FIELD(DeviceStatus, kCurrentAttenuator, 1519, 1);
    CHECK_FIELD(DeviceStatus, kCurrentLockOut, 1534, 1);
    CHECK_FIELD(DeviceStatus, kCurrentName, 1536, 16, TextPad::Blank);
    CHECK_FIELD(DeviceStatus, kActivityCounterRx, 2684, 4);
    CHECK_FIELD(DeviceStatus, kActivityCounterTx, 2688, 4);
    CHECK_FIELD(DeviceStatus, kInterruptCount, 2692, 4);
    CHECK_FIELD(DeviceStatus, kSerialFlags, 2702, 1);
    CHECK_FIELD(DeviceStatus, kDisplayLines, 2720, 32, 4, TextPad::Nul);
    CHECK_FIELD(DeviceStatus, kPortName, 2976, 8, TextPad::Nul);
    CHECK_FIELD(DeviceStatus, kIdBankWords, 3247, 20);
    CHECK_FIELD(DeviceStatus, kRadioText, 3287, 16, TextPad::Nul);
    CHECK_FIELD(DeviceStatus, kTextLines, 4095, 16, 3, TextPad::Nul);
    CHECK_FIELD(DeviceStatus, kSiteChar1, 4143, 1);
    CHECK_FIELD(DeviceStatus, kSiteChar2, 4144, 1);
    CHECK_FIELD(DeviceStatus, kBankIndex, 4145, 1);
    CHECK_FIELD(DeviceStatus, kScanStateCode, 4146, 1);
    CHECK_FIELD(DeviceStatus, kLocalControl, 4147, 1);
}

TEST(RecordLayout, HistoryDtmfAndUserId) {
    CHECK_FIELD(HistoryRecord, kFrequency, 0, 4);
    CHECK_FIELD(HistoryRecord, kObjectHandle, 4, 4);
    CHECK_FIELD(HistoryRecord, kTime, 8, 4);
    CHECK_FIELD(HistoryRecord, kAirTime, 12, 4);
    CHECK_FIELD(HistoryRecord, kHitNumber1, 16, 4);
    CHECK_FIELD(HistoryRecord, kHitNumber2, 20, 4);
    CHECK_FIELD(HistoryRecord, kFlags, 24, 4);
    CHECK_FIELD(HistoryRecord, kLongTime, 36, 8);
    CHECK_FIELD(HistoryRecord, kUserId, 44);
    CHECK_FIELD(HistoryRecord, kIdKind, 54, 1);
    CHECK_FIELD(HistoryRecord, kHitByte1, 56, 1);
    CHECK_FIELD(HistoryRecord, kHitByte2, 57, 1);
    CHECK_FIELD(HistoryRecord, kName1, 58, 16, TextPad::Blank);
    CHECK_FIELD(HistoryRecord, kName2, 74, 16, TextPad::Blank);
    CHECK_FIELD(HistoryRecord, kName3, 90, 16, TextPad::Blank);

    CHECK_FIELD(DtmfRecord, kText, 16, 16, TextPad::Nul);

    CHECK_FIELD(UserId, kValue, 0, 4);
    CHECK_FIELD(UserId, kFlags, 4, 2);
    CHECK_FIELD(UserId, kBlock, 6, 1);
    CHECK_FIELD(UserId, kFleet, 7, 1);
    CHECK_FIELD(UserId, kSubfleet, 8, 1);
    CHECK_FIELD(UserId, kSizeCode, 9, 1);
    CHECK_FIELD(UserId, kKind, 10, 1);
    CHECK_FIELD(UserId, kExtra, 11, 1);
}

TEST(RecordLayout, Dal) {
    CHECK_FIELD(Dal, kKind, 0, 4);
    CHECK_FIELD(Dal, kFrequency, 4, 4);
    CHECK_FIELD(Dal, kTime, 8, 4);
    CHECK_FIELD(Dal, kSegmentStartLow, 12, 4);
    CHECK_FIELD(Dal, kUserId, 16);
    CHECK_FIELD(Dal, kBlock, 22, 1);
    CHECK_FIELD(Dal, kFleet, 23, 1);
    CHECK_FIELD(Dal, kSubfleet, 24, 1);
    CHECK_FIELD(Dal, kSizeCode, 25, 1);
    CHECK_FIELD(Dal, kIdKind, 26, 1);
    CHECK_FIELD(Dal, kLoggerValue, 28, 2);
    CHECK_FIELD(Dal, kLevel, 31, 1);
    CHECK_FIELD(Dal, kZero, 32, 1);
    CHECK_FIELD(Dal, kRadioName, 33, 20, TextPad::Terminated);
    CHECK_FIELD(Dal, kName1, 53, 50, TextPad::Terminated);
    CHECK_FIELD(Dal, kName2, 103, 50, TextPad::Terminated);
    CHECK_FIELD(Dal, kName3, 153, 50, TextPad::Terminated);
    CHECK_FIELD(Dal, kState, 203, 1);
    CHECK_FIELD(Dal, kVoiceInversion, 208, 2);
    CHECK_FIELD(Dal, kFlags, 214, 1);
    CHECK_FIELD(Dal, kSegmentStartHigh, 215, 4);
}

TEST(RecordLayout, RecordingFile) {
    EXPECT_EQ(SwqFileHeader::kSize, 32u);
    EXPECT_EQ(SwqWaveFormat::kSize, 18u);
    EXPECT_EQ(Wlseg::kSize, 249u);
    CHECK_FIELD(SwqFileHeader, kMagic, 0, 4);
    CHECK_FIELD(SwqFileHeader, kVersion, 4, 4);
    CHECK_FIELD(SwqFileHeader, kAreaLength, 12, 4);
    CHECK_FIELD(SwqWaveFormat, kFormatTag, 0, 2);
    CHECK_FIELD(SwqWaveFormat, kChannels, 2, 2);
    CHECK_FIELD(SwqWaveFormat, kSamplesPerSecond, 4, 4);
    CHECK_FIELD(SwqWaveFormat, kAverageBytesPerSecond, 8, 4);
    CHECK_FIELD(SwqWaveFormat, kBlockAlign, 12, 2);
    CHECK_FIELD(SwqWaveFormat, kBitsPerSample, 14, 2);
    CHECK_FIELD(SwqWaveFormat, kExtraSize, 16, 2);
    CHECK_FIELD(Wlseg, kOwnOffset, 0, 4);
    CHECK_FIELD(Wlseg, kPayloadLength, 8, 4);
    CHECK_FIELD(Wlseg, kMark, 22, 4);
    CHECK_FIELD(Wlseg, kSegmentNumber, 26, 4);
    CHECK_FIELD(Wlseg, kDal, 30);
}

TEST(RecordLayout, TheRecordingFileHeaderKnowsItsOwnFormatAndWhereTheRecordsBegin) {
    SwqFileHeader header;
    EXPECT_FALSE(header.isValid());
    header.set(SwqFileHeader::kMagic, 0x00082B39);
    header.set(SwqFileHeader::kVersion, 2);
    EXPECT_FALSE(header.isValid());
    header.set(SwqFileHeader::kVersion, 1);
    EXPECT_TRUE(header.isValid());
    header.set(SwqFileHeader::kAreaLength, 0xFFFFFFFF);
    EXPECT_EQ(header.firstRecord(), 32u + 0xFFFFFFFFull) << "no wrap at 32 bits";

    // The segment's channel record sits whole inside the header: its subject at 30 + 53.
    Wlseg segment;
    Dal record;
    record.setText(Dal::kName1, "Fire Dispatch");
    segment.set(Wlseg::kDal, record);
    EXPECT_EQ(segment.bytes()[83], 'F');
    EXPECT_EQ(segment.get(Wlseg::kDal).text(Dal::kName1), "Fire Dispatch");
}

TEST(RecordLayout, BandSweepAndProgram) {
    CHECK_FIELD(Band, kBase, 0, 4);
    CHECK_FIELD(Band, kStep, 4, 4);
    CHECK_FIELD(Band, kNameId, 8, 4);
    CHECK_FIELD(Band, kFirstMode, 12, 1);
    CHECK_FIELD(Band, kSecondMode, 13, 1);
    CHECK_FIELD(Band, kSpare, 14, 1);

    CHECK_FIELD(SpanPoint, kTime, 0, 8);
    CHECK_FIELD(SpanPoint, kFrequency, 8, 4);
    CHECK_FIELD(SpanPoint, kRawLevel, 12, 4);
    CHECK_FIELD(SpanPoint, kLevelKind, 16, 2);
    CHECK_FIELD(SpanPoint, kLevelCopy1, 18, 1);
    CHECK_FIELD(SpanPoint, kLevelCopy2, 19, 1);
    CHECK_FIELD(SpanPoint, kFlags, 20, 1);

    CHECK_FIELD(SpanBlockHeader, kFirstStepTime, 0, 8);
    CHECK_FIELD(SpanBlockHeader, kDuration, 8, 8);
    CHECK_FIELD(SpanBlockHeader, kStart, 20, 4);
    CHECK_FIELD(SpanBlockHeader, kStep, 28, 4);
    CHECK_FIELD(SpanBlockHeader, kCount, 32, 4);
    CHECK_FIELD(SpanBlockHeader, kBufferSize, 36, 4);
    CHECK_FIELD(SpanBlockHeader, kLevelAddressSlot, 60, 4);

    CHECK_FIELD(ProgHeader, kBlockSize, 0, 4);
    CHECK_FIELD(ProgHeader, kMagic, 4, 4);
    CHECK_FIELD(ProgHeader, kCompileMode, 8, 1);
    CHECK_FIELD(ProgHeader, kEntryCount, 0x18, 2);
    CHECK_FIELD(ProgHeader, kStartStamp, 0x1D, 1);
    CHECK_FIELD(ProgEntry, kKind, 0, 4);
    EXPECT_EQ(ProgEntry::kSize, 133u);
    EXPECT_EQ(ProgEntryOffset(2), 32u + 2 * 133u);
}
