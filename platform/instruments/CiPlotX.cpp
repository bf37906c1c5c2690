#include "platform/instruments/CiPlotX.h"

#include "platform/instruments/PlotState.h"
#include "platform/win/core/Window.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

IMPLEMENT_DYNAMIC(CiPlotX, CWnd)

namespace hb::instruments {

namespace {

long& FailingResult() {
    static long result = 0;
    return result;
}

std::string ResultText(long result) {
    char text[48];
    std::snprintf(text, sizeof text, "plot call failed: 0x%08lX",
                  static_cast<unsigned long>(result) & 0xFFFFFFFFUL);
    return text;
}

template <class T>
T& At(std::vector<T>& items, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= items.size()) {
        throw PlotError(kInvalidArgument);
    }
    return items[static_cast<std::size_t>(index)];
}

} // namespace

PlotError::PlotError(long result) : std::runtime_error(ResultText(result)), m_result(result) {}

void FailPlotCallsForTests(long result) {
    FailingResult() = result;
}

detail::PlotState& PlotInterface::State() const {
    if (FailingResult() != 0) {
        throw PlotError(FailingResult());
    }
    detail::PlotState* state = detail::FindPlot(m_plot);
    if (state == nullptr) {
        throw PlotError(kNullInterface);
    }
    return *state;
}

void PlotInterface::Changed() const {
    detail::PlotChanged(m_plot, State());
}

// Channels are made as they are first asked for, as the plot's channel list grows.
detail::PlotChannel& PlotChannelX::Get() const {
    detail::PlotState& state = State();
    constexpr int kMostChannels = 16;
    if (m_index < 0 || m_index >= kMostChannels) {
        throw PlotError(kInvalidArgument);
    }
    if (state.channels.size() <= static_cast<std::size_t>(m_index)) {
        state.channels.resize(static_cast<std::size_t>(m_index) + 1);
    }
    return state.channels[static_cast<std::size_t>(m_index)];
}

void PlotChannelX::AddXY(double x, double y) {
    Get().points.emplace_back(x, y);
    Changed();
}

void PlotChannelX::SetYAt(int index, double y) {
    At(Get().points, index).second = y;
    Changed();
}

int PlotChannelX::Count() const {
    return static_cast<int>(Get().points.size());
}

void PlotChannelX::Clear() {
    Get().points.clear();
    Changed();
}

void PlotChannelX::SetCapacity(int points) {
    if (points < 0) {
        throw PlotError(kInvalidArgument);
    }
    detail::PlotChannel& channel = Get();
    channel.capacity = static_cast<std::size_t>(points);
    channel.points.reserve(channel.capacity);
}

int PlotChannelX::Capacity() const {
    return static_cast<int>(Get().capacity);
}

void PlotChannelX::SetVisible(bool visible) {
    Get().visible = visible;
    Changed();
}

bool PlotChannelX::Visible() const {
    return Get().visible;
}

void PlotChannelX::SetPointDisplay(bool on) {
    Get().pointDisplay = on;
    Changed();
}

bool PlotChannelX::PointDisplay() const {
    return Get().pointDisplay;
}

void PlotChannelX::SetTitle(const std::string& title) {
    Get().title = title;
    Changed();
}

void PlotChannelX::SetColor(COLORREF color) {
    Get().color = color;
    Changed();
}

COLORREF PlotChannelX::Color() const {
    return Get().color;
}

void PlotChannelX::SetLineWidth(int width) {
    Get().lineWidth = std::max(1, width);
    Changed();
}

void PlotChannelX::SetXInterval(double interval) {
    Get().xInterval = interval;
}

void PlotChannelX::SetBaseValue(double value) {
    Get().baseValue = value;
    Changed();
}

double PlotChannelX::YAt(int index) const {
    return At(Get().points, index).second;
}

double PlotChannelX::XAt(int index) const {
    return At(Get().points, index).first;
}

detail::PlotAxis& PlotAxisX::Get() const {
    return m_x ? State().xAxis : State().yAxis;
}

