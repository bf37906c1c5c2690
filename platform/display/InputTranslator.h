#pragma once
// X events become the messages the windows handle, on the GUI thread: mouse input goes to the
// window under the pointer (or the one holding the capture) or to the frame tracker when it lands
// on a child's frame, keys to the window that has the focus when a loop takes them, and the window
// manager's moves, resizes and close requests to the top-level window.
#include "platform/display/Connection.h"
#include "platform/display/DoubleClick.h"
#include "platform/display/FrameTracker.h"
#include "platform/display/WindowMap.h"
#include "platform/win/WinTypes.h"

#include <array>
#include <cstdint>
#include <optional>

union _XEvent;

namespace hb::display {

class InputTranslator {
public:
    InputTranslator(Connection& connection, WindowMap& windows)
        : m_connection(connection), m_windows(windows), m_frames(m_clicks) {}

    void Handle(_XEvent& event);
    // The character the last press of the key with this X key code typed.
    std::optional<char> TypedBy(UINT keycode) const;

private:
    void Button(_XEvent& event, bool press);
    void Motion(_XEvent& event);
    void Key(_XEvent& event, bool press);
    void Configure(ShownWindow& shown);

    Connection& m_connection;
    WindowMap& m_windows;
    std::array<char, 256> m_typed{};
    ClickSeries m_clicks;
    FrameTracker m_frames;
};

} // namespace hb::display
