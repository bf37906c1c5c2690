#include "platform/tessary/audio/AudioFile.h"

#include "platform/tessary/audio/AudioPlayerView.h"
#include "platform/win/sys/Paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

using hb::records::SwqFileHeader;
using hb::records::SwqWaveFormat;

namespace {

SwqWaveFormat VoiceFormat() {
    SwqWaveFormat format;
    format.set(SwqWaveFormat::kFormatTag, 1);
    format.set(SwqWaveFormat::kChannels, 1);
    format.set(SwqWaveFormat::kSamplesPerSecond, CAudioFile::kSamplesPerSecond);
    format.set(SwqWaveFormat::kAverageBytesPerSecond, CAudioFile::kBytesPerSecond);
    format.set(SwqWaveFormat::kBlockAlign, 2);
    format.set(SwqWaveFormat::kBitsPerSample, 16);
    return format;
}

bool IsVoiceFormat(const SwqWaveFormat& format) {
    const SwqWaveFormat voice = VoiceFormat();
    return format.get(SwqWaveFormat::kFormatTag) == voice.get(SwqWaveFormat::kFormatTag) &&
           format.get(SwqWaveFormat::kChannels) == voice.get(SwqWaveFormat::kChannels) &&
           format.get(SwqWaveFormat::kSamplesPerSecond) == CAudioFile::kSamplesPerSecond &&
           format.get(SwqWaveFormat::kBitsPerSample) == voice.get(SwqWaveFormat::kBitsPerSample);
}

bool IsRecord(const dal& record) {
    return record.get(dal::kKind) <= dal::kKindMax && record.get(dal::kState) >= dal::kStateMin &&
           record.get(dal::kState) <= dal::kStateMax;
}

bool ReadAt(int handle, std::uint64_t offset, std::uint8_t* data, std::size_t bytes) {
    return ::pread(handle, data, bytes, static_cast<off_t>(offset)) == static_cast<ssize_t>(bytes);
}

} // namespace

CAudioFile::~CAudioFile() {
    Close();
    if (m_indexView && m_indexView->m_file == this) {
        m_indexView->m_file = nullptr;
        m_indexView->m_log = nullptr;
    }
}

