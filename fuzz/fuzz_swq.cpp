// Feeds arbitrary bytes to the recording-file reader as a whole file: the first four bytes name an
// offset to resume at, as the catalog does after the last record it read; the rest is the file.
// The walk must end, move only forwards and read nothing outside the file.

#include "audio/RecordingFileReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

void CheckWalk(const std::vector<hb::audio::RecordingSegment>& segments, std::uint64_t from,
               std::uint64_t size) {
    std::uint64_t last = 0;
    for (const hb::audio::RecordingSegment& segment : segments) {
        if (segment.offset < from || segment.offset >= size ||
            (last != 0 && segment.offset <= last)) {
            std::abort();
        }
        last = segment.offset;
        hb::audio::SegmentNames(segment.header.get(wlseg::kDal));
        hb::audio::SegmentDuration(segment.payloadLength, 8000);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) {
        return 0;
    }
    std::uint64_t resume = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        resume |= static_cast<std::uint64_t>(data[i]) << (8 * i);
    }
    const std::string_view bytes(reinterpret_cast<const char*>(data + 4), size - 4);
    hb::audio::RecordingMemorySource source(bytes);
    hb::audio::RecordingFileReader reader(source);
    if (!reader.CheckHeader()) {
        return 0;
    }
    hb::audio::SegmentDuration(1, reader.AverageBytesPerSecond());
    const std::uint64_t first = reader.FirstRecord();
    if (first != 0) {
        CheckWalk(reader.ReadFrom(first), first, bytes.size());
    }
    std::vector<hb::audio::RecordingSegment> after;
    if (reader.ReadAfter(resume, after)) {
        CheckWalk(after, resume + 1, bytes.size());
    }
    return 0;
}
