#pragma once
#include "platform/win/WinTypes.h"

#include <functional>
#include <optional>

// The keys held down, as whoever drives the input (a test, a presenter) sets them. The high bit
// (0x8000) is set for a key that is down.
SHORT GetKeyState(int virtualKey);
SHORT GetAsyncKeyState(int virtualKey);

namespace hb::win {

void SetKeyDown(UINT virtualKey, bool down);

// What a key-down types, for TranslateMessage: the character of the key, given its virtual-key code
// and its scan code (bits 16-23 of the key message's lParam) with the keys held now; none for a
// key that types nothing. Whoever drives the keyboard may set its own layout for the keys it
// reports; key messages without a scan code (made by the program, not by a keyboard) always go by
// the default one, which types letters in lower case, digits (also from the keypad), space, Return
// ('\r'), Backspace, Tab and Escape. An empty layout restores the default.
using KeyboardLayout = std::function<std::optional<char>(UINT virtualKey, UINT scanCode)>;
void SetKeyboardLayout(KeyboardLayout layout);
std::optional<char> CharacterOfKey(UINT virtualKey, UINT scanCode);

} // namespace hb::win
