#include "platform/win/gdi/DeviceContext.h"

#include "platform/win/core/Geometry.h"
#include "platform/win/core/Window.h"
#include "platform/win/gdi/DcTable.h"
#include "platform/win/gdi/ObjectTable.h"

#include <iterator>
#include <utility>

using namespace hb::win;
using namespace hb::win::detail;

namespace {

HDC WindowDc(HWND hwnd) {
    if (hwnd && !IsWindow(hwnd)) {
        return {};
    }
    return Dcs().Add(hwnd ? DcKind::Window : DcKind::Screen, hwnd);
}

// Swaps `current` for `selected` and returns the old handle as an HGDIOBJ.
template <class H, class State>
HGDIOBJ Swap(State& current, H selected, State resolved) {
    const HGDIOBJ previous = current.handle;
    current = std::move(resolved);
    current.handle = selected;
    return previous;
}

template <class T>
T WithDc(HDC hdc, T failed, auto&& change) {
    DeviceContext* dc = Dcs().Find(hdc);
    return dc ? change(*dc) : failed;
}

BOOL SetOrigin(HDC hdc, POINT DcState::*origin, int x, int y, POINT* previous) {
    return WithDc(hdc, FALSE, [&](DeviceContext& dc) {
        if (previous) {
            *previous = dc.state.*origin;
        }
        dc.state.*origin = {x, y};
        return TRUE;
    });
}

} // namespace

HDC GetDC(HWND hwnd) {
    return WindowDc(hwnd);
}

HDC GetWindowDC(HWND hwnd) {
    return WindowDc(hwnd);
}

int ReleaseDC(HWND hwnd, HDC hdc) {
    DeviceContext* dc = Dcs().Find(hdc);
    if (!dc || dc->hwnd != hwnd || (dc->kind != DcKind::Window && dc->kind != DcKind::Screen)) {
        return 0;
    }
    if (dc->kind == DcKind::Window && IsWindow(hwnd) && !dc->list.empty()) {
        DisplayList& last = LastPaints()[hwnd].list;
        last.insert(last.end(), std::make_move_iterator(dc->list.begin()),
                    std::make_move_iterator(dc->list.end()));
    }
    Dcs().Remove(hdc);
    return 1;
}

HDC CreateCompatibleDC(HDC hdc) {
    if (hdc && !Dcs().Find(hdc)) {
        return {};
    }
    return Dcs().Add(DcKind::Memory, {});
}

BOOL DeleteDC(HDC hdc) {
    const DeviceContext* dc = Dcs().Find(hdc);
    if (!dc || (dc->kind != DcKind::Memory && dc->kind != DcKind::Recording)) {
        return FALSE;
    }
    Dcs().Remove(hdc);
    return TRUE;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object) {
    DeviceContext* dc = Dcs().Find(hdc);
    if (!dc) {
        return {};
    }
    auto& objects = Objects();
    const std::uint32_t id = object.id();
    if (objects.Find<FontObject>(id)) {
        return Swap(dc->state.font, HFONT(object), ResolveFont(HFONT(object)));
    }
    if (objects.Find<PenObject>(id)) {
        return Swap(dc->state.pen, HPEN(object), ResolvePen(HPEN(object)));
    }
    if (objects.Find<BrushObject>(id)) {
        return Swap(dc->state.brush, HBRUSH(object), ResolveBrush(HBRUSH(object)));
    }
    if (objects.Find<BitmapObject>(id) && dc->kind == DcKind::Memory) {
        return std::exchange(dc->bitmap, HBITMAP(object));
    }
    return {};
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    return WithDc(hdc, CLR_INVALID,
                  [&](DeviceContext& dc) { return std::exchange(dc.state.textColor, color); });
}

COLORREF GetTextColor(HDC hdc) {
    return WithDc(hdc, CLR_INVALID, [](DeviceContext& dc) { return dc.state.textColor; });
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
    return WithDc(hdc, CLR_INVALID,
                  [&](DeviceContext& dc) { return std::exchange(dc.state.bkColor, color); });
}

COLORREF GetBkColor(HDC hdc) {
    return WithDc(hdc, CLR_INVALID, [](DeviceContext& dc) { return dc.state.bkColor; });
}

int SetBkMode(HDC hdc, int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE) {
        return 0;
    }
    return WithDc(hdc, 0, [&](DeviceContext& dc) { return std::exchange(dc.state.bkMode, mode); });
}

UINT SetTextAlign(HDC hdc, UINT align) {
    return WithDc(hdc, static_cast<UINT>(-1),
                  [&](DeviceContext& dc) { return std::exchange(dc.state.textAlign, align); });
}

int SetMapMode(HDC hdc, int mode) {
    if (mode != MM_TEXT) {
        return 0;
    }
    return WithDc(hdc, 0, [](DeviceContext&) { return MM_TEXT; });
}

BOOL SetViewportOrgEx(HDC hdc, int x, int y, POINT* previous) {
    return SetOrigin(hdc, &DcState::viewportOrg, x, y, previous);
}

BOOL SetWindowOrgEx(HDC hdc, int x, int y, POINT* previous) {
    return SetOrigin(hdc, &DcState::windowOrg, x, y, previous);
}

int SaveDC(HDC hdc) {
    return WithDc(hdc, 0, [](DeviceContext& dc) {
        dc.saved.push_back({dc.state, dc.position, dc.bitmap});
        return static_cast<int>(dc.saved.size());
    });
}

BOOL RestoreDC(HDC hdc, int saved) {
    return WithDc(hdc, FALSE, [&](DeviceContext& dc) {
        const int depth = static_cast<int>(dc.saved.size());
        const int level = saved < 0 ? depth + saved + 1 : saved;
        if (level < 1 || level > depth) {
            return FALSE;
        }
        const DeviceContext::Saved& restored = dc.saved[static_cast<std::size_t>(level - 1)];
        dc.state = restored.state;
        dc.position = restored.position;
        dc.bitmap = restored.bitmap;
        dc.saved.resize(static_cast<std::size_t>(level - 1));
        return TRUE;
    });
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
    return WithDc(hdc, RGN_ERROR, [&](DeviceContext& dc) {
        const RECT rect = dc.ToDevice({left, top, right, bottom});
        RECT clip;
        const bool left = IntersectRect(&clip, &rect, dc.state.clipped ? &dc.state.clip : &rect);
        dc.state.clipped = true;
        dc.state.clip = clip;
        DrawRecord record;
        record.op = hb::win::DrawOp::IntersectClipRect;
        record.rect = rect;
        dc.Record(std::move(record));
        return left ? SIMPLEREGION : NULLREGION;
    });
}

namespace hb::win {

HDC CreateRecordingDC() {
    return Dcs().Add(DcKind::Recording, {});
}

const DisplayList& DisplayListOf(HDC hdc) {
    static const DisplayList empty;
    const DeviceContext* dc = Dcs().Find(hdc);
    return dc ? dc->list : empty;
}

} // namespace hb::win
