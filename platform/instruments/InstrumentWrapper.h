#pragma once
#include "platform/afx/CWnd.h"
#include "platform/afx/Value.h"
#include "platform/instruments/FontObject.h"

#include <concepts>
#include <string>

namespace hb::instruments {

// The base of the instrument wrappers (CiKnobX, ...): a window object bound to an instrument
// window (DDX_Control, SubclassDlgItem, ...) that reads and writes the instrument's properties by
// dispatch id. The wrappers' named accessors reach the same properties. Unbound, or bound to a
// window that is not an instrument, every call returns a default and does nothing. No call fires
// an event: events come from the user's gestures only.
class InstrumentWrapper : public CWnd {
    DECLARE_DYNAMIC(InstrumentWrapper)

public:
    // In the alternative of the property's type (see PropType).
    hb::afx::Value GetProperty(long dispid) const;
    // Converted to the property's type.
    void SetProperty(long dispid, const hb::afx::Value& value);
    // A null text is an empty one. (Only for character pointers: a literal 0 stays a number.)
    template <class Text>
    requires std::same_as<Text, const char*> || std::same_as<Text, char*>
    void SetProperty(long dispid, Text text) {
        SetProperty(dispid, hb::afx::Value(std::string(text ? text : "")));
    }

protected:
    double GetDouble(long dispid) const;
    long GetLong(long dispid) const;
    COLORREF GetColor(long dispid) const;
    BOOL GetBool(long dispid) const;
    CString GetText(long dispid) const;
    FontObject GetFontAt(long dispid) const { return {m_hWnd, dispid}; }
};

} // namespace hb::instruments
