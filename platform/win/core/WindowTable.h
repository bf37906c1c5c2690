#pragma once
#include "platform/win/WinTypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace hb::win::detail {

struct WindowRecord {
    HWND hwnd;
    std::string className;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    UINT id = 0;
    LONG_PTR userData = 0;
    HWND parent;                // set for child windows only
    HWND owner;                 // top-level windows only
    std::vector<HWND> children; // in creation order
    RECT rect;       // in the parent's client coordinates, or the screen's for top-level windows
    RECT normalRect; // where a minimized or maximized window goes back to
    std::string text;
    HMENU menu;                  // top-level windows only; destroyed with the window
    std::uint32_t icons[2] = {}; // WM_SETICON: ICON_SMALL, ICON_BIG
    RECT updateRect;
    bool dirty = false;
    // Top-level windows: a window of the tree appeared, went, moved or changed size since the
    // display last took the tree (TakeRearranged).
    bool rearranged = false;
    bool eraseBackground = false;
    bool destroying = false;
    bool traced = false;
};

// Every live window by handle, the tree links, and the input state that names windows.
class WindowTable {
public:
    // Handles count up from one start for the whole process and are never handed out twice.
    HWND NewHandle() { return HWND(m_nextHandle++); }
    WindowRecord* Find(HWND hwnd);
    void Add(std::unique_ptr<WindowRecord> record);
    void Remove(HWND hwnd);
    void Reparent(WindowRecord& record, HWND newParent);
    // The list the window is in: its parent's children or the top-level windows.
    const std::vector<HWND>& Siblings(const WindowRecord& record);
    const std::vector<HWND>& TopLevel() const { return m_topLevel; }
    std::vector<HWND> InTreeOrder();
    void Clear();

    HWND focus;
    HWND capture;
    HWND active;
    // The window that asked to hear when the mouse leaves it (TrackMouseEvent).
    HWND mouseTracked;

private:
    std::vector<HWND>* ListOf(const WindowRecord& record);

    std::unordered_map<std::uint32_t, std::unique_ptr<WindowRecord>> m_windows;
    std::vector<HWND> m_topLevel;
    std::uint32_t m_nextHandle = 0x10010;
};

WindowTable& Windows();

// The client area in the window's own coordinates: inside its frame, if it has one.
RECT ClientAreaOf(const WindowRecord& record);

} // namespace hb::win::detail
