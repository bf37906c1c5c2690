// Displays: seven-segment digits, dot-matrix characters, labels and the phone pad's keys.
#include "platform/instruments/Dispids.h"
#include "platform/instruments/DotMatrixFont.h"
#include "platform/instruments/KindPainters.h"
#include "platform/instruments/PaintTools.h"
#include "platform/instruments/PhonePadLayout.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/gdi/TextDrawing.h"
#include "platform/win/gdi/TextMetrics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace hb::instruments::detail {

namespace {

// Segments a to g as bits 0 to 6: a top, b upper right, c lower right, d bottom, e lower left,
// f upper left, g middle.
unsigned SegmentsOf(char ch) {
    static constexpr unsigned kDigits[] = {0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                           0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    if (ch >= '0' && ch <= '9') {
        return kDigits[ch - '0'];
    }
    return ch == '-' ? 0x40 : 0;
}

void DrawDigit(HDC hdc, char ch, LONG left, LONG width, LONG top, LONG bottom, COLORREF color) {
    const LONG m = std::max(width / 8, 1);
    const LONG t = std::max(width / 8, 1);
    const LONG right = left + width - m;
    const LONG x = left + m;
    const LONG y = top + m;
    const LONG foot = bottom - m;
    const LONG mid = (y + foot) / 2;
    const RECT segments[] = {
        {x + t, y, right - t, y + t},                     // a
        {right - t, y + t, right, mid},                   // b
        {right - t, mid, right, foot - t},                // c
        {x + t, foot - t, right - t, foot},               // d
        {x, mid, x + t, foot - t},                        // e
        {x, y + t, x + t, mid},                           // f
        {x + t, mid - t / 2, right - t, mid - t / 2 + t}, // g
    };
    const unsigned lit = SegmentsOf(ch);
    for (unsigned i = 0; i < 7; ++i) {
        if (lit & (1u << i)) {
            FillSolid(hdc, segments[i], color);
        }
    }
}

// Hours, minutes and seconds of a fraction of a day; the hours without a leading zero unless
// asked for.
std::string ClockDigitsOf(const InstrumentState& state) {
    constexpr long kSecondsPerDay = 86400;
    const double time = NumberAt(state, sevenSegmentClock::kTime);
    // Clamped before rounding: a huge time would not fit a long.
    const long seconds =
        std::isfinite(time)
            ? std::min(std::lround(std::clamp(time, 0.0, 1.0) * kSecondsPerDay), kSecondsPerDay - 1)
            : 0;
    const bool zeros = NumberAt(state, sevenSegmentClock::kLeadingZeros) != 0;
    char text[32];
    std::snprintf(text, sizeof text, zeros ? "%02ld:%02ld:%02ld" : "%2ld:%02ld:%02ld",
                  seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

// The digits to show, filled out on the left to the digit count with blanks or zeros.
std::string DigitsOf(const InstrumentState& state) {
    if (state.kind->kind == Kind::SevenSegmentClock) {
        return ClockDigitsOf(state);
    }
    char text[64];
    const bool analog = state.kind->kind == Kind::SevenSegmentAnalog;
    if (analog) {
        const int precision =
            std::clamp(static_cast<int>(NumberAt(state, sevenSegmentAnalog::kPrecision)), 0, 15);
        std::snprintf(text, sizeof text, "%.*f", precision,
                      NumberAt(state, sevenSegmentAnalog::kValue));
    } else {
        std::snprintf(text, sizeof text, "%.0f", NumberAt(state, sevenSegmentInteger::kValue));
    }
    std::string digits = text;
    constexpr long kMostDigits = 32;
    const long count =
        std::clamp(static_cast<long>(NumberAt(state, analog ? sevenSegmentAnalog::kDigitCount
                                                            : sevenSegmentInteger::kDigitCount)),
                   0L, kMostDigits);
    const bool zeros = NumberAt(state, analog ? sevenSegmentAnalog::kLeadingZeros
                                              : sevenSegmentInteger::kLeadingZeros) != 0;
    const long shown =
        static_cast<long>(digits.size() - std::count(digits.begin(), digits.end(), '.'));
    if (shown < count) {
        const std::size_t at = (zeros && digits.front() == '-') ? 1 : 0;
        digits.insert(at, static_cast<std::size_t>(count - shown), zeros ? '0' : ' ');
    }
    return digits;
}

// The width of a sunken edge.
constexpr LONG kEdgeWidth = 2;

} // namespace

// Each digit in a cell of its own; a decimal point sits at the foot of a half cell between its
// two digits.
void PaintSevenSegment(HWND hwnd, HDC hdc, const InstrumentState& state) {
    // A clock's colours and border share the whole-number display's dispatch ids.
    static_assert(sevenSegmentClock::kSegmentColor == sevenSegmentInteger::kSegmentColor &&
                  sevenSegmentClock::kBackGroundColor == sevenSegmentInteger::kBackGroundColor &&
                  sevenSegmentClock::kBorderStyle == sevenSegmentInteger::kBorderStyle);
    const bool analog = state.kind->kind == Kind::SevenSegmentAnalog;
    const RECT client = ClientOf(hwnd);
    FillSolid(hdc, client,
              ColorAt(state, analog ? sevenSegmentAnalog::kBackGroundColor
                                    : sevenSegmentInteger::kBackGroundColor));
    const COLORREF color = ColorAt(state, analog ? sevenSegmentAnalog::kSegmentColor
                                                 : sevenSegmentInteger::kSegmentColor);
    const bool bordered = NumberAt(state, analog ? sevenSegmentAnalog::kBorderStyle
                                                 : sevenSegmentInteger::kBorderStyle) != 0;
    // The digits keep inside the sunken edge.
    const LONG inset = bordered ? kEdgeWidth : 0;
    const RECT face{inset, inset, client.right - inset, client.bottom - inset};
    const std::string digits = DigitsOf(state);
    // A point or a clock's colon takes half a digit's cell.
    const auto points = static_cast<LONG>(std::count(digits.begin(), digits.end(), '.') +
                                          std::count(digits.begin(), digits.end(), ':'));
    const auto cells = static_cast<LONG>(digits.size()) - points;
    const LONG width = cells ? 2 * (face.right - face.left) / (2 * cells + points) : 0;
    LONG left = face.left;
    for (const char ch : digits) {
        if (ch == '.') {
            const LONG half = width / 2;
            const LONG dot = std::max(half / 2, LONG{2});
            const LONG x = left + (half - dot) / 2;
            const LONG bottom = face.bottom - std::max(width / 8, LONG{1});
            FillSolid(hdc, {x, bottom - dot, x + dot, bottom}, color);
            left += half;
            continue;
        }
        if (ch == ':') {
            const LONG half = width / 2;
            const LONG dot = std::max(half / 2, LONG{2});
            const LONG x = left + (half - dot) / 2;
            const LONG middle = (face.top + face.bottom) / 2;
            const LONG gap = (face.bottom - face.top) / 4;
            FillSolid(hdc, {x, middle - gap - dot / 2, x + dot, middle - gap + dot / 2}, color);
            FillSolid(hdc, {x, middle + gap - dot / 2, x + dot, middle + gap + dot / 2}, color);
            left += half;
            continue;
        }
        DrawDigit(hdc, ch, left, width, face.top, face.bottom, color);
        left += width;
    }
    if (bordered) {
        SunkenEdge(hdc, client);
    }
}

// The cells side by side with one dot's gap between them, centred, at the largest whole dot pitch
// that fits; unlit dots show faintly, as on a real panel.
void PaintLCDMatrix(HWND hwnd, HDC hdc, const InstrumentState& state) {
    using namespace lcdMatrix;
    const RECT client = ClientOf(hwnd);
    FillSolid(hdc, client, ColorAt(state, kBackColor));
    constexpr long kMostColumns = 256;
    const long columns =
        std::clamp(static_cast<long>(NumberAt(state, kColumnCount)), 0L, kMostColumns);
    if (columns > 0) {
        // A margin of one dot all round.
        const LONG across = columns * (kGlyphColumns + 1) + 1;
        const LONG down = kGlyphRows + 2;
        const LONG pitch = std::max(std::min(client.right / across, client.bottom / down), LONG{1});
        const LONG dot = pitch > 2 ? pitch - pitch / 4 : pitch;
        const LONG left = (client.right - pitch * (across - 2)) / 2;
        const LONG top = (client.bottom - pitch * kGlyphRows) / 2;
        const std::string text = TextAt(state, kText);
        const COLORREF lit = ColorAt(state, kIndicatorActiveColor);
        const COLORREF unlit = ColorAt(state, kIndicatorInactiveColor);
        for (long cell = 0; cell < columns; ++cell) {
            const Glyph& glyph = GlyphOf(static_cast<std::size_t>(cell) < text.size()
                                             ? text[static_cast<std::size_t>(cell)]
                                             : ' ');
            const LONG cellLeft = left + cell * (kGlyphColumns + 1) * pitch;
            for (int row = 0; row < kGlyphRows; ++row) {
                for (int column = 0; column < kGlyphColumns; ++column) {
                    const LONG x = cellLeft + column * pitch;
                    const LONG y = top + row * pitch;
                    const bool on =
                        glyph[static_cast<std::size_t>(row)] & (1u << (kGlyphColumns - 1 - column));
                    FillSolid(hdc, {x, y, x + dot, y + dot}, on ? lit : unlit);
                }
            }
        }
    }
    SunkenEdge(hdc, client);
}

int LabelTextHeight(const RECT& client) {
    return std::max(8, static_cast<int>(client.bottom * 2 / 3));
}

// The caption on one line, left-aligned; with shrink-to-fit the characters get smaller until the
// caption fits the width less 4 pixels.
void PaintLabel(HWND hwnd, HDC hdc, const InstrumentState& state) {
    using namespace label;
    const RECT client = ClientOf(hwnd);
    if (!NumberAt(state, kTransparent)) {
        FillSolid(hdc, client, ColorAt(state, kBackGroundColor));
    }
    const std::string caption = TextAt(state, kCaption);
    const std::string face = TextAt(state, kFont);
    int height = LabelTextHeight(client);
    if (NumberAt(state, kShrinkToFit)) {
        height = FittingHeight(face, caption, height, client.right - 4);
    }
    const HFONT font = MakeFont(face, height);
    Text(hdc, caption, {2, 0, client.right - 2, client.bottom},
         DT_LEFT | DT_VCENTER | DT_SINGLELINE, ColorAt(state, kFontColor), font);
    DeleteObject(font);
    if (NumberAt(state, kBorderStyle)) {
        SunkenEdge(hdc, client);
    }
}

void PaintPhonePad(HWND hwnd, HDC hdc, const InstrumentState& state) {
    const RECT client = ClientOf(hwnd);
    FillSolid(hdc, client, ColorAt(state, kBackColor));
    for (int row = 0; row < kPadRows; ++row) {
        for (int column = 0; column < kPadColumns; ++column) {
            const RECT cell = PadCell(client, row, column);
            const RECT key{cell.left + 1, cell.top + 1, cell.right - 1, cell.bottom - 1};
            FillSolid(hdc, key, 0xE0E0E0);
            RaisedEdge(hdc, key);
            Text(hdc, kPadKeyLabels[kPadKeys[row][column]], key,
                 DT_CENTER | DT_VCENTER | DT_SINGLELINE, 0);
        }
    }
}

} // namespace hb::instruments::detail
