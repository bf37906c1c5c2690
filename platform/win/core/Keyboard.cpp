#include "platform/win/core/Keyboard.h"

#include "platform/win/core/Internal.h"

#include <bitset>

namespace {

std::bitset<256>& KeysDown() {
    static std::bitset<256> keys;
    return keys;
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

namespace detail {

void ResetKeyboard() {
    KeysDown().reset();
}

} // namespace detail

} // namespace hb::win
