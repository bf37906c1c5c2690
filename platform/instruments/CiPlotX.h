#pragma once
// The plot ("TiPlot"): channels of (x, y) points drawn as lines or points over a grid with a
// frequency-like x axis and a level-like y axis, two cursors of two lines each that the user drags,
// annotation lines and texts, a title. It is used through small interfaces (channel, axis, data
// view, cursor, annotations) that a call on the plot hands out. Every call on an interface of a
// missing plot raises PlotError with kNullInterface; a bad index raises it with kInvalidArgument.
//
// Events: 4 pointer moved (short button, long x, long y), 6 cursor moved, 33 the data area's
// limits (long left, top, right, bottom and BOOL handled, all by reference) before each layout,
// 53 click. While the user drags a cursor line tool 0's state is set; it is still set when the
// click event of the drag's end fires.
#include "platform/afx/CWnd.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace hb::instruments {

namespace detail {
struct PlotState;
struct PlotChannel;
struct PlotAxis;
struct PlotCursor;
} // namespace detail

inline constexpr long kNullInterface = static_cast<long>(0x80004003);
inline constexpr long kInvalidArgument = static_cast<long>(0x80070057);

class PlotError : public std::runtime_error {
public:
    explicit PlotError(long result);
    long result() const { return m_result; }

private:
    long m_result;
};

// For tests: every later plot call raises PlotError(result) until cleared with 0.
void FailPlotCallsForTests(long result);

// The user's gestures, in client coordinates.
bool PlotMovePointer(HWND plot, long x, long y);
bool PlotClick(HWND plot, long x, long y);
// Drags line `line` (0, 1) of cursor `cursor` (0, 1) to x.
bool PlotDragCursor(HWND plot, int cursor, int line, long x);

class PlotInterface {
public:
    explicit PlotInterface(HWND plot) : m_plot(plot) {}

    // The plot's state; raises PlotError for a missing plot or while calls are made to fail.
    detail::PlotState& State() const;
    void Changed() const;

protected:
    HWND m_plot;
};

class PlotChannelX : public PlotInterface {
public:
    PlotChannelX(HWND plot, int index) : PlotInterface(plot), m_index(index) {}
    void AddXY(double x, double y);
    void SetYAt(int index, double y);
    int Count() const;
    void Clear();
    void SetCapacity(int points);
    int Capacity() const;
    void SetVisible(bool visible);
    bool Visible() const;
    void SetPointDisplay(bool on);
    bool PointDisplay() const;
    void SetTitle(const std::string& title);
    void SetColor(COLORREF color);
    COLORREF Color() const;
    void SetLineWidth(int width);
    void SetXInterval(double interval);
    void SetBaseValue(double value);
    double YAt(int index) const;
    double XAt(int index) const;

private:
    detail::PlotChannel& Get() const;
    int m_index;
};

class PlotAxisX : public PlotInterface {
public:
    PlotAxisX(HWND plot, bool x) : PlotInterface(plot), m_x(x) {}
    void SetMin(double value);
    double Min() const;
    void SetSpan(double value);
    double Span() const;
    void SetColors(COLORREF line, COLORREF labels);
    void SetDecimals(int decimals);

private:
    detail::PlotAxis& Get() const;
    bool m_x;
};

class PlotDataViewX : public PlotInterface {
public:
    using PlotInterface::PlotInterface;
    double PixelToPercentX(long x) const;
    double PixelToPercentY(long y) const;
    long PercentToPixelX(double percent) const;
    long PercentToPixelY(double percent) const;
    void SetColors(COLORREF background, COLORREF grid);
    // The background alone, the grid as it is.
    void SetColor(COLORREF background);
    COLORREF Color() const;
    COLORREF GridColor() const;
};

class PlotCursorX : public PlotInterface {
public:
    PlotCursorX(HWND plot, int index) : PlotInterface(plot), m_index(index) {}
    void SetPosition(int line, double percent);
    double Position(int line) const;
    void SetVisible(bool visible);
    bool Visible() const;
    void SetColor(COLORREF color);
    COLORREF Color() const;

private:
    detail::PlotCursor& Get() const;
    int m_index;
};

class PlotAnnotationsX : public PlotInterface {
public:
    using PlotInterface::PlotInterface;
    // Each adds one and answers its index.
    int AddHorizontalLine(double percent, COLORREF color);
    int AddVerticalLine(double percent, COLORREF color);
    int AddText(double xPercent, double yPercent, const std::string& text, COLORREF color);
    void SetHorizontalLine(int index, double percent, bool visible);
    void SetVerticalLine(int index, double percent, bool visible);
    void SetText(int index, const std::string& text);
    void SetVerticalLineColor(int index, COLORREF color);
    void SetTextColor(int index, COLORREF color);
    double HorizontalLinePosition(int index) const;
    bool HorizontalLineVisible(int index) const;
    double VerticalLinePosition(int index) const;
    bool VerticalLineVisible(int index) const;
    COLORREF VerticalLineColor(int index) const;
    std::string Text(int index) const;
    COLORREF TextColor(int index) const;
};

} // namespace hb::instruments

class CiPlotX : public CWnd {
    DECLARE_DYNAMIC(CiPlotX)

public:
    using PlotChannelX = hb::instruments::PlotChannelX;
    using PlotAxisX = hb::instruments::PlotAxisX;
    using PlotDataViewX = hb::instruments::PlotDataViewX;
    using PlotCursorX = hb::instruments::PlotCursorX;
    using PlotAnnotationsX = hb::instruments::PlotAnnotationsX;

    PlotChannelX Channel(int index) const { return {m_hWnd, index}; }
    PlotAxisX XAxis() const { return {m_hWnd, true}; }
    PlotAxisX YAxis() const { return {m_hWnd, false}; }
    PlotDataViewX DataView() const { return PlotDataViewX(m_hWnd); }
    PlotCursorX Cursor(int index) const { return {m_hWnd, index}; }
    PlotAnnotationsX Annotations() const { return PlotAnnotationsX(m_hWnd); }

    void SetBackColor(COLORREF color);
    COLORREF BackColor() const;
    void SetFrameColor(COLORREF color);
    COLORREF FrameColor() const;
    void SetTitle(const std::string& title, COLORREF color);
    CString Title() const;
    void SetLegendColor(COLORREF color);
    // Tool 0's state.
    bool ToolState() const;
    // The outer bracket and the inner one; nothing is drawn until every bracket is closed.
    void BeginUpdate();
    void EndUpdate();
    void DisableLayout();
    void EnableLayout();
    void Repaint();
    // Draws while no bracket is open; false when one is.
    bool Drawable() const;
};
