#pragma once
// What a channel, search range or user ID remembers of its hits.

#include "platform/tessary/model/Log.h"

#include <cstdint>
#include <deque>
#include <memory>

namespace hb::tessary {
class ItemReader;
class ItemWriter;
} // namespace hb::tessary

class Statistics {
public:
    static constexpr std::size_t kRecentLimit = 20;
    // An ID marker of this value: the object keeps no IDs.
    static constexpr std::uint32_t kKeepsNoIds = 0xFFFFFFFF;

    std::uint32_t hitCount = 0;
    std::uint64_t airTime = 0; // milliseconds, all hits together
    std::int64_t lastHit = 0;  // seconds since 1970, UTC; 0 = never
    std::uint32_t idMarker = 0;

    // Counts one hit.
    void addHit(std::uint32_t airTimeMs, std::int64_t time);
    // Forgets the hits and the recent history; the ID marker stays.
    void reset();
    // Appends an entry, dropping the oldest while more than kRecentLimit are kept.
    void addRecent(std::unique_ptr<Log> entry);
    const std::deque<std::unique_ptr<Log>>& recent() const { return m_recent; }

    void write(hb::tessary::ItemWriter& out) const;
    // Takes one item of a statistics record; false when the tag is not one of them.
    bool readItem(std::uint32_t tag, hb::tessary::ItemReader& item);

private:
    std::deque<std::unique_ptr<Log>> m_recent;
};
