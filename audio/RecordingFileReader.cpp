#include "audio/RecordingFileReader.h"

#include "platform/win/sys/Paths.h"

#include <cstring>

namespace hb::audio {
namespace {

void TrimRight(std::string& text) {
    text.erase(text.find_last_not_of(' ') + 1);
}

std::string Trimmed(std::string text) {
    TrimRight(text);
    text.erase(0, text.find_first_not_of(' ') == std::string::npos ? text.size()
                                                                   : text.find_first_not_of(' '));
    return text;
}

bool IsValidHeader(const wlseg& header, std::uint64_t position) {
    const dal record = header.get(wlseg::kDal);
    const std::uint8_t state = record.get(dal::kState);
    return header.get(wlseg::kOwnOffset) == position && state >= dal::kStateMin &&
           state <= dal::kStateMax && record.get(dal::kKind) <= dal::kKindMax;
}

} // namespace

RecordingFileSource::RecordingFileSource(const std::string& path)
    : m_file(std::fopen(hb::win::NativePath(path).c_str(), "rb")) {}

RecordingFileSource::~RecordingFileSource() {
    if (m_file) {
        std::fclose(m_file);
    }
}

std::uint64_t RecordingFileSource::Size() {
    if (!m_file || std::fseek(m_file, 0, SEEK_END) != 0) {
        return 0;
    }
    const long size = std::ftell(m_file);
    return size < 0 ? 0 : static_cast<std::uint64_t>(size);
}

bool RecordingFileSource::ReadAt(std::uint64_t offset, void* data, std::size_t bytes) {
    return m_file && offset <= RecordingFileReader::kLastPosition &&
           std::fseek(m_file, static_cast<long>(offset), SEEK_SET) == 0 &&
           std::fread(data, 1, bytes, m_file) == bytes;
}

bool RecordingMemorySource::ReadAt(std::uint64_t offset, void* data, std::size_t bytes) {
    if (offset > m_bytes.size() || m_bytes.size() - offset < bytes) {
        return false;
    }
    std::memcpy(data, m_bytes.data() + offset, bytes);
    return true;
}

bool RecordingFileReader::CheckHeader() {
    return m_source.ReadAt(0, m_header.data(), m_header.kSize) && m_header.isValid() &&
           m_source.ReadAt(m_format.kOffset, m_format.data(), m_format.kSize);
}

std::uint64_t RecordingFileReader::FirstRecord() const {
    const std::uint64_t first = m_header.firstRecord();
    return first <= kLastPosition ? first : 0;
}

bool RecordingFileReader::ReadHeaderAt(std::uint64_t offset, wlseg& header) {
    return m_source.ReadAt(offset, header.data(), header.kSize);
}

std::uint64_t RecordingFileReader::NextPosition(std::uint64_t offset, const wlseg& header) {
    const std::uint64_t next = offset + wlseg::kSize + header.get(wlseg::kPayloadLength);
    return next > offset && next <= kLastPosition ? next : 0;
}

std::vector<RecordingSegment> RecordingFileReader::ReadFrom(std::uint64_t position) {
    std::vector<RecordingSegment> segments;
    const std::uint64_t size = m_source.Size();
    while (position != 0 && position < size) {
        RecordingSegment segment{position, {}, 0};
        if (!ReadHeaderAt(position, segment.header) ||
            segment.header.get(wlseg::kOwnOffset) != position) {
            break;
        }
        segment.payloadLength = segment.header.get(wlseg::kPayloadLength);
        segments.push_back(segment);
        const std::uint64_t next = NextPosition(position, segment.header);
        if (next == 0 || next >= size) {
            break;
        }
        wlseg following;
        if (!ReadHeaderAt(next, following)) {
            break;
        }
        if (!IsValidHeader(following, next)) {
            // The chain breaks here: the last good record runs to the end of the file.
            segments.back().payloadLength =
                static_cast<std::uint32_t>(size - position - wlseg::kSize);
            break;
        }
        position = next;
    }
    return segments;
}

bool RecordingFileReader::ReadAfter(std::uint64_t lastOffset,
                                    std::vector<RecordingSegment>& segments) {
    wlseg last;
    if (!ReadHeaderAt(lastOffset, last) || last.get(wlseg::kOwnOffset) != lastOffset) {
        return false;
    }
    segments = ReadFrom(NextPosition(lastOffset, last));
    return true;
}

std::uint32_t SegmentDuration(std::uint32_t payloadLength, std::uint32_t bytesPerSecond) {
    if (bytesPerSecond == 0) {
        return payloadLength;
    }
    return payloadLength / bytesPerSecond + (payloadLength % bytesPerSecond != 0 ? 1 : 0);
}

std::string SegmentNames(const dal& record) {
    std::string names = Trimmed(record.text(dal::kName1));
    if (record.get(dal::kFlags) & dal::kFlagSubjectAlone) {
        return names;
    }
    for (const std::string& more : {record.text(dal::kName2), record.text(dal::kName3)}) {
        if (!more.empty()) {
            names += ", " + more;
            TrimRight(names);
        }
    }
    return names;
}

std::string SegmentFolder(std::string_view path) {
    const std::size_t cut = path.find_last_of("\\/");
    if (cut == std::string_view::npos) {
        return {};
    }
    const std::string_view folder = path.substr(0, cut);
    const std::size_t start = folder.find_last_of("\\/");
    return std::string(start == std::string_view::npos ? folder : folder.substr(start + 1));
}

} // namespace hb::audio
