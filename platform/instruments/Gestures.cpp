#include "platform/instruments/Gestures.h"

#include "platform/instruments/Dispids.h"
#include "platform/instruments/Instrument.h"
#include "platform/instruments/InstrumentInternals.h"
#include "platform/instruments/KindPainters.h"
#include "platform/instruments/PhonePadLayout.h"
#include "platform/instruments/PropertyValues.h"
#include "platform/instruments/SwitchSliderLayout.h"
#include "platform/win/core/Geometry.h"
#include "platform/win/core/Keys.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/Paint.h"
#include "platform/win/core/Window.h"
#include "platform/win/core/WindowState.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>

namespace hb::instruments {

namespace {

using detail::FindState;
using detail::Fire;
using detail::InstrumentState;

// Mouse message key flags.
constexpr WPARAM kMouseLeft = 0x0001;
constexpr WPARAM kMouseRight = 0x0002;
constexpr WPARAM kMouseShift = 0x0004;
constexpr WPARAM kMouseControl = 0x0008;
constexpr WPARAM kMouseMiddle = 0x0010;

// The state of an instrument that takes gestures now, or null.
InstrumentState* Receiver(HWND hwnd) {
    InstrumentState* state = FindState(hwnd);
    if (!state || !IsWindowEnabled(hwnd)) {
        return nullptr;
    }
    if (state->kind->kind == Kind::Label && !detail::NumberAt(*state, label::kEditable)) {
        return nullptr;
    }
    return state;
}

bool Is(const InstrumentState* state, Kind kind) {
    return state && state->kind->kind == kind;
}

// Stores a value the user changed and fires its events, unless it stayed the same.
void Change(HWND hwnd, long dispid, double value, Gesture gesture) {
    if (detail::NumberAt(*FindState(hwnd), dispid) != value) {
        PutProperty(hwnd, dispid, value);
        Fire(hwnd, gesture);
    }
}

void Toggle(HWND hwnd, long dispid, Gesture gesture) {
    Change(hwnd, dispid, detail::NumberAt(*FindState(hwnd), dispid) ? 0 : 1, gesture);
}

// Turns a knob by the angle the pointer moved round its centre since the last point.
void TurnKnob(HWND hwnd, InstrumentState& state, long x, long y) {
    RECT client;
    GetClientRect(hwnd, &client);
    const double cx = (client.left + client.right) / 2.0;
    const double cy = (client.top + client.bottom) / 2.0;
    double turn =
        std::atan2(y - cy, x - cx) - std::atan2(state.dragPoint.y - cy, state.dragPoint.x - cx);
    if (turn > std::numbers::pi) {
        turn -= 2 * std::numbers::pi;
    } else if (turn <= -std::numbers::pi) {
        turn += 2 * std::numbers::pi;
    }
    state.dragPoint = {static_cast<LONG>(x), static_cast<LONG>(y)};
    const double travel = detail::NumberAt(state, knob::kRotationDegrees);
    if (travel <= 0) {
        return;
    }
    const double span =
        detail::NumberAt(state, knob::kPositionMax) - detail::NumberAt(state, knob::kPositionMin);
    UserSetPosition(hwnd, detail::NumberAt(state, knob::kPosition) +
                              turn * 180 / std::numbers::pi / travel * span);
}

// Moves a slider's pointer under the mouse.
void SlideTo(HWND hwnd, const InstrumentState& state, long x) {
    RECT client;
    GetClientRect(hwnd, &client);
    UserSetPosition(hwnd, detail::SliderPositionAt(client, x,
                                                   detail::NumberAt(state, slider::kPositionMin),
                                                   detail::NumberAt(state, slider::kPositionMax)));
}

void PressPadKey(HWND hwnd, int key, short shift) {
    Fire(hwnd, Gesture::Key, {key, shift});
}

// The arrow of a four-way switch under the point: the one of the four triangles between the
// client area's diagonals that holds it.
Gesture QuadArrowAt(HWND hwnd, long x, long y) {
    RECT client;
    GetClientRect(hwnd, &client);
    const double dx = (x - (client.left + client.right) / 2.0) / std::max<LONG>(1, client.right);
    const double dy = (y - (client.top + client.bottom) / 2.0) / std::max<LONG>(1, client.bottom);
    if (std::abs(dx) >= std::abs(dy)) {
        return dx < 0 ? Gesture::PushLeft : Gesture::PushRight;
    }
    return dy < 0 ? Gesture::PushUp : Gesture::PushDown;
}

void ClickAt(HWND hwnd, InstrumentState& state, short shift, long x, long y) {
    switch (state.kind->kind) {
    case Kind::LedRectangle:
    case Kind::LinearGauge:
        Fire(hwnd, Gesture::Click);
        break;
    case Kind::ModeComboBox:
        if (!state.items.empty()) {
            state.itemIndex = (state.itemIndex + 1) % static_cast<int>(state.items.size());
            InvalidateRect(hwnd, nullptr, TRUE);
            Fire(hwnd, Gesture::Change);
        }
        break;
    case Kind::SwitchToggle:
        Toggle(hwnd, switchToggle::kActive, Gesture::Change);
        break;
    case Kind::SwitchLed:
        Toggle(hwnd, switchLed::kActive, Gesture::Click);
        break;
    case Kind::SwitchRocker: {
        // The upper half rocks it on, the lower half off.
        RECT client;
        GetClientRect(hwnd, &client);
        Change(hwnd, switchRocker::kPosition, y < (client.top + client.bottom) / 2 ? 1 : 0,
               Gesture::Change);
        break;
    }
    case Kind::SwitchSlider: {
        // The pointer goes to the position whose stop is nearest the click.
        RECT client;
        GetClientRect(hwnd, &client);
        const int count =
            std::max(1, static_cast<int>(detail::NumberAt(state, switchSlider::kPositionCount)));
        const bool captioned = detail::AnyCaption(
            detail::CaptionsOf(detail::TextAt(state, switchSlider::kPositionCaptions), count));
        const detail::SwitchSliderLayout layout =
            detail::LayOutSwitchSlider(client, count, captioned);
        Change(hwnd, switchSlider::kPosition, detail::SwitchPositionAt(layout, count, x, y),
               Gesture::PositionChange);
        break;
    }
    case Kind::SwitchQuad:
        Fire(hwnd, QuadArrowAt(hwnd, x, y));
        break;
    case Kind::SwitchRotary: {
        const double count = std::max(detail::NumberAt(state, switchRotary::kPositionCount), 1.0);
        const double next = std::fmod(detail::NumberAt(state, switchRotary::kPosition) + 1, count);
        Change(hwnd, switchRotary::kPosition, next, Gesture::Change);
        break;
    }
    case Kind::LedMatrix:
        if (const auto cell = detail::MatrixCellAt(hwnd, state, x, y)) {
            Fire(hwnd, Gesture::Click, {cell->first, cell->second});
        }
        break;
    case Kind::PhonePad: {
        RECT client;
        GetClientRect(hwnd, &client);
        for (int row = 0; row < detail::kPadRows; ++row) {
            for (int column = 0; column < detail::kPadColumns; ++column) {
                const RECT cell = detail::PadCell(client, row, column);
                if (x >= cell.left && x < cell.right && y >= cell.top && y < cell.bottom) {
                    PressPadKey(hwnd, detail::kPadKeys[row][column], shift);
                }
            }
        }
        break;
    }
    default:
        break;
    }
}

int PadKeyOf(short key) {
    if (key >= '0' && key <= '9') {
        return key - '0';
    }
    if (key >= static_cast<short>(VK_NUMPAD0) && key <= static_cast<short>(VK_NUMPAD9)) {
        return key - static_cast<short>(VK_NUMPAD0);
    }
    if (key == static_cast<short>(VK_DECIMAL)) {
        return 10;
    }
    return key == static_cast<short>(VK_BACK) ? 11 : -1;
}

void EditLabel(HWND hwnd, short key, short shift) {
    const std::vector<hb::afx::Value> args = Fire(hwnd, Gesture::Key, {key, shift});
    if (!IsWindow(hwnd) || args.empty()) {
        return;
    }
    const auto taken = static_cast<long>(NumberOf(args[0]));
    if (taken == static_cast<long>(VK_RETURN)) {
        Fire(hwnd, Gesture::Change);
    } else if (taken == static_cast<long>(VK_BACK)) {
        std::string caption = detail::TextAt(*FindState(hwnd), label::kCaption);
        while (!caption.empty() && (static_cast<unsigned char>(caption.back()) & 0xC0) == 0x80) {
            caption.pop_back();
        }
        if (!caption.empty()) {
            caption.pop_back();
        }
        PutProperty(hwnd, label::kCaption, caption);
    }
}

// The text typed into a numeric entry becomes its value as it goes; what does not read as a number
// gives 0.
void Retype(HWND hwnd, InstrumentState& state, std::string typed) {
    state.typed = std::move(typed);
    InvalidateRect(hwnd, nullptr, TRUE);
    Change(hwnd, analogOutput::kValue, std::strtod(state.typed.c_str(), nullptr), Gesture::Change);
}

// A typed number past a numeric entry's limits is taken as the limit it passed.
void KeepWithinLimits(HWND hwnd) {
    const InstrumentState& state = *FindState(hwnd);
    const double lower = detail::NumberAt(state, analogOutput::kLowerLimit);
    const double upper = detail::NumberAt(state, analogOutput::kUpperLimit);
    if (upper <= lower) {
        return;
    }
    const double value = detail::NumberAt(state, analogOutput::kValue);
    Change(hwnd, analogOutput::kValue, std::clamp(value, lower, upper), Gesture::Change);
}

// What the user is typing into a numeric entry, or empty when the entry shows its value.
std::string TypedText(const InstrumentState& state) {
    return detail::AnalogOutputText(state) == state.typed ? state.typed : std::string();
}

void EditNumber(HWND hwnd, short key) {
    InstrumentState* state = FindState(hwnd);
    if (key == static_cast<short>(VK_BACK)) {
        std::string typed = TypedText(*state);
        if (!typed.empty()) {
            typed.pop_back();
        }
        Retype(hwnd, *state, typed);
    }
}

// A typed character goes into an editable label's caption, or a numeric entry's number.
void TypeChar(HWND hwnd, WPARAM ch) {
    InstrumentState* state = Receiver(hwnd);
    if (Is(state, Kind::AnalogOutput) && ((ch >= '0' && ch <= '9') || ch == '.' || ch == '-')) {
        Retype(hwnd, *state, TypedText(*state) + static_cast<char>(ch));
        return;
    }
    if (Is(state, Kind::Label) && ch >= 0x20 && ch != 0x7F) {
        PutProperty(hwnd, label::kCaption,
                    detail::TextAt(*state, label::kCaption) + static_cast<char>(ch));
    }
}

short ShiftOf(WPARAM flags) {
    return static_cast<short>(((flags & kMouseShift) ? 1 : 0) | ((flags & kMouseControl) ? 2 : 0));
}

short ButtonsOf(WPARAM flags) {
    return static_cast<short>(((flags & kMouseLeft) ? 1 : 0) | ((flags & kMouseRight) ? 2 : 0) |
                              ((flags & kMouseMiddle) ? 4 : 0));
}

} // namespace

bool UserSetPosition(HWND hwnd, double position) {
    InstrumentState* state = Receiver(hwnd);
    if (Is(state, Kind::Knob)) {
        const double a = detail::NumberAt(*state, knob::kPositionMin);
        const double b = detail::NumberAt(*state, knob::kPositionMax);
        Change(hwnd, knob::kPosition, std::clamp(position, std::min(a, b), std::max(a, b)),
               Gesture::PositionChange);
        return true;
    }
    if (Is(state, Kind::Slider)) {
        const double a = detail::NumberAt(*state, slider::kPositionMin);
        const double b = detail::NumberAt(*state, slider::kPositionMax);
        Change(hwnd, slider::kPosition, std::clamp(position, std::min(a, b), std::max(a, b)),
               Gesture::PositionChange);
        return true;
    }
    if (Is(state, Kind::SwitchRocker)) {
        Change(hwnd, switchRocker::kPosition, position >= 0.5 ? 1 : 0, Gesture::Change);
        return true;
    }
    if (Is(state, Kind::SwitchRotary)) {
        const double last =
            std::max(detail::NumberAt(*state, switchRotary::kPositionCount) - 1, 0.0);
        Change(hwnd, switchRotary::kPosition, std::clamp(std::round(position), 0.0, last),
               Gesture::Change);
        return true;
    }
    if (Is(state, Kind::SwitchSlider)) {
        const double last =
            std::max(detail::NumberAt(*state, switchSlider::kPositionCount) - 1, 0.0);
        Change(hwnd, switchSlider::kPosition, std::clamp(std::round(position), 0.0, last),
               Gesture::PositionChange);
        return true;
    }
    return false;
}

bool UserSetActive(HWND hwnd, bool active) {
    InstrumentState* state = Receiver(hwnd);
    if (Is(state, Kind::SwitchToggle)) {
        Change(hwnd, switchToggle::kActive, active, Gesture::Change);
        return true;
    }
    if (Is(state, Kind::SwitchLed)) {
        Change(hwnd, switchLed::kActive, active, Gesture::Click);
        return true;
    }
    return false;
}

bool UserMouse(HWND hwnd, MouseAction action, short button, short shift, long x, long y) {
    InstrumentState* state = Receiver(hwnd);
    if (!state) {
        return false;
    }
    const std::vector<long> args{button, shift, x, y};
    switch (action) {
    case MouseAction::Down:
        state->pressed = true;
        state->dragPoint = {static_cast<LONG>(x), static_cast<LONG>(y)};
        if (Is(state, Kind::Knob) || Is(state, Kind::Slider)) {
            SetCapture(hwnd);
        }
        if (Is(state, Kind::Slider)) {
            SlideTo(hwnd, *state, x);
        }
        Fire(hwnd, Gesture::MouseDown, args);
        return true;
    case MouseAction::Move:
        if (Is(state, Kind::Knob) && state->pressed) {
            TurnKnob(hwnd, *state, x, y);
        }
        if (Is(state, Kind::Slider) && state->pressed) {
            SlideTo(hwnd, *state, x);
        }
        Fire(hwnd, Gesture::MouseMove, args);
        return true;
    case MouseAction::Up:
        break;
    }
    const bool wasPressed = state->pressed;
    state->pressed = false;
    if ((Is(state, Kind::Knob) || Is(state, Kind::Slider)) && GetCapture() == hwnd) {
        ReleaseCapture();
    }
    Fire(hwnd, Gesture::MouseUp, args);
    if (!wasPressed || !(state = FindState(hwnd))) {
        return true;
    }
    if (Is(state, Kind::Knob)) {
        Fire(hwnd, Gesture::DragEnd);
        return true;
    }
    RECT client;
    GetClientRect(hwnd, &client);
    if (x >= client.left && x < client.right && y >= client.top && y < client.bottom) {
        ClickAt(hwnd, *state, shift, x, y);
    }
    return true;
}

bool UserClick(HWND hwnd, short button, short shift, long x, long y) {
    if (!UserMouse(hwnd, MouseAction::Down, button, shift, x, y)) {
        return false;
    }
    UserMouse(hwnd, MouseAction::Up, button, shift, x, y);
    return true;
}

bool UserDoubleClick(HWND hwnd, short, short, long, long) {
    if (!Is(Receiver(hwnd), Kind::Knob)) {
        return false;
    }
    Fire(hwnd, Gesture::DoubleClick);
    return true;
}

bool UserKey(HWND hwnd, short key, short shift) {
    InstrumentState* state = Receiver(hwnd);
    if (!state) {
        return false;
    }
    switch (state->kind->kind) {
    case Kind::Knob: {
        const double step = detail::NumberAt(*state, knob::kIncrement);
        const double position = detail::NumberAt(*state, knob::kPosition);
        if (key == static_cast<short>(VK_UP) || key == static_cast<short>(VK_RIGHT)) {
            return UserSetPosition(hwnd, position + step);
        }
        if (key == static_cast<short>(VK_DOWN) || key == static_cast<short>(VK_LEFT)) {
            return UserSetPosition(hwnd, position - step);
        }
        return false;
    }
    case Kind::SwitchToggle:
        if (key != static_cast<short>(VK_SPACE)) {
            return false;
        }
        Toggle(hwnd, switchToggle::kActive, Gesture::Change);
        return true;
    case Kind::SwitchRocker:
        if (key != static_cast<short>(VK_SPACE)) {
            return false;
        }
        Toggle(hwnd, switchRocker::kPosition, Gesture::Change);
        return true;
    case Kind::PhonePad: {
        const int padKey = PadKeyOf(key);
        if (padKey < 0) {
            return false;
        }
        PressPadKey(hwnd, padKey, shift);
        return true;
    }
    case Kind::Label:
        EditLabel(hwnd, key, shift);
        return true;
    case Kind::AnalogOutput:
        if (key == static_cast<short>(VK_RETURN)) {
            KeepWithinLimits(hwnd);
            Fire(hwnd, Gesture::Commit);
            return true;
        }
        EditNumber(hwnd, key);
        return key == static_cast<short>(VK_BACK);
    default:
        return false;
    }
}

namespace detail {

std::optional<LRESULT> HandleInput(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    struct ButtonMessage {
        UINT message;
        MouseAction action;
        short button;
    };
    static constexpr ButtonMessage kButtons[] = {
        {WM_LBUTTONDOWN, MouseAction::Down, 1}, {WM_RBUTTONDOWN, MouseAction::Down, 2},
        {WM_MBUTTONDOWN, MouseAction::Down, 4}, {WM_LBUTTONUP, MouseAction::Up, 1},
        {WM_RBUTTONUP, MouseAction::Up, 2},     {WM_MBUTTONUP, MouseAction::Up, 4}};
    const long x = GET_X_LPARAM(lParam);
    const long y = GET_Y_LPARAM(lParam);
    const short shift = ShiftOf(wParam);
    for (const ButtonMessage& button : kButtons) {
        if (button.message == message) {
            UserMouse(hwnd, button.action, button.button, shift, x, y);
            return 0;
        }
    }
    switch (message) {
    case WM_MOUSEMOVE:
        UserMouse(hwnd, MouseAction::Move, ButtonsOf(wParam), shift, x, y);
        return 0;
    case WM_LBUTTONDBLCLK:
        UserDoubleClick(hwnd, 1, shift, x, y);
        return 0;
    case WM_KEYDOWN:
        UserKey(hwnd, static_cast<short>(wParam), 0);
        return 0;
    case WM_CHAR:
        TypeChar(hwnd, wParam);
        return 0;
    default:
        return std::nullopt;
    }
}

} // namespace detail
} // namespace hb::instruments
