#pragma once
#include "platform/afx/CString.h"
#include "platform/win/WinTypes.h"

namespace hb::instruments {

// The font property of an instrument, as its wrapper hands it out: writing the name changes the
// instrument's font. A font object of no instrument reads empty and ignores writes.
class FontObject {
public:
    FontObject() = default;
    FontObject(HWND control, long dispid) : m_control(control), m_dispid(dispid) {}

    CString GetName() const;
    void SetName(LPCSTR name);

private:
    HWND m_control;
    long m_dispid = 0;
};

} // namespace hb::instruments
