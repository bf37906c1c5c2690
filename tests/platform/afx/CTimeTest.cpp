#include "platform/afx/CTime.h"

#include "platform/testkit/PlatformTest.h"

#include <stdexcept>
#include <string>

using hb::testkit::PlatformTest;

namespace {

constexpr std::int64_t kNewYear2026 = 1767225600;   // Thursday 2026-01-01 00:00:00 UTC
constexpr std::int64_t kMidsummer2026 = 1782907200; // 2026-07-01 12:00:00 UTC
// Central European time without depending on the zone database.
constexpr const char* kCentralEurope = "CET-1CEST,M3.5.0,M10.5.0/3";

class CTimeTest : public PlatformTest {};

struct FormatCase {
    const char* format;
    const char* expected;
};

TEST_F(CTimeTest, FormatMapsTheWindowsFormsInUtc) {
    const CTime time(kNewYear2026);
    const FormatCase cases[] = {
        {"%Y/%m/%d %H:%M:%S", "2026/01/01 00:00:00"},
        {"%#c", "Thursday, January 01, 2026 00:00:00"},
        {"%c", "Thu Jan  1 00:00:00 2026"},
        {"%#c %z.", "Thursday, January 01, 2026 00:00:00 UTC."},
        {"%z|%#z|%Z", "UTC|UTC|UTC"},
        {"%#d.%#m.%#x", "01.01.01/01/26"},
        {"%B %d, %Y:", "January 01, 2026:"},
        {"%a %A %b", "Thu Thursday Jan"},
        {"100%% done %", "100% done %"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(time.Format(c.format), c.expected) << c.format;
        const CString format(c.format);
        EXPECT_EQ(time.Format(format), CString(c.expected)) << c.format;
    }
}

TEST_F(CTimeTest, LocalTimeFollowsTheZoneAndGmtDoesNot) {
    hb::win::SetTimeZone(kCentralEurope);
    const CTime summer(kMidsummer2026);
    EXPECT_EQ(summer.Format("%H:%M %z"), "14:00 CEST");
    EXPECT_EQ(summer.FormatGmt("%H:%M"), "12:00");
    EXPECT_EQ(summer.GetHour(), 14);
    EXPECT_EQ(CTime(kNewYear2026).Format("%d %H:%M %z"), "01 01:00 CET");
    EXPECT_EQ(CTime(2026, 7, 1, 14, 0, 0).GetTime(), kMidsummer2026);
    EXPECT_EQ(CTime(2026, 1, 1, 1, 0, 0).GetTime(), kNewYear2026);
}

TEST_F(CTimeTest, PartsOfTheLocalCalendar) {
    const CTime time(2026, 3, 14, 15, 9, 26);
    EXPECT_EQ(time.GetYear(), 2026);
    EXPECT_EQ(time.GetMonth(), 3);
    EXPECT_EQ(time.GetDay(), 14);
    EXPECT_EQ(time.GetHour(), 15);
    EXPECT_EQ(time.GetMinute(), 9);
    EXPECT_EQ(time.GetSecond(), 26);
    EXPECT_EQ(time.GetDayOfWeek(), 7); // Saturday
    EXPECT_EQ(CTime(kNewYear2026).GetDayOfWeek(), 5);
}

TEST_F(CTimeTest, TimesBefore1970Work) {
    const CTime lastSecondOf1969(1969, 12, 31, 23, 59, 59);
    EXPECT_EQ(lastSecondOf1969.GetTime(), -1);
    const CTime time(1960, 6, 15, 12, 30, 45);
    EXPECT_EQ(time.GetTime(), -301231755);
    EXPECT_EQ(time.GetDayOfWeek(), 4); // Wednesday
    EXPECT_EQ(time.Format("%Y-%m-%d %H:%M:%S"), "1960-06-15 12:30:45");
    EXPECT_EQ(time.FormatGmt("%#c"), "Wednesday, June 15, 1960 12:30:45");
    EXPECT_LT(time, lastSecondOf1969);
}

TEST_F(CTimeTest, OutOfRangePartsAreRefused) {
    EXPECT_THROW(CTime(2026, 13, 1, 0, 0, 0), std::invalid_argument);
    EXPECT_THROW(CTime(2026, 1, 0, 0, 0, 0), std::invalid_argument);
    EXPECT_THROW(CTime(2026, 1, 1, 24, 0, 0), std::invalid_argument);
    EXPECT_THROW(CTime(1899, 12, 31, 0, 0, 0), std::invalid_argument);
}

TEST_F(CTimeTest, CurrentTimeReadsThePlatformClock) {
    hb::win::SetWallTime(kNewYear2026);
    EXPECT_EQ(CTime::GetCurrentTime().GetTime(), kNewYear2026);
    AdvanceAndPump(2500);
    EXPECT_EQ(CTime::GetCurrentTime().GetTime(), kNewYear2026 + 2);
}

TEST_F(CTimeTest, SpansAddUpAndSplitIntoParts) {
    const CTimeSpan span(1, 2, 3, 4);
    EXPECT_EQ(span.GetTotalSeconds(), 93784);
    EXPECT_EQ(span.GetDays(), 1);
    EXPECT_EQ(span.GetTotalHours(), 26);
    EXPECT_EQ(span.GetTotalMinutes(), 1563);
    EXPECT_EQ(span.GetHours(), 2);
    EXPECT_EQ(span.GetMinutes(), 3);
    EXPECT_EQ(span.GetSeconds(), 4);
    EXPECT_EQ(span.Format("%D %H:%M:%S (%%)"), "1 02:03:04 (%)");
    EXPECT_EQ(span.Format(CString("%H:%M")), CString("02:03"));

    const CTimeSpan back = -span;
    EXPECT_EQ(back.GetHours(), -2);
    EXPECT_EQ(back.Format("%D %H:%M:%S"), "-1 02:03:04");

    const CTime start(kNewYear2026);
    const CTime end = start + span;
    EXPECT_EQ(end - start, span);
    EXPECT_EQ(end - span, start);
    EXPECT_EQ(start - end, back);
    CTime moving = start;
    moving += CTimeSpan(0, 0, 0, 30);
    moving -= CTimeSpan(10);
    EXPECT_EQ(moving.GetTime(), kNewYear2026 + 20);
    EXPECT_GT(end, start);
    EXPECT_LT(CTimeSpan(59), CTimeSpan(0, 0, 1, 0));
}

} // namespace
