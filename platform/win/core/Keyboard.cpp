#include "platform/win/core/Keyboard.h"

#include "platform/win/core/Internal.h"
#include "platform/win/core/Keys.h"

#include <bitset>

namespace {

std::bitset<256>& KeysDown() {
    static std::bitset<256> keys;
    return keys;
}

hb::win::KeyboardLayout& Layout() {
    static hb::win::KeyboardLayout layout;
    return layout;
}

std::optional<char> DefaultCharacter(UINT key) {
    if (key >= 'A' && key <= 'Z') {
        return static_cast<char>(key - 'A' + 'a');
    }
    if ((key >= '0' && key <= '9') || key == VK_SPACE) {
        return static_cast<char>(key);
    }
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) {
        return static_cast<char>('0' + (key - VK_NUMPAD0));
    }
    switch (key) {
    case VK_RETURN:
        return '\r';
    case VK_BACK:
        return '\b';
    case VK_TAB:
        return '\t';
    case VK_ESCAPE:
        return '\x1B';
    default:
        return std::nullopt;
    }
}

} // namespace

SHORT GetKeyState(int virtualKey) {
    const bool down = virtualKey >= 0 && virtualKey < 256 &&
                      KeysDown().test(static_cast<std::size_t>(virtualKey));
    return down ? static_cast<SHORT>(0x8000) : SHORT{0};
}

SHORT GetAsyncKeyState(int virtualKey) {
    return GetKeyState(virtualKey);
}

namespace hb::win {

void SetKeyDown(UINT virtualKey, bool down) {
    if (virtualKey < 256) {
        KeysDown().set(virtualKey, down);
    }
}

void SetKeyboardLayout(KeyboardLayout layout) {
    Layout() = std::move(layout);
}

std::optional<char> CharacterOfKey(UINT virtualKey, UINT scanCode) {
    return Layout() && scanCode != 0 ? Layout()(virtualKey, scanCode)
                                     : DefaultCharacter(virtualKey);
}

namespace detail {

void ResetKeyboard() {
    KeysDown().reset();
    Layout() = nullptr;
}

} // namespace detail

} // namespace hb::win
