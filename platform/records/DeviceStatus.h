#pragma once
// The device status record. Its content ends at byte 4147; the engine writes kSize bytes and every
// buffer holds kSize bytes, so no reader's buffer is ever too short. Readers name some fields
// differently; the other names are given beside each field.

#include "platform/records/ByteRecord.h"
#include "platform/records/Parm.h"
#include "platform/records/TextWidths.h"
#include "platform/records/UserId.h"

#include <cstdint>

namespace hb::records {

class DeviceStatus : public ByteRecord<DeviceStatus, 4150> {
public:
    static constexpr Field<std::uint32_t, 32> kDeviceFlags{};
    static constexpr Field<std::uint32_t, 36> kLinkControl1{};
    static constexpr Field<std::uint32_t, 40> kLinkControl2{};
    static constexpr Field<std::uint32_t, 56> kThreadHandle{};
    static constexpr Field<std::uint32_t, 84> kPortHandle{};
    // Milliseconds; also "round trip", and the delay of the radio view's timer 3.
    static constexpr Field<std::uint32_t, 108> kDelay{};
    static constexpr Field<std::uint32_t, 112> kTrunkFlags{};
    static constexpr Field<std::uint16_t, 142> kBaudRate{};
    // Non-zero: the RX count includes the TX count.
    static constexpr Field<std::uint8_t, 156> kEchoCounted{};
    // Non-zero while the device works on the last request; also "device cmd state".
    static constexpr Field<std::uint8_t, 0x9E> kBusy{};
    // Also "model byte": '&' and 'i' keep the ID while the squelch is closed.
    static constexpr Field<std::uint8_t, 185> kModeChar{};
    static constexpr Field<std::uint8_t, 191> kReplyPresent{};
    static constexpr Field<std::uint8_t, 197> kSquelchOpen{};
    static constexpr Field<std::uint8_t, 198> kSignalLevel{}; // also "RSSI", raw level
    static constexpr Field<std::uint8_t, 208> kTrunkState{};
    static constexpr Field<std::uint8_t, 215> kTrunkModel{}; // 4 to 7
    static constexpr Field<std::uint8_t, 221> kTrunkTypeCode{};
    static constexpr Field<std::uint8_t, 227> kModelVariant{};
    static constexpr Field<std::uint8_t, 229> kLtChar{};
    static constexpr Field<std::uint8_t, 243> kAlert{};
    static constexpr Field<std::uint8_t, 244> kMute{};
    static constexpr Field<std::uint8_t, 245> kPatrolBits{};
    static constexpr Field<std::uint8_t, 246> kAlertTone{};
    static constexpr TextField<331, kReplyTextWidth, TextPad::Terminated> kReply{};    // RX
    static constexpr TextField<843, kReplyTextWidth, TextPad::Terminated> kTransmit{}; // TX
    static constexpr RecordField<UserId, 1407> kCurrentId{};

    // The device's current channel, and the fields of it that readers take directly.
    static constexpr RecordField<Parm, 0x58F> kCurrentParm{};
    static constexpr auto kCurrentFrequency = Within(kCurrentParm, Parm::kFrequency);
    static constexpr auto kCurrentObject = Within(kCurrentParm, Parm::kObjectHandle);
    // The tone and model words; some readers call them an ID, but the ID is kCurrentId.
    static constexpr auto kCurrentModelWords = Within(kCurrentParm, Parm::kModelWords);
    static constexpr auto kCurrentSystem = Within(kCurrentParm, Parm::Channel::kSquelchKind);
    static constexpr auto kCurrentLockupTime = Within(kCurrentParm, Parm::Sweep::kValue64);
    static constexpr auto kCurrentDelay = Within(kCurrentParm, Parm::Channel::kDelay);
    static constexpr auto kCurrentChannel = Within(kCurrentParm, Parm::kMemoryChannel);
    static constexpr auto kCurrentVoiceInversion = Within(kCurrentParm, Parm::kVoiceInversion);
    static constexpr auto kCurrentAttenuator = Within(kCurrentParm, Parm::Channel::kAttenuator);
    static constexpr auto kCurrentLockOut = Within(kCurrentParm, Parm::kLockOut);
    static constexpr auto kCurrentName = Within(kCurrentParm, Parm::kName);

    // Also "RX byte count" and the counter of the second activity lamp.
    static constexpr Field<std::uint32_t, 2684> kActivityCounterRx{};
    // Also "TX byte count" and the counter of the first activity lamp.
    static constexpr Field<std::uint32_t, 2688> kActivityCounterTx{};
    static constexpr Field<std::uint32_t, 2692> kInterruptCount{};
    static constexpr Field<std::uint8_t, 2702> kSerialFlags{};
    static constexpr TextArrayField<2720, kDisplayLineWidth, 4, TextPad::Nul> kDisplayLines{};
    static constexpr TextField<2976, kPortNameWidth, TextPad::Nul> kPortName{};
    static constexpr ArrayField<std::uint16_t, 3247, 20> kIdBankWords{};
    static constexpr TextField<3287, kEngineTextWidth, TextPad::Nul> kRadioText{};
    // System, group and channel lines of a trunk radio.
    static constexpr TextArrayField<4095, kDeviceTextLineWidth, 3, TextPad::Nul> kTextLines{};
    static constexpr Field<std::uint8_t, 4143> kSiteChar1{};
    static constexpr Field<std::uint8_t, 4144> kSiteChar2{};
    static constexpr Field<std::uint8_t, 4145> kBankIndex{}; // 0 = bank 1
    static constexpr Field<std::uint8_t, 4146> kScanStateCode{};
    // Non-zero while the radio is operated from its own front panel.
    static constexpr Field<std::uint8_t, 4147> kLocalControl{};

    // Bit 3 of byte 36: a lock-out the radio refuses counts as done.
    static constexpr std::uint32_t kLinkRefusedLockOutDone = 0x08;

    // kTrunkFlags: bits 0-19 enable banks 1-20.
    static constexpr std::uint32_t kTrunkBankMask = 0x000FFFFF;
    static constexpr std::uint32_t kTrunkKeyOn = 1u << 23;
    static constexpr std::uint32_t kTrunkPriority = 1u << 25;
    static constexpr std::uint32_t kTrunkDigital = 1u << 28;
    static constexpr std::uint32_t kTrunkTrunking = 1u << 29;
    static constexpr std::uint32_t kTrunkNotSearching = 1u << 30;
    static constexpr std::uint32_t kTrunkIdHold = 1u << 31;

    static constexpr std::uint16_t kNoChannel = 0xFFF9; // kCurrentChannel with no channel
    static constexpr std::size_t kHighlightColumn = 16; // '*' here marks a highlighted line
};
static_assert(sizeof(DeviceStatus) == DeviceStatus::kSize);

inline constexpr std::size_t kDeviceStatusSize = DeviceStatus::kSize;

} // namespace hb::records

using DeviceStatusBlock = hb::records::DeviceStatus;
