#include "platform/win/core/Internal.h"
#include "platform/win/core/LastError.h"
#include "platform/win/core/Window.h"
#include "platform/win/core/WindowTable.h"

#include <algorithm>

using namespace hb::win::detail;

namespace {

WindowRecord* FindOrFail(HWND hwnd) {
    WindowRecord* record = Windows().Find(hwnd);
    if (!record) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    }
    return record;
}

} // namespace

HWND GetParent(HWND hwnd) {
    const WindowRecord* record = FindOrFail(hwnd);
    if (!record) {
        return {};
    }
    if (record->parent) {
        return record->parent;
    }
    return (record->style & WS_POPUP) ? record->owner : HWND{};
}

HWND SetParent(HWND hwnd, HWND newParent) {
    WindowRecord* record = FindOrFail(hwnd);
    if (!record || (newParent && !FindOrFail(newParent))) {
        return {};
    }
    if (newParent == hwnd || IsChild(hwnd, newParent)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return {};
    }
    const HWND old = record->parent;
    NoteRearranged(hwnd);
    Windows().Reparent(*record, newParent);
    NoteRearranged(hwnd);
    return old;
}

HWND GetWindow(HWND hwnd, UINT command) {
    const WindowRecord* record = FindOrFail(hwnd);
    if (!record) {
        return {};
    }
    if (command == GW_CHILD) {
        return record->children.empty() ? HWND{} : record->children.front();
    }
    if (command == GW_OWNER) {
        return record->owner;
    }
    const auto& siblings = Windows().Siblings(*record);
    const auto at = std::find(siblings.begin(), siblings.end(), hwnd);
    if (at == siblings.end()) {
        return {};
    }
    switch (command) {
    case GW_HWNDFIRST:
        return siblings.front();
    case GW_HWNDLAST:
        return siblings.back();
    case GW_HWNDNEXT:
        return at + 1 == siblings.end() ? HWND{} : *(at + 1);
    case GW_HWNDPREV:
        return at == siblings.begin() ? HWND{} : *(at - 1);
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return {};
    }
}

HWND GetAncestor(HWND hwnd, UINT flags) {
    const WindowRecord* record = FindOrFail(hwnd);
    if (!record) {
        return {};
    }
    if (flags == GA_PARENT) {
        return record->parent;
    }
    while (record->parent) {
        const WindowRecord* parent = Windows().Find(record->parent);
        if (!parent) {
            break;
        }
        record = parent;
    }
    return record->hwnd;
}

BOOL IsChild(HWND parent, HWND hwnd) {
    const WindowRecord* record = Windows().Find(hwnd);
    while (record && record->parent) {
        if (record->parent == parent) {
            return TRUE;
        }
        record = Windows().Find(record->parent);
    }
    return FALSE;
}

HWND GetDlgItem(HWND parent, int id) {
    const WindowRecord* record = FindOrFail(parent);
    if (!record) {
        return {};
    }
    for (HWND child : record->children) {
        const WindowRecord* c = Windows().Find(child);
        if (c && static_cast<int>(c->id) == id) {
            return child;
        }
    }
    return {};
}

int GetDlgCtrlID(HWND hwnd) {
    const WindowRecord* record = FindOrFail(hwnd);
    return record ? static_cast<int>(record->id) : 0;
}

int GetClassName(HWND hwnd, LPSTR buffer, int size) {
    const WindowRecord* record = FindOrFail(hwnd);
    return record ? CopyText(record->className, buffer, size) : 0;
}

LONG GetWindowLong(HWND hwnd, int index) {
    return static_cast<LONG>(GetWindowLongPtr(hwnd, index));
}

LONG SetWindowLong(HWND hwnd, int index, LONG value) {
    return static_cast<LONG>(SetWindowLongPtr(hwnd, index, value));
}

LONG_PTR GetWindowLongPtr(HWND hwnd, int index) {
    const WindowRecord* record = FindOrFail(hwnd);
    if (!record) {
        return 0;
    }
    switch (index) {
    case GWL_STYLE:
        return static_cast<LONG>(record->style);
    case GWL_EXSTYLE:
        return static_cast<LONG>(record->exStyle);
    case GWL_ID:
        return static_cast<LONG>(record->id);
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(record->proc);
    case GWLP_USERDATA:
        return record->userData;
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
}

LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value) {
    WindowRecord* record = FindOrFail(hwnd);
    if (!record) {
        return 0;
    }
    const LONG_PTR old = GetWindowLongPtr(hwnd, index);
    switch (index) {
    case GWL_STYLE:
        record->style = static_cast<DWORD>(value);
        break;
    case GWL_EXSTYLE:
        record->exStyle = static_cast<DWORD>(value);
        break;
    case GWL_ID:
        record->id = static_cast<UINT>(value);
        break;
    case GWLP_WNDPROC:
        record->proc = reinterpret_cast<WNDPROC>(value);
        break;
    case GWLP_USERDATA:
        record->userData = value;
        break;
    default:
        return 0;
    }
    return old;
}

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return proc ? proc(hwnd, message, wParam, lParam) : 0;
}
