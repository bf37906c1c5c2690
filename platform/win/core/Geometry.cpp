#include "platform/win/core/Geometry.h"

#include "platform/win/core/Internal.h"
#include "platform/win/core/LastError.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/Window.h"
#include "platform/win/core/WindowTable.h"

#include <algorithm>

using namespace hb::win::detail;

namespace {

POINT ClientOrigin(const WindowRecord& record);

// The window's top-left corner on the screen.
POINT WindowOrigin(const WindowRecord& record) {
    POINT origin{record.rect.left, record.rect.top};
    if (const WindowRecord* parent = Windows().Find(record.parent)) {
        const POINT parentOrigin = ClientOrigin(*parent);
        origin.x += parentOrigin.x;
        origin.y += parentOrigin.y;
    }
    return origin;
}

POINT ClientOrigin(const WindowRecord& record) {
    const POINT origin = WindowOrigin(record);
    const RECT client = ClientAreaOf(record);
    return {origin.x + client.left, origin.y + client.top};
}

// The screen (no window) has its origin at (0, 0).
bool OriginOf(HWND hwnd, POINT& origin) {
    if (!hwnd) {
        origin = {};
        return true;
    }
    const WindowRecord* record = Windows().Find(hwnd);
    if (!record) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    origin = ClientOrigin(*record);
    return true;
}

} // namespace

BOOL SetRect(RECT* rect, int left, int top, int right, int bottom) {
    if (!rect) {
        return FALSE;
    }
    *rect = {left, top, right, bottom};
    return TRUE;
}

BOOL SetRectEmpty(RECT* rect) {
    return SetRect(rect, 0, 0, 0, 0);
}

BOOL OffsetRect(RECT* rect, int dx, int dy) {
    if (!rect) {
        return FALSE;
    }
    *rect = {rect->left + dx, rect->top + dy, rect->right + dx, rect->bottom + dy};
    return TRUE;
}

BOOL InflateRect(RECT* rect, int dx, int dy) {
    if (!rect) {
        return FALSE;
    }
    *rect = {rect->left - dx, rect->top - dy, rect->right + dx, rect->bottom + dy};
    return TRUE;
}

BOOL IntersectRect(RECT* dest, const RECT* a, const RECT* b) {
    if (!dest || !a || !b) {
        return FALSE;
    }
    const RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
                 std::min(a->bottom, b->bottom)};
    if (IsRectEmpty(&r)) {
        *dest = RECT{};
        return FALSE;
    }
    *dest = r;
    return TRUE;
}

BOOL UnionRect(RECT* dest, const RECT* a, const RECT* b) {
    if (!dest || !a || !b) {
        return FALSE;
    }
    if (IsRectEmpty(a) || IsRectEmpty(b)) {
        *dest = IsRectEmpty(a) ? *b : *a;
        if (IsRectEmpty(dest)) {
            *dest = RECT{};
            return FALSE;
        }
        return TRUE;
    }
    *dest = {std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
             std::max(a->bottom, b->bottom)};
    return TRUE;
}

BOOL IsRectEmpty(const RECT* rect) {
    return !rect || rect->right <= rect->left || rect->bottom <= rect->top;
}

BOOL EqualRect(const RECT* a, const RECT* b) {
    return a && b && a->left == b->left && a->top == b->top && a->right == b->right &&
           a->bottom == b->bottom;
}

