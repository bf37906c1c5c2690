#pragma once
// The one plain look the toolkit's windows share; not part of the public surface.
#include "platform/afx/CDC.h"

namespace hb::toolkit::detail {

// The font a toolkit window draws with: its own (WM_SETFONT), else the global font of
// XTAuxData, else the default GUI font.
HFONT FontFor(HFONT own);
// The height of a line of text in the font.
int LineHeight(HFONT font);
int TextWidth(HFONT font, const CString& text);

struct FaceLook {
    bool pressed = false;
    bool checked = false;
    bool enabled = true;
};

// A button face: raised, or sunken while pressed or checked (checked ones lighter); leaves the
// DC's text colour for the face's text (grey when disabled) and a transparent background.
void DrawFace(CDC& dc, const CRect& rect, FaceLook look);
// Text centred in the rectangle, on one line.
void DrawCentredText(CDC& dc, const CRect& rect, const CString& text);
// Text at the left of the rectangle, centred in its height: on one line when it fits, else broken
// between words.
void DrawWrappedText(CDC& dc, const CRect& rect, const CString& text);
// Where an image stands when its picture is not at hand: a frame of its size with its name in it.
void DrawImagePlaceholder(CDC& dc, const CRect& rect, const CString& name);

} // namespace hb::toolkit::detail
