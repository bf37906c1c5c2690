#pragma once
// The window-to-object maps; not part of the public surface.
#include "platform/win/WinTypes.h"

#include <functional>

class CWnd;

namespace hb::afx::detail {

CWnd* FindPermanent(HWND hwnd);
void AddPermanent(HWND hwnd, CWnd* wnd);
void RemovePermanent(HWND hwnd, const CWnd* wnd);
// Unbinds every object still in the map (their windows are gone).
void ClearPermanent();

CWnd* TemporaryFor(HWND hwnd);

// Runs `create` for an object that deletes itself once its window is gone (frames, views). When
// creation fails before a window existed, the object is deleted here, so that a failed creation
// always leaves no object behind. Returns what `create` did.
BOOL CreateSelfDeleting(CWnd* wnd, const std::function<BOOL()>& create);
// Called by every window object as it goes.
void NoteObjectGone(const CWnd* wnd);

} // namespace hb::afx::detail
