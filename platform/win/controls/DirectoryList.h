#pragma once
// A folder's files listed into a dialog's list box, for the dialogs that let the user pick one:
// DlgDirListA fills the list from a pattern such as "<folder>/*.swg" and shows the folder in a
// static; DlgDirSelectExA reads the picked name back. Names are kept whole, however long.
#include "platform/win/WinTypes.h"

// Normal files: no folders (nor links to them) and no hidden files.
inline constexpr UINT DDL_READWRITE = 0x0000;
// The folder's own folders too, before its files.
inline constexpr UINT DDL_DIRECTORY = 0x0010;

// Fills list box `nIDListBox` of `hDlg` with the names of the normal files in the pattern's folder
// whose names match its last part, in order without case; static `nIDStaticPath` (0: none) shows
// the folder. The last part may hold several patterns separated by ';' (as "*.bat; *.cmd"); * and
// ? are wildcards, matched without case as Windows matched, and "*.*" matches every name. With
// DDL_DIRECTORY the folders (links to folders too, hidden ones left out) come first, whatever
// their names, as "[..]" (but at the root) and then "[name]" in order. 0 when the folder cannot
// be read; the list is then empty.
int DlgDirListA(HWND hDlg, LPCSTR lpPathSpec, int nIDListBox, int nIDStaticPath, UINT uFileType);
// The selected name of list box `idListBox` into `lpString`, at most chCount - 1 characters and a
// NUL; empty without a selection. Non-zero when the selection is a folder, whose name comes back
// without its brackets ("..": the folder above).
BOOL DlgDirSelectExA(HWND hDlg, LPSTR lpString, int chCount, int idListBox);
