#include "platform/toolkit/CXTAuxData.h"

void CXTAuxData::SetGlobalFont(CFont* pFont, CFont*) {
    LOGFONT description{};
    const bool copy = pFont && pFont->GetLogFont(&description);
    m_font.DeleteObject();
    if (copy) {
        m_font.CreateFontIndirect(&description);
    }
}

CXTAuxData& XTAuxData() {
    static CXTAuxData data;
    return data;
}
