#include "app/HalbridgeApp.h"
#include "app/StyledGroupBox.h"
#include "app/mainframe/StyleButtonTheme.h"
#include "platform/afx/res/TemplateControls.h"
#include "platform/afx/res/TemplateLookup.h"
#include "platform/instruments/CiAnalogDisplayX.h"
#include "platform/instruments/CiAnalogOutputX.h"
#include "platform/instruments/CiAngularGaugeX.h"
#include "platform/instruments/CiEditX.h"
#include "platform/instruments/CiKnobX.h"
#include "platform/instruments/CiLabelX.h"
#include "platform/instruments/CiLedBarX.h"
#include "platform/instruments/CiLedRectangleX.h"
#include "platform/instruments/CiModeComboBoxX.h"
#include "platform/instruments/CiPanelX.h"
#include "platform/instruments/CiSevenSegmentAnalogX.h"
#include "platform/instruments/CiSevenSegmentClockSMPTEX.h"
#include "platform/instruments/CiSevenSegmentClockX.h"
#include "platform/instruments/CiSevenSegmentIntegerX.h"
#include "platform/instruments/CiSliderX.h"
#include "platform/instruments/CiSwitchLedX.h"
#include "platform/instruments/CiSwitchQuadX.h"
#include "platform/instruments/CiSwitchSliderX.h"
#include "platform/instruments/CiSwitchToggleX.h"
#include "platform/instruments/Dispids.h"
#include "platform/instruments/Instrument.h"
#include "platform/toolkit/CXTButton.h"
#include "platform/toolkit/CXTPButton.h"
#include "resources/ResourceIds.h"
#include "tests/app/ProgramTest.h"

#include <functional>
#include <map>
#include <memory>

namespace hb::app::test {
namespace {

using hb::afx::Value;
using hb::instruments::InstrumentWrapper;
using Factory = std::function<std::unique_ptr<InstrumentWrapper>()>;

template <class Wrapper>
Factory Make() {
    return [] { return std::make_unique<Wrapper>(); };
}

// The styled kinds by window class, with the wrapper each form binds.
const std::map<std::string, Factory>& Wrappers() {
    static const std::map<std::string, Factory> wrappers{
        {"TiKnob", Make<CiKnobX>()},
        {"TiLedRectangle", Make<CiLedRectangleX>()},
        {"TiAngularGauge", Make<CiAngularGaugeX>()},
        {"TiEdit", Make<CiEditX>()},
        {"TiLabel", Make<CiLabelX>()},
        {"TiAnalogOutput", Make<CiAnalogOutputX>()},
        {"TiSevenSegmentClock", Make<CiSevenSegmentClockX>()},
        {"TiSevenSegmentClockSMPTE", Make<CiSevenSegmentClockSMPTEX>()},
        {"TiSwitchToggle", Make<CiSwitchToggleX>()},
        {"TiSwitchSlider", Make<CiSwitchSliderX>()},
        {"TiSwitchQuad", Make<CiSwitchQuadX>()},
        {"TiSlider", Make<CiSliderX>()},
        {"TiPanel", Make<CiPanelX>()},
        {"TiLedBar", Make<CiLedBarX>()},
        {"TiSwitchLed", Make<CiSwitchLedX>()},
        {"TiAnalogDisplay", Make<CiAnalogDisplayX>()},
        {"TiModeComboBox", Make<CiModeComboBoxX>()},
        {"TiSevenSegmentAnalog", Make<CiSevenSegmentAnalogX>()},
        {"TiSevenSegmentInteger", Make<CiSevenSegmentIntegerX>()},
    };
    return wrappers;
}

constexpr UINT kXtpButton = 100;
constexpr UINT kXtButton = 101;
constexpr UINT kGroupBox = 102;
constexpr UINT kFirstInstrument = 200;

class InstrumentStylesTest : public ProgramTest {
protected:
    InstrumentStylesTest() {
        Settings(kTwoRadios);
        UseResourceLibrary();
    }
    void SetUp() override {
        ProgramTest::SetUp();
        ASSERT_EQ(Start(), std::nullopt);
    }
    void TearDown() override {
        wrappers.clear();
        form.DestroyWindow();
        ProgramTest::TearDown();
    }

