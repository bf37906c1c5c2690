#include "platform/instruments/CiSevenSegmentClockX.h"
#include "platform/instruments/CiSwitchLedX.h"
#include "platform/win/gdi/TextMetrics.h"
#include "tests/platform/instruments/InstrumentTest.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>

namespace hb::instruments::test {
namespace {

using hb::win::DisplayList;
using hb::win::DrawOp;
using hb::win::DrawRecord;
using Predicate = std::function<bool(const DrawRecord&)>;

std::vector<DrawRecord> Select(const DisplayList& list, const Predicate& predicate) {
    std::vector<DrawRecord> found;
    for (const DrawRecord& record : list) {
        if (predicate(record)) {
            found.push_back(record);
        }
    }
    return found;
}

Predicate Fill(COLORREF color) {
    return
        [color](const DrawRecord& r) { return r.op == DrawOp::FillRect && r.brush.color == color; };
}

Predicate LineIn(COLORREF color) {
    return [color](const DrawRecord& r) {
        return r.op == DrawOp::LineTo && r.state.pen.color == color;
    };
}

std::vector<std::string> Texts(const DisplayList& list) {
    std::vector<std::string> texts;
    for (const DrawRecord& record :
         Select(list, [](const DrawRecord& r) { return r.op == DrawOp::DrawText; })) {
        texts.push_back(record.text);
    }
    return texts;
}

TEST_F(InstrumentTest, AKnobsPointerPointsAtItsPosition) {
    // 90 x 104 pixels, centred on (45, 52); the travel runs clockwise from lower left.
    const auto tip = [&](double position) {
        panel.tuning.SetPosition(position);
        const std::vector<DrawRecord> pointer = Select(Repaint(panel.tuning), LineIn(0xFFFFFF));
        EXPECT_EQ(pointer.size(), 1u);
        return pointer.empty() ? POINT{} : pointer[0].points[1];
    };
    const POINT low = tip(0);
    const POINT middle = tip(500);
    const POINT high = tip(1000);
    EXPECT_LT(low.x, 45);
    EXPECT_GT(low.y, 52);
    EXPECT_EQ(middle.x, 45);
    EXPECT_LT(middle.y, 52);
    EXPECT_GT(high.x, 45);
    EXPECT_GT(high.y, 52);

    panel.tuning.SetUnitsText(" %");
    EXPECT_EQ(Texts(Repaint(panel.tuning)), (std::vector<std::string>{"1000 %"}));
}

TEST_F(InstrumentTest, AKnobCanHideItsPositionLabelAndStillShowsItsPointer) {
    panel.tuning.SetPosition(162450100);
    EXPECT_TRUE(panel.tuning.GetPositionLabelVisible());
    panel.tuning.SetPositionLabelVisible(FALSE);
    const DisplayList& painted = Repaint(panel.tuning);
    EXPECT_TRUE(Texts(painted).empty());
    EXPECT_EQ(Select(painted, LineIn(0xFFFFFF)).size(), 1u);
    panel.tuning.SetPositionLabelVisible(TRUE);
    EXPECT_EQ(Texts(Repaint(panel.tuning)), (std::vector<std::string>{"162450100"}));
}

TEST_F(InstrumentTest, ALampCaptionWiderThanTheLampIsDrawnSmallerToFit) {
    CRect client;
    panel.statusLamp.GetClientRect(&client);
    for (const char* caption : {"OK", "Scanning band"}) {
        panel.statusLamp.SetCaption(caption);
        const std::vector<DrawRecord> texts =
            Select(Repaint(panel.statusLamp),
                   [](const DrawRecord& r) { return r.op == DrawOp::DrawText; });
        ASSERT_EQ(texts.size(), 1u) << caption;
        EXPECT_LE(hb::win::MeasureText(texts[0].state.font, caption).cx, client.Width() - 2)
            << caption;
    }
}

TEST_F(InstrumentTest, LampsTakeTheColourOfTheirState) {
    EXPECT_EQ(Select(Repaint(panel.statusLamp), Fill(0x004000)).size(), 1u);
    panel.statusLamp.SetActive(TRUE);
    panel.statusLamp.SetActiveColor(0x0000FF);
    const DisplayList& lit = Repaint(panel.statusLamp);
    EXPECT_EQ(Select(lit, Fill(0x0000FF)).size(), 1u);
    EXPECT_EQ(Texts(lit), (std::vector<std::string>{"OK"}));

    const auto ellipse = [](const DrawRecord& r) { return r.op == DrawOp::Ellipse; };
    EXPECT_EQ(Select(Repaint(panel.tone), ellipse).at(0).state.brush.color, 0x004000u);
    panel.tone.SetActive(TRUE);
    EXPECT_EQ(Select(Repaint(panel.tone), ellipse).at(0).state.brush.color, 0x0000FFu);

    // The toggle's lever stands in the upper half when the switch is on.
    const auto lever = [&] { return Select(Repaint(panel.hold), Fill(0x404040)).at(0).rect; };
    EXPECT_GE(lever().top, 19);
    panel.hold.SetActive(TRUE);
    EXPECT_LE(lever().bottom, 19);
}

TEST_F(InstrumentTest, ASwitchLedShowsItsLampAndItsCaptionWithinItsFace) {
    // As narrow as the mini status panel's VFO switches.
    const HWND hwnd = CreateWindowEx(0, "TiSwitchLed", "", WS_CHILD | WS_VISIBLE, 0, 0, 24, 21,
                                     panel, 7003u, nullptr);
    CiSwitchLedX vfo;
    vfo.Attach(hwnd);
    vfo.SetProperty(switchLed::kCaption, "V3");
    vfo.SetProperty(switchLed::kActiveColor, std::int64_t{0x00FF00});
    vfo.SetProperty(switchLed::kInactiveColor, std::int64_t{0x004000});
    const DisplayList& off = Repaint(hwnd);
    EXPECT_EQ(Select(off, Fill(0x004000)).size(), 1u);
    EXPECT_TRUE(Select(off, Fill(0x00FF00)).empty());
    const std::vector<DrawRecord> texts =
        Select(off, [](const DrawRecord& r) { return r.op == DrawOp::DrawText; });
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "V3");
    const SIZE size = hb::win::MeasureText(texts[0].state.font, "V3");
    EXPECT_LE(size.cx, 20);
    EXPECT_LE(texts[0].rect.top + size.cy, 21);

