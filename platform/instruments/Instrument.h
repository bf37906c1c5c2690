#pragma once
// The instrument windows: one window class per kind ("TiKnob", "TiLabel", ...), each window with a
// property bag keyed by dispatch id. A property put only stores and repaints; events come from user
// gestures alone (Gestures.h).
#include "platform/afx/Value.h"
#include "platform/afx/res/DialogTemplate.h"
#include "platform/instruments/KindInfo.h"
#include "platform/win/WinTypes.h"

#include <map>
#include <optional>
#include <string>

namespace hb::instruments {

// Null for a window that is not an instrument.
const KindInfo* KindOf(HWND hwnd);

// The stored value, in the alternative of the property's type. nullopt for a window that is not
// an instrument, and (reported) for a dispid its kind does not have.
std::optional<hb::afx::Value> GetProperty(HWND hwnd, long dispid);
// Stores the value converted to the property's type and repaints; fires no event. False for a
// window that is not an instrument; false and reported for a dispid its kind does not have or a
// value that does not convert (a text for a number, or the reverse).
bool PutProperty(HWND hwnd, long dispid, const hb::afx::Value& value);

// One cell of an LED matrix: lit or not, the colour it has when lit (none: the matrix's LED
// colour) and the caption it shows.
struct MatrixCell {
    bool active = false;
    std::optional<COLORREF> color{};
    std::string caption{};
};

// The cell at a row and column from 0 of an LED matrix; nullopt for a window that is not one or a
// cell outside its rows and columns.
std::optional<MatrixCell> GetMatrixCell(HWND hwnd, long row, long col);
// Stores the cell and repaints; fires no event. False where GetMatrixCell gives nullopt.
bool PutMatrixCell(HWND hwnd, long row, long col, const MatrixCell& cell);

// The instrument's whole property bag as it is now, for tests and diagnostics; empty for a window
// that is not an instrument.
std::map<long, hb::afx::Value> LastProperties(HWND hwnd);

// The class library's instrument factory, installed when this module loads: makes the template
// control of a known class id as a child of `parent` and applies its start properties in template
// order. Null for a class id that no kind has, which fails the form.
HWND CreateInstrument(HWND parent, const hb::afx::DialogControl& control, const RECT& pixels);

// Forgets every instrument and the event log (the windows are gone by then).
void ResetForTests();

} // namespace hb::instruments
