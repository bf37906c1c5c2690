#pragma once

// The look of the command bars. There is one plain look; the theme is kept for those who ask.
// The instance is made by the first SetTheme.
class CXTPPaintManager {
public:
    // Makes the instance if there is none, sets its theme and repaints the main window with
    // everything in it.
    static void SetTheme(int nTheme);
    // Null until the first SetTheme.
    static CXTPPaintManager* Instance();

    int GetCurrentTheme() const { return m_nTheme; }

private:
    int m_nTheme = 0;
};

namespace hb::toolkit::detail {

// No instance, and the theme manager's theme 0.
void ResetThemes();
// Repaints the main window and everything in it, after a change of theme.
void RepaintAll();

} // namespace hb::toolkit::detail
