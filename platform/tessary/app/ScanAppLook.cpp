// Colours and fonts.
#include "platform/tessary/app/AppHooks.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/win/gdi/Objects.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr LPCSTR kColorSection = "Colors";
constexpr LPCSTR kFontSection = "Fonts";

std::string ColorName(std::size_t index) {
    return "Color" + std::to_string(index);
}

std::string FontName(int index) {
    return "Font" + std::to_string(index);
}

// "height,weight,italic,underline,strikeout,charset,pitch and family,face".
CString FontText(const LOGFONT& font) {
    CString text;
    text.Format("%d,%d,%u,%u,%u,%u,%u,%.*s", static_cast<int>(font.lfHeight),
                static_cast<int>(font.lfWeight), font.lfItalic, font.lfUnderline, font.lfStrikeOut,
                font.lfCharSet, font.lfPitchAndFamily, LF_FACESIZE - 1, font.lfFaceName);
    return text;
}

bool ParseFont(const CString& text, LOGFONT& out) {
    int height = 0;
    int weight = 0;
    unsigned flags[5] = {};
    int faceAt = 0;
    if (std::sscanf(text, "%d,%d,%u,%u,%u,%u,%u,%n", &height, &weight, &flags[0], &flags[1],
                    &flags[2], &flags[3], &flags[4], &faceAt) != 7 ||
        faceAt == 0 || weight < 0 || weight > 1000) {
        return false;
    }
    for (const unsigned flag : flags) {
        if (flag > 0xFF) {
            return false;
        }
    }
    LOGFONT font{};
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfItalic = static_cast<BYTE>(flags[0]);
    font.lfUnderline = static_cast<BYTE>(flags[1]);
    font.lfStrikeOut = static_cast<BYTE>(flags[2]);
    font.lfCharSet = static_cast<BYTE>(flags[3]);
    font.lfPitchAndFamily = static_cast<BYTE>(flags[4]);
    std::snprintf(font.lfFaceName, LF_FACESIZE, "%s", text.GetString() + faceAt);
    out = font;
    return true;
}

} // namespace

COLORREF CScanApp::Color(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < m_colors.size()
               ? m_colors[static_cast<std::size_t>(index)]
               : 0;
}

void CScanApp::SetColor(int index, COLORREF color) {
    if (index >= 0 && static_cast<std::size_t>(index) < m_colors.size()) {
        m_colors[static_cast<std::size_t>(index)] = color;
    }
}

void CScanApp::SetDisplayColorMode(int mode) {
    const bool known =
        mode == hb::tessary::kDisplayColorRed || mode == hb::tessary::kDisplayColorGreen;
    m_displayColorMode = known ? mode : hb::tessary::kDisplayColorNormal;
}

void CScanApp::LoadColors() {
    for (std::size_t i = 0; i < m_colors.size(); ++i) {
        m_colors[i] = static_cast<COLORREF>(GetSuiteProfileInt(
            kColorSection, ColorName(i).c_str(), static_cast<int>(hb::tessary::kDefaultColors[i])));
    }
}

void CScanApp::AdjustColors(BYTE depth) {
    m_colorDepth = depth;
    LoadColors();
}

void CScanApp::AdjustColorEntry(BYTE index) {
    if (index >= m_colors.size()) {
        return;
    }
    COLORREF color = m_colors[index];
    if (hb::tessary::detail::ChooseColor(index, color)) {
        m_colors[index] = color;
        WriteSuiteProfileInt(kColorSection, ColorName(index).c_str(), static_cast<int>(color));
    }
}

void CScanApp::ResetColors() {
    DeleteRegTree(HKEY_CURRENT_USER, SuiteKey(kColorSection).c_str());
    AdjustColors(m_colorDepth);
}

const LOGFONT& CScanApp::GetFontDescription(int index) const {
    return index >= 0 && index < kFontCount ? m_fonts[index] : m_fonts[0];
}

void CScanApp::BuildStyleFont(LOGFONT& font) {
    font = LOGFONT{};
    font.lfHeight = -13;
    font.lfWeight = FW_NORMAL;
    std::snprintf(font.lfFaceName, LF_FACESIZE, "%s", "Arial");
}

void CScanApp::LoadFonts() {
    for (int i = 0; i < kFontCount; ++i) {
        if (!ParseFont(GetProfileStringA(kFontSection, FontName(i).c_str()), m_fonts[i])) {
            BuildStyleFont(m_fonts[i]);
        }
    }
}

void CScanApp::MakeFonts() {
    FreeFonts();
    m_listFont = CreateFontIndirect(&m_fonts[0]);
    LOGFONT bold = m_fonts[0];
    bold.lfWeight = FW_BOLD;
    m_captionFont = CreateFontIndirect(&bold);
}

void CScanApp::FreeFonts() {
    for (HFONT* font : {&m_listFont, &m_captionFont}) {
        if (*font) {
            DeleteObject(*font);
            *font = HFONT{};
        }
    }
}

void CScanApp::SelectFont(int index) {
    if (index < 0 || index >= kFontCount) {
        return;
    }
    LOGFONT font = m_fonts[index];
    if (!hb::tessary::detail::ChooseFont(m_fontTitles[index].str(), font)) {
        return;
    }
    m_fonts[index] = font;
    WriteProfileStringA(kFontSection, FontName(index).c_str(), FontText(font));
    if (index == 0) {
        MakeFonts();
    }
}

void CScanApp::ApplyVisualStyle(CWnd*) {}
