#include "platform/toolkit/CXTPColorManager.h"

#include "platform/win/core/SystemInfo.h"

COLORREF CXTPColorManager::GetColor(int index) {
    return GetSysColor(index);
}
