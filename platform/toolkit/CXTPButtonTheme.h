#pragma once
#include "platform/afx/CDC.h"

class CXTPButton;

// Pushbutton styles: 0 plain; 1 to 3 have a drop-down part, drawn as an arrow at the right.
inline constexpr int xtpButtonPushButton = 0;
inline constexpr int xtpButtonDropDown = 1;
inline constexpr int xtpButtonDropDownRight = 2;
inline constexpr int xtpButtonSplitDropDown = 3;

// How a CXTPButton is painted, part by part. This one draws the toolkit's plain look; a program
// derives its own and hands it to the button, which owns it from then on.
class CXTPButtonTheme {
public:
    CXTPButtonTheme() = default;
    virtual ~CXTPButtonTheme() = default;
    CXTPButtonTheme(const CXTPButtonTheme&) = delete;
    CXTPButtonTheme& operator=(const CXTPButtonTheme&) = delete;

    // The whole button: background, icon, text, the drop-down arrow of styles 1 to 3, and the
    // focus rectangle while it has the focus and shows it.
    virtual void DrawButton(CDC* pDC, CXTPButton* pButton);
    // Raised, or sunken while pushed or checked.
    virtual void DrawButtonBackground(CDC* pDC, CXTPButton* pButton);
    // The caption in its rectangle (CalcRects), grey while disabled, a pixel down and right while
    // pushed when the offset option is on. Markup shows without its tags.
    virtual void DrawPushButtonText(CDC* pDC, CXTPButton* pButton);
    virtual void DrawPushButtonIcon(CDC* pDC, CXTPButton* pButton);
    virtual void DrawPushButtonDropDown(CDC* pDC, CXTPButton* pButton);
    // Where the caption and the icon go: an icon alone is centred; with a caption it stands at
    // the left and the caption follows after the gap. Either pointer may be null.
    virtual void CalcRects(CDC* pDC, CXTPButton* pButton, CRect* pTextRect, CRect* pIconRect);
    // Whether the system's visual styles draw the button; there are none here.
    virtual BOOL IsVisualThemeUsed(CXTPButton* pButton);

    // The two options: a pushed caption moves by a pixel; pixels between icon and caption.
    void SetOffsetHiliteText(BOOL bOffset) { m_bOffsetHiliteText = bOffset; }
    BOOL GetOffsetHiliteText() const { return m_bOffsetHiliteText; }
    void SetTextImageGap(int nGap) { m_nTextImageGap = nGap; }
    int GetTextImageGap() const { return m_nTextImageGap; }

protected:
    // The button's caption in the rectangle in the DC's text colour, with the button's font.
    static void DrawCaption(CDC* pDC, CXTPButton* pButton, const CRect& rect);

private:
    BOOL m_bOffsetHiliteText = FALSE;
    int m_nTextImageGap = 6;
};
