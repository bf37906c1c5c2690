#pragma once
// The window-to-object maps; not part of the public surface.
#include "platform/win/WinTypes.h"

class CWnd;

namespace hb::afx::detail {

CWnd* FindPermanent(HWND hwnd);
void AddPermanent(HWND hwnd, CWnd* wnd);
void RemovePermanent(HWND hwnd, const CWnd* wnd);
// Unbinds every object still in the map (their windows are gone).
void ClearPermanent();

CWnd* TemporaryFor(HWND hwnd);

} // namespace hb::afx::detail
