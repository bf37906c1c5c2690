#include "radioview/ParmValue.h"

#include <array>

bool StoreParmValue(HKEY key, LPCSTR name, const parm& record) {
    return RegSetValueEx(key, name, 0, REG_BINARY, record.data(),
                         static_cast<DWORD>(parm::kSize)) == ERROR_SUCCESS;
}

bool ReadParmValue(HKEY key, LPCSTR name, parm& record) {
    // Read into a buffer of our own: a shorter value must not overwrite part of the record.
    std::array<BYTE, parm::kSize> buffer{};
    DWORD type = REG_NONE;
    DWORD size = static_cast<DWORD>(buffer.size());
    if (RegQueryValueEx(key, name, nullptr, &type, buffer.data(), &size) != ERROR_SUCCESS ||
        type != REG_BINARY || size != buffer.size()) {
        return false;
    }
    return record.loadExact(buffer);
}
