#pragma once
// What the instrument windows, their gestures and their painting share; not part of the public
// surface.
#include "platform/afx/Value.h"
#include "platform/instruments/Instrument.h"
#include "platform/instruments/KindInfo.h"
#include "platform/win/WinTypes.h"
#include "platform/win/gdi/GdiTypes.h"

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace hb::instruments::detail {

// An entry of a mode combo box: its text and its value.
struct ModeItem {
    std::string text;
    double value = 0;
};

struct InstrumentState {
    const KindInfo* kind = nullptr;
    std::map<long, hb::afx::Value> properties;
    // A mouse button went down on the instrument and has not come up yet.
    bool pressed = false;
    // Where a knob drag was last seen.
    POINT dragPoint;
    // What the user typed into a numeric entry, shown while the value is still the one it gives.
    std::string typed;
    // The font WM_GETFONT handed out last; the instrument deletes it.
    HFONT font;
    // An LED matrix's cells that differ from an unlit, plain one, by row and column.
    std::map<std::pair<int, int>, MatrixCell> cells;
    // A mode combo box's entries and the chosen one (-1: none).
    std::vector<ModeItem> items;
    int itemIndex = -1;
};

// The cell of an LED matrix at a point of its client area; nullopt outside the grid.
std::optional<std::pair<int, int>> MatrixCellAt(HWND hwnd, const InstrumentState& state, long x,
                                                long y);

// Null for a window that is not an instrument. The state stays valid until the window is
// destroyed: callers look it up again after firing an event.
InstrumentState* FindState(HWND hwnd);

// Properties the kind has, read as a number, a colour or a text.
double NumberAt(const InstrumentState& state, long dispid);
COLORREF ColorAt(const InstrumentState& state, long dispid);
std::string TextAt(const InstrumentState& state, long dispid);

// Fires every event of the gesture, in table order, each with its own copy of `values` as the
// table types them, and logs it; stops when a handler destroys the instrument. Returns the
// arguments of the last event fired as the handler left them (references write back).
std::vector<hb::afx::Value> Fire(HWND hwnd, Gesture gesture, const std::vector<long>& values = {});
void ClearEventLog();

// Mouse and key messages turned into gestures; nullopt for any other message.
std::optional<LRESULT> HandleInput(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Draws the instrument into `hdc` over its whole client area.
void Paint(HWND hwnd, HDC hdc, const InstrumentState& state);
// A new font for the kind's text at the instrument's size, or null for a kind that draws no text in
// a font of its own.
HFONT CreateTextFont(HWND hwnd, const InstrumentState& state);

} // namespace hb::instruments::detail