BOOL PtInRect(const RECT* rect, POINT pt) {
    return rect && pt.x >= rect->left && pt.x < rect->right && pt.y >= rect->top &&
           pt.y < rect->bottom;
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    WindowRecord* record = Windows().Find(hwnd);
    if (!record) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (!(flags & SWP_NOZORDER)) {
        if (insertAfter == HWND_TOPMOST) {
            record->exStyle |= WS_EX_TOPMOST;
        } else if (insertAfter == HWND_NOTOPMOST) {
            record->exStyle &= ~WS_EX_TOPMOST;
        }
    }
    if (flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) {
        record->style =
            (flags & SWP_SHOWWINDOW) ? record->style | WS_VISIBLE : record->style & ~WS_VISIBLE;
        NoteRearranged(hwnd);
    }
    RECT rect = record->rect;
    if (!(flags & SWP_NOMOVE)) {
        OffsetRect(&rect, x - rect.left, y - rect.top);
    }
    if (!(flags & SWP_NOSIZE)) {
        rect.right = rect.left + std::max(cx, 0);
        rect.bottom = rect.top + std::max(cy, 0);
    }
    ApplyRect(hwnd, rect, (record->style & WS_MAXIMIZE) ? SIZE_MAXIMIZED : SIZE_RESTORED, false);
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int cx, int cy, BOOL repaint) {
    return SetWindowPos(hwnd, HWND_TOP, x, y, cx, cy,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL BringWindowToTop(HWND hwnd) {
    WindowRecord* record = Windows().Find(hwnd);
    if (!record) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (record->parent) {
        Windows().Reparent(*record, record->parent);
    }
    return TRUE;
}

BOOL GetWindowRect(HWND hwnd, RECT* rect) {
    const WindowRecord* record = Windows().Find(hwnd);
    if (!record || !rect) {
        SetLastError(record ? ERROR_INVALID_PARAMETER : ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    const POINT origin = WindowOrigin(*record);
    *rect = {origin.x, origin.y, origin.x + (record->rect.right - record->rect.left),
             origin.y + (record->rect.bottom - record->rect.top)};
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* rect) {
    const WindowRecord* record = Windows().Find(hwnd);
    if (!record || !rect) {
        SetLastError(record ? ERROR_INVALID_PARAMETER : ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    const RECT client = ClientAreaOf(*record);
    *rect = {0, 0, client.right - client.left, client.bottom - client.top};
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* pt) {
    POINT origin;
    if (!pt || !hwnd || !OriginOf(hwnd, origin)) {
        return FALSE;
    }
    pt->x -= origin.x;
    pt->y -= origin.y;
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* pt) {
    POINT origin;
    if (!pt || !hwnd || !OriginOf(hwnd, origin)) {
        return FALSE;
    }
    pt->x += origin.x;
    pt->y += origin.y;
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count) {
    POINT fromOrigin;
    POINT toOrigin;
    if (!OriginOf(from, fromOrigin) || !OriginOf(to, toOrigin)) {
        return 0;
    }
    const int dx = fromOrigin.x - toOrigin.x;
    const int dy = fromOrigin.y - toOrigin.y;
    for (UINT i = 0; points && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return static_cast<int>(MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy)));
}

namespace hb::win::detail {

void ApplyRect(HWND hwnd, const RECT& rect, WPARAM sizeType, bool forceSize) {
    WindowRecord* record = Windows().Find(hwnd);
    if (!record) {
        return;
    }
    const RECT old = record->rect;
    record->rect = rect;
    if (!EqualRect(&old, &rect)) {
        NoteRearranged(hwnd);
    }
    if (!(record->style & (WS_MINIMIZE | WS_MAXIMIZE))) {
        record->normalRect = rect;
    }
    const RECT client = ClientAreaOf(*record);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (rect.left != old.left || rect.top != old.top) {
        SendMessage(hwnd, WM_MOVE, 0,
                    MAKELPARAM(static_cast<WORD>(rect.left), static_cast<WORD>(rect.top)));
    }
    if (forceSize || rect.right - rect.left != old.right - old.left ||
        rect.bottom - rect.top != old.bottom - old.top) {
        const LPARAM size = sizeType == SIZE_MINIMIZED
                                ? 0
                                : MAKELPARAM(static_cast<WORD>(width), static_cast<WORD>(height));
        SendMessage(hwnd, WM_SIZE, sizeType, size);
    }
}

} // namespace hb::win::detail
