// Panels and numeric entries.
#include "platform/instruments/Dispids.h"
#include "platform/instruments/KindPainters.h"
#include "platform/instruments/PaintTools.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/gdi/TextDrawing.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace hb::instruments::detail {

namespace {

constexpr int kTextMargin = 4;

} // namespace

// The caption on one line, left-aligned, over the panel's colour.
void PaintPanel(HWND hwnd, HDC hdc, const InstrumentState& state) {
    using namespace panel;
    const RECT client = ClientOf(hwnd);
    FillSolid(hdc, client, ColorAt(state, kBackGroundColor));
    const HFONT font = MakeFont(TextAt(state, kFont), LabelTextHeight(client));
    Text(hdc, TextAt(state, kCaption), {kTextMargin, 0, client.right - kTextMargin, client.bottom},
         DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS, ColorAt(state, kFontColor), font);
    DeleteObject(font);
    if (NumberAt(state, kBorderStyle)) {
        SunkenEdge(hdc, client);
    }
}

std::string AnalogOutputText(const InstrumentState& state) {
    using namespace analogOutput;
    const double value = NumberAt(state, kValue);
    if (!state.typed.empty() && std::strtod(state.typed.c_str(), nullptr) == value) {
        return state.typed;
    }
    const int precision = std::clamp(static_cast<int>(NumberAt(state, kPrecision)), 0, 9);
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", precision, value);
    return text;
}

// The value right-aligned in an edit-like box.
void PaintAnalogOutput(HWND hwnd, HDC hdc, const InstrumentState& state) {
    using namespace analogOutput;
    const RECT client = ClientOf(hwnd);
    FillSolid(hdc, client, ColorAt(state, kBackColor));
    const HFONT font = MakeFont(TextAt(state, kFont), LabelTextHeight(client));
    Text(hdc, AnalogOutputText(state), {kTextMargin, 0, client.right - kTextMargin, client.bottom},
         DT_RIGHT | DT_VCENTER | DT_SINGLELINE, ColorAt(state, kFontColor), font);
    DeleteObject(font);
    if (NumberAt(state, kBorderStyle)) {
        SunkenEdge(hdc, client);
    }
}

// The chosen entry's text beside a button face.
void PaintModeComboBox(HWND hwnd, HDC hdc, const InstrumentState& state) {
    using namespace modeComboBox;
    const RECT client = ClientOf(hwnd);
    FillSolid(hdc, client, ColorAt(state, kBackColor));
    const LONG button = std::min(client.bottom, client.right / 3);
    FillSolid(hdc, {client.right - button, 0, client.right, client.bottom},
              ColorAt(state, kButtonColor));
    if (state.itemIndex >= 0 && static_cast<std::size_t>(state.itemIndex) < state.items.size()) {
        const HFONT font = MakeFont("MS Sans Serif", LabelTextHeight(client));
        Text(hdc, state.items[static_cast<std::size_t>(state.itemIndex)].text,
             {kTextMargin, 0, client.right - button, client.bottom},
             DT_LEFT | DT_VCENTER | DT_SINGLELINE, ColorAt(state, kFontColor), font);
        DeleteObject(font);
    }
    SunkenEdge(hdc, client);
}

} // namespace hb::instruments::detail