    vfo.SetActive(TRUE);
    const DisplayList& on = Repaint(hwnd);
    EXPECT_EQ(Select(on, Fill(0x00FF00)).size(), 1u);
    EXPECT_EQ(Texts(on), (std::vector<std::string>{"V3"}));
    vfo.Detach();
}

TEST_F(InstrumentTest, SevenSegmentDisplaysLightTheSegmentsOfTheirDigits) {
    panel.channel.SetValue(18);
    // One blank, then 2 and 7 segments.
    EXPECT_EQ(Select(Repaint(panel.channel), Fill(0x00FF00)).size(), 9u);
    panel.frequency.SetValue(162.55);
    panel.frequency.SetSegmentColor(0x00FFFF);
    // "162.5500": 2 + 6 + 5 + 5 + 5 + 6 + 6 segments and the point.
    EXPECT_EQ(Select(Repaint(panel.frequency), Fill(0x00FFFF)).size(), 36u);
}

TEST_F(InstrumentTest, SevenSegmentDigitsStayInsideTheSunkenEdge) {
    panel.channel.SetValue(2000);
    panel.channel.SetSegmentColor(0x00FFFF);
    CRect client;
    panel.channel.GetClientRect(&client);
    const std::vector<DrawRecord> lit = Select(Repaint(panel.channel), Fill(0x00FFFF));
    // 2, 0, 0, 0: every digit drawn, though the count is three.
    EXPECT_EQ(lit.size(), 5u + 6u + 6u + 6u);
    for (const DrawRecord& record : lit) {
        EXPECT_GE(record.rect.left, 2);
        EXPECT_GE(record.rect.top, 2);
        EXPECT_LE(record.rect.right, client.right - 2);
        EXPECT_LE(record.rect.bottom, client.bottom - 2);
    }
}

TEST_F(InstrumentTest, TheDecimalPointStandsClearOfTheDigitsAndIsTwiceASegmentThick) {
    panel.frequency.SetValue(162.55);
    panel.frequency.SetSegmentColor(0x00FFFF);
    const std::vector<DrawRecord> lit = Select(Repaint(panel.frequency), Fill(0x00FFFF));
    // The point is the only lit square; segments are long and thin.
    const auto width = [](const RECT& r) { return r.right - r.left; };
    const auto height = [](const RECT& r) { return r.bottom - r.top; };
    std::vector<RECT> points;
    LONG thinnest = 1000;
    for (const DrawRecord& record : lit) {
        if (width(record.rect) == height(record.rect)) {
            points.push_back(record.rect);
        } else {
            thinnest = std::min({thinnest, width(record.rect), height(record.rect)});
        }
    }
    ASSERT_EQ(points.size(), 1u);
    const RECT point = points[0];
    EXPECT_GE(width(point), 2 * thinnest);
    for (const DrawRecord& record : lit) {
        if (record.rect.left == point.left && record.rect.top == point.top) {
            continue;
        }
        const bool apart = record.rect.right < point.left || record.rect.left > point.right ||
                           record.rect.bottom < point.top || record.rect.top > point.bottom;
        EXPECT_TRUE(apart) << record.rect.left << "," << record.rect.top;
    }
}

TEST_F(InstrumentTest, ASevenSegmentClockShowsItsTimeOfDayWithColons) {
    CiSevenSegmentClockX clock;
    ASSERT_TRUE(clock.Attach(CreateWindowEx(0, "TiSevenSegmentClock", "", WS_CHILD | WS_VISIBLE, 0,
                                            0, 120, 30, panel, 5000, nullptr)));
    const auto lit = [&clock] { return Select(Repaint(clock), Fill(0x00FF00)).size(); };
    // 00:00:00: six zeros of six segments and two colons of two dots.
    EXPECT_EQ(lit(), 6u * 6u + 4u);
    // Half a day and one second: 12:00:01.
    clock.SetTime(0.5 + 1.0 / 86400);
    EXPECT_DOUBLE_EQ(clock.GetTime(), 0.5 + 1.0 / 86400);
    EXPECT_EQ(lit(), 2u + 5u + 3u * 6u + 2u + 4u);
    // A time past the day's end, or none at all, stays within the day.
    clock.SetTime(1e300);
    // 23:59:59.
    EXPECT_EQ(lit(), 5u + 5u + 5u + 6u + 5u + 6u + 4u);
    clock.SetTime(std::nan(""));
    EXPECT_EQ(lit(), 6u * 6u + 4u);
    clock.Detach();
}

TEST_F(InstrumentTest, ALabelShrinksItsCaptionToFitWhenAsked) {
    const std::string caption(20, 'W');
    panel.name.SetCaption(caption.c_str());
    const auto drawn = [&] {
        return Select(Repaint(panel.name),
                      [](const DrawRecord& r) { return r.op == DrawOp::DrawText; })
            .at(0);
    };
    const DrawRecord full = drawn();
    EXPECT_EQ(full.text, caption);
    panel.name.SetShrinkToFit(TRUE);
    const DrawRecord shrunk = drawn();
    EXPECT_GT(shrunk.state.font.height, full.state.font.height);
    EXPECT_LE(hb::win::MeasureText(shrunk.state.font, caption).cx, 150 - 4);
    EXPECT_GT(hb::win::MeasureText(full.state.font, caption).cx, 150 - 4);
}

TEST_F(InstrumentTest, BarsGaugesAndPadsShowTheirState) {
    panel.vu.SetPosition(50);
    const DisplayList& bar = Repaint(panel.vu);
    EXPECT_EQ(Select(bar, Fill(0x00FF00)).size(), 10u);
    EXPECT_EQ(Select(bar, Fill(0x004000)).size(), 10u);

    panel.meter.SetPositionMin(-130);
    panel.meter.SetPositionMax(-10);
    panel.meter.SetSectionCount(3);
    panel.meter.SetSectionEnd(1, -50);
    panel.meter.SetSectionEnd(2, -30);
    panel.meter.SetSectionEnd(3, -10);
    panel.meter.SetLabelVisible(TRUE);
    panel.meter.SetLabelText("-73 dBm");
    const auto needle = [&](double position) {
        panel.meter.SetPosition(position);
        return Select(Repaint(panel.meter), LineIn(0x0000FF)).at(0).points[1];
    };
    EXPECT_LT(needle(-130).x, needle(-10).x);
    const DisplayList& gauge = hb::win::LastPaint(panel.meter);
    const std::vector<DrawRecord> sections = Select(
        gauge, [](const DrawRecord& r) { return r.op == DrawOp::Arc && r.state.pen.width == 4; });
    ASSERT_EQ(sections.size(), 3u);
    EXPECT_EQ(sections[0].state.pen.color, 0x00FF00u);
    EXPECT_EQ(sections[2].state.pen.color, 0x0000FFu);
    EXPECT_EQ(Texts(gauge), (std::vector<std::string>{"Signal", "-73 dBm"}));

    // Caption and label lie below the lowest the needle reaches, at either end of the scale.
    for (const double position : {-130.0, -10.0}) {
        panel.meter.SetPosition(position);
        const DisplayList& painted = Repaint(panel.meter);
        const LONG tip = Select(painted, LineIn(0x0000FF)).at(0).points[1].y;
        const std::vector<DrawRecord> texts =
            Select(painted, [](const DrawRecord& r) { return r.op == DrawOp::DrawText; });
        ASSERT_EQ(texts.size(), 2u);
        for (const DrawRecord& text : texts) {
            EXPECT_GT(text.rect.top, tip) << text.text;
            EXPECT_LE(hb::win::MeasureText(text.state.font, text.text).cy,
                      text.rect.bottom - text.rect.top)
                << text.text;
        }
    }

    EXPECT_EQ(
        Texts(Repaint(panel.keypad)),
        (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "9", ".", "0", "C"}));
}

TEST_F(InstrumentTest, EveryKindIsAWindowClassOfItsOwnThatPaints) {
    std::set<std::string> classIds;
    int id = 5000;
    for (const KindInfo& info : Kinds()) {
        classIds.insert(info.classId);
        EXPECT_EQ(FindKindByClassId(info.classId), &info);
        const HWND hwnd = CreateWindowEx(0, info.className, "", WS_CHILD | WS_VISIBLE, 0, 0, 40, 40,
                                         panel, static_cast<UINT>(id++), nullptr);
        EXPECT_EQ(KindOf(hwnd), &info) << info.className;
        EXPECT_FALSE(Repaint(hwnd).empty()) << info.className;
    }
    EXPECT_EQ(classIds.size(), 27u);
}

} // namespace
} // namespace hb::instruments::test
