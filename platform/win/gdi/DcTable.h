#pragma once
// The device contexts behind HDC handles, shared by the gdi files; not part of the public surface.
#include "platform/win/gdi/DisplayList.h"

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

namespace hb::win::detail {

enum class DcKind {
    Screen,    // GetDC(nullptr)
    Window,    // GetDC/GetWindowDC: its drawing joins the window's last paint on release
    Paint,     // BeginPaint: its drawing becomes the window's last paint at EndPaint
    Memory,    // CreateCompatibleDC: draws on the bitmap selected into it
    Recording, // CreateRecordingDC: printing and capture
};

struct DeviceContext {
    struct Saved {
        DcState state;
        POINT position;
        HBITMAP bitmap;
    };

    DcKind kind = DcKind::Screen;
    HWND hwnd;
    DcState state;
    POINT position; // the current position of MoveToEx/LineTo, logical
    HBITMAP bitmap; // memory DCs only
    std::vector<Saved> saved;
    DisplayList list;

    POINT ToDevice(int x, int y) const;
    RECT ToDevice(const RECT& rect) const;
    // Appends `record` with the current state.
    void Record(DrawRecord record);
};

class DcTable {
public:
    HDC Add(DcKind kind, HWND hwnd);
    DeviceContext* Find(HDC hdc);
    void Remove(HDC hdc);
    void Clear() { m_dcs.clear(); }

private:
    std::unordered_map<std::uint32_t, std::unique_ptr<DeviceContext>> m_dcs;
    std::uint32_t m_next = 0x30010;
};

DcTable& Dcs();

// A window's last painted display list. `fresh` marks a paint of its own (UpdateWindow outside
// PaintWindowTree) that no tree has taken yet: the screen does not show it.
struct WindowPaint {
    DisplayList list;
    bool fresh = false;
};

// Each window's last paint.
std::unordered_map<HWND, WindowPaint>& LastPaints();

// Records one operation on the DC: `fill` completes the record from the DC (returning false to
// refuse the call) and the record gets the DC's state. FALSE for an unknown DC or a refused call.
template <class Fill>
BOOL RecordOn(HDC hdc, DrawOp op, Fill&& fill) {
    DeviceContext* dc = Dcs().Find(hdc);
    if (!dc) {
        return FALSE;
    }
    DrawRecord record;
    record.op = op;
    if (!fill(*dc, record)) {
        return FALSE;
    }
    dc->Record(std::move(record));
    return TRUE;
}

// DefWindowProc's WM_PRINT: the erase and client drawing of the window into `hdc` as the flags ask,
// then each visible child's WM_PRINT with the DC moved to the child's place and clipped to it.
LRESULT DefPrint(HWND hwnd, HDC hdc, LPARAM flags);

// Drops every DC and every object that is not a stock object, and the windows' last paints.
void ResetGdi();

} // namespace hb::win::detail
