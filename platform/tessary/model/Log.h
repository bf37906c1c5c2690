#pragma once
// One logged hit as a channel or search range keeps it in its recent-log list.

#include "platform/records/Parm.h"
#include "platform/records/UserId.h"
#include "platform/tessary/model/Dtmf.h"

#include <cstdint>
#include <memory>
#include <string>

namespace hb::tessary {
class ItemReader;
class ItemWriter;
} // namespace hb::tessary

struct Log {
    std::uint32_t frequency = 0;
    hb::records::UserId id;
    std::uint8_t radioType = 0;
    std::int64_t time = 0;     // seconds since 1970, UTC
    std::uint32_t airTime = 0; // milliseconds
    std::uint32_t reserved = 0;
    std::uint32_t flags = 0; // the history record's flag bits
    std::uint32_t hitNumber1 = 0;
    std::uint32_t hitNumber2 = 0;
    std::uint8_t hitByte1 = 0;
    std::uint8_t hitByte2 = 0;
    std::string name;
    std::string description;
    hb::records::Parm channel; // the channel record at the time of the hit
    std::uint32_t hitCount = 0;
    std::int64_t lastHit = 0;
    std::unique_ptr<Dtmf> dtmf;

    void write(hb::tessary::ItemWriter& out) const;
    void read(hb::tessary::ItemReader& items);
};
