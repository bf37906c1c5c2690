#pragma once
// What the standard control classes share; not part of the public surface.
#include "platform/win/WinTypes.h"
#include "platform/win/controls/ControlMessages.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/Window.h"
#include "platform/win/core/WindowClass.h"
#include "platform/win/gdi/GdiTypes.h"
#include "platform/win/gdi/TextMetrics.h"

#include <optional>
#include <string>
#include <unordered_map>

namespace hb::win::detail {

using PaintFunction = void (*)(HWND hwnd, HDC hdc);

// What every standard control answers alike: WM_SETFONT/WM_GETFONT with `font`, WM_PAINT and
// WM_PRINTCLIENT through `paint` (with the control's font selected and the DC restored after),
// WM_ERASEBKGND (the paint covers the background), and a repaint after WM_SETTEXT and WM_ENABLE.
// nullopt for any other message.
std::optional<LRESULT> HandleCommon(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                    HFONT& font, PaintFunction paint);

// The state of each window of a control class (with at least an HFONT `font`): made on first use,
// dropped after WM_NCDESTROY.
template <class State>
std::unordered_map<HWND, State>& StatesOf() {
    static std::unordered_map<HWND, State> states;
    return states;
}

template <class State>
State& StateOf(HWND hwnd) {
    return StatesOf<State>()[hwnd];
}

template <class State>
using MessageFunction = std::optional<LRESULT> (*)(HWND, UINT, WPARAM, LPARAM, State&);

// The window procedure of a control class: the class's own answers first (nullopt to pass a
// message on), then the common ones, then DefWindowProc.
template <class State, MessageFunction<State> handle, PaintFunction paint>
LRESULT ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    State& state = StateOf<State>(hwnd);
    std::optional<LRESULT> result = handle(hwnd, message, wParam, lParam, state);
    if (!result) {
        result = HandleCommon(hwnd, message, wParam, lParam, state.font, paint);
    }
    if (message == WM_NCDESTROY) {
        StatesOf<State>().erase(hwnd);
    }
    return result ? *result : DefWindowProc(hwnd, message, wParam, lParam);
}

// Registers the class for good: tests that reset the platform keep it.
ATOM RegisterControlClass(LPCSTR name, WNDPROC proc, UINT classStyle = 0);

// WM_COMMAND(MAKEWPARAM(id, code), hwnd) to the control's parent.
void NotifyParent(HWND hwnd, UINT code);
// WM_NOTIFY to the control's parent, with the header's sender, id and code filled in; returns the
// parent's answer.
LRESULT NotifyParent(HWND hwnd, UINT code, NMHDR& header);

// The metrics of a font, the default GUI font for none.
TEXTMETRIC MetricsOfFont(HFONT font);

// Asks the parent for the control's colours with `message` (a WM_CTLCOLOR* message): the DC gets
// the default text colour first, and the parent may change it and return a background brush. The
// background brush is `fallback` when the parent returns none.
HBRUSH ColorsFromParent(HWND hwnd, HDC hdc, UINT message, COLORREF text, HBRUSH fallback);

// The control's own text, read and written past any subclass.
std::string StoredText(HWND hwnd);
void StoreText(HWND hwnd, const std::string& text);

DWORD StyleOf(HWND hwnd);
RECT ClientRectOf(HWND hwnd);

// An arrow button: a raised box (sunken while pressed) with a triangle in the DC's brush, pointing
// up or down, or right or left when `horizontal`.
void PaintArrow(HDC hdc, RECT box, bool pressed, bool up, bool horizontal);

} // namespace hb::win::detail