    CHalbridgeApp& App() const { return *app; }

    // One control of every instrument kind and the four kinds of "Button", each bound as a form
    // binds it; the group box has no object.
    void MakeForm(bool bindPanel = true) {
        ASSERT_TRUE(
            form.CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, 0, 0, 900, 400, HWND{}, 0));
        hb::afx::DialogTemplate tpl{.cx = 600, .cy = 240};
        UINT id = kFirstInstrument;
        int x = 0;
        for (const auto& kind : hb::instruments::Kinds()) {
            tpl.controls.push_back({.id = id++,
                                    .className = kind.classId,
                                    .style = WS_CHILD | WS_VISIBLE,
                                    .x = x,
                                    .y = 0,
                                    .cx = 20,
                                    .cy = 20});
            x += 22;
        }
        const auto button = [](UINT buttonId, DWORD style) {
            return hb::afx::DialogControl{.id = buttonId,
                                          .className = "Button",
                                          .text = "B",
                                          .style = WS_CHILD | WS_VISIBLE | style,
                                          .x = static_cast<int>(buttonId - kXtpButton) * 40,
                                          .y = 40,
                                          .cx = 36,
                                          .cy = 14};
        };
        tpl.controls.push_back(button(kXtpButton, BS_PUSHBUTTON));
        tpl.controls.push_back(button(kXtButton, BS_PUSHBUTTON));
        tpl.controls.push_back(button(kGroupBox, BS_GROUPBOX));
        tpl.controls.push_back(button(IDI_RADIO_1, BS_ICON));
        ASSERT_TRUE(hb::afx::CreateTemplateControls(form.m_hWnd, tpl));
        for (HWND child = ::GetWindow(form.m_hWnd, GW_CHILD); child;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
            char name[65] = {};
            ::GetClassName(child, name, sizeof name);
            const auto found = Wrappers().find(name);
            if (found == Wrappers().end() || (!bindPanel && found->first == "TiPanel")) {
                continue;
            }
            auto wrapper = found->second();
            ASSERT_TRUE(wrapper->SubclassWindow(child));
            controls[name] = wrapper.get();
            wrappers.push_back(std::move(wrapper));
        }
        ASSERT_TRUE(xtpButton.SubclassDlgItem(kXtpButton, &form));
        ASSERT_TRUE(xtButton.SubclassDlgItem(kXtButton, &form));
        ASSERT_TRUE(iconButton.SubclassDlgItem(IDI_RADIO_1, &form));
    }
    void Style(int style, int theme, int mode) {
        App().m_visualStyle = style;
        App().m_visualTheme = theme;
        App().SetDisplayColorMode(mode);
        App().ApplyVisualStyle(&form);
    }
    Value Property(const std::string& className, long dispid) const {
        return hb::instruments::GetProperty(controls.at(className)->m_hWnd, dispid)
            .value_or(Value{});
    }
    Value ColorValue(int index) const { return Value(std::int64_t{App().Color(index)}); }
    static Value Color(COLORREF color) { return Value(std::int64_t{color}); }

