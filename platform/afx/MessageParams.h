#pragma once
// The message parameters the control wrappers pass: an index as the WPARAM, text or a record as
// the LPARAM.
#include "platform/win/WinTypes.h"

namespace hb::afx::detail {

inline WPARAM IndexParam(int index) {
    return static_cast<WPARAM>(index);
}

inline LPARAM PointerParam(const void* pointer) {
    return reinterpret_cast<LPARAM>(pointer);
}

} // namespace hb::afx::detail