void PlotAxisX::SetMin(double value) {
    Get().min = value;
    Changed();
}

double PlotAxisX::Min() const {
    return Get().min;
}

void PlotAxisX::SetSpan(double value) {
    Get().span = value;
    Changed();
}

double PlotAxisX::Span() const {
    return Get().span;
}

void PlotAxisX::SetColors(COLORREF line, COLORREF labels) {
    Get().color = line;
    Get().labelColor = labels;
    Changed();
}

void PlotAxisX::SetDecimals(int decimals) {
    Get().decimals = std::clamp(decimals, 0, 9);
    Changed();
}

double PlotDataViewX::PixelToPercentX(long x) const {
    const RECT area = detail::PlotArea(m_plot, State());
    return (x - area.left) * 100.0 / (area.right - area.left);
}

double PlotDataViewX::PixelToPercentY(long y) const {
    const RECT area = detail::PlotArea(m_plot, State());
    return (area.bottom - y) * 100.0 / (area.bottom - area.top);
}

long PlotDataViewX::PercentToPixelX(double percent) const {
    const RECT area = detail::PlotArea(m_plot, State());
    return area.left + std::lround(percent * (area.right - area.left) / 100);
}

long PlotDataViewX::PercentToPixelY(double percent) const {
    const RECT area = detail::PlotArea(m_plot, State());
    return area.bottom - std::lround(percent * (area.bottom - area.top) / 100);
}

void PlotDataViewX::SetColors(COLORREF background, COLORREF grid) {
    State().dataViewColor = background;
    State().gridColor = grid;
    Changed();
}

void PlotDataViewX::SetColor(COLORREF background) {
    State().dataViewColor = background;
    Changed();
}

COLORREF PlotDataViewX::Color() const {
    return State().dataViewColor;
}

COLORREF PlotDataViewX::GridColor() const {
    return State().gridColor;
}

detail::PlotCursor& PlotCursorX::Get() const {
    detail::PlotState& state = State();
    if (m_index < 0 || m_index > 1) {
        throw PlotError(kInvalidArgument);
    }
    return state.cursors[static_cast<std::size_t>(m_index)];
}

void PlotCursorX::SetPosition(int line, double percent) {
    if (line < 0 || line > 1) {
        throw PlotError(kInvalidArgument);
    }
    Get().positions[static_cast<std::size_t>(line)] = std::clamp(percent, 0.0, 100.0);
    Changed();
}

double PlotCursorX::Position(int line) const {
    if (line < 0 || line > 1) {
        throw PlotError(kInvalidArgument);
    }
    return Get().positions[static_cast<std::size_t>(line)];
}

void PlotCursorX::SetVisible(bool visible) {
    Get().visible = visible;
    Changed();
}

bool PlotCursorX::Visible() const {
    return Get().visible;
}

void PlotCursorX::SetColor(COLORREF color) {
    Get().color = color;
    Changed();
}

COLORREF PlotCursorX::Color() const {
    return Get().color;
}

int PlotAnnotationsX::AddHorizontalLine(double percent, COLORREF color) {
    auto& lines = State().horizontalLines;
    lines.push_back({percent, true, color});
    Changed();
    return static_cast<int>(lines.size()) - 1;
}

int PlotAnnotationsX::AddVerticalLine(double percent, COLORREF color) {
    auto& lines = State().verticalLines;
    lines.push_back({percent, true, color});
    Changed();
    return static_cast<int>(lines.size()) - 1;
}

int PlotAnnotationsX::AddText(double xPercent, double yPercent, const std::string& text,
                              COLORREF color) {
    auto& texts = State().texts;
    texts.push_back({xPercent, yPercent, text, color});
    Changed();
    return static_cast<int>(texts.size()) - 1;
}

void PlotAnnotationsX::SetHorizontalLine(int index, double percent, bool visible) {
    detail::PlotLine& line = At(State().horizontalLines, index);
    line.position = percent;
    line.visible = visible;
    Changed();
}

