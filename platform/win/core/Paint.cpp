#include "platform/win/core/Paint.h"

#include "platform/win/core/Geometry.h"
#include "platform/win/core/Internal.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/WindowTable.h"

#include <utility>

using namespace hb::win::detail;

namespace {

RECT ClientArea(const WindowRecord& record) {
    return {0, 0, record.rect.right - record.rect.left, record.rect.bottom - record.rect.top};
}

void ApplyToTree(HWND hwnd, const RECT* rect, UINT flags) {
    if (flags & RDW_INVALIDATE) {
        InvalidateRect(hwnd, rect, (flags & RDW_ERASE) ? TRUE : FALSE);
    }
    if (flags & RDW_VALIDATE) {
        ValidateRect(hwnd, rect);
    }
    if (flags & RDW_ALLCHILDREN) {
        if (const WindowRecord* record = Windows().Find(hwnd)) {
            for (HWND child : std::vector<HWND>(record->children)) {
                ApplyToTree(child, nullptr, flags);
            }
        }
    }
}

void UpdateTree(HWND hwnd, bool children) {
    UpdateWindow(hwnd);
    if (!children) {
        return;
    }
    if (const WindowRecord* record = Windows().Find(hwnd)) {
        for (HWND child : std::vector<HWND>(record->children)) {
            UpdateTree(child, true);
        }
    }
}

} // namespace

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    WindowRecord* record = Windows().Find(hwnd);
    if (!record) {
        return FALSE;
    }
    const RECT client = ClientArea(*record);
    RECT area;
    if (!IntersectRect(&area, rect ? rect : &client, &client)) {
        return TRUE;
    }
    if (record->dirty) {
        UnionRect(&record->updateRect, &record->updateRect, &area);
    } else {
        record->updateRect = area;
    }
    record->dirty = true;
    record->eraseBackground = record->eraseBackground || erase;
    return TRUE;
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
    WindowRecord* record = Windows().Find(hwnd);
    if (!record) {
        return FALSE;
    }
    RECT covered;
    if (!rect || (UnionRect(&covered, rect, &record->updateRect) && EqualRect(&covered, rect))) {
        record->dirty = false;
        record->eraseBackground = false;
        record->updateRect = RECT{};
    }
    return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL erase) {
    WindowRecord* record = Windows().Find(hwnd);
    if (!record) {
        return FALSE;
    }
    if (rect) {
        *rect = record->updateRect;
    }
    const bool dirty = record->dirty;
    if (erase && dirty && record->eraseBackground) {
        record->eraseBackground = false;
        SendMessage(hwnd, WM_ERASEBKGND, 0, 0);
    }
    return dirty;
}

BOOL UpdateWindow(HWND hwnd) {
    const WindowRecord* record = Windows().Find(hwnd);
    if (!record) {
        return FALSE;
    }
    if (record->dirty) {
        SendMessage(hwnd, WM_PAINT, 0, 0);
    }
    return TRUE;
}

BOOL RedrawWindow(HWND hwnd, const RECT* rect, UINT flags) {
    if (!Windows().Find(hwnd)) {
        return FALSE;
    }
    ApplyToTree(hwnd, rect, flags);
    if (flags & RDW_UPDATENOW) {
        UpdateTree(hwnd, (flags & RDW_ALLCHILDREN) != 0);
    }
    return TRUE;
}

namespace hb::win {

bool TakeRearranged(HWND top) {
    WindowRecord* record = Windows().Find(top);
    return record && std::exchange(record->rearranged, false);
}

namespace detail {

void NoteRearranged(HWND hwnd) {
    WindowRecord* record = Windows().Find(hwnd);
    while (record && record->parent) {
        record = Windows().Find(record->parent);
    }
    if (record) {
        record->rearranged = true;
    }
}

} // namespace detail
} // namespace hb::win