BOOL CAudioFile::Open(const std::string& path) {
    Close();
    m_name = path;
    m_handle = ::open(hb::win::NativePath(path).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    struct stat info {};
    if (m_handle < 0 || ::fstat(m_handle, &info) != 0) {
        Close();
        return FALSE;
    }
    m_size = static_cast<std::uint64_t>(info.st_size);
    const BOOL usable = m_size == 0 ? Create() : ReadRecords();
    if (!usable) {
        const BYTE state = m_state;
        Close();
        m_state = state;
        return FALSE;
    }
    m_state = kFileOpen;
    return TRUE;
}

void CAudioFile::Close() {
    if (m_handle >= 0) {
        ::close(m_handle);
    }
    m_handle = -1;
    m_size = m_dataStart = m_currentOffset = 0;
    m_recordCount = m_currentRecord = 0;
    m_records.clear();
    m_current.clear();
    m_last.clear();
    m_state = kNoFile;
}

BOOL CAudioFile::Create() {
    SwqFileHeader header;
    header.set(SwqFileHeader::kMagic, SwqFileHeader::kMagicValue);
    header.set(SwqFileHeader::kVersion, SwqFileHeader::kVersionValue);
    header.set(SwqFileHeader::kAreaLength, SwqWaveFormat::kSize);
    m_format = VoiceFormat();
    if (!WriteAt(0, header.data(), header.kSize) ||
        !WriteAt(SwqWaveFormat::kOffset, m_format.data(), m_format.kSize)) {
        return FALSE;
    }
    m_dataStart = header.firstRecord();
    return TRUE;
}

// Follows the chain of records. A last record whose audio was cut short (the recorder stopped
// without finishing it) or that is followed by stray bytes is made to run to the end of the file,
// as readers take it, so that the next segment is appended behind it.
BOOL CAudioFile::ReadRecords() {
    SwqFileHeader header;
    if (!ReadAt(m_handle, 0, header.data(), header.kSize) || !header.isValid() ||
        !ReadAt(m_handle, SwqWaveFormat::kOffset, m_format.data(), m_format.kSize) ||
        !IsVoiceFormat(m_format)) {
        m_state = kOtherFormat;
        return FALSE;
    }
    m_dataStart = header.firstRecord();
    wlseg record;
    std::uint64_t at = m_dataStart;
    while (at < m_size && ReadHeaderAt(at, record)) {
        m_records.push_back(at);
        m_last = record;
        const std::uint64_t next = at + wlseg::kSize + record.get(wlseg::kPayloadLength);
        if (next == m_size) {
            break;
        }
        wlseg following;
        if (next > m_size || !ReadHeaderAt(next, following) ||
            !IsRecord(following.get(wlseg::kDal))) {
            m_last.set(wlseg::kPayloadLength,
                       static_cast<std::uint32_t>(m_size - at - wlseg::kSize));
            if (!WriteAt(at, m_last.data(), m_last.kSize)) {
                return FALSE;
            }
            break;
        }
        at = next;
    }
    // Bytes where the first record should stand would hide every segment added behind them.
    if (m_records.empty() && m_size > m_dataStart) {
        m_state = kOtherFormat;
        return FALSE;
    }
    m_size = std::max(m_size, m_dataStart);
    m_recordCount = static_cast<std::uint32_t>(m_records.size());
    return TRUE;
}

BOOL CAudioFile::ReadHeaderAt(std::uint64_t offset, wlseg& header) const {
    return offset + wlseg::kSize <= m_size &&
           ReadAt(m_handle, offset, header.data(), header.kSize) &&
           header.get(wlseg::kOwnOffset) == offset;
}

BOOL CAudioFile::WriteAt(std::uint64_t offset, const std::uint8_t* data, std::size_t bytes) {
    if (::pwrite(m_handle, data, bytes, static_cast<off_t>(offset)) !=
        static_cast<ssize_t>(bytes)) {
        return FALSE;
    }
    m_size = std::max<std::uint64_t>(m_size, offset + bytes);
    return TRUE;
}

std::uint32_t CAudioFile::AppendSegment(const dal& record, std::uint32_t mark) {
    if (!IsOpen()) {
        return 0;
    }
    const std::uint64_t at = std::max(m_size, m_dataStart);
    if (at > 0xFFFFFFFFu - wlseg::kSize) {
        return 0;
    }
    wlseg header;
    header.set(wlseg::kOwnOffset, static_cast<std::uint32_t>(at));
    header.set(wlseg::kMark, mark);
    header.set(wlseg::kSegmentNumber, m_recordCount + 1);
    header.set(wlseg::kDal, record);
    if (!WriteAt(at, header.data(), header.kSize)) {
        return 0;
    }
    m_records.push_back(at);
    m_last = header;
    return ++m_recordCount;
}

BOOL CAudioFile::AppendAudio(const std::uint8_t* data, std::uint32_t bytes) {
    if (!IsOpen() || m_records.empty() || m_size + bytes > 0xFFFFFFFFu) {
        return FALSE;
    }
    const std::uint64_t at = m_records.back();
    if (!WriteAt(m_size, data, bytes)) {
        return FALSE;
    }
    m_last.set(wlseg::kPayloadLength, static_cast<std::uint32_t>(m_size - at - wlseg::kSize));
    return WriteAt(at, m_last.data(), m_last.kSize);
}

BOOL CAudioFile::MakeCurrent(std::uint32_t number) {
    wlseg header;
    if (!ReadSegmentHeader(number, header)) {
        return FALSE;
    }
    m_current = header;
    m_currentRecord = number;
    m_currentOffset = m_records[number - 1] + wlseg::kSize;
    return TRUE;
}

BOOL CAudioFile::ReadSegmentHeader(std::uint32_t number, wlseg& header) const {
    return IsOpen() && number != 0 && number <= m_recordCount &&
           ReadHeaderAt(m_records[number - 1], header);
}

BOOL CAudioFile::NextRecord() {
    return IsOpen() && MakeCurrent(m_currentRecord + 1);
}

BOOL CAudioFile::PreviousRecord() {
    return IsOpen() && m_currentRecord > 1 && MakeCurrent(m_currentRecord - 1);
}

BOOL CAudioFile::GotoPlaySegment(std::uint32_t number) {
    return IsOpen() && MakeCurrent(number);
}

std::uint32_t CAudioFile::ReadAudio(std::uint8_t* data, std::uint32_t bytes) {
    if (!IsOpen() || m_currentRecord == 0) {
        return 0;
    }
    // The last segment may have grown since it became current.
    if (m_currentRecord == m_recordCount) {
        m_current.set(wlseg::kPayloadLength, m_last.get(wlseg::kPayloadLength));
    }
    const std::uint64_t end =
        m_records[m_currentRecord - 1] + wlseg::kSize + m_current.get(wlseg::kPayloadLength);
    const auto count =
        static_cast<std::uint32_t>(std::min<std::uint64_t>(bytes, end - m_currentOffset));
    if (count == 0 || !ReadAt(m_handle, m_currentOffset, data, count)) {
        return 0;
    }
    m_currentOffset += count;
    return count;
}

BOOL CAudioFile::SegmentHeaderWrite(const wlseg& header, int how) {
    const std::uint64_t at = header.get(wlseg::kOwnOffset);
    const auto it = std::ranges::find(m_records, at);
    wlseg stored;
    if (how != kWriteInPlace || !IsOpen() || it == m_records.end() || !ReadHeaderAt(at, stored)) {
        return FALSE;
    }
    stored.set(wlseg::kMark, header.get(wlseg::kMark));
    stored.set(wlseg::kDal, header.get(wlseg::kDal));
    if (!WriteAt(at, stored.data(), stored.kSize)) {
        return FALSE;
    }
    const auto number = static_cast<std::uint32_t>(it - m_records.begin()) + 1;
    if (number == m_recordCount) {
        m_last = stored;
    }
    if (number == m_currentRecord) {
        m_current = stored;
    }
    return TRUE;
}
