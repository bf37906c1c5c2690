#pragma once
// The 129-byte channel parameter record. It is the VFO record of the radio views, the rig's cached
// channel, a channel or search range's setting, a sweep setting, and a REG_BINARY value of exactly
// 129 bytes. The main names are those of the VFO and engine use; Channel and Sweep name the same
// bytes as those uses read them.

#include "platform/records/ByteRecord.h"
#include "platform/records/TextWidths.h"

#include <cstdint>

namespace hb::records {

class Parm : public ByteRecord<Parm, 129> {
public:
    static constexpr Field<std::uint32_t, 0> kFrequency{};
    static constexpr Field<std::uint32_t, 4> kStep{};
    // A sweep's current frequency; the frequency the band selection dialog chose.
    static constexpr Field<std::uint32_t, 8> kChosenFrequency{};
    static constexpr Field<std::uint32_t, 12> kStart{};
    static constexpr Field<std::uint32_t, 16> kEnd{};
    // 32-bit handle of the channel or search range; 0 for a free VFO.
    static constexpr Field<std::uint32_t, 20> kObjectHandle{};
    static constexpr Field<std::uint16_t, 24> kOptionFlags{};
    static constexpr Field<std::uint8_t, 26> kVscLevel{};
    static constexpr Field<std::uint16_t, 28> kRequestFlags{};
    static constexpr Field<std::uint8_t, 30> kSquelch{};
    static constexpr Field<std::uint8_t, 31> kVolume{};
    static constexpr ArrayField<std::uint32_t, 32, 3> kModelWords{};
    static constexpr Field<std::int16_t, 56> kNotch{};
    static constexpr Field<std::uint32_t, 58> kBandwidth{};
    static constexpr Field<std::uint16_t, 68> kMemoryChannel{};
    static constexpr Field<std::uint16_t, 70> kVoiceInversion{};
    static constexpr Field<std::uint16_t, 72> kControlWord72{};
    static constexpr Field<std::uint16_t, 74> kNoiseReducer{};
    static constexpr Field<std::uint16_t, 76> kControlWord76{};
    static constexpr Field<std::uint16_t, 78> kAgcAttack{};
    static constexpr Field<std::uint16_t, 80> kAgcHang{};
    static constexpr Field<std::uint16_t, 82> kAgcDecay{};
    static constexpr Field<std::int16_t, 84> kBfo{};
    // Some per-model views call it a BFO value.
    static constexpr Field<std::int16_t, 86> kIfShift{};
    static constexpr Field<std::uint8_t, 88> kSweepKind{};
    static constexpr Field<std::uint8_t, 89> kMode{};
    static constexpr Field<std::uint8_t, 90> kControlByte90{};
    static constexpr Field<std::uint8_t, 91> kFilter{};
    static constexpr Field<std::uint8_t, 92> kSwitch92{};
    static constexpr Field<std::uint8_t, 93> kGain{};
    static constexpr Field<std::uint8_t, 94> kSwitch94{};
    static constexpr Field<std::uint8_t, 95> kSwitch95{};
    static constexpr Field<std::uint8_t, 96> kSwitch96{};
    static constexpr Field<std::uint8_t, 97> kVoiceInversionOn{};
    static constexpr ArrayField<std::uint8_t, 98, 8> kModelBytes{};
    // Cleared when the record is recalled from a memory channel or sent to the radio.
    static constexpr Field<std::uint8_t, 108> kChangeByte{};
    static constexpr Field<std::uint8_t, 109> kControlByte109{};
    static constexpr Field<std::uint8_t, 110> kControlByte110{};
    // Lock-out; not part of the record comparison.
    static constexpr Field<std::uint8_t, 111> kLockOut{};
    static constexpr Field<std::uint8_t, 112> kPriority{};
    static constexpr TextField<113, kParmNameWidth, TextPad::Blank> kName{};

    static constexpr std::uint16_t kOptionCompareMask = 0x0C42;
    static constexpr std::uint16_t kOptionDsp = 0x0040;

    // Request bits are tested and set as bits: other bits of the word stay as they are.
    static constexpr std::uint16_t kRequestVsc = 0x0001;
    static constexpr std::uint16_t kRequestStepStamps = 0x0008; // sweeps: per-step time stamps
    static constexpr std::uint16_t kRequestSquelch = 0x0100;
    static constexpr std::uint16_t kRequestVolume = 0x0A00;

    // The names a channel or search range gives these bytes.
    struct Channel {
        static constexpr auto kLowerLimit = kStart;
        static constexpr auto kUpperLimit = kEnd;
        static constexpr auto kFlags = kOptionFlags;
        static constexpr auto kTrunkWord = kRequestFlags;
        static constexpr Field<std::uint32_t, 32> kTone{}; // only the low 15 bits count
        static constexpr Field<std::uint8_t, 36> kToneOption{};
        // Holds the trunk kind instead on a trunk frequency.
        static constexpr Field<std::uint8_t, 42> kSquelchKind{};
        static constexpr auto kTrunkKind = kSquelchKind;
        // Milliseconds; negative values are special settings.
        static constexpr Field<std::int16_t, 66> kDelay{};
        static constexpr auto kMemoryNumber = kMemoryChannel; // the range number of a search range
        static constexpr auto kAttenuator = kSwitch96;
        static constexpr auto kMarker = kControlByte110; // 0xFF after a full read from the radio
        static constexpr auto kLockOut = Parm::kLockOut;

        static constexpr std::uint16_t kFlagBankAssign = 0x0004; // "BA"
        static constexpr std::uint16_t kTrunkFrequency = 0x0080; // in the trunk word's low byte
        static constexpr std::uint32_t kToneMask = 0x7FFF;
        static constexpr std::uint8_t kToneOptionSuffixL = 0x08;
        static constexpr std::uint8_t kSquelchKindDcs = 5;
        static constexpr std::uint8_t kMarkerFullRead = 0xFF;
    };

    // The names a sweep setting gives these bytes.
    struct Sweep {
        static constexpr auto kCurrentFrequency = kFrequency;
        static constexpr auto kResumeFrequency = kChosenFrequency;
        static constexpr auto kSwitchBits = kOptionFlags;
        static constexpr auto kFlags = kRequestFlags;
        // The high byte of kFlags: setting its low four bits sets 0x0F00 in the word.
        static constexpr Field<std::uint8_t, 29> kSwitchByte{};
        static constexpr auto kResolutionBandwidth = kBandwidth;
        static constexpr Field<std::uint16_t, 62> kValue62{};
        static constexpr Field<std::uint16_t, 64> kValue64{};
        static constexpr auto kValue66 = Channel::kDelay;
        static constexpr auto kAttenuator = kSwitch92;
        static constexpr auto kSetup108 = kChangeByte;
        static constexpr auto kSetup109 = kControlByte109;
        static constexpr auto kSetup111 = Parm::kLockOut;

        static constexpr std::uint16_t kSwitchAlertHold = 0x0080;
        static constexpr std::uint16_t kSwitchRecord = 0x0100;
        static constexpr std::uint16_t kSwitchAlertLog = 0x0200;
        static constexpr std::uint16_t kFlagFastMode = kRequestStepStamps;
    };

    std::uint32_t tone() const { return get(Channel::kTone) & Channel::kToneMask; }
};
static_assert(sizeof(Parm) == Parm::kSize);

} // namespace hb::records

using parm = hb::records::Parm;
