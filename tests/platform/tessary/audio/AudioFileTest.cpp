#include "platform/tessary/audio/AudioFile.h"

#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TempFolder.h"
#include "tests/platform/tessary/audio/RecordingFileReader.h"

#include <string>
#include <vector>

namespace hb::tessary::test {
namespace {

using hb::records::SwqFileHeader;
using hb::records::SwqWaveFormat;

class AudioFileTest : public hb::testkit::PlatformTest {
protected:
    static std::vector<std::uint8_t> Audio(std::size_t bytes, std::uint8_t value) {
        return std::vector<std::uint8_t>(bytes, value);
    }

    hb::testkit::TempFolder folder;
    std::string path = folder.File("RX1_AUDIO.SWQ");
};

TEST_F(AudioFileTest, ANewFileReadsBackByTheRecordingLayout) {
    CAudioFile file;
    ASSERT_TRUE(file.Open(path));
    EXPECT_EQ(file.m_state, CAudioFile::kFileOpen);
    EXPECT_GE(file.m_handle, 0);
    EXPECT_EQ(file.AppendSegment(ChannelRecord("Fire", 155'010'000), 0), 1u);
    const auto first = Audio(1600, 1);
    ASSERT_TRUE(file.AppendAudio(first.data(), 1600));
    EXPECT_EQ(file.AppendSegment(ChannelRecord("Police", 460'125'000), 1), 2u);
    const auto second = Audio(800, 2);
    ASSERT_TRUE(file.AppendAudio(second.data(), 800));

    const std::string bytes = hb::testkit::ReadFileBytes(path);
    SwqFileHeader header;
    std::memcpy(header.data(), bytes.data(), header.kSize);
    EXPECT_TRUE(header.isValid());
    SwqWaveFormat format;
    std::memcpy(format.data(), bytes.data() + 32, format.kSize);
    EXPECT_EQ(format.get(SwqWaveFormat::kSamplesPerSecond), 8000u);
    EXPECT_EQ(format.get(SwqWaveFormat::kAverageBytesPerSecond), 16000u);
    EXPECT_EQ(format.get(SwqWaveFormat::kBitsPerSample), 16u);
    EXPECT_EQ(format.get(SwqWaveFormat::kChannels), 1u);

    const auto segments = ReadRecordingFile(path);
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_EQ(segments[0].offset, header.firstRecord());
    EXPECT_EQ(segments[0].header.get(wlseg::kPayloadLength), 1600u);
    EXPECT_EQ(segments[0].header.get(wlseg::kSegmentNumber), 1u);
    EXPECT_EQ(segments[1].header.get(wlseg::kSegmentNumber), 2u);
    EXPECT_EQ(segments[1].header.get(wlseg::kMark), 1u);
    EXPECT_EQ(segments[1].header.get(wlseg::kPayloadLength), 800u);
    EXPECT_EQ(segments[1].header.get(wlseg::kDal).text(dal::kName1), "Police");
    EXPECT_EQ(segments[1].header.get(wlseg::kDal).get(dal::kFrequency), 460'125'000u);
    EXPECT_EQ(bytes.size(), segments[1].offset + wlseg::kSize + 800u);
}

TEST_F(AudioFileTest, AReaderSeesTheLastSegmentGrowAsAudioComes) {
    CAudioFile file;
    ASSERT_TRUE(file.Open(path));
    file.AppendSegment(ChannelRecord("Fire", 155'010'000), 0);
    EXPECT_EQ(ReadRecordingFile(path).at(0).header.get(wlseg::kPayloadLength), 0u);
    const auto audio = Audio(320, 7);
    file.AppendAudio(audio.data(), 320);
    EXPECT_EQ(ReadRecordingFile(path).at(0).header.get(wlseg::kPayloadLength), 320u);
    file.AppendAudio(audio.data(), 320);
    EXPECT_EQ(ReadRecordingFile(path).at(0).header.get(wlseg::kPayloadLength), 640u);
}

TEST_F(AudioFileTest, AReopenedFileStepsThroughItsSegmentsBothWaysAndAppendsBehindThem) {
    {
        CAudioFile file;
        ASSERT_TRUE(file.Open(path));
        for (std::uint8_t n = 1; n <= 3; ++n) {
            file.AppendSegment(ChannelRecord("Ch", 150'000'000 + n), 0);
            const auto audio = Audio(100u * n, n);
            file.AppendAudio(audio.data(), 100u * n);
        }
    }
    CAudioFile file;
    ASSERT_TRUE(file.Open(path));
    EXPECT_EQ(file.m_recordCount, 3u);
    EXPECT_FALSE(file.PreviousRecord());
    ASSERT_TRUE(file.NextRecord());
    ASSERT_TRUE(file.NextRecord());
    EXPECT_EQ(file.m_currentRecord, 2u);
    std::uint8_t buffer[500] = {};
    EXPECT_EQ(file.ReadAudio(buffer, 500), 200u);
    EXPECT_EQ(buffer[199], 2);
    EXPECT_EQ(file.ReadAudio(buffer, 500), 0u) << "the end of the segment";
    ASSERT_TRUE(file.PreviousRecord());
    EXPECT_EQ(file.CurrentHeader().get(wlseg::kDal).get(dal::kFrequency), 150'000'001u);
    ASSERT_TRUE(file.GotoPlaySegment(3));
    EXPECT_FALSE(file.NextRecord());
    EXPECT_FALSE(file.GotoPlaySegment(4));
    EXPECT_FALSE(file.GotoPlaySegment(0));

    EXPECT_EQ(file.AppendSegment(ChannelRecord("Fourth", 160'000'000), 0), 4u);
    const auto segments = ReadRecordingFile(path);
    ASSERT_EQ(segments.size(), 4u);
    EXPECT_EQ(segments[3].header.get(wlseg::kSegmentNumber), 4u);
}

TEST_F(AudioFileTest, ALastSegmentCutShortRunsToTheEndOfTheFileAndTheNextChainsBehindIt) {
    {
        CAudioFile file;
        ASSERT_TRUE(file.Open(path));
        file.AppendSegment(ChannelRecord("Fire", 155'010'000), 0);
        const auto audio = Audio(400, 1);
        file.AppendAudio(audio.data(), 400);
    }
    // As if the recorder had stopped after stating more audio than it wrote.
    std::string bytes = hb::testkit::ReadFileBytes(path);
    const std::size_t at = ReadRecordingFile(path).at(0).offset;
    bytes[at + 8] = static_cast<char>(0xE8);
    bytes[at + 9] = 0x03;
    hb::testkit::WriteFileBytes(path, bytes);

    CAudioFile file;
    ASSERT_TRUE(file.Open(path));
    file.AppendSegment(ChannelRecord("Police", 460'125'000), 0);
    const auto segments = ReadRecordingFile(path);
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_EQ(segments[0].header.get(wlseg::kPayloadLength), 400u);
}

TEST_F(AudioFileTest, AFileOfAnotherKindOrFormatIsLeftAloneWithState3) {
    hb::testkit::WriteFileBytes(path, "not a recording, but someone's notes");
    CAudioFile file;
    EXPECT_FALSE(file.Open(path));
    EXPECT_EQ(file.m_handle, -1);
    EXPECT_EQ(file.m_state, CAudioFile::kOtherFormat);
    EXPECT_EQ(hb::testkit::ReadFileBytes(path), "not a recording, but someone's notes");
    EXPECT_EQ(file.AppendSegment(ChannelRecord("x", 1), 0), 0u);

    const std::string other = folder.File("CD.SWQ");
    {
        CAudioFile made;
        ASSERT_TRUE(made.Open(other));
    }
    std::string bytes = hb::testkit::ReadFileBytes(other);
    bytes[32 + 4] = static_cast<char>(0x44); // 44,100 samples a second
    bytes[32 + 5] = static_cast<char>(0xAC);
    hb::testkit::WriteFileBytes(other, bytes);
    EXPECT_FALSE(file.Open(other));
    EXPECT_EQ(file.m_state, CAudioFile::kOtherFormat);
    EXPECT_EQ(hb::testkit::ReadFileBytes(other), bytes);

    EXPECT_FALSE(file.Open(folder.File("missing/folder/X.SWQ")));
    EXPECT_EQ(file.m_handle, -1);
    EXPECT_EQ(file.m_state, CAudioFile::kNoFile);
}

TEST_F(AudioFileTest, AHeaderWrittenBackChangesTheMarkAndChannelButNeverTheChain) {
    CAudioFile file;
    ASSERT_TRUE(file.Open(path));
    file.AppendSegment(ChannelRecord("Fire", 155'010'000), 0);
    const auto audio = Audio(400, 1);
    file.AppendAudio(audio.data(), 400);
    file.AppendSegment(ChannelRecord("Police", 460'125'000), 0);

    wlseg edited = ReadRecordingFile(path).at(0).header;
    edited.set(wlseg::kMark, 1);
    edited.set(wlseg::kPayloadLength, 99);
    edited.set(wlseg::kSegmentNumber, 9);
    dal record = edited.get(wlseg::kDal);
    record.setText(dal::kName1, "Fire Ground");
    edited.set(wlseg::kDal, record);
    ASSERT_TRUE(file.SegmentHeaderWrite(edited, CAudioFile::kWriteInPlace));

    const auto segments = ReadRecordingFile(path);
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_EQ(segments[0].header.get(wlseg::kMark), 1u);
    EXPECT_EQ(segments[0].header.get(wlseg::kDal).text(dal::kName1), "Fire Ground");
    EXPECT_EQ(segments[0].header.get(wlseg::kPayloadLength), 400u);
    EXPECT_EQ(segments[0].header.get(wlseg::kSegmentNumber), 1u);

    edited.set(wlseg::kOwnOffset, edited.get(wlseg::kOwnOffset) + 1);
    EXPECT_FALSE(file.SegmentHeaderWrite(edited, CAudioFile::kWriteInPlace));
}

} // namespace
} // namespace hb::tessary::test
