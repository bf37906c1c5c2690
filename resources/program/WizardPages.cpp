// The setup wizard's twelve pages. Every page heads with its title label and subtitle panel; the
// step machine fills the rest.
#include "platform/win/controls/ControlMessages.h"
#include "platform/win/core/Window.h"
#include "resources/FormControls.h"
#include "resources/ResourceIds.h"
#include "resources/program/ProgramParts.h"

namespace hb::resources {

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 160;
constexpr int kMargin = 7;
constexpr int kInner = kWidth - 2 * kMargin;
constexpr int kBodyTop = 44;
constexpr DWORD kPageStyle = WS_CHILD | DS_SETFONT;

DialogTemplate Page(UINT page, Controls controls) {
    return Form(IDD_WIZARD_PAGE_0 + page, kWidth, kHeight, kPageStyle, std::move(controls));
}

// Title and subtitle, and the body below them when the page has one.
Controls Heading(bool withBody, int bodyHeight = kHeight - kBodyTop - kMargin) {
    Controls heading{Label(IDC_WIZARD_TITLE, "", {kMargin, kMargin, kInner, 16}),
                     Panel(IDC_WIZARD_SUBTITLE, {kMargin, 26, kInner, 12})};
    if (withBody) {
        heading.push_back(Text(IDC_WIZARD_BODY, "", {kMargin, kBodyTop, kInner, bodyHeight}));
    }
    return heading;
}

Controls FileName() {
    Controls controls = Heading(false);
    Append(controls, {Caption("File name:", {kMargin, kBodyTop + 6, 50, 8}),
                      EditBox(IDC_WIZARD_FILE_NAME, {kMargin, kBodyTop + 18, kInner - 60, 13}),
                      PushButton(IDC_WIZARD_BROWSE, "Browse...",
                                 {kWidth - kMargin - 54, kBodyTop + 17, 54, 14})});
    return controls;
}

Controls SweepRange() {
    Controls controls = Heading(false);
    constexpr int kLabel = 90;
    constexpr int kEntry = 80;
    Append(controls,
           {Caption("Start frequency (MHz):", {kMargin, kBodyTop + 8, kLabel, 8}),
            NumberEntry(IDC_WIZARD_START, {kMargin + kLabel, kBodyTop + 6, kEntry, 12}, 6),
            Caption("End frequency (MHz):", {kMargin, kBodyTop + 26, kLabel, 8}),
            NumberEntry(IDC_WIZARD_END, {kMargin + kLabel, kBodyTop + 24, kEntry, 12}, 6),
            Text(IDC_WIZARD_STEP_LABEL, "Step (kHz):", {kMargin, kBodyTop + 44, kLabel, 8}),
            NumberEntry(IDC_WIZARD_STEP, {kMargin + kLabel, kBodyTop + 42, kEntry, 12}, 3)});
    return controls;
}

Controls Choices() {
    Controls controls = Heading(true, 22);
    for (UINT n = 0; n < IDC_WIZARD_CHOICE_COUNT; ++n) {
        controls.push_back(RadioButton(
            IDC_WIZARD_CHOICE_1 + n, "",
            {kMargin + 8, kBodyTop + 26 + static_cast<int>(n) * 16, kInner - 8, 12}, n == 0));
    }
    return controls;
}

Controls ToolBarButton() {
    Controls controls = Heading(false);
    DialogControl icon{.id = IDC_WIZARD_ICON,
                       .className = "Static",
                       .style = WS_CHILD | WS_VISIBLE | SS_ICON,
                       .x = kWidth - kMargin - 24,
                       .y = kBodyTop + 60,
                       .cx = 20,
                       .cy = 20};
    Append(controls,
           {Text(IDC_WIZARD_TEXT, "", {kMargin, kBodyTop, kInner, 56}),
            Text(IDC_WIZARD_TOOL_BAR_LINE, "", {kMargin, kBodyTop + 62, kInner - 34, 20}), icon,
            Text(IDC_WIZARD_FINISH_LINE, "", {kMargin, kBodyTop + 88, kInner, 20})});
    return controls;
}

} // namespace

std::vector<DialogTemplate> WizardPages() {
    Controls welcome = Heading(true, 84);
    welcome.push_back(CheckBox(IDC_WIZARD_SHOW_AT_STARTUP,
                               "Show this wizard when the program starts",
                               {kMargin, kHeight - kMargin - 10, kInner, 10}));
    return {Page(0, std::move(welcome)),
            Page(1, Choices()),
            Page(2, FileName()),
            Page(3, SweepRange()),
            Page(4, Heading(true)),
            Page(5, FileName()),
            Page(6, {}),
            Page(7, {}),
            Page(8, Heading(true)),
            Page(9, ToolBarButton()),
            Page(10, FileName()),
            Page(11, FileName())};
}

} // namespace hb::resources
