#pragma once
// A folder's files listed into a dialog's list box, for the dialogs that let the user pick one:
// DlgDirListA fills the list from a pattern such as "<folder>/*.swg" and shows the folder in a
// static; DlgDirSelectExA reads the picked name back. Names are kept whole, however long.
#include "platform/win/WinTypes.h"

// Normal files: no folders and no hidden files.
inline constexpr UINT DDL_READWRITE = 0x0000;

// Fills list box `nIDListBox` of `hDlg` with the names of the normal files in the pattern's folder
// whose names match its last part (* and ? as wildcards, without case as Windows matched), in
// order without case; static `nIDStaticPath` (0: none) shows the folder. Only DDL_READWRITE is
// known. 0 when the folder cannot be read; the list is then empty.
int DlgDirListA(HWND hDlg, LPCSTR lpPathSpec, int nIDListBox, int nIDStaticPath, UINT uFileType);
// The selected name of list box `idListBox` into `lpString`, at most chCount - 1 characters and a
// NUL; empty without a selection. Non-zero when the selection is a folder, which the list never
// holds.
BOOL DlgDirSelectExA(HWND hDlg, LPSTR lpString, int chCount, int idListBox);
