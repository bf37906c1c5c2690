#include "platform/win/gdi/Painting.h"

#include "platform/win/core/Messages.h"
#include "platform/win/core/Paint.h"
#include "platform/win/core/Window.h"
#include "platform/win/core/WindowState.h"
#include "platform/win/core/WindowTable.h"
#include "platform/win/gdi/DcTable.h"
#include "platform/win/gdi/DeviceContext.h"

using namespace hb::win;
using namespace hb::win::detail;

namespace {

std::vector<HWND> VisibleChildren(HWND hwnd) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetWindowLong(child, GWL_STYLE) & WS_VISIBLE) {
            children.push_back(child);
        }
    }
    return children;
}

void PaintInto(HWND hwnd, std::vector<hb::win::PaintedWindow>& painted) {
    LastPaints().erase(hwnd);
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
    if (!IsWindow(hwnd)) {
        return;
    }
    WindowPaint& last = LastPaints()[hwnd];
    last.fresh = false;
    painted.push_back({hwnd, last.list});
    for (HWND child : VisibleChildren(hwnd)) {
        PaintInto(child, painted);
    }
}

} // namespace

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint) {
    WindowRecord* record = Windows().Find(hwnd);
    if (!record || !paint) {
        return {};
    }
    const HDC hdc = Dcs().Add(DcKind::Paint, hwnd);
    const RECT area = record->dirty ? record->updateRect : RECT{};
    const bool erase = record->eraseBackground;
    ValidateRect(hwnd, nullptr);
    DeviceContext& dc = *Dcs().Find(hdc);
    dc.state.clipped = true;
    dc.state.clip = area;
    paint->hdc = hdc;
    paint->rcPaint = area;
    paint->fErase = erase && !SendMessage(hwnd, WM_ERASEBKGND, static_cast<WPARAM>(hdc.id()), 0);
    return hdc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint) {
    DeviceContext* dc = paint ? Dcs().Find(paint->hdc) : nullptr;
    if (!dc || dc->kind != DcKind::Paint || dc->hwnd != hwnd) {
        return FALSE;
    }
    if (IsWindow(hwnd)) {
        auto& lists = LastPaints();
        if (!lists.contains(hwnd)) {
            std::erase_if(lists, [](const auto& item) { return !IsWindow(item.first); });
        }
        lists[hwnd] = {std::move(dc->list), true};
    }
    Dcs().Remove(paint->hdc);
    return TRUE;
}

namespace hb::win {

const DisplayList& LastPaint(HWND hwnd) {
    static const DisplayList empty;
    const auto& lists = LastPaints();
    const auto it = lists.find(hwnd);
    return it == lists.end() || !IsWindow(hwnd) ? empty : it->second.list;
}

bool HasUntakenPaint(HWND hwnd) {
    const auto& lists = LastPaints();
    const auto it = lists.find(hwnd);
    return it != lists.end() && it->second.fresh && IsWindow(hwnd);
}

std::vector<PaintedWindow> PaintWindowTree(HWND hwnd) {
    std::vector<PaintedWindow> painted;
    if (IsWindow(hwnd)) {
        PaintInto(hwnd, painted);
    }
    return painted;
}

namespace detail {

LRESULT DefPrint(HWND hwnd, HDC hdc, LPARAM flags) {
    if (!Dcs().Find(hdc) || ((flags & PRF_CHECKVISIBLE) && !IsWindowVisible(hwnd))) {
        return 0;
    }
    const auto dcParam = static_cast<WPARAM>(hdc.id());
    if (flags & PRF_ERASEBKGND) {
        SendMessage(hwnd, WM_ERASEBKGND, dcParam, 0);
    }
    if (flags & PRF_CLIENT) {
        SendMessage(hwnd, WM_PRINTCLIENT, dcParam, flags);
    }
    if (flags & PRF_CHILDREN) {
        for (HWND child : VisibleChildren(hwnd)) {
            const WindowRecord* record = Windows().Find(child);
            DeviceContext* dc = Dcs().Find(hdc);
            if (!record || !dc) {
                break;
            }
            const RECT inner = ClientAreaOf(*record);
            const RECT area{record->rect.left + inner.left, record->rect.top + inner.top,
                            record->rect.left + inner.right, record->rect.top + inner.bottom};
            const int saved = SaveDC(hdc);
            dc->state.viewportOrg = dc->ToDevice(area.left, area.top);
            dc->state.windowOrg = {};
            IntersectClipRect(hdc, 0, 0, area.right - area.left, area.bottom - area.top);
            SendMessage(child, WM_PRINT, dcParam, flags);
            RestoreDC(hdc, saved);
        }
    }
    return 0;
}

} // namespace detail
} // namespace hb::win
