#pragma once
// A logger's recording file (.swq): the file header and wave format, then one record per segment,
// each a segment header followed by its audio. Audio is PCM at 8,000 samples a second, 16-bit mono.
// The file is written as it records: a new segment's header goes out first, and its payload
// length is written again with every piece of audio added, so a reader always sees the growing
// last segment. The file and its index view are linked both ways; whichever goes first unlinks
// the other.

#include "platform/records/SwqFileHeader.h"
#include "platform/records/Wlseg.h"
#include "platform/win/WinTypes.h"

#include <cstdint>
#include <string>
#include <vector>

class CAudioPlayerView;

class CAudioFile {
public:
    // The file states the logger windows show.
    static constexpr BYTE kNoFile = 0;
    static constexpr BYTE kFileOpen = 1;
    static constexpr BYTE kNewFilePending = 2;
    static constexpr BYTE kOtherFormat = 3;
    // SegmentHeaderWrite: the header goes back in its place.
    static constexpr int kWriteInPlace = 2;

    static constexpr std::uint32_t kSamplesPerSecond = 8000;
    static constexpr std::uint32_t kBytesPerSecond = 16000;

    CAudioFile() = default;
    CAudioFile(const CAudioFile&) = delete;
    CAudioFile& operator=(const CAudioFile&) = delete;
    ~CAudioFile();

    // Opens the recording file, making it when it does not exist. A file that is no recording file
    // or holds another wave format is left untouched (state 3). FALSE with the handle −1 when the
    // file cannot be used.
    BOOL Open(const std::string& path);
    void Close();

    // Starts a new segment at the end of the file with the channel record; returns its number, 0
    // when it could not be written.
    std::uint32_t AppendSegment(const dal& record, std::uint32_t mark);
    // Adds audio to the last segment.
    BOOL AppendAudio(const std::uint8_t* data, std::uint32_t bytes);

    // Steps one record forward or back; FALSE when there is none.
    BOOL NextRecord();
    BOOL PreviousRecord();
    // Makes a segment (1..count) current, its play position at the start of its audio.
    BOOL GotoPlaySegment(std::uint32_t number);
    // The header of a segment (1..count) as the file holds it; the current segment stays.
    BOOL ReadSegmentHeader(std::uint32_t number, wlseg& header) const;
    // Reads audio of the current segment from the play position; 0 at its end.
    std::uint32_t ReadAudio(std::uint8_t* data, std::uint32_t bytes);
    // Writes a segment's mark and channel record back to the record its own offset names; its
    // offset, number and length stay as the file has them.
    BOOL SegmentHeaderWrite(const wlseg& header, int how);
    // The headers of the current and of the last segment (zeros when there is none).
    const wlseg& CurrentHeader() const { return m_current; }
    const wlseg& LastHeader() const { return m_last; }
    BOOL IsOpen() const { return m_handle >= 0; }

    int m_handle = -1;
    std::string m_name;
    std::uint64_t m_size = 0;
    // Where the first record begins.
    std::uint64_t m_dataStart = 0;
    std::uint32_t m_recordCount = 0;
    // The current segment (1..count; 0 for none) and the play position in the file.
    std::uint32_t m_currentRecord = 0;
    std::uint64_t m_currentOffset = 0;
    BYTE m_state = kNoFile;
    hb::records::SwqWaveFormat m_format;

    CAudioPlayerView* m_indexView = nullptr;

private:
    BOOL Create();
    BOOL ReadRecords();
    BOOL ReadHeaderAt(std::uint64_t offset, wlseg& header) const;
    BOOL WriteAt(std::uint64_t offset, const std::uint8_t* data, std::size_t bytes);
    BOOL MakeCurrent(std::uint32_t number);

    // The offset of every record, in file order.
    std::vector<std::uint64_t> m_records;
    wlseg m_current;
    wlseg m_last;
};
