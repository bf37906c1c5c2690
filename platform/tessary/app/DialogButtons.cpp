#include "platform/tessary/app/DialogButtons.h"

#include "platform/win/controls/ControlMessages.h"
#include "platform/win/core/MessageBox.h"
#include "platform/win/core/Window.h"

namespace hb::tessary {
namespace {

constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kMargin = 7;
constexpr int kGap = 6;

} // namespace

void AddOkCancel(hb::afx::DialogTemplate& dialog, int y) {
    const int cancelX = dialog.cx - kMargin - kButtonWidth;
    dialog.controls.push_back({.id = IDOK,
                               .className = "Button",
                               .text = "OK",
                               .style = WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON,
                               .x = cancelX - kGap - kButtonWidth,
                               .y = y,
                               .cx = kButtonWidth,
                               .cy = kButtonHeight});
    dialog.controls.push_back({.id = IDCANCEL,
                               .className = "Button",
                               .text = "Cancel",
                               .style = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                               .x = cancelX,
                               .y = y,
                               .cx = kButtonWidth,
                               .cy = kButtonHeight});
}

} // namespace hb::tessary
