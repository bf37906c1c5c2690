#pragma once
// The tone or ID display and the DTMF line of the panels with a decoder.
#include "platform/instruments/CiLabelX.h"
#include "platform/instruments/CiSevenSegmentAnalogX.h"
#include "platform/records/UserId.h"
#include "radioview/RadioView.h"

#include <cstring>

namespace hb::radioview {

// A record field of a status buffer.
template <class F>
typename F::Type RecordIn(const BYTE* base, F) {
    typename F::Type record;
    std::memcpy(record.data(), base + F::kOffset, F::kSize);
    return record;
}

// What the display shows of a decoded tone or ID: nothing, or a value with its decimals.
struct DecodedValue {
    bool shown = false;
    double value = 0;
    long precision = 0;
};
// By the ID's kind; kinds 6 and 8, and sub-kind 15 of kind 1, follow the ID display styles.
DecodedValue DecodeId(const hb::records::UserId& id);

// The line keeps this many characters, the newest.
inline constexpr int kDtmfLineLength = 25;

// The DTMF text followed by the channel name shown on the panel; a null record empties the line.
void ShowDtmfLine(CRadioView& view, CiLabelX& line, const DtmfRecord* rec);
// The display and the line in the panel's display colours, or the replay colour while held.
void PaintDecoderDisplay(CRadioView& view, CiSevenSegmentAnalogX& display, CiLabelX& line);

} // namespace hb::radioview
