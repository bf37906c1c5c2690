#include "platform/afx/CFont.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CFont, CGdiObject)

namespace {

constexpr int kScreenDpi = 96;
constexpr int kTenthsPerInch = 720;

} // namespace

CFont* CFont::FromHandle(HFONT hFont) {
    return hb::afx::detail::GdiWrapperOf<CFont>(HGDIOBJ(hFont));
}

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont) {
    return lpLogFont && Take(::CreateFontIndirect(lpLogFont));
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                       BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                       BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily,
                       LPCSTR lpszFacename) {
    return Take(::CreateFont(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic,
                             bUnderline, cStrikeOut, nCharSet, nOutPrecision, nClipPrecision,
                             nQuality, nPitchAndFamily, lpszFacename));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCSTR lpszFaceName, CDC*) {
    LOGFONT logFont;
    logFont.lfHeight = -((nPointSize * kScreenDpi + kTenthsPerInch / 2) / kTenthsPerInch);
    logFont.lfCharSet = DEFAULT_CHARSET;
    if (lpszFaceName) {
        std::strncpy(logFont.lfFaceName, lpszFaceName, LF_FACESIZE - 1);
    }
    return CreateFontIndirect(&logFont);
}

int CFont::GetLogFont(LOGFONT* pLogFont) const {
    return GetObject(static_cast<int>(sizeof(LOGFONT)), pLogFont);
}
