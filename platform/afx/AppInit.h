#pragma once
// Library and control initialisation the program calls at start. Nothing needs doing here: the
// controls and the rich edit are always there, and there is no component system to start.
#include "platform/win/WinTypes.h"

inline constexpr DWORD ICC_WIN95_CLASSES = 0x000000FF;

struct INITCOMMONCONTROLSEX {
    DWORD dwSize = sizeof(INITCOMMONCONTROLSEX);
    DWORD dwICC = 0;
};

void InitCommonControls();
BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* picce);
BOOL AfxOleInit();
void AfxEnableControlContainer();
BOOL AfxInitRichEdit();
// Files dropped on the window would arrive as WM_DROPFILES; nothing drops files here.
void DragAcceptFiles(HWND hWnd, BOOL fAccept);
