#include "platform/tessary/app/NoticeTemplate.h"

#include "platform/tessary/app/DialogButtons.h"
#include "platform/win/controls/ControlMessages.h"
#include "platform/win/core/Window.h"

namespace hb::tessary {

hb::afx::DialogTemplate NoticeTemplate(std::string caption, std::string text) {
    constexpr int kWidth = 200;
    constexpr int kMargin = 7;
    hb::afx::DialogTemplate dialog{.caption = std::move(caption),
                                   .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                   .cx = kWidth,
                                   .cy = 56,
                                   .fontName = "MS Sans Serif",
                                   .fontSize = 8};
    dialog.controls.push_back({.className = "Static",
                               .text = std::move(text),
                               .style = WS_VISIBLE | SS_LEFT,
                               .x = kMargin,
                               .y = kMargin,
                               .cx = kWidth - 2 * kMargin,
                               .cy = 16});
    AddOkCancel(dialog, 34);
    return dialog;
}

hb::afx::DialogTemplate ListTemplate(std::string caption, UINT listId, int width, int height) {
    constexpr int kMargin = 7;
    hb::afx::DialogTemplate dialog{.caption = std::move(caption),
                                   .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                   .cx = kMargin * 2 + width,
                                   .cy = kMargin * 2 + height + 24,
                                   .fontName = "MS Sans Serif",
                                   .fontSize = 8};
    dialog.controls.push_back(
        {.id = listId,
         .className = "ListBox",
         .style = WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY,
         .x = kMargin,
         .y = kMargin,
         .cx = width,
         .cy = height});
    AddOkCancel(dialog, kMargin + height + 6);
    return dialog;
}

} // namespace hb::tessary
