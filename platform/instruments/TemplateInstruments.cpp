// Instruments made from dialog templates, by class id.
#include "platform/afx/res/InstrumentFactory.h"
#include "platform/instruments/Instrument.h"
#include "platform/win/core/Window.h"

namespace hb::instruments {

HWND CreateInstrument(HWND parent, const hb::afx::DialogControl& control, const RECT& pixels) {
    const KindInfo* kind = FindKindByClassId(control.className);
    if (!kind) {
        return {};
    }
    const HWND hwnd = CreateWindowEx(control.exStyle, kind->className, control.text.c_str(),
                                     control.style | WS_CHILD, pixels.left, pixels.top,
                                     pixels.right - pixels.left, pixels.bottom - pixels.top, parent,
                                     control.id, nullptr);
    if (hwnd) {
        for (const hb::afx::StartProperty& property : control.properties) {
            PutProperty(hwnd, property.dispid, property.value);
        }
    }
    return hwnd;
}

namespace {

bool InstallFactory() {
    hb::afx::SetInstrumentFactory(&CreateInstrument);
    return true;
}

[[maybe_unused]] const bool kInstalled = InstallFactory();

} // namespace

} // namespace hb::instruments
