#include "audio/MinutesSecondsItem.h"

#include <cstdio>

void CMinutesSecondsItem::SetValue(std::uint32_t seconds) {
    m_value = seconds;
    char text[24];
    std::snprintf(text, sizeof text, "%u:%02u", seconds / 60, seconds % 60);
    m_strCaption = text;
}
