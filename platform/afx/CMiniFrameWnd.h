#pragma once
#include "platform/afx/CFrameWnd.h"

// Mini-frame style bits, given with the window style to CMiniFrameWnd::Create.
// A sizing border.
inline constexpr DWORD MFS_THICKFRAME = 0x0400;
// Asks for the caption to look active with its owner's; every caption here is drawn alike, so
// the bit is accepted and changes nothing.
inline constexpr DWORD MFS_SYNCACTIVE = 0x0100;

// A small floating frame with a tool-window caption, over its owner when it has one. Like every
// frame it deletes itself once its window is gone.
class CMiniFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMiniFrameWnd)

public:
    // A pop-up frame (owned by the parent's top-level window when there is one); OnCreateClient
    // makes its contents. MFS_THICKFRAME becomes a sizing border; the MFS_* bits are not the
    // window's. `nID` is not used: a pop-up has no id.
    BOOL Create(LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd = nullptr, UINT nID = 0);
};
