#pragma once
// Dialog templates as C++ data. Sizes and positions are in dialog units.
#include "platform/afx/Value.h"
#include "platform/win/WinTypes.h"

#include <string>
#include <vector>

namespace hb::afx {

// A start property of an instrument control, by its dispatch id.
struct StartProperty {
    long dispid = 0;
    Value value{};
};

struct DialogControl {
    UINT id = 0;
    // A window class name, or an instrument kind.
    std::string className{};
    std::string text{};
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    // A combo box's list, in order.
    std::vector<std::string> strings{};
    std::vector<StartProperty> properties{};
};

struct DialogTemplate {
    UINT id = 0;
    std::string caption{};
    DWORD style = 0;
    int cx = 0;
    int cy = 0;
    std::string fontName{};
    int fontSize = 0;
    std::vector<DialogControl> controls{};
};

// A visible child control of a template written in code; the box is left, top, width and height in
// dialog units.
DialogControl FormControl(UINT id, const char* className, const char* text, DWORD style, RECT box);

// The one rule that turns dialog units into pixels: x * 6 / 4 and y * 13 / 8, edge by edge.
RECT DluToPixels(const RECT& dlu);

} // namespace hb::afx
