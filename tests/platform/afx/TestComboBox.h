#pragma once
// A combo box that keeps its list, for tests built before the standard one: registered as
// "ComboBox" unless the platform provides one. It answers CB_ADDSTRING, CB_GETCOUNT and
// CB_GETLBTEXT.
#include "platform/win/Windows.h"

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace hb::afx::test {

inline constexpr UINT kComboAddString = 0x0143;
inline constexpr UINT kComboGetCount = 0x0146;
inline constexpr UINT kComboGetText = 0x0148;

inline std::map<HWND, std::vector<std::string>>& ComboLists() {
    static std::map<HWND, std::vector<std::string>> lists;
    return lists;
}

inline LRESULT TestComboProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto& list = ComboLists()[hwnd];
    switch (message) {
    case kComboAddString:
        list.emplace_back(reinterpret_cast<LPCSTR>(lParam));
        return static_cast<LRESULT>(list.size() - 1);
    case kComboGetCount:
        return static_cast<LRESULT>(list.size());
    case kComboGetText:
        if (wParam >= list.size()) {
            return -1;
        }
        std::strcpy(reinterpret_cast<LPSTR>(lParam), list[wParam].c_str());
        return static_cast<LRESULT>(list[wParam].size());
    case WM_NCDESTROY:
        ComboLists().erase(hwnd);
        return 0;
    default:
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

inline void RegisterTestComboBox() {
    if (!GetClassInfo("ComboBox", nullptr)) {
        RegisterClass({.style = 0, .lpfnWndProc = &TestComboProc, .lpszClassName = "ComboBox"});
    }
}

// The list of a combo box, read back through its messages.
inline std::vector<std::string> ComboEntries(HWND combo) {
    std::vector<std::string> entries;
    const auto count = SendMessage(combo, kComboGetCount, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[64] = {};
        SendMessage(combo, kComboGetText, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        entries.emplace_back(text);
    }
    return entries;
}

} // namespace hb::afx::test
