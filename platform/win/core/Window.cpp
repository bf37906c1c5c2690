#include "platform/win/core/Window.h"

#include "platform/win/core/Geometry.h"
#include "platform/win/core/Internal.h"
#include "platform/win/core/LastError.h"
#include "platform/win/core/MessageQueue.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/NonClient.h"
#include "platform/win/core/Paint.h"
#include "platform/win/core/TimerTable.h"
#include "platform/win/core/WindowState.h"
#include "platform/win/core/WindowTable.h"
#include "platform/win/gdi/DcTable.h"
#include "platform/win/menu/MenuTable.h"

#include <algorithm>
#include <utility>

using namespace hb::win::detail;
using hb::win::HandleFromParam;
using hb::win::ParamFromHwnd;

namespace {

std::function<void(HWND)>& CreationHook() {
    static std::function<void(HWND)> hook;
    return hook;
}

HWND FirstChildNotDying(HWND hwnd) {
    if (const WindowRecord* record = Windows().Find(hwnd)) {
        for (HWND child : record->children) {
            const WindowRecord* c = Windows().Find(child);
            if (c && !c->destroying) {
                return child;
            }
        }
    }
    return {};
}

std::vector<HWND> OwnedBy(HWND owner) {
    std::vector<HWND> owned;
    for (HWND hwnd : Windows().TopLevel()) {
        const WindowRecord* record = Windows().Find(hwnd);
        if (record && record->owner == owner && !record->destroying) {
            owned.push_back(hwnd);
        }
    }
    return owned;
}

// A window that failed WM_NCCREATE never saw WM_CREATE, so it gets no WM_DESTROY either.
void DestroyTree(HWND hwnd, bool sendDestroy) {
    Windows().Find(hwnd)->destroying = true;
    for (HWND owned : OwnedBy(hwnd)) {
        DestroyWindow(owned);
    }
    if (sendDestroy) {
        SendMessage(hwnd, WM_DESTROY, 0, 0);
    }
    while (HWND child = FirstChildNotDying(hwnd)) {
        DestroyWindow(child);
    }
    SendMessage(hwnd, WM_NCDESTROY, 0, 0);
    if (const WindowRecord* record = Windows().Find(hwnd); record && record->menu) {
        Menus().Destroy(record->menu);
    }
    Timers().KillAll(hwnd);
    Queue().RemoveWindow(hwnd);
    Windows().Remove(hwnd);
}

void DestroyHalfMade(HWND hwnd, bool sendDestroy) {
    const WindowRecord* record = Windows().Find(hwnd);
    if (record && !record->destroying) {
        DestroyTree(hwnd, sendDestroy);
    }
}

void ShowPlaced(HWND hwnd, int command) {
    ShowWindow(hwnd, command);
    // What the window left or now covers of its parent shows anew.
    if (const HWND parent = GetParent(hwnd)) {
        InvalidateRect(parent, nullptr, TRUE);
    }
}

// The system commands a window carries out itself. An MDI child passes the cycling ones to its
// MDI client.
LRESULT DefSysCommand(HWND hwnd, WPARAM command) {
    switch (command & 0xFFF0) {
    case SC_CLOSE:
        SendMessage(hwnd, WM_CLOSE, 0, 0);
        break;
    case SC_MINIMIZE:
        ShowPlaced(hwnd, SW_MINIMIZE);
        break;
    case SC_MAXIMIZE:
        ShowPlaced(hwnd, SW_MAXIMIZE);
        break;
    case SC_RESTORE:
        ShowPlaced(hwnd, SW_RESTORE);
        break;
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW:
        if (GetWindowLong(hwnd, GWL_EXSTYLE) & WS_EX_MDICHILD) {
            SendMessage(GetParent(hwnd), WM_MDINEXT, static_cast<WPARAM>(ParamFromHwnd(hwnd)),
                        (command & 0xFFF0) == SC_PREVWINDOW);
        }
        break;
    default:
        break;
    }
    return 0;
}

LPARAM ClientSizeParam(const WindowRecord& record) {
    const RECT client = ClientAreaOf(record);
    return MAKELPARAM(static_cast<WORD>(client.right - client.left),
                      static_cast<WORD>(client.bottom - client.top));
}

LRESULT DefHitTest(HWND hwnd, LPARAM lParam) {
    POINT pt{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
    RECT rect;
    GetWindowRect(hwnd, &rect);
    return hb::win::FrameHitTest(hwnd, {pt.x - rect.left, pt.y - rect.top});
}

} // namespace

HWND CreateWindowEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                    int cx, int cy, HWND parent, UINT id, LPVOID createParam) {
    const auto hook = std::exchange(CreationHook(), nullptr);
    const ClassEntry* cls = FindClass(className);
    if (!cls) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return {};
    }
    const bool child = (style & WS_CHILD) != 0;
    if ((parent && !Windows().Find(parent)) || (child && !parent)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return {};
    }
    cx = std::max(cx, 0);
    cy = std::max(cy, 0);

    auto record = std::make_unique<WindowRecord>();
    const HWND hwnd = Windows().NewHandle();
    record->hwnd = hwnd;
    record->className = cls->name;
    record->proc = cls->proc;
    record->style = style & ~WS_VISIBLE; // shown once created
    record->exStyle = exStyle;
    if (child) {
        record->parent = parent;
        record->id = id;
    } else if (parent) {
        record->owner = GetAncestor(parent, GA_ROOT);
    }
    // A top-level window takes a menu handle where a child takes its id.
    const HMENU menu = !child && Menus().Find(HMENU(id)) ? HMENU(id) : HMENU{};
    record->menu = menu;
    record->rect = {x, y, x + cx, y + cy};
    record->normalRect = record->rect;
    Windows().Add(std::move(record));
    Queue().AddWindow(hwnd);
    if (hook) {
        hook(hwnd);
    }

    CREATESTRUCT cs;
    cs.lpCreateParams = createParam;
    cs.hMenu = child ? HMENU(id) : menu;
    cs.hwndParent = parent;
    cs.cy = cy;
    cs.cx = cx;
    cs.y = y;
    cs.x = x;
    cs.style = static_cast<LONG>(style);
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;
    const auto csParam = reinterpret_cast<LPARAM>(&cs);
    if (!SendMessage(hwnd, WM_NCCREATE, 0, csParam)) {
        DestroyHalfMade(hwnd, false);
        return {};
    }
    if (SendMessage(hwnd, WM_CREATE, 0, csParam) == -1) {
        DestroyHalfMade(hwnd, true);
        return {};
    }
    if (const WindowRecord* created = Windows().Find(hwnd)) {
        SendMessage(hwnd, WM_SIZE, SIZE_RESTORED, ClientSizeParam(*created));
    }
    if ((style & WS_VISIBLE) && IsWindow(hwnd)) {
        SendMessage(hwnd, WM_SHOWWINDOW, TRUE, 0);
        if (WindowRecord* shown = Windows().Find(hwnd)) {
            shown->style |= WS_VISIBLE;
        }
    }
    return IsWindow(hwnd) ? hwnd : HWND{};
}

