#include "platform/instruments/InstrumentWrapper.h"

#include "platform/instruments/Instrument.h"
#include "platform/instruments/PropertyValues.h"

#include <cstdint>

namespace hb::instruments {

IMPLEMENT_DYNAMIC(InstrumentWrapper, CWnd)

hb::afx::Value InstrumentWrapper::GetProperty(long dispid) const {
    return hb::instruments::GetProperty(m_hWnd, dispid).value_or(hb::afx::Value{});
}

void InstrumentWrapper::SetProperty(long dispid, const hb::afx::Value& value) {
    PutProperty(m_hWnd, dispid, value);
}

double InstrumentWrapper::GetDouble(long dispid) const {
    return NumberOf(GetProperty(dispid));
}

long InstrumentWrapper::GetLong(long dispid) const {
    return static_cast<long>(GetDouble(dispid));
}

COLORREF InstrumentWrapper::GetColor(long dispid) const {
    return static_cast<COLORREF>(static_cast<std::int64_t>(GetDouble(dispid)));
}

BOOL InstrumentWrapper::GetBool(long dispid) const {
    return GetDouble(dispid) != 0;
}

CString InstrumentWrapper::GetText(long dispid) const {
    return CString(TextOf(GetProperty(dispid)));
}

CString FontObject::GetName() const {
    return CString(TextOf(GetProperty(m_control, m_dispid).value_or(hb::afx::Value{})));
}

void FontObject::SetName(LPCSTR name) {
    PutProperty(m_control, m_dispid, std::string(name ? name : ""));
}

} // namespace hb::instruments
