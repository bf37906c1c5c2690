#pragma once
#include "platform/win/WinTypes.h"

// A message box owned by the main window and captioned with the application's name.
int AfxMessageBox(LPCSTR lpszText, UINT nType = 0, UINT nIDHelp = 0);
// The text is the string resource `nIDPrompt`.
int AfxMessageBox(UINT nIDPrompt, UINT nType = 0, UINT nIDHelp = static_cast<UINT>(-1));