BOOL DestroyWindow(HWND hwnd) {
    const WindowRecord* record = Windows().Find(hwnd);
    if (!record) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (record->destroying) {
        return FALSE;
    }
    DestroyTree(hwnd, true);
    return TRUE;
}

BOOL IsWindow(HWND hwnd) {
    return Windows().Find(hwnd) != nullptr;
}

LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowRecord* record = Windows().Find(hwnd);
    if (!record) {
        return 0;
    }
    switch (message) {
    case WM_NCCREATE: {
        const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        record->text = cs && cs->lpszName ? cs->lpszName : "";
        return TRUE;
    }
    case WM_SETTEXT:
        record->text = lParam ? reinterpret_cast<LPCSTR>(lParam) : "";
        return TRUE;
    case WM_GETTEXT:
        return CopyText(record->text, reinterpret_cast<LPSTR>(lParam), static_cast<int>(wParam));
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(record->text.size());
    case WM_SETICON:
        return wParam > ICON_BIG ? 0
                                 : static_cast<LRESULT>(std::exchange(
                                       record->icons[wParam], static_cast<std::uint32_t>(lParam)));
    case WM_GETICON:
        return wParam > ICON_BIG ? 0 : static_cast<LRESULT>(record->icons[wParam]);
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_PAINT:
        ValidateRect(hwnd, nullptr);
        return 0;
    case WM_PRINT:
        return DefPrint(hwnd, HandleFromParam<HDC>(wParam), lParam);
    case WM_SYSCOMMAND:
        return DefSysCommand(hwnd, wParam);
    case WM_NCHITTEST:
        return DefHitTest(hwnd, lParam);
    default:
        return 0;
    }
}

BOOL SetWindowText(HWND hwnd, LPCSTR text) {
    return SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0;
}

int GetWindowText(HWND hwnd, LPSTR buffer, int size) {
    if (buffer && size > 0) {
        buffer[0] = '\0';
    }
    return static_cast<int>(SendMessage(hwnd, WM_GETTEXT, static_cast<WPARAM>(std::max(size, 0)),
                                        reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLength(HWND hwnd) {
    return static_cast<int>(SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

namespace hb::win {

std::vector<HWND> TopLevelWindows() {
    return Windows().TopLevel();
}

void HookNextWindowCreation(std::function<void(HWND)> hook) {
    CreationHook() = std::move(hook);
}

namespace detail {

void DestroyAllWindows() {
    CreationHook() = nullptr;
    for (HWND hwnd : std::vector<HWND>(Windows().TopLevel())) {
        const WindowRecord* record = Windows().Find(hwnd);
        if (record && !record->destroying) {
            DestroyTree(hwnd, true);
        }
    }
    // Whatever the destroy handlers created meanwhile goes without messages.
    Windows().Clear();
}

} // namespace detail
} // namespace hb::win