void PlotAnnotationsX::SetVerticalLine(int index, double percent, bool visible) {
    detail::PlotLine& line = At(State().verticalLines, index);
    line.position = percent;
    line.visible = visible;
    Changed();
}

void PlotAnnotationsX::SetText(int index, const std::string& text) {
    At(State().texts, index).text = text;
    Changed();
}

void PlotAnnotationsX::SetVerticalLineColor(int index, COLORREF color) {
    At(State().verticalLines, index).color = color;
    Changed();
}

void PlotAnnotationsX::SetTextColor(int index, COLORREF color) {
    At(State().texts, index).color = color;
    Changed();
}

double PlotAnnotationsX::HorizontalLinePosition(int index) const {
    return At(State().horizontalLines, index).position;
}

bool PlotAnnotationsX::HorizontalLineVisible(int index) const {
    return At(State().horizontalLines, index).visible;
}

double PlotAnnotationsX::VerticalLinePosition(int index) const {
    return At(State().verticalLines, index).position;
}

bool PlotAnnotationsX::VerticalLineVisible(int index) const {
    return At(State().verticalLines, index).visible;
}

COLORREF PlotAnnotationsX::VerticalLineColor(int index) const {
    return At(State().verticalLines, index).color;
}

std::string PlotAnnotationsX::Text(int index) const {
    return At(State().texts, index).text;
}

COLORREF PlotAnnotationsX::TextColor(int index) const {
    return At(State().texts, index).color;
}

} // namespace hb::instruments

namespace {

hb::instruments::detail::PlotState& StateOf(HWND plot) {
    return hb::instruments::PlotInterface(plot).State();
}

void Changed(HWND plot) {
    hb::instruments::detail::PlotChanged(plot, StateOf(plot));
}

} // namespace

void CiPlotX::SetBackColor(COLORREF color) {
    StateOf(m_hWnd).background = color;
    Changed(m_hWnd);
}

COLORREF CiPlotX::BackColor() const {
    return StateOf(m_hWnd).background;
}

void CiPlotX::SetFrameColor(COLORREF color) {
    StateOf(m_hWnd).frame = color;
    Changed(m_hWnd);
}

COLORREF CiPlotX::FrameColor() const {
    return StateOf(m_hWnd).frame;
}

void CiPlotX::SetTitle(const std::string& title, COLORREF color) {
    hb::instruments::detail::PlotState& state = StateOf(m_hWnd);
    state.title = title;
    state.titleColor = color;
    hb::instruments::detail::PlotChanged(m_hWnd, state);
}

CString CiPlotX::Title() const {
    return StateOf(m_hWnd).title.c_str();
}

void CiPlotX::SetLegendColor(COLORREF color) {
    StateOf(m_hWnd).legendColor = color;
    Changed(m_hWnd);
}

bool CiPlotX::ToolState() const {
    return StateOf(m_hWnd).toolState;
}

void CiPlotX::BeginUpdate() {
    ++StateOf(m_hWnd).outerUpdates;
}

void CiPlotX::EndUpdate() {
    hb::instruments::detail::PlotState& state = StateOf(m_hWnd);
    state.outerUpdates = std::max(0, state.outerUpdates - 1);
    if (state.drawPending) {
        hb::instruments::detail::PlotChanged(m_hWnd, state);
    }
}

void CiPlotX::DisableLayout() {
    ++StateOf(m_hWnd).innerUpdates;
}

void CiPlotX::EnableLayout() {
    hb::instruments::detail::PlotState& state = StateOf(m_hWnd);
    state.innerUpdates = std::max(0, state.innerUpdates - 1);
    if (state.drawPending) {
        hb::instruments::detail::PlotChanged(m_hWnd, state);
    }
}

void CiPlotX::Repaint() {
    Changed(m_hWnd);
}

bool CiPlotX::Drawable() const {
    const hb::instruments::detail::PlotState& state = StateOf(m_hWnd);
    return state.outerUpdates == 0 && state.innerUpdates == 0;
}
