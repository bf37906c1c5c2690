#include "tests/platform/instruments/InstrumentTest.h"

#include <cstdint>

namespace hb::instruments::test {
namespace {

using hb::afx::Value;

TEST_F(InstrumentTest, NamedAccessorsAndDispatchIdsShareOneStorage) {
    // As the style code writes them: by dispid, in whatever number type it has.
    panel.tuning.SetProperty(knob::kIndicatorColor, COLORREF{0x00FF00});
    panel.tuning.SetProperty(knob::kBackGroundColor, 0x123456);
    EXPECT_EQ(panel.tuning.GetIndicatorColor(), 0x00FF00u);
    EXPECT_EQ(panel.tuning.GetBackGroundColor(), 0x123456u);
    panel.tuning.GetFont().SetName("Tahoma");
    EXPECT_EQ(panel.tuning.GetProperty(knob::kFont), Value(std::string("Tahoma")));

    panel.name.SetProperty(label::kHighlight, 1);
    panel.name.SetFontColor(0xFFFFFF);
    panel.name.SetCaption("KX Repeater");
    const std::map<long, Value> bag = LastProperties(panel.name);
    EXPECT_EQ(bag.at(label::kHighlight), Value(true));
    EXPECT_EQ(bag.at(label::kFontColor), Value(std::int64_t{0xFFFFFF}));
    EXPECT_EQ(bag.at(label::kCaption), Value(std::string("KX Repeater")));
    EXPECT_EQ(bag.size(), KindOf(panel.name)->properties.size());

    panel.meter.SetSectionEnd(2, -40);
    panel.meter.SetSectionColor(2, 0x00FFFF);
    EXPECT_EQ(panel.meter.GetProperty(angularGauge::kSection2End), Value(-40.0));
    EXPECT_EQ(panel.meter.GetProperty(angularGauge::kSection2Color), Value(std::int64_t{0x00FFFF}));
    panel.meter.SetSectionEnd(4, 1);
    EXPECT_EQ(panel.meter.GetSectionEnd(4), 0);
}

TEST_F(InstrumentTest, PutsStoreInThePropertysTypeAndRefuseWhatDoesNotFit) {
    std::vector<std::string> failures;
    hb::win::SetFailureHandler([&](const std::string& message) { failures.push_back(message); });
    panel.tuning.SetProperty(knob::kPosition, 700);
    EXPECT_EQ(panel.tuning.GetProperty(knob::kPosition), Value(700.0));
    panel.channel.SetProperty(sevenSegmentInteger::kValue, 41.5);
    EXPECT_EQ(panel.channel.GetValue(), 42);
    panel.tuning.SetProperty(knob::kTicksVisible, 0);
    EXPECT_EQ(panel.tuning.GetProperty(knob::kTicksVisible), Value(false));
    EXPECT_TRUE(failures.empty());

    panel.tuning.SetProperty(knob::kPosition, "high");
    panel.tuning.SetUnitsText(nullptr);
    panel.statusLamp.SetProperty(knob::kIndicatorColor, 5);
    EXPECT_EQ(panel.tuning.GetPosition(), 700);
    EXPECT_EQ(panel.tuning.GetUnitsText(), "");
    EXPECT_EQ(failures.size(), 2u);
}

TEST_F(InstrumentTest, AnUnboundWrapperOrOneOnAnotherWindowIsInert) {
    CiKnobX unbound;
    unbound.SetPosition(5);
    unbound.GetFont().SetName("Tahoma");
    EXPECT_EQ(unbound.GetPosition(), 0);
    EXPECT_EQ(unbound.GetFont().GetName(), "");
    EXPECT_EQ(unbound.GetProperty(knob::kPosition), Value{});

    CDataExchange dx(&panel, FALSE);
    CiLabelX absent;
    DDX_ControlIfPresent(&dx, 1, absent);
    absent.SetCaption("x");
    EXPECT_EQ(absent.GetSafeHwnd(), HWND{});
    EXPECT_EQ(absent.GetCaption(), "");

    CiLedRectangleX plain;
    plain.CreateEx(0, nullptr, "", WS_CHILD, CRect(0, 0, 5, 5), &panel, 1);
    plain.SetActive(TRUE);
    EXPECT_FALSE(plain.GetActive());
    EXPECT_TRUE(LastProperties(plain).empty());
}

TEST_F(InstrumentTest, TheLabelHandsOutTheFontItWritesIn) {
    panel.name.GetFont().SetName("Tahoma");
    const auto font = hb::win::HandleFromParam<HFONT>(
        static_cast<std::uintptr_t>(panel.name.SendMessage(WM_GETFONT)));
    LOGFONT logFont;
    ASSERT_EQ(GetObject(font, sizeof logFont, &logFont), static_cast<int>(sizeof logFont));
    EXPECT_STREQ(logFont.lfFaceName, "Tahoma");
    EXPECT_EQ(panel.name.SendMessage(WM_GETFONT), static_cast<LRESULT>(font.id()));
    EXPECT_EQ(panel.statusLamp.SendMessage(WM_GETFONT), 0);
}

} // namespace
} // namespace hb::instruments::test
