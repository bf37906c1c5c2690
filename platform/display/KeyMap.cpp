#include "platform/display/KeyMap.h"

#include "platform/win/core/Keys.h"

#include <X11/keysym.h>

#include <unordered_map>

namespace hb::display {

namespace {

// The punctuation keys of a US keyboard, by their unshifted and shifted symbols.
constexpr UINT kOemSemicolon = 0xBA;
constexpr UINT kOemPlus = 0xBB;
constexpr UINT kOemComma = 0xBC;
constexpr UINT kOemMinus = 0xBD;
constexpr UINT kOemPeriod = 0xBE;
constexpr UINT kOemSlash = 0xBF;
constexpr UINT kOemTilde = 0xC0;
constexpr UINT kOemOpenBracket = 0xDB;
constexpr UINT kOemBackslash = 0xDC;
constexpr UINT kOemCloseBracket = 0xDD;
constexpr UINT kOemQuote = 0xDE;

const std::unordered_map<unsigned long, UINT>& Table() {
    static const std::unordered_map<unsigned long, UINT> table{
        {XK_BackSpace, VK_BACK},
        {XK_Tab, VK_TAB},
        {XK_ISO_Left_Tab, VK_TAB},
        {XK_Return, VK_RETURN},
        {XK_KP_Enter, VK_RETURN},
        {XK_Shift_L, VK_SHIFT},
        {XK_Shift_R, VK_SHIFT},
        {XK_Control_L, VK_CONTROL},
        {XK_Control_R, VK_CONTROL},
        {XK_Alt_L, VK_MENU},
        {XK_Alt_R, VK_MENU},
        {XK_Meta_L, VK_MENU},
        {XK_Meta_R, VK_MENU},
        {XK_Pause, VK_PAUSE},
        {XK_Caps_Lock, VK_CAPITAL},
        {XK_Escape, VK_ESCAPE},
        {XK_space, VK_SPACE},
        {XK_Prior, VK_PRIOR},
        {XK_KP_Prior, VK_PRIOR},
        {XK_Next, VK_NEXT},
        {XK_KP_Next, VK_NEXT},
        {XK_End, VK_END},
        {XK_KP_End, VK_END},
        {XK_Home, VK_HOME},
        {XK_KP_Home, VK_HOME},
        {XK_Left, VK_LEFT},
        {XK_KP_Left, VK_LEFT},
        {XK_Up, VK_UP},
        {XK_KP_Up, VK_UP},
        {XK_Right, VK_RIGHT},
        {XK_KP_Right, VK_RIGHT},
        {XK_Down, VK_DOWN},
        {XK_KP_Down, VK_DOWN},
        {XK_Insert, VK_INSERT},
        {XK_KP_Insert, VK_INSERT},
        {XK_Delete, VK_DELETE},
        {XK_KP_Delete, VK_DELETE},
        {XK_KP_Multiply, VK_MULTIPLY},
        {XK_KP_Add, VK_ADD},
        {XK_KP_Subtract, VK_SUBTRACT},
        {XK_KP_Decimal, VK_DECIMAL},
        {XK_KP_Divide, VK_DIVIDE},
        {XK_semicolon, kOemSemicolon},
        {XK_colon, kOemSemicolon},
        {XK_equal, kOemPlus},
        {XK_plus, kOemPlus},
        {XK_comma, kOemComma},
        {XK_less, kOemComma},
        {XK_minus, kOemMinus},
        {XK_underscore, kOemMinus},
        {XK_period, kOemPeriod},
        {XK_greater, kOemPeriod},
        {XK_slash, kOemSlash},
        {XK_question, kOemSlash},
        {XK_grave, kOemTilde},
        {XK_asciitilde, kOemTilde},
        {XK_bracketleft, kOemOpenBracket},
        {XK_braceleft, kOemOpenBracket},
        {XK_backslash, kOemBackslash},
        {XK_bar, kOemBackslash},
        {XK_bracketright, kOemCloseBracket},
        {XK_braceright, kOemCloseBracket},
        {XK_apostrophe, kOemQuote},
        {XK_quotedbl, kOemQuote},
        // The shifted digits of a US keyboard.
        {XK_exclam, '1'},
        {XK_at, '2'},
        {XK_numbersign, '3'},
        {XK_dollar, '4'},
        {XK_percent, '5'},
        {XK_asciicircum, '6'},
        {XK_ampersand, '7'},
        {XK_asterisk, '8'},
        {XK_parenleft, '9'},
        {XK_parenright, '0'},
    };
    return table;
}

} // namespace

UINT VirtualKeyOf(unsigned long keysym) {
    if (keysym >= XK_a && keysym <= XK_z) {
        return static_cast<UINT>(keysym - XK_a + 'A');
    }
    if ((keysym >= XK_A && keysym <= XK_Z) || (keysym >= XK_0 && keysym <= XK_9)) {
        return static_cast<UINT>(keysym);
    }
    if (keysym >= XK_KP_0 && keysym <= XK_KP_9) {
        return static_cast<UINT>(VK_NUMPAD0 + (keysym - XK_KP_0));
    }
    if (keysym >= XK_F1 && keysym <= XK_F12) {
        return static_cast<UINT>(VK_F1 + (keysym - XK_F1));
    }
    const auto it = Table().find(keysym);
    return it == Table().end() ? 0 : it->second;
}

} // namespace hb::display
