#pragma once
// The resources of the test forms library, which its tests look for.
#include "platform/win/WinTypes.h"

inline constexpr LPCSTR kFormsLibrary = "HbTestForms.DLL";

inline constexpr UINT kFormId = 29000;
inline constexpr UINT kFormEditId = 1001;
inline constexpr UINT kFormComboId = 1002;
// A string the program's test resources carry too.
inline constexpr UINT kSharedStringId = 100;
inline constexpr UINT kLibraryStringId = 29001;
inline constexpr UINT kLibraryIconId = 29002;
