#pragma once
// Reads a recording file back by its published layout, independently of the writer: the header
// check, then the chain of segment headers, each standing at the offset it names.

#include "platform/records/SwqFileHeader.h"
#include "platform/records/Wlseg.h"
#include "platform/testkit/TempFolder.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace hb::tessary::test {

struct ReadSegment {
    std::uint32_t offset = 0;
    wlseg header;
};

// A channel record as the logger client sends it.
inline dal ChannelRecord(const char* name, std::uint32_t frequency) {
    dal record;
    record.set(dal::kKind, 2);
    record.set(dal::kFrequency, frequency);
    record.set(dal::kState, 2);
    record.setText(dal::kName1, name);
    return record;
}

inline std::vector<ReadSegment> ReadRecordingFile(const std::string& path) {
    const std::string bytes = hb::testkit::ReadFileBytes(path);
    std::vector<ReadSegment> segments;
    hb::records::SwqFileHeader header;
    if (bytes.size() < header.kSize) {
        return segments;
    }
    std::memcpy(header.data(), bytes.data(), header.kSize);
    if (!header.isValid()) {
        return segments;
    }
    std::uint64_t at = header.firstRecord();
    while (at + wlseg::kSize <= bytes.size()) {
        ReadSegment segment{static_cast<std::uint32_t>(at), {}};
        std::memcpy(segment.header.data(), bytes.data() + at, wlseg::kSize);
        if (segment.header.get(wlseg::kOwnOffset) != at) {
            break;
        }
        segments.push_back(segment);
        at += wlseg::kSize + segment.header.get(wlseg::kPayloadLength);
    }
    return segments;
}

} // namespace hb::tessary::test
