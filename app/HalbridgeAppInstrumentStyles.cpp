// The style appliers: one per kind of control, each setting the properties that the colour table,
// the visual style and theme and the display colour mode decide.
#include "app/HalbridgeApp.h"
#include "app/mainframe/StyleButtonTheme.h"
#include "app/mainframe/StyleCheckButtonTheme.h"
#include "platform/afx/CFont.h"
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
#include "platform/tessary/app/AppColors.h"
#include "platform/toolkit/CXTButton.h"
#include "platform/toolkit/CXTPButton.h"

namespace {

namespace di = hb::instruments;

constexpr COLORREF kDarkRed = 0x000080;
constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kDarkGreen = 0x008000;
constexpr COLORREF kGreen = 0x00FF00;
constexpr COLORREF kOlive = 0x008080;
// The knob's font from this version of the system on.
constexpr DWORD kTahomaVersion = 5;
constexpr DWORD kXTButtonStyle = 0x1024;

bool Usable(const CWnd* control) {
    return control && control->m_hWnd;
}

} // namespace

void CHalbridgeApp::ApplyLedRectangleStyle(CiLedRectangleX* control) {
    if (!Usable(control) || m_visualStyle == 0) {
        return;
    }
    using namespace di::ledRectangle;
    control->SetProperty(kBevelOuter, 0);
    control->SetProperty(kBorderStyle, 0);
    control->SetProperty(kBevelInner, 0);
    control->SetProperty(kActiveColor, Color(12));
    control->SetProperty(kInactiveColor, kOlive);
    control->SetProperty(kShowReflection, 0);
}

void CHalbridgeApp::ApplyKnobStyle(CiKnobX* control) {
    if (!Usable(control)) {
        return;
    }
    using namespace di::knob;
    control->SetProperty(kTransparent, 0);
    control->SetProperty(kBackGroundColor, Color(18));
    if (GetWindowsMajorVersion() >= kTahomaVersion) {
        control->GetFont().SetName("Tahoma");
    }
    control->SetProperty(kKnobColor, Color(27));
    control->SetProperty(kKnobEdgeColor, Color(19));
    control->SetProperty(kIndicatorStyle, 1);
    if (m_visualStyle != 0) {
        control->SetProperty(kIndicatorHubColor, Color(28));
        control->SetProperty(kIndicatorColor, Color(12));
        control->SetProperty(kKnobColor, Color(12));
        control->SetProperty(kKnobEdgeColor, Color(14));
    }
    const int mode = GetDisplayColorMode();
    if (mode != hb::tessary::kDisplayColorRed && mode != hb::tessary::kDisplayColorGreen) {
        return;
    }
    const bool red = mode == hb::tessary::kDisplayColorRed;
    control->SetProperty(kTicksVisible, 0);
    control->SetProperty(kKnobStyle, 2);
    control->SetProperty(kIndicatorHubColor, red ? kDarkRed : kDarkGreen);
    control->SetProperty(kTickColor, red ? kRed : kGreen);
    control->SetProperty(kTickLabelColor, red ? kRed : kGreen);
    control->SetProperty(kIndicatorColor, kGreen);
}

void CHalbridgeApp::ApplyEditStyle(CiEditX* control) {
    if (!Usable(control)) {
        return;
    }
    control->SetProperty(di::edit::kFontColor, Color(12));
    control->SetProperty(di::kBackColor, Color(13));
    if (m_visualStyle != 0) {
        control->SetProperty(di::edit::kBorderStyle, 0);
    }
}

void CHalbridgeApp::ApplyPanelStyle(CiPanelX* control) {
    if (!Usable(control)) {
        return;
    }
    using namespace di::panel;
    if (m_visualTheme != 0) {
        control->SetProperty(kBackGroundColor, Color(18));
        control->SetProperty(kEdgeColor, Color(29));
        return;
    }
    if (m_visualStyle != 0) {
        control->SetProperty(kBorderStyle, 0);
        control->SetProperty(kBackGroundColor, Color(13));
        control->SetProperty(kEdgeColor, Color(17));
    }
}

void CHalbridgeApp::ApplyLabelStyle(CiLabelX* control) {
    if (!Usable(control)) {
        return;
    }
    using namespace di::label;
    const bool highlighted = control->GetProperty(kHighlight) == hb::afx::Value(true);
    control->SetProperty(kFontColor, Color(highlighted ? 29 : 12));
    control->SetProperty(kBackGroundColor, Color(highlighted ? 18 : 13));
    control->SetProperty(kTransparent, 0);
    if (m_visualStyle != 0) {
        control->SetProperty(kBorderStyle, 0);
    }
}

