// The visual styles: the colour set of each theme, the style font and the command bars' look.
#include "app/HalbridgeApp.h"
#include "platform/afx/CWinApp.h"
#include "platform/tessary/app/AppColors.h"
#include "platform/toolkit/CXTPPaintManager.h"

#include <cstdio>
#include <span>
#include <string>

namespace {

struct ColorEntry {
    int index;
    COLORREF color;
};

constexpr ColorEntry kTheme0[] = {{13, 0x808000}, {17, 0xD54600}, {18, 0xD8E9EC},
                                  {23, 0xF0F0F0}, {24, 0xE1FFFF}, {25, 0xF5FFF5}};
constexpr ColorEntry kTheme1[] = {{13, 0x804000}, {17, 0xD54600}, {18, 0xA2DBDF}, {23, 0xF0F0F0},
                                  {24, 0xD7F5F5}, {25, 0xECE4D7}, {30, 0xD54600}};
constexpr ColorEntry kTheme2[] = {{12, 0x00FFFF}, {13, 0x000000}, {14, 0x00C0C0}, {17, 0x3F85CD},
                                  {18, 0x000000}, {21, 0x000000}, {23, 0xF0F0F0}, {24, 0xE1FFFF},
                                  {25, 0xF5FFF5}, {28, 0x696969}, {29, 0x3F85CD}, {30, 0x3F85CD}};
constexpr ColorEntry kTheme3[] = {{12, 0x00FFFF}, {13, 0x000000}, {14, 0x00C0C0}, {17, 0x3F85CD},
                                  {18, 0x000000}, {21, 0x000000}, {23, 0xF0F0F0}, {24, 0xE1FFFF},
                                  {25, 0xF5FFF5}, {28, 0x696969}, {29, 0x3F85CD}, {30, 0xD54600}};

std::span<const ColorEntry> ColorSet(int theme) {
    switch (theme) {
    case 1:
        return kTheme1;
    case 2:
        return kTheme2;
    case 3:
        return kTheme3;
    default:
        return kTheme0;
    }
}

// The full colour depth a colour set needs.
constexpr BYTE kTrueColor = 32;
// The command bars' look, whatever the style.
constexpr int kCommandBarTheme = 2;

} // namespace

CHalbridgeApp* CHalbridgeApp::Get() {
    return dynamic_cast<CHalbridgeApp*>(AfxGetApp());
}

void CHalbridgeApp::AdjustColors(BYTE depth) {
    if (GetDisplayColorMode() != hb::tessary::kDisplayColorNormal) {
        m_visualStyle = 0;
        m_visualTheme = 0;
    }
    CScanApp::AdjustColors(depth);
    if (GetDisplayColorMode() != hb::tessary::kDisplayColorNormal || depth < kTrueColor) {
        return;
    }
    for (const ColorEntry& entry : ColorSet(m_visualTheme)) {
        SetColor(entry.index, entry.color);
        const std::string name = "Color" + std::to_string(entry.index);
        WriteSuiteProfileInt("Colors", name.c_str(), static_cast<int>(entry.color));
    }
}

void CHalbridgeApp::BuildStyleFont(LOGFONT& font) {
    font = LOGFONT{};
    font.lfHeight = -13;
    font.lfWeight = FW_NORMAL;
    std::snprintf(font.lfFaceName, LF_FACESIZE, "%s", m_visualTheme != 0 ? "Tahoma" : "Arial");
}

void CHalbridgeApp::ResetCommandBarTheme(CXTPCommandBars*) {
    m_visualTheme = 0;
    m_visualStyle = 0;
    CXTPPaintManager::SetTheme(kCommandBarTheme);
}
