#pragma once
// The engine status record. The engine writes exactly kSize bytes and every buffer holds kSize
// bytes. Readers name some fields differently; the other names are given beside each field.

#include "platform/records/ByteRecord.h"
#include "platform/records/Parm.h"
#include "platform/records/TextWidths.h"
#include "platform/records/UserId.h"

#include <cstdint>

namespace hb::records {

class EngineStatus : public ByteRecord<EngineStatus, 13644> {
public:
    // 32-bit ids of the engine's receiver and tone reader (diagnostics only).
    static constexpr Field<std::uint32_t, 0> kReceiverId{};
    static constexpr Field<std::uint32_t, 4> kReaderId{};
    // Id of the engine's own copy of the scan program.
    static constexpr Field<std::uint32_t, 0x88> kProgramId{};
    static constexpr Field<std::uint64_t, 152> kStartTime{};
    static constexpr Field<std::uint32_t, 152> kStartTimeLow{};
    static constexpr Field<std::uint32_t, 156> kStartTimeHigh{};
    static constexpr Field<std::uint64_t, 160> kTime{};
    static constexpr Field<std::uint32_t, 168> kTimeStamp{};     // also "ACQ time"
    static constexpr Field<std::uint32_t, 184> kActivityTimer{}; // scan_timer_read milliseconds
    static constexpr Field<std::uint32_t, 192> kAirTime{};
    // Channels per second = 1000 / (kRateTime / kRateCount).
    static constexpr Field<std::uint32_t, 212> kRateTime{};
    static constexpr Field<std::uint32_t, 216> kRateCount{};
    // The hit's value that lock-out requests pass back; also "slice index".
    static constexpr Field<std::uint16_t, 0x114> kHitValue{};
    static constexpr Field<std::uint16_t, 0x116> kDeviceHandle{};
    static constexpr Field<std::uint16_t, 0x118> kToneDeviceHandle{};
    static constexpr Field<std::uint16_t, 284> kEngineHandle{};
    static constexpr Field<std::uint16_t, 286> kCounter{}; // also "tick count"
    // The ID of the current call or hit.
    static constexpr RecordField<UserId, 0x126> kCurrentId{};
    static constexpr Field<std::uint8_t, 306> kAverageSignal{};
    static constexpr Field<std::uint8_t, 308> kRadioHold{};
    static constexpr Field<std::uint8_t, 309> kReaderHold{};
    static constexpr Field<std::uint8_t, 311> kEngineMode{}; // see EngineStates.h
    static constexpr Field<std::uint8_t, 0x138> kState{};    // also "scan state"
    static constexpr Field<std::uint8_t, 313> kHold{};       // the engine holds the channel
    static constexpr Field<std::uint8_t, 314> kMeasureStop{};
    // One byte with several names: "ID present", "ID hold", the engine setting flag.
    static constexpr Field<std::uint8_t, 0x141> kIdHold{};
    static constexpr Field<std::uint8_t, 324> kHoldByte{};
    static constexpr Field<std::uint32_t, 325> kHitFlags{};
    // Hit numbers; also "signal obs"/"level scale" and "signal sum"/"level value".
    static constexpr Field<std::uint32_t, 329> kHitNumber1{};
    static constexpr Field<std::uint32_t, 333> kHitNumber2{};
    // Hit bytes; also "signal min" and "signal max".
    static constexpr Field<std::uint8_t, 337> kHitByte1{};
    static constexpr Field<std::uint8_t, 338> kHitByte2{};

    // The current channel, and the fields of it that readers take directly.
    static constexpr RecordField<Parm, 0x155> kCurrentParm{};
    static constexpr auto kCurrentFrequency = Within(kCurrentParm, Parm::kFrequency);
    static constexpr auto kCurrentObject = Within(kCurrentParm, Parm::kObjectHandle);
    static constexpr auto kCurrentSystem = Within(kCurrentParm, Parm::Channel::kSquelchKind);
    static constexpr auto kCurrentMode = Within(kCurrentParm, Parm::kMode);
    static constexpr auto kCurrentAttenuator = Within(kCurrentParm, Parm::kSwitch96);
    static constexpr auto kCurrentName = Within(kCurrentParm, Parm::kName);
    // The second counter; it lies in the current channel's bytes 66-67.
    static constexpr Field<std::uint16_t, 407> kCounter2{};

    static constexpr TextField<486, kEngineTextWidth, TextPad::Nul> kRadioText{};
    // The multi-radio queue; an entry whose frequency is 0 is empty.
    static constexpr RecordArrayField<Parm, 575, 100> kParmQueue{};
};
static_assert(sizeof(EngineStatus) == EngineStatus::kSize);

inline constexpr std::size_t kEngineStatusSize = EngineStatus::kSize;

} // namespace hb::records
