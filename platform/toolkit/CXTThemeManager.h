#pragma once

// The look of the toolkit's other windows (MDI tabs, splitters, lists). As for the command bars
// there is one plain look and the theme is kept.
class CXTThemeManager {
public:
    // Repaints the main window with everything in it.
    static void SetTheme(int nTheme);
    static int GetTheme();
};
