#pragma once
// Resources by id, the way the program asks for them. Functions that take a module handle load
// from that module only; AfxFindResourceHandle names the first module down the resource chain that
// has a resource. Names that are strings rather than ids are never found.
#include "platform/win/gdi/GdiTypes.h"
#include "platform/win/menu/Accelerators.h"

#include <cstdint>

inline LPCSTR MAKEINTRESOURCE(UINT id) {
    return reinterpret_cast<LPCSTR>(static_cast<std::uintptr_t>(static_cast<WORD>(id)));
}
inline bool IS_INTRESOURCE(LPCSTR name) {
    return (reinterpret_cast<std::uintptr_t>(name) >> 16) == 0;
}

inline const LPCSTR RT_BITMAP = MAKEINTRESOURCE(2);
inline const LPCSTR RT_ICON = MAKEINTRESOURCE(3);
inline const LPCSTR RT_MENU = MAKEINTRESOURCE(4);
inline const LPCSTR RT_DIALOG = MAKEINTRESOURCE(5);
inline const LPCSTR RT_STRING = MAKEINTRESOURCE(6);
inline const LPCSTR RT_ACCELERATOR = MAKEINTRESOURCE(9);
inline const LPCSTR RT_GROUP_ICON = MAKEINTRESOURCE(14);
inline const LPCSTR RT_TOOLBAR = MAKEINTRESOURCE(241);

// The module of the first match down the chain; the program's handle when none has it. A string
// resource is named by its own id.
HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);
// The program's own module.
HINSTANCE AfxGetResourceHandle();
HINSTANCE AfxGetInstanceHandle();

// LoadLibrary and FreeLibrary: an extension library joins the chain from its entry point.
HMODULE AfxLoadLibrary(LPCSTR lpszModuleName);
BOOL AfxFreeLibrary(HMODULE hModule);

// Copies at most bufferMax - 1 characters; returns how many, 0 when there is no such string.
int LoadString(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax);
// A new icon of the resource's standard (32 x 32) size, or of its first size when it has no
// standard one.
HICON LoadIcon(HINSTANCE hInstance, LPCSTR lpIconName);
// A new bitmap; the caller deletes it.
HBITMAP LoadBitmap(HINSTANCE hInstance, LPCSTR lpBitmapName);
// A new menu; the caller (or the window it is given to) destroys it.
HMENU LoadMenu(HINSTANCE hInstance, LPCSTR lpMenuName);
// The module's one table of that id, shared by every caller and destroyed when the module leaves
// the chain.
HACCEL LoadAccelerators(HINSTANCE hInstance, LPCSTR lpTableName);

namespace hb::afx::detail {

// Destroys the shared tables of one module; of all modules for a null handle.
void ForgetSharedResources(HMODULE handle);

} // namespace hb::afx::detail