void CHalbridgeApp::ApplyClockStyle(CiSevenSegmentClockX* control) {
    if (!Usable(control)) {
        return;
    }
    using namespace di::sevenSegmentClock;
    control->SetProperty(kSegmentColor, Color(12));
    control->SetProperty(kBackGroundColor, Color(13));
    control->SetProperty(kLeadingZeros, 0);
    if (m_visualStyle != 0) {
        control->SetProperty(kBorderStyle, 0);
    }
}

void CHalbridgeApp::ApplyClockSMPTEStyle(CiSevenSegmentClockSMPTEX* control) {
    if (!Usable(control)) {
        return;
    }
    using namespace di::sevenSegmentClockSMPTE;
    control->SetProperty(kSegmentColor, Color(12));
    control->SetProperty(kBackGroundColor, Color(13));
    control->SetProperty(kLeadingZeros, 0);
    if (m_visualStyle != 0) {
        control->SetProperty(kBorderStyle, 0);
    }
}

void CHalbridgeApp::ApplyAngularGaugeStyle(CiAngularGaugeX* control) {
    if (!Usable(control)) {
        return;
    }
    using namespace di::angularGauge;
    control->SetProperty(kArcColor, Color(20));
    control->SetProperty(kTickColor, Color(12));
    control->SetProperty(kPointerColor, Color(12));
    control->SetProperty(kBackGroundColor, Color(13));
    if (m_visualStyle != 0) {
        control->SetProperty(kBorderStyle, 0);
    }
}

void CHalbridgeApp::ApplyLedBarStyle(CiLedBarX* control) {
    if (Usable(control) && m_visualStyle != 0) {
        control->SetProperty(di::ledBar::kBorderStyle, 0);
    }
}

void CHalbridgeApp::ApplySwitchToggleStyle(CiSwitchToggleX* control) {
    if (!Usable(control)) {
        return;
    }
    if (m_visualStyle != 0) {
        control->SetProperty(di::switchToggle::kBorderStyle, 0);
    }
    control->SetProperty(di::switchToggle::kSwitchStyle, 1);
}

void CHalbridgeApp::ApplySwitchSliderStyle(CiSwitchSliderX* control) {
    if (!Usable(control)) {
        return;
    }
    using namespace di::switchSlider;
    control->SetProperty(kBackGroundColor, Color(18));
    control->SetProperty(kShowFocusRect, 0);
    control->SetProperty(kTransparent, 1);
    if (m_visualStyle != 0) {
        control->SetProperty(kBorderStyle, 0);
        control->SetProperty(kTickColor, Color(12));
        control->SetProperty(kTickShadowColor, kOlive);
        control->SetProperty(kTickLabelColor, Color(17));
        control->SetProperty(kPointerStyle, 2);
        control->SetProperty(kTrackColor, Color(17));
        control->SetProperty(kTrackEdgeColor, Color(17));
        control->SetProperty(kActiveColor, Color(12));
        control->SetProperty(kInactiveColor, Color(17));
        control->SetProperty(kPointerHighlight, 1);
        control->SetProperty(kPointerColor, Color(17));
    } else {
        control->SetProperty(kTickColor, Color(19));
        control->SetProperty(kTickShadowColor, Color(17));
        control->SetProperty(kTickLabelColor, Color(11));
    }
    if (GetDisplayColorMode() != hb::tessary::kDisplayColorNormal) {
        control->SetProperty(kTickLabelColor, Color(29));
    }
}

void CHalbridgeApp::ApplySwitchQuadStyle(CiSwitchQuadX* control) {
    if (!Usable(control)) {
        return;
    }
    control->SetProperty(di::switchQuad::kBackGroundColor, Color(18));
    control->SetProperty(di::switchQuad::kTransparent, 1);
}

void CHalbridgeApp::ApplyStyleButtonTheme(CXTPButton* button, CFont* font) {
    if (!Usable(button)) {
        return;
    }
    button->SetUseVisualStyle(TRUE);
    button->InvalidateRect(nullptr, FALSE);
    if (m_visualTheme >= 1 && m_visualTheme <= 3) {
        button->SetTheme(new CStyleButtonTheme());
    } else {
        button->SetTheme(new CXTPButtonTheme());
    }
    button->SetShowFocus(FALSE);
    if (font) {
        button->SetFont(font, TRUE);
    }
}

void CHalbridgeApp::ApplyButtonTheme(CXTPButton* button, CFont* font) {
    if (!Usable(button)) {
        return;
    }
    button->SetUseVisualStyle(TRUE);
    button->InvalidateRect(nullptr, FALSE);
    button->SetTheme(new CStyleCheckButtonTheme());
    button->SetShowFocus(FALSE);
    if (font) {
        button->SetFont(font, TRUE);
    }
}

