#pragma once
#include "platform/afx/CBitmap.h"
#include "platform/afx/CButton.h"

// A push button drawn as one of three pictures: at rest, held down, or holding the focus. Bound
// to a "Button" control of a form; without pictures it is the plain button.
class CCoolButton : public CButton {
    DECLARE_DYNAMIC(CCoolButton)

public:
    // The bitmap resources of the three looks; 0 for the held-down or focused look lets the
    // resting one stand in. FALSE, and the button keeps its plain look, when the resting picture
    // cannot be loaded.
    BOOL LoadBitmaps(UINT nIDNormal, UINT nIDSelected = 0, UINT nIDFocus = 0);
    // The picture for the button's state now, or none before LoadBitmaps.
    HBITMAP GetCurrentBitmap() const;

protected:
    void OnPaint();

    DECLARE_MESSAGE_MAP()

private:
    CBitmap m_normal;
    CBitmap m_selected;
    CBitmap m_focus;
};
