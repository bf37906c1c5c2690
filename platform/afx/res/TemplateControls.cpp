#include "platform/afx/res/TemplateControls.h"

#include "platform/afx/res/InstrumentFactory.h"
#include "platform/win/controls/ControlMessages.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/NoCase.h"
#include "platform/win/core/Window.h"

namespace hb::afx {

namespace {

InstrumentFactory& Factory() {
    static InstrumentFactory factory;
    return factory;
}

HWND CreateControl(HWND parent, const DialogControl& control, const RECT& r) {
    if (IsClassId(control.className)) {
        return Factory() ? Factory()(parent, control, r) : HWND{};
    }
    return ::CreateWindowEx(control.exStyle, control.className.c_str(), control.text.c_str(),
                            control.style | WS_CHILD, r.left, r.top, r.right - r.left,
                            r.bottom - r.top, parent, control.id, nullptr);
}

} // namespace

void SetInstrumentFactory(InstrumentFactory factory) {
    Factory() = std::move(factory);
}

bool IsClassId(std::string_view className) {
    return className.size() > 2 && className.front() == '{' && className.back() == '}';
}

bool CreateTemplateControls(HWND parent, const DialogTemplate& dialog) {
    for (const DialogControl& control : dialog.controls) {
        const RECT r =
            DluToPixels({control.x, control.y, control.x + control.cx, control.y + control.cy});
        const HWND hwnd = CreateControl(parent, control, r);
        if (!hwnd) {
            return false;
        }
        if (hb::win::EqualNoCase(control.className, "ComboBox")) {
            for (const std::string& entry : control.strings) {
                ::SendMessage(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
            }
        }
    }
    return true;
}

} // namespace hb::afx