void CHalbridgeApp::ApplyXTButtonStyle(CXTButton* button, CFont* font) {
    if (!Usable(button)) {
        return;
    }
    button->SetXButtonStyle(kXTButtonStyle, TRUE);
    button->SetUseVisualStyle(FALSE);
    button->SetColorFace(Color(m_visualStyle != 0 ? 12 : 17));
    if (font) {
        button->SetFont(font, TRUE);
    }
}

void CHalbridgeApp::ApplySliderStyle(CiSliderX* control) {
    if (!Usable(control)) {
        return;
    }
    using namespace di::slider;
    control->SetProperty(kTransparent, 1);
    if (GetDisplayColorMode() != hb::tessary::kDisplayColorNormal) {
        control->SetProperty(kTickColor, Color(26));
        control->SetProperty(kTickLabelColor, Color(26));
        control->SetProperty(kPointerColor, Color(26));
        control->SetProperty(kTrackColor, Color(29));
        control->SetProperty(kTrackEdgeColor, Color(29));
        return;
    }
    if (m_visualStyle != 0) {
        control->SetProperty(kBorderStyle, 0);
        control->SetProperty(kTickColor, Color(14));
        control->SetProperty(kTickLabelColor, Color(14));
        control->SetProperty(kPointerColor, Color(12));
        control->SetProperty(kTrackColor, Color(14));
        control->SetProperty(kTrackEdgeColor, Color(14));
        control->SetProperty(kBackGroundColor, Color(18));
        control->SetProperty(kShowFocusRect, 0);
    }
    if (m_visualTheme != 0) {
        control->SetProperty(kBackGroundColor, Color(18));
        control->SetProperty(kShowFocusRect, 0);
    }
}

void CHalbridgeApp::ApplySwitchLedStyle(CiSwitchLedX* control) {
    if (!Usable(control)) {
        return;
    }
    using namespace di::switchLed;
    control->SetProperty(kTransparent, 1);
    if (m_visualStyle != 0) {
        control->SetProperty(kFaceColor, Color(13));
        control->SetProperty(kCaptionColor, Color(12));
        control->SetProperty(kActiveColor, Color(12));
        control->SetProperty(kBevelStyle, 2);
        control->SetProperty(kInactiveColor, Color(12));
    }
}

void CHalbridgeApp::ApplyAnalogOutputStyle(CiAnalogOutputX* control) {
    if (!Usable(control)) {
        return;
    }
    control->SetProperty(di::analogOutput::kFontColor, Color(12));
    control->SetProperty(di::kBackColor, Color(13));
    if (m_visualStyle != 0) {
        control->SetProperty(di::analogOutput::kBorderStyle, 0);
    }
}

void CHalbridgeApp::ApplyAnalogDisplayStyle(CiAnalogDisplayX* control) {
    if (!Usable(control)) {
        return;
    }
    using namespace di::analogDisplay;
    control->SetProperty(kFontColor, Color(12));
    control->SetProperty(kBackGroundColor, Color(13));
    if (m_visualStyle != 0) {
        control->SetProperty(kBorderStyle, 0);
    }
}

void CHalbridgeApp::ApplyModeComboBoxStyle(CiModeComboBoxX* control) {
    if (!Usable(control)) {
        return;
    }
    const bool colourMode = GetDisplayColorMode() != hb::tessary::kDisplayColorNormal;
    control->SetProperty(di::kBackColor, Color(21));
    control->SetProperty(di::modeComboBox::kFontColor, Color(colourMode ? 26 : 29));
    control->SetProperty(di::modeComboBox::kButtonColor, Color(21));
}

void CHalbridgeApp::ApplySevenSegmentAnalogStyle(CiSevenSegmentAnalogX* control) {
    if (!Usable(control)) {
        return;
    }
    using namespace di::sevenSegmentAnalog;
    control->SetProperty(kSegmentColor, Color(12));
    control->SetProperty(kBackGroundColor, Color(13));
    control->SetProperty(kLeadingZeros, 0);
    if (m_visualStyle != 0) {
        control->SetProperty(kBorderStyle, 0);
    }
}

void CHalbridgeApp::ApplySevenSegmentIntegerStyle(CiSevenSegmentIntegerX* control) {
    if (!Usable(control)) {
        return;
    }
    using namespace di::sevenSegmentInteger;
    control->SetProperty(kSegmentColor, Color(12));
    control->SetProperty(kBackGroundColor, Color(13));
    control->SetProperty(kLeadingZeros, 0);
    if (m_visualStyle != 0) {
        control->SetProperty(kBorderStyle, 0);
    }
}
