#include "platform/afx/HandleMap.h"

#include "platform/afx/CWnd.h"
#include "platform/afx/ObjectMap.h"
#include "platform/afx/Reset.h"

#include <memory>
#include <unordered_map>
#include <vector>

namespace hb::afx {

namespace {

// Never destroyed: window objects with static storage (CWnd::wndTop, ...) look it up from their
// destructors at exit.
std::unordered_map<HWND, CWnd*>& Permanent() {
    static auto& map = *new std::unordered_map<HWND, CWnd*>;
    return map;
}

std::unordered_map<HWND, std::unique_ptr<CWnd>>& Temporary() {
    static std::unordered_map<HWND, std::unique_ptr<CWnd>> map;
    return map;
}

struct Watch {
    const CWnd* wnd;
    bool* gone;
};

// Never destroyed, like the permanent map: window objects with static storage report from their
// destructors at exit.
std::vector<Watch>& Watches() {
    static auto& watches = *new std::vector<Watch>;
    return watches;
}

} // namespace

void DeleteTempMap() {
    Temporary().clear();
    detail::DeleteTemporaryObjects();
}

namespace detail {

CWnd* FindPermanent(HWND hwnd) {
    const auto it = Permanent().find(hwnd);
    return it == Permanent().end() ? nullptr : it->second;
}

void AddPermanent(HWND hwnd, CWnd* wnd) {
    Permanent()[hwnd] = wnd;
}

void RemovePermanent(HWND hwnd, const CWnd* wnd) {
    const auto it = Permanent().find(hwnd);
    if (it != Permanent().end() && it->second == wnd) {
        Permanent().erase(it);
    }
}

void ClearPermanent() {
    for (auto& [hwnd, wnd] : Permanent()) {
        wnd->m_hWnd = {};
    }
    Permanent().clear();
}

BOOL CreateSelfDeleting(CWnd* wnd, const std::function<BOOL()>& create) {
    bool gone = false;
    Watches().push_back({wnd, &gone});
    const BOOL created = create();
    std::erase_if(Watches(), [&](const Watch& w) { return w.gone == &gone; });
    if (!created && !gone) {
        delete wnd;
    }
    return created;
}

void NoteObjectGone(const CWnd* wnd) {
    for (const Watch& watch : Watches()) {
        if (watch.wnd == wnd) {
            *watch.gone = true;
        }
    }
}

CWnd* TemporaryFor(HWND hwnd) {
    auto& slot = Temporary()[hwnd];
    if (!slot) {
        slot = std::make_unique<CWnd>();
        slot->m_hWnd = hwnd;
    }
    return slot.get();
}

} // namespace detail
} // namespace hb::afx
