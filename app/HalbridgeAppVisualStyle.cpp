// Styling a form: each child window goes, by its window class, to the applier of its kind.
#include "app/HalbridgeApp.h"
#include "app/StyledGroupBox.h"
#include "app/StyledPanel.h"
#include "platform/afx/res/ResourceLoading.h"
#include "platform/instruments/CiAnalogDisplayX.h"
#include "platform/instruments/CiAnalogOutputX.h"
#include "platform/instruments/CiAngularGaugeX.h"
#include "platform/instruments/CiEditX.h"
#include "platform/instruments/CiKnobX.h"
#include "platform/instruments/CiLabelX.h"
#include "platform/instruments/CiLedBarX.h"
#include "platform/instruments/CiLedRectangleX.h"
#include "platform/instruments/CiModeComboBoxX.h"
#include "platform/instruments/CiSevenSegmentAnalogX.h"
#include "platform/instruments/CiSevenSegmentClockSMPTEX.h"
#include "platform/instruments/CiSevenSegmentClockX.h"
#include "platform/instruments/CiSevenSegmentIntegerX.h"
#include "platform/instruments/CiSliderX.h"
#include "platform/instruments/CiSwitchLedX.h"
#include "platform/instruments/CiSwitchQuadX.h"
#include "platform/instruments/CiSwitchSliderX.h"
#include "platform/instruments/CiSwitchToggleX.h"
#include "platform/toolkit/CXTButton.h"
#include "platform/toolkit/CXTPButton.h"
#include "platform/win/core/NoCase.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <string_view>

namespace {

// Window class names are compared up to this length.
constexpr int kClassNameLength = 64;
constexpr DWORD kButtonTypeMask = 0xF;

using Styler = std::function<void(CHalbridgeApp&, HWND, CWnd*)>;

struct StyledClass {
    const char* className;
    Styler style;
};

// The window's object as the wrapper of its kind, or null.
template <class Wrapper, void (CHalbridgeApp::*Apply)(Wrapper*)>
Styler Instrument() {
    return [](CHalbridgeApp& app, HWND, CWnd* object) {
        (app.*Apply)(dynamic_cast<Wrapper*>(object));
    };
}

void StylePanel(CHalbridgeApp& app, HWND hwnd, CWnd* object) {
    if (app.m_visualStyle == 0 && app.m_visualTheme == 0) {
        return;
    }
    if (auto* panel = DYNAMIC_DOWNCAST(CiPanelX, object)) {
        app.ApplyPanelStyle(panel);
        return;
    }
    if (object) {
        return;
    }
    // A bare panel is wrapped for the moment it takes.
    CStyledPanel panel;
    if (panel.SubclassWindow(hwnd)) {
        app.ApplyPanelStyle(&panel);
        panel.UnsubclassWindow();
    }
}

void StyleButton(CHalbridgeApp& app, HWND hwnd, CWnd* object) {
    if (auto* button = DYNAMIC_DOWNCAST(CXTPButton, object)) {
        app.ApplyStyleButtonTheme(button, nullptr);
        return;
    }
    if (auto* button = DYNAMIC_DOWNCAST(CXTButton, object)) {
        app.ApplyXTButtonStyle(button, nullptr);
        return;
    }
    const auto style = static_cast<DWORD>(::GetWindowLong(hwnd, GWL_STYLE));
    if ((style & kButtonTypeMask) == BS_GROUPBOX) {
        if (!object) {
            // It deletes itself with its window.
            auto* groupBox = new CStyledGroupBox();
            if (!groupBox->SubclassWindow(hwnd)) {
                delete groupBox;
            }
        }
        return;
    }
    auto* button = DYNAMIC_DOWNCAST(CButton, object);
    if (!button || !(style & BS_ICON)) {
        return;
    }
    const LPCSTR name = MAKEINTRESOURCE(static_cast<UINT>(::GetDlgCtrlID(hwnd)));
    if (HICON icon = ::LoadIcon(AfxFindResourceHandle(name, RT_GROUP_ICON), name)) {
        button->SendMessage(BM_SETIMAGE, IMAGE_ICON, hb::win::ParamFromHandle(icon));
    }
}

const std::array<StyledClass, 20>& StyledClasses() {
    using App = CHalbridgeApp;
    static const std::array<StyledClass, 20> classes{{
        {"TiKnob", Instrument<CiKnobX, &App::ApplyKnobStyle>()},
        {"TiLedRectangle", Instrument<CiLedRectangleX, &App::ApplyLedRectangleStyle>()},
        {"TiAngularGauge", Instrument<CiAngularGaugeX, &App::ApplyAngularGaugeStyle>()},
        {"TiEdit", Instrument<CiEditX, &App::ApplyEditStyle>()},
        {"TiLabel", Instrument<CiLabelX, &App::ApplyLabelStyle>()},
        {"TiAnalogOutput", Instrument<CiAnalogOutputX, &App::ApplyAnalogOutputStyle>()},
        {"TiSevenSegmentClock", Instrument<CiSevenSegmentClockX, &App::ApplyClockStyle>()},
        {"TiSevenSegmentClockSMPTE",
         Instrument<CiSevenSegmentClockSMPTEX, &App::ApplyClockSMPTEStyle>()},
        {"TiSwitchToggle", Instrument<CiSwitchToggleX, &App::ApplySwitchToggleStyle>()},
        {"TiSwitchSlider", Instrument<CiSwitchSliderX, &App::ApplySwitchSliderStyle>()},
        {"TiSwitchQuad", Instrument<CiSwitchQuadX, &App::ApplySwitchQuadStyle>()},
        {"TiSlider", Instrument<CiSliderX, &App::ApplySliderStyle>()},
        {"TiPanel", StylePanel},
        {"TiLedBar", Instrument<CiLedBarX, &App::ApplyLedBarStyle>()},
        {"TiSwitchLed", Instrument<CiSwitchLedX, &App::ApplySwitchLedStyle>()},
        {"TiAnalogDisplay", Instrument<CiAnalogDisplayX, &App::ApplyAnalogDisplayStyle>()},
        {"TiModeComboBox", Instrument<CiModeComboBoxX, &App::ApplyModeComboBoxStyle>()},
        {"TiSevenSegmentAnalog",
         Instrument<CiSevenSegmentAnalogX, &App::ApplySevenSegmentAnalogStyle>()},
        {"TiSevenSegmentInteger",
         Instrument<CiSevenSegmentIntegerX, &App::ApplySevenSegmentIntegerStyle>()},
        {"Button", StyleButton},
    }};
    return classes;
}

} // namespace

void CHalbridgeApp::ApplyVisualStyle(CWnd* parent) {
    if (!parent || !parent->m_hWnd) {
        return;
    }
    for (HWND child = ::GetWindow(parent->m_hWnd, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        char buffer[kClassNameLength + 1] = {};
        ::GetClassName(child, buffer, static_cast<int>(sizeof buffer));
        const std::string_view className(
            buffer, std::min<std::size_t>(std::strlen(buffer), kClassNameLength));
        for (const StyledClass& styled : StyledClasses()) {
            if (hb::win::EqualNoCase(styled.className, className)) {
                styled.style(*this, child, CWnd::FromHandlePermanent(child));
                break;
            }
        }
    }
}
