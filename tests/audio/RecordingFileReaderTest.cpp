#include "audio/RecordingFileReader.h"

#include "audio/MinutesSecondsItem.h"
#include "audio/ReportFrequencyItem.h"
#include "audio/ReportTextItem.h"
#include "audio/ReportTime.h"
#include "audio/ReportTimeStampItem.h"
#include "platform/testkit/PlatformTest.h"
#include "platform/win/core/Clock.h"
#include "tests/audio/RecordingBytes.h"

#include <gtest/gtest.h>

#include <vector>

namespace hb::audio::test {
namespace {

std::vector<RecordingSegment> ReadAll(const std::string& bytes) {
    RecordingMemorySource source(bytes);
    RecordingFileReader reader(source);
    if (!reader.CheckHeader()) {
        return {};
    }
    return reader.ReadFrom(reader.FirstRecord());
}

TEST(RecordingFileReaderTest, HeaderFormatAndAreaAloneYieldNothingAndForeignFilesAreRejected) {
    RecordingBytes file;
    EXPECT_TRUE(ReadAll(file.bytes).empty());
    RecordingBytes foreign;
    foreign.Add(155'000'000, 10, 10);
    foreign.bytes[0] = 'R';
    RecordingMemorySource source(foreign.bytes);
    EXPECT_FALSE(RecordingFileReader(source).CheckHeader());
    EXPECT_TRUE(ReadAll(foreign.bytes.substr(0, 20)).empty());
}

TEST(RecordingFileReaderTest, ALastRecordStillBeingWrittenKeepsItsStatedLength) {
    RecordingBytes file;
    file.Add(155'000'000, 100, 100);
    file.Add(156'000'000, 16'000, 300);
    const auto segments = ReadAll(file.bytes);
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_EQ(segments[1].payloadLength, 16'000u);
    EXPECT_EQ(segments[0].payloadLength, 100u);
}

TEST(RecordingFileReaderTest, TrailingBytesThatAreNoHeaderMakeTheLastGoodRecordRunToTheEnd) {
    const auto broken = [](auto spoil) {
        RecordingBytes file;
        file.Add(155'000'000, 100, 100);
        const std::uint32_t next = static_cast<std::uint32_t>(file.bytes.size());
        wlseg header = RecordingBytes::Valid(next, 156'000'000, 50);
        spoil(header);
        file.Append(header, 50);
        return ReadAll(file.bytes);
    };
    const std::uint32_t toEnd = 100 + 249 + 50;
    for (const auto& segments : {
             broken([](wlseg& h) { h.set(wlseg::kOwnOffset, 7); }),
             broken([](wlseg& h) {
                 dal d = h.get(wlseg::kDal);
                 d.set(dal::kState, 0);
                 h.set(wlseg::kDal, d);
             }),
             broken([](wlseg& h) {
                 dal d = h.get(wlseg::kDal);
                 d.set(dal::kState, 10);
                 h.set(wlseg::kDal, d);
             }),
             broken([](wlseg& h) {
                 dal d = h.get(wlseg::kDal);
                 d.set(dal::kKind, 13);
                 h.set(wlseg::kDal, d);
             }),
         }) {
        ASSERT_EQ(segments.size(), 1u);
        EXPECT_EQ(segments[0].payloadLength, toEnd);
    }
}

TEST(RecordingFileReaderTest, AWrappingLengthEndsTheWalkAndResumingNeedsTheRecordInPlace) {
    RecordingBytes file;
    const wlseg first = file.Add(155'000'000, 0xFFFFFF00, 20);
    // A later copy of the first header would pass the own-offset check if positions wrapped.
    file.Append(first, 20);
    EXPECT_EQ(ReadAll(file.bytes).size(), 1u);

    RecordingBytes grown;
    grown.Add(155'000'000, 10, 10);
    const std::uint64_t firstOffset = 50;
    grown.Add(156'000'000, 10, 10);
    RecordingMemorySource source(grown.bytes);
    RecordingFileReader reader(source);
    ASSERT_TRUE(reader.CheckHeader());
    std::vector<RecordingSegment> after;
    ASSERT_TRUE(reader.ReadAfter(firstOffset, after));
    ASSERT_EQ(after.size(), 1u);
    EXPECT_EQ(after[0].header.get(wlseg::kDal).get(dal::kFrequency), 156'000'000u);
    EXPECT_FALSE(reader.ReadAfter(firstOffset + 1, after));
}

TEST(RecordingFileReaderTest, DurationsNamesAndFolders) {
    EXPECT_EQ(SegmentDuration(1, 8000), 1u);
    EXPECT_EQ(SegmentDuration(16'000, 8000), 2u);
    EXPECT_EQ(SegmentDuration(16'001, 8000), 3u);
    EXPECT_EQ(SegmentDuration(777, 0), 777u);

    dal record;
    record.setText(dal::kName1, "  Fire Dispatch  ");
    record.setText(dal::kName2, "North ");
    record.setText(dal::kName3, "Zone 3");
    EXPECT_EQ(SegmentNames(record), "Fire Dispatch, North, Zone 3");
    record.set(dal::kFlags, dal::kFlagSubjectAlone);
    EXPECT_EQ(SegmentNames(record), "Fire Dispatch");
    // Names filling their fields are read within them.
    dal full;
    std::fill(full.data() + 33, full.data() + 203, 'x');
    EXPECT_EQ(SegmentNames(full).size(), 50u + 2 + 50 + 2 + 50);
    EXPECT_EQ(full.text(dal::kRadioName).size(), 20u);

    EXPECT_EQ(SegmentFolder("C:\\Docs\\Police\\RX1.swq"), "Police");
    EXPECT_EQ(SegmentFolder("/home/u/Documents/Fire/rx1.SWQ"), "Fire");
}

TEST(ReportTimeTest, SecondsOfBrokenDownTimes) {
    const auto seconds = [](int year, int month, int day, int hour = 0, int minute = 0,
                            int second = 0) {
        std::tm time{};
        time.tm_year = year;
        time.tm_mon = month;
        time.tm_mday = day;
        time.tm_hour = hour;
        time.tm_min = minute;
        time.tm_sec = second;
        return TmToSeconds(&time);
    };
    EXPECT_EQ(seconds(70, 0, 1), 0);
    EXPECT_EQ(seconds(68, 0, 1), -1);
    EXPECT_EQ(seconds(72, 2, 1), 68'256'000);
    EXPECT_EQ(seconds(138, 0, 19, 3, 14, 7), 2'147'483'647);
    EXPECT_EQ(seconds(138, 0, 19, 3, 14, 8), -1);
    EXPECT_EQ(seconds(99, 12, 1), seconds(100, 0, 1));
    EXPECT_EQ(seconds(100, -1, 1), seconds(99, 11, 1));
    std::tm folded{};
    folded.tm_year = 99;
    folded.tm_mon = 12;
    folded.tm_mday = 1;
    TmToSeconds(&folded);
    EXPECT_EQ(folded.tm_year, 100);
    EXPECT_EQ(folded.tm_mon, 0);
}

class ReportItemsTest : public hb::testkit::PlatformTest {};

TEST_F(ReportItemsTest, TimeStampsShowLocalTimeAndGroupByLocalDay) {
    hb::win::SetTimeZone("EST5EDT");
    CReportTimeStampItem zero(-1);
    EXPECT_EQ(zero.GetValue(), 0);
    EXPECT_EQ(zero.GetCaption(nullptr), "1969/12/31 19:00:00");
    EXPECT_EQ(zero.GetGroupCaption(nullptr), "December 31, 1969:");
    // 2026-03-05 08:00 and 20:00 local.
    CReportTimeStampItem morning(1'772'715'600);
    CReportTimeStampItem evening(1'772'715'600 + 12 * 3600);
    EXPECT_EQ(morning.CompareGroupCaption(nullptr, &evening), 0);
    EXPECT_LT(morning.Compare(nullptr, &evening), 0);
    EXPECT_EQ(morning.GetGroupCaption(nullptr), "March 05, 2026:");
    FILETIME time;
    const std::uint64_t ticks = (1'772'715'600ULL + 11'644'473'600ULL) * 10'000'000ULL;
    time.dwLowDateTime = static_cast<DWORD>(ticks);
    time.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
    CReportTimeStampItem fromFile;
    fromFile.SetValue(time);
    EXPECT_EQ(fromFile.GetValue(), 1'772'715'600);
}

TEST_F(ReportItemsTest, TextFrequencyAndDurationCells) {
    CReportTextItem lower("  abc  ");
    CReportTextItem upper("ABC");
    EXPECT_EQ(lower.GetCaption(nullptr), "abc");
    EXPECT_EQ(lower.Compare(nullptr, &upper), 0);
    lower.OnEditChanged(nullptr, " Fire ");
    EXPECT_EQ(lower.GetValue(), "Fire");

    CReportFrequencyItem frequency(162'550'000);
    EXPECT_EQ(frequency.GetCaption(nullptr), "162.5500");
    EXPECT_EQ(frequency.GetGroupCaption(nullptr), "162.5500:");
    frequency.OnEditChanged(nullptr, "not a frequency");
    EXPECT_EQ(frequency.GetValue(), 162'550'000u);
    frequency.OnEditChanged(nullptr, "460.125");
    EXPECT_EQ(frequency.GetValue(), 460'125'000u);
    CReportFrequencyItem lowerFrequency(30'000'000);
    EXPECT_LT(lowerFrequency.Compare(nullptr, &frequency), 0);

    CMinutesSecondsItem duration(125);
    EXPECT_EQ(duration.GetCaption(nullptr), "2:05");
    CMinutesSecondsItem longer(600);
    EXPECT_LT(duration.Compare(nullptr, &longer), 0);
}

} // namespace
} // namespace hb::audio::test