    CWnd form;
    std::vector<std::unique_ptr<InstrumentWrapper>> wrappers;
    std::map<std::string, InstrumentWrapper*> controls;
    CXTPButton xtpButton;
    CXTButton xtButton;
    CButton iconButton;
};

TEST_F(InstrumentStylesTest, AKnobTakesTheColoursOfTheDisplayColourMode) {
    MakeForm();
    using namespace hb::instruments::knob;
    Style(0, 0, 0);
    EXPECT_EQ(Property("TiKnob", kBackGroundColor), ColorValue(18));
    EXPECT_EQ(Property("TiKnob", kKnobColor), ColorValue(27));
    EXPECT_EQ(Property("TiKnob", kFont), Value(std::string("Tahoma")));
    EXPECT_EQ(Property("TiKnob", kIndicatorStyle), Value(std::int32_t{1}));
    Style(0, 0, 1);
    EXPECT_EQ(Property("TiKnob", kTickColor), Color(0x0000FF));
    EXPECT_EQ(Property("TiKnob", kTickLabelColor), Color(0x0000FF));
    EXPECT_EQ(Property("TiKnob", kIndicatorColor), Color(0x00FF00));
    EXPECT_EQ(Property("TiKnob", kIndicatorHubColor), Color(0x000080));
    EXPECT_EQ(Property("TiKnob", kKnobStyle), Value(std::int32_t{2}));
    Style(0, 0, 2);
    EXPECT_EQ(Property("TiKnob", kTickColor), Color(0x00FF00));
    EXPECT_EQ(Property("TiKnob", kTickLabelColor), Color(0x00FF00));
    EXPECT_EQ(Property("TiKnob", kIndicatorColor), Color(0x00FF00));
    EXPECT_EQ(Property("TiKnob", kIndicatorHubColor), Color(0x008000));
}

TEST_F(InstrumentStylesTest, EveryKindGetsTheTablesValuesUnderStyleAndTheme) {
    MakeForm();
    namespace di = hb::instruments;
    struct Expected {
        std::string className;
        long dispid;
        int colorIndex; // of the colour table; -1 for `value`
        Value value{};
    };
    const std::vector<Expected> styled{
        {"TiLedRectangle", di::ledRectangle::kActiveColor, 12},
        {"TiLedRectangle", di::ledRectangle::kInactiveColor, -1, Color(0x008080)},
        {"TiKnob", di::knob::kIndicatorHubColor, 28},
        {"TiKnob", di::knob::kKnobEdgeColor, 14},
        {"TiEdit", di::edit::kFontColor, 12},
        {"TiEdit", di::kBackColor, 13},
        {"TiEdit", di::edit::kBorderStyle, -1, Value(std::int32_t{0})},
        {"TiPanel", di::panel::kBackGroundColor, 18},
        {"TiPanel", di::panel::kEdgeColor, 29},
        {"TiLabel", di::label::kFontColor, 12},
        {"TiLabel", di::label::kBackGroundColor, 13},
        {"TiSevenSegmentClock", di::sevenSegmentClock::kSegmentColor, 12},
        {"TiSevenSegmentClockSMPTE", di::sevenSegmentClockSMPTE::kBackGroundColor, 13},
        {"TiAngularGauge", di::angularGauge::kArcColor, 20},
        {"TiLedBar", di::ledBar::kBorderStyle, -1, Value(std::int32_t{0})},
        {"TiSwitchToggle", di::switchToggle::kSwitchStyle, -1, Value(std::int32_t{1})},
        {"TiSwitchSlider", di::switchSlider::kTickShadowColor, -1, Color(0x008080)},
        {"TiSwitchSlider", di::switchSlider::kTickLabelColor, 17},
        {"TiSwitchQuad", di::switchQuad::kBackGroundColor, 18},
        {"TiSlider", di::slider::kTickColor, 14},
        {"TiSlider", di::slider::kBackGroundColor, 18},
        {"TiSwitchLed", di::switchLed::kBevelStyle, -1, Value(std::int32_t{2})},
        {"TiAnalogOutput", di::analogOutput::kFontColor, 12},
        {"TiAnalogDisplay", di::analogDisplay::kBackGroundColor, 13},
        {"TiModeComboBox", di::kBackColor, 21},
        {"TiModeComboBox", di::modeComboBox::kFontColor, 29},
        {"TiSevenSegmentAnalog", di::sevenSegmentAnalog::kSegmentColor, 12},
        {"TiSevenSegmentInteger", di::sevenSegmentInteger::kBackGroundColor, 13},
    };
    Style(1, 2, 0);
    for (const Expected& expected : styled) {
        EXPECT_EQ(Property(expected.className, expected.dispid),
                  expected.colorIndex >= 0 ? ColorValue(expected.colorIndex) : expected.value)
            << expected.className << " " << expected.dispid;
    }
    EXPECT_NE(dynamic_cast<CStyleButtonTheme*>(xtpButton.GetTheme()), nullptr);
    EXPECT_EQ(xtButton.GetXButtonStyle(), 0x1024u);
    EXPECT_EQ(xtButton.GetColorFace(), App().Color(12));

    // In a display colour mode the slider and the switch slider take the mode's colours.
    Style(1, 2, 1);
    EXPECT_EQ(Property("TiSlider", di::slider::kTrackColor), ColorValue(29));
    EXPECT_EQ(Property("TiSwitchSlider", di::switchSlider::kTickLabelColor), ColorValue(29));
    EXPECT_EQ(Property("TiModeComboBox", di::modeComboBox::kFontColor), ColorValue(26));

    Style(0, 1, 0);
    EXPECT_EQ(xtButton.GetColorFace(), App().Color(17));
    EXPECT_EQ(Property("TiSwitchSlider", di::switchSlider::kTickLabelColor), ColorValue(11));
}

TEST_F(InstrumentStylesTest, APanelIsLeftAloneWithoutStyleOrThemeAndABarePanelKeepsNoObject) {
    MakeForm(false);
    const HWND panel = ::GetDlgItem(form.m_hWnd, [] {
        UINT id = kFirstInstrument;
        for (const auto& kind : hb::instruments::Kinds()) {
            if (kind.kind == hb::instruments::Kind::Panel) {
                return id;
            }
            ++id;
        }
        return 0u;
    }());
    ASSERT_TRUE(panel);
    const auto before = hb::instruments::LastProperties(panel);
    Style(0, 0, 0);
    EXPECT_EQ(hb::instruments::LastProperties(panel), before);
    Style(0, 1, 0);
    EXPECT_EQ(hb::instruments::GetProperty(panel, hb::instruments::panel::kEdgeColor),
              ColorValue(29));
    EXPECT_EQ(CWnd::FromHandlePermanent(panel), nullptr);
}

TEST_F(InstrumentStylesTest, AGroupBoxGetsOneStyledBoxAndAnIconButtonItsIcon) {
    MakeForm();
    const HWND groupBox = ::GetDlgItem(form.m_hWnd, kGroupBox);
    Style(0, 0, 0);
    CWnd* styled = CWnd::FromHandlePermanent(groupBox);
    ASSERT_NE(dynamic_cast<CStyledGroupBox*>(styled), nullptr);
    Style(0, 0, 0);
    EXPECT_EQ(CWnd::FromHandlePermanent(groupBox), styled);
    EXPECT_NE(iconButton.SendMessage(BM_GETIMAGE, IMAGE_ICON), 0);
    // The box goes with its window (the leak check would see it otherwise).
    ::DestroyWindow(groupBox);
}

TEST_F(InstrumentStylesTest, TheFrontPanelAndToolsFormsAreStyledWithoutAFault) {
    for (const UINT id : {IDD_RADIO_VIEW, IDD_CUSTOMIZE_TOOLS}) {
        const hb::afx::DialogTemplate* tpl = hb::afx::FindDialogTemplate(id);
        ASSERT_NE(tpl, nullptr) << id;
        CWnd page;
        ASSERT_TRUE(page.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 1100, 300, HWND{}, 0));
        ASSERT_TRUE(hb::afx::CreateTemplateControls(page.m_hWnd, *tpl));
        App().m_visualStyle = 1;
        App().m_visualTheme = 2;
        App().ApplyVisualStyle(&page);
        App().ApplyVisualStyle(&page);
        page.DestroyWindow();
    }
}

} // namespace
} // namespace hb::app::test
