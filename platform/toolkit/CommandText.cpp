#include "platform/toolkit/CommandText.h"

#include "platform/afx/res/StringLookup.h"

#include <string>

namespace hb::toolkit::detail {

CString CommandTip(UINT id) {
    const std::string text = hb::afx::LoadResourceString(id).value_or("");
    const std::size_t newline = text.find('\n');
    if (newline == std::string::npos) {
        return text.c_str();
    }
    const std::size_t end = text.find('\n', newline + 1);
    return text.substr(newline + 1, end == std::string::npos ? end : end - newline - 1).c_str();
}

} // namespace hb::toolkit::detail
