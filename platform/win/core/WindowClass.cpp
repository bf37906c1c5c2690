#include "platform/win/core/WindowClass.h"

#include "platform/win/core/Internal.h"
#include "platform/win/core/LastError.h"

#include <map>

namespace {

struct ClassRegistry {
    std::map<std::string, hb::win::detail::ClassEntry> byKey; // key: lower-case name
    ATOM nextAtom = 0xC000;
};

ClassRegistry& Registry() {
    static ClassRegistry registry;
    return registry;
}

std::string KeyOf(LPCSTR name) {
    std::string key(name);
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return key;
}

ATOM Register(const WNDCLASS& wc, bool builtin) {
    if (!wc.lpszClassName || !*wc.lpszClassName || !wc.lpfnWndProc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    auto& registry = Registry();
    const auto [it, added] = registry.byKey.try_emplace(
        KeyOf(wc.lpszClassName),
        hb::win::detail::ClassEntry{wc.lpszClassName, wc.lpfnWndProc, wc.style, builtin});
    if (!added) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    return registry.nextAtom++;
}

} // namespace

ATOM RegisterClass(const WNDCLASS& wc) {
    return Register(wc, false);
}

BOOL UnregisterClass(LPCSTR className) {
    if (!className || Registry().byKey.erase(KeyOf(className)) == 0) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return FALSE;
    }
    return TRUE;
}

BOOL GetClassInfo(LPCSTR className, WNDCLASS* wc) {
    const auto* entry = hb::win::detail::FindClass(className);
    if (!entry) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return FALSE;
    }
    if (wc) {
        wc->style = entry->style;
        wc->lpfnWndProc = entry->proc;
        wc->lpszClassName = entry->name.c_str();
    }
    return TRUE;
}

namespace hb::win {

ATOM RegisterBuiltinClass(const WNDCLASS& wc) {
    return Register(wc, true);
}

namespace detail {

const ClassEntry* FindClass(LPCSTR name) {
    if (!name) {
        return nullptr;
    }
    const auto& byKey = Registry().byKey;
    const auto it = byKey.find(KeyOf(name));
    return it == byKey.end() ? nullptr : &it->second;
}

void ResetClasses() {
    std::erase_if(Registry().byKey, [](const auto& item) { return !item.second.builtin; });
}

} // namespace detail
} // namespace hb::win
