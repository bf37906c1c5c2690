#pragma once
// One DTMF delivery of the engine: up to 16 characters at offset 16, NUL-ended only when shorter.

#include "platform/records/ByteRecord.h"
#include "platform/records/TextWidths.h"

namespace hb::records {

class DtmfRecord : public ByteRecord<DtmfRecord, 32> {
public:
    static constexpr TextField<16, kDtmfTextWidth, TextPad::Nul> kText{};
};
static_assert(sizeof(DtmfRecord) == DtmfRecord::kSize);

} // namespace hb::records

using DtmfRecord = hb::records::DtmfRecord;
