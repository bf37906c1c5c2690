#pragma once
// Libraries loaded by their Windows names over the dynamic loader. Loads are counted per module
// as on Windows; a module's exported entry
//     extern "C" BOOL DllMain(HMODULE self, DWORD reason, LPVOID reserved)
// runs with DLL_PROCESS_ATTACH on its first load (FALSE fails the load) and with
// DLL_PROCESS_DETACH on its last free, before the library is closed.

#include "platform/win/WinTypes.h"

#include <string>

// Cast to the export's real type before calling.
using FARPROC = void (*)();

inline constexpr DWORD DLL_PROCESS_DETACH = 0;
inline constexpr DWORD DLL_PROCESS_ATTACH = 1;

HMODULE LoadLibrary(LPCSTR name);
BOOL FreeLibrary(HMODULE module);
// Only the module's own exports are found, never those of the libraries it depends on.
FARPROC GetProcAddress(HMODULE module, LPCSTR name);
// A loaded module's handle, without counting a load; NULL gives the program's own handle.
HMODULE GetModuleHandle(LPCSTR name);
// The path of a loaded module, or of the program for 0. Too small a buffer gets the path cut to
// size - 1 characters and terminated; the call then returns size with
// ERROR_INSUFFICIENT_BUFFER.
DWORD GetModuleFileName(HMODULE module, LPSTR buffer, DWORD size);

namespace hb::win {

// The file that stands for a Windows module name. A name with a separator is a path. The known
// companions map through a fixed table; any other "x.dll", "x.ocx" or bare "x" becomes
// "libx.so", and other names stay as they are, all in the application folder.
std::string ModulePathFor(const std::string& windowsName);

// Frees every loaded module, the latest first, running each detach once.
void UnloadAllModules();

} // namespace hb::win
