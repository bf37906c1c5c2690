#include "platform/instruments/Instrument.h"

#include "platform/instruments/Dispids.h"
#include "platform/instruments/InstrumentInternals.h"
#include "platform/instruments/PropertyValues.h"
#include "platform/win/core/Geometry.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/Paint.h"
#include "platform/win/core/Window.h"
#include "platform/win/core/WindowClass.h"
#include "platform/win/gdi/Fonts.h"
#include "platform/win/gdi/GdiTypes.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/gdi/Painting.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <unordered_map>

namespace hb::instruments {

namespace {

using detail::InstrumentState;

std::unordered_map<HWND, InstrumentState>& States() {
    static std::unordered_map<HWND, InstrumentState> states;
    return states;
}

void Create(HWND hwnd, const CREATESTRUCT& cs) {
    const KindInfo* kind = FindKindByClassName(cs.lpszClass ? cs.lpszClass : "");
    if (!kind) {
        return;
    }
    InstrumentState& state = States()[hwnd];
    state.kind = kind;
    for (const PropertySpec& spec : kind->properties) {
        state.properties[spec.dispid] = spec.initial;
    }
}

void Destroy(HWND hwnd) {
    const auto found = States().find(hwnd);
    if (found != States().end()) {
        DeleteObject(found->second.font);
        States().erase(found);
    }
}

bool SameFont(HFONT a, HFONT b) {
    LOGFONT fa;
    LOGFONT fb;
    return GetObject(a, sizeof fa, &fa) && GetObject(b, sizeof fb, &fb) &&
           fa.lfHeight == fb.lfHeight && std::strcmp(fa.lfFaceName, fb.lfFaceName) == 0;
}

// The same handle for as long as the face and size stay, as a control's font is.
LRESULT FontFor(HWND hwnd, InstrumentState& state) {
    const HFONT font = detail::CreateTextFont(hwnd, state);
    if (!font) {
        return 0;
    }
    if (SameFont(font, state.font)) {
        DeleteObject(font);
    } else {
        DeleteObject(state.font);
        state.font = font;
    }
    return static_cast<LRESULT>(state.font.id());
}

LRESULT InstrumentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        Create(hwnd, *reinterpret_cast<const CREATESTRUCT*>(lParam));
    }
    InstrumentState* state = detail::FindState(hwnd);
    if (!state) {
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        const HDC hdc = BeginPaint(hwnd, &ps);
        detail::Paint(hwnd, hdc, *state);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_PRINTCLIENT:
        detail::Paint(hwnd, hb::win::HandleFromParam<HDC>(wParam), *state);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return FontFor(hwnd, *state);
    case WM_NCDESTROY:
        Destroy(hwnd);
        return DefWindowProc(hwnd, message, wParam, lParam);
    default:
        break;
    }
    if (const auto handled = detail::HandleInput(hwnd, message, wParam, lParam)) {
        return *handled;
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

bool RegisterClasses() {
    for (const KindInfo& info : Kinds()) {
        hb::win::RegisterBuiltinClass(
            {.style = 0, .lpfnWndProc = &InstrumentProc, .lpszClassName = info.className});
    }
    return true;
}

[[maybe_unused]] const bool kRegistered = RegisterClasses();

const PropertySpec* SpecOf(const InstrumentState& state, long dispid) {
    const PropertySpec* spec = state.kind->FindProperty(dispid);
    if (!spec) {
        hb::win::ReportFailure(std::string(state.kind->className) + " has no property " +
                               std::to_string(dispid));
    }
    return spec;
}

} // namespace

namespace detail {

InstrumentState* FindState(HWND hwnd) {
    const auto found = States().find(hwnd);
    return found == States().end() ? nullptr : &found->second;
}

double NumberAt(const InstrumentState& state, long dispid) {
    const auto found = state.properties.find(dispid);
    return found == state.properties.end() ? 0.0 : NumberOf(found->second);
}

COLORREF ColorAt(const InstrumentState& state, long dispid) {
    return static_cast<COLORREF>(static_cast<std::int64_t>(NumberAt(state, dispid)));
}

std::string TextAt(const InstrumentState& state, long dispid) {
    const auto found = state.properties.find(dispid);
    return found == state.properties.end() ? std::string() : TextOf(found->second);
}

std::optional<std::pair<int, int>> MatrixCellAt(HWND hwnd, const InstrumentState& state, long x,
                                                long y) {
    RECT client;
    GetClientRect(hwnd, &client);
    const auto rows = static_cast<long>(NumberAt(state, ledMatrix::kRowCount));
    const auto cols = static_cast<long>(NumberAt(state, ledMatrix::kColCount));
    if (rows <= 0 || cols <= 0 || client.right <= 0 || client.bottom <= 0 || x < 0 || y < 0 ||
        x >= client.right || y >= client.bottom) {
        return std::nullopt;
    }
    return std::pair{static_cast<int>(y * rows / client.bottom),
                     static_cast<int>(x * cols / client.right)};
}

} // namespace detail

namespace {

// The matrix state of a cell inside the grid, or null.
InstrumentState* MatrixOf(HWND hwnd, long row, long col) {
    InstrumentState* state = detail::FindState(hwnd);
    if (!state || state->kind->kind != Kind::LedMatrix || row < 0 || col < 0 ||
        row >= static_cast<long>(detail::NumberAt(*state, ledMatrix::kRowCount)) ||
        col >= static_cast<long>(detail::NumberAt(*state, ledMatrix::kColCount))) {
        return nullptr;
    }
    return state;
}

} // namespace

std::optional<MatrixCell> GetMatrixCell(HWND hwnd, long row, long col) {
    const InstrumentState* state = MatrixOf(hwnd, row, col);
    if (!state) {
        return std::nullopt;
    }
    const auto found = state->cells.find({static_cast<int>(row), static_cast<int>(col)});
    return found == state->cells.end() ? MatrixCell{} : found->second;
}

bool PutMatrixCell(HWND hwnd, long row, long col, const MatrixCell& cell) {
    InstrumentState* state = MatrixOf(hwnd, row, col);
    if (!state) {
        return false;
    }
    state->cells[{static_cast<int>(row), static_cast<int>(col)}] = cell;
    InvalidateRect(hwnd, nullptr, TRUE);
    return true;
}

const KindInfo* KindOf(HWND hwnd) {
    const InstrumentState* state = detail::FindState(hwnd);
    return state ? state->kind : nullptr;
}

std::optional<hb::afx::Value> GetProperty(HWND hwnd, long dispid) {
    const InstrumentState* state = detail::FindState(hwnd);
    if (!state || !SpecOf(*state, dispid)) {
        return std::nullopt;
    }
    return state->properties.at(dispid);
}

bool PutProperty(HWND hwnd, long dispid, const hb::afx::Value& value) {
    InstrumentState* state = detail::FindState(hwnd);
    const PropertySpec* spec = state ? SpecOf(*state, dispid) : nullptr;
    if (!spec) {
        return false;
    }
    auto converted = ConvertTo(spec->type, value);
    if (!converted) {
        hb::win::ReportFailure(std::string(state->kind->className) + " property " + spec->name +
                               " cannot take that value");
        return false;
    }
    state->properties[dispid] = std::move(*converted);
    InvalidateRect(hwnd, nullptr, TRUE);
    return true;
}

std::map<long, hb::afx::Value> LastProperties(HWND hwnd) {
    const InstrumentState* state = detail::FindState(hwnd);
    return state ? state->properties : std::map<long, hb::afx::Value>{};
}

void ResetForTests() {
    States().clear();
    detail::ClearEventLog();
}

} // namespace hb::instruments
