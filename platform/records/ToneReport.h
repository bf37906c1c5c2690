#pragma once
// A tone decoder's report of what it heard on a radio's sound: the tone or code as an ID, or
// DTMF digits, and the window that reports it. scan_api_call kApiCallToneReport hands it to the
// engine of the radio's tone device.

#include "platform/records/ByteRecord.h"
#include "platform/records/TextWidths.h"
#include "platform/records/UserId.h"

#include <cstdint>

namespace hb::records {

inline constexpr std::uint32_t kApiCallToneReport = 30;

class ToneReport : public ByteRecord<ToneReport, 56> {
public:
    // A tone or code (kind 4 or 5), or kind 0 for digits only.
    static constexpr RecordField<UserId, 0> kId{};
    // The channel's frequency when it was heard, in Hz.
    static constexpr Field<std::uint32_t, 12> kFrequency{};
    // The reporting window's handle, as a 32-bit id.
    static constexpr Field<std::uint32_t, 20> kWindow{};
    static constexpr TextField<24, kDtmfTextWidth, TextPad::Nul> kDigits{};
    // The name of the channel it was heard on, when the owner knows it.
    static constexpr TextField<40, 16, TextPad::Nul> kChannel{};
};
static_assert(sizeof(ToneReport) == ToneReport::kSize);

} // namespace hb::records
