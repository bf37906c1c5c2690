#include "platform/tessary/model/Statistics.h"

#include "platform/tessary/model/ItemStream.h"

namespace {

// Item tags of the statistics, kept apart from the tags of the objects that hold them.
enum StatisticsItem : std::uint32_t {
    kItemHitCount = 100,
    kItemAirTime = 101,
    kItemLastHit = 102,
    kItemIdMarker = 103,
    kItemRecent = 104,
};

enum LogItem : std::uint32_t {
    kLogFrequency = 1,
    kLogId,
    kLogRadioType,
    kLogTime,
    kLogAirTime,
    kLogReserved,
    kLogFlags,
    kLogHitNumber1,
    kLogHitNumber2,
    kLogHitByte1,
    kLogHitByte2,
    kLogName,
    kLogDescription,
    kLogChannel,
    kLogHitCount,
    kLogLastHit,
    kLogDtmfTime,
    kLogDtmfText,
};

} // namespace

void Statistics::addHit(std::uint32_t airTimeMs, std::int64_t time) {
    ++hitCount;
    airTime += airTimeMs;
    lastHit = time;
}

void Statistics::reset() {
    hitCount = 0;
    airTime = 0;
    lastHit = 0;
    m_recent.clear();
}

void Statistics::addRecent(std::unique_ptr<Log> entry) {
    m_recent.push_back(std::move(entry));
    while (m_recent.size() > kRecentLimit) {
        m_recent.pop_front();
    }
}

void Statistics::write(hb::tessary::ItemWriter& out) const {
    out.u32(kItemHitCount, hitCount);
    out.u64(kItemAirTime, airTime);
    out.i64(kItemLastHit, lastHit);
    out.u32(kItemIdMarker, idMarker);
    for (const auto& entry : m_recent) {
        const std::size_t start = out.begin(kItemRecent);
        entry->write(out);
        out.end(start);
    }
}

bool Statistics::readItem(std::uint32_t tag, hb::tessary::ItemReader& item) {
    switch (tag) {
    case kItemHitCount:
        hitCount = item.u32();
        return true;
    case kItemAirTime:
        airTime = item.u64();
        return true;
    case kItemLastHit:
        lastHit = item.i64();
        return true;
    case kItemIdMarker:
        idMarker = item.u32();
        return true;
    case kItemRecent: {
        auto entry = std::make_unique<Log>();
        entry->read(item);
        addRecent(std::move(entry));
        return true;
    }
    default:
        return false;
    }
}

void Log::write(hb::tessary::ItemWriter& out) const {
    out.u32(kLogFrequency, frequency);
    out.bytes(kLogId, id.bytes());
    out.u8(kLogRadioType, radioType);
    out.i64(kLogTime, time);
    out.u32(kLogAirTime, airTime);
    out.u32(kLogReserved, reserved);
    out.u32(kLogFlags, flags);
    out.u32(kLogHitNumber1, hitNumber1);
    out.u32(kLogHitNumber2, hitNumber2);
    out.u8(kLogHitByte1, hitByte1);
    out.u8(kLogHitByte2, hitByte2);
    out.text(kLogName, name);
    out.text(kLogDescription, description);
    out.bytes(kLogChannel, channel.bytes());
    out.u32(kLogHitCount, hitCount);
    out.i64(kLogLastHit, lastHit);
    if (dtmf) {
        out.i64(kLogDtmfTime, dtmf->time);
        out.text(kLogDtmfText, dtmf->text);
    }
}

void Log::read(hb::tessary::ItemReader& items) {
    const auto ensureDtmf = [this]() -> Dtmf& {
        if (!dtmf) {
            dtmf = std::make_unique<Dtmf>();
        }
        return *dtmf;
    };
    items.forEach([&](std::uint32_t tag, hb::tessary::ItemReader& item) {
        switch (tag) {
        case kLogFrequency:
            frequency = item.u32();
            break;
        case kLogId:
            id.loadExact(item.bytes(hb::records::UserId::kSize));
            break;
        case kLogRadioType:
            radioType = item.u8();
            break;
        case kLogTime:
            time = item.i64();
            break;
        case kLogAirTime:
            airTime = item.u32();
            break;
        case kLogReserved:
            reserved = item.u32();
            break;
        case kLogFlags:
            flags = item.u32();
            break;
        case kLogHitNumber1:
            hitNumber1 = item.u32();
            break;
        case kLogHitNumber2:
            hitNumber2 = item.u32();
            break;
        case kLogHitByte1:
            hitByte1 = item.u8();
            break;
        case kLogHitByte2:
            hitByte2 = item.u8();
            break;
        case kLogName:
            name = item.text();
            break;
        case kLogDescription:
            description = item.text();
            break;
        case kLogChannel:
            channel.loadExact(item.bytes(hb::records::Parm::kSize));
            break;
        case kLogHitCount:
            hitCount = item.u32();
            break;
        case kLogLastHit:
            lastHit = item.i64();
            break;
        case kLogDtmfTime:
            ensureDtmf().time = item.i64();
            break;
        case kLogDtmfText:
            ensureDtmf().text = item.text();
            break;
        default:
            break;
        }
    });
}
