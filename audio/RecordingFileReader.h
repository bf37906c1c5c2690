#pragma once
// Reads the segments of a recording file (.swq) the way the catalog needs them: the header check,
// then the chain of segment records, each of which must stand at the offset it names. A chain that
// breaks ends at the last good record, which then runs to the end of the file; a record still
// being written keeps its stated length. Positions are 64-bit and never pass 0xFFFFFFFF, so a
// corrupt length cannot send the walk backwards or round in a loop.
#include "platform/records/SwqFileHeader.h"
#include "platform/records/Wlseg.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace hb::audio {

// Where the bytes come from: a file that a recorder may still be writing, or memory.
class RecordingSource {
public:
    virtual ~RecordingSource() = default;
    virtual std::uint64_t Size() = 0;
    // False unless all `bytes` were read.
    virtual bool ReadAt(std::uint64_t offset, void* data, std::size_t bytes) = 0;
};

class RecordingFileSource : public RecordingSource {
public:
    // Opened for reading only; the recorder goes on writing it meanwhile.
    explicit RecordingFileSource(const std::string& path);
    ~RecordingFileSource() override;
    RecordingFileSource(const RecordingFileSource&) = delete;
    RecordingFileSource& operator=(const RecordingFileSource&) = delete;

    bool IsOpen() const { return m_file != nullptr; }
    std::uint64_t Size() override;
    bool ReadAt(std::uint64_t offset, void* data, std::size_t bytes) override;

private:
    std::FILE* m_file = nullptr;
};

class RecordingMemorySource : public RecordingSource {
public:
    explicit RecordingMemorySource(std::string_view bytes) : m_bytes(bytes) {}
    std::uint64_t Size() override { return m_bytes.size(); }
    bool ReadAt(std::uint64_t offset, void* data, std::size_t bytes) override;

private:
    std::string_view m_bytes;
};

struct RecordingSegment {
    std::uint64_t offset = 0;
    wlseg header;
    // The stated length, or what is left of the file for a last record whose chain broke.
    std::uint32_t payloadLength = 0;
};

class RecordingFileReader {
public:
    static constexpr std::uint64_t kLastPosition = 0xFFFFFFFF;

    explicit RecordingFileReader(RecordingSource& source) : m_source(source) {}

    // Reads the file header and the wave format; false for a file that is no recording file.
    bool CheckHeader();
    std::uint32_t AverageBytesPerSecond() const {
        return m_format.get(m_format.kAverageBytesPerSecond);
    }
    // Where the first record stands; 0 when that lies beyond any possible record.
    std::uint64_t FirstRecord() const;
    // The segments from the record at `position` on.
    std::vector<RecordingSegment> ReadFrom(std::uint64_t position);
    // The segments after the record at `lastOffset`, which must still stand there; false when it
    // does not (the file was rewritten).
    bool ReadAfter(std::uint64_t lastOffset, std::vector<RecordingSegment>& segments);
    bool ReadHeaderAt(std::uint64_t offset, wlseg& header);

    // The position of the record after the one at `offset` with its stated length; 0 when that
    // position is impossible.
    static std::uint64_t NextPosition(std::uint64_t offset, const wlseg& header);

private:
    RecordingSource& m_source;
    hb::records::SwqFileHeader m_header;
    hb::records::SwqWaveFormat m_format;
};

// Whole seconds, any fraction counting one; without a rate, the length itself.
std::uint32_t SegmentDuration(std::uint32_t payloadLength, std::uint32_t bytesPerSecond);
// The subject, trimmed, then ", " and each further name that is not empty, unless the record's
// flag shows the subject alone.
std::string SegmentNames(const dal& record);
// The name of the folder holding the file ('\' or '/' separate folders).
std::string SegmentFolder(std::string_view path);

} // namespace hb::audio
