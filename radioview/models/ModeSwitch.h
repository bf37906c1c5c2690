#pragma once
// The mode switch of the model panels and the record bytes their model switches set. Position n of
// a switch gives mode code n of the model's list; back, the low four bits of a record's mode code
// choose the position, and a code the model lacks shows as the nearest code it has.
#include "platform/instruments/CiSwitchSliderX.h"
#include "platform/records/Parm.h"
#include "platform/toolkit/CXTPButton.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

class CRadioView;

namespace hb::radioview {

class ModeSwitch {
public:
    explicit constexpr ModeSwitch(std::span<const std::uint8_t> codes) : m_codes(codes) {}

    // Out-of-range positions give the nearest end.
    std::uint8_t CodeAt(long position) const;
    long PositionOf(std::uint8_t mode) const;
    // A click: the panel takes the radio over, then the active VFO gets the position's mode.
    void Choose(CRadioView& view, const CiSwitchSliderX& control) const;
    // The switch shows the record's mode; nothing when the form lacks it.
    void Show(CiSwitchSliderX& control, const hb::records::Parm& record) const;

private:
    std::span<const std::uint8_t> m_codes;
};

// The active VFO of the panel.
hb::records::Parm& ActiveRecord(CRadioView& view);
// Flips a 0/1 switch byte of the active VFO and returns the new state.
bool ToggleByte(CRadioView& view, auto field) {
    hb::records::Parm& record = ActiveRecord(view);
    const bool on = record.get(field) == 0;
    record.set(field, static_cast<std::uint8_t>(on ? 1 : 0));
    return on;
}
// The same, with the button showing the new state.
void ToggleSwitch(CRadioView& view, CXTPButton& button, auto field) {
    const bool on = ToggleByte(view, field);
    if (button.m_hWnd) {
        button.SetChecked(on);
    }
}
// A button shows a switch byte of the record.
inline void ShowSwitch(CXTPButton& button, const hb::records::Parm& record, auto field) {
    if (button.m_hWnd) {
        button.SetChecked(record.get(field) != 0);
    }
}
// A sliding switch sets a byte of the active VFO to its position.
void StorePosition(CRadioView& view, const CiSwitchSliderX& control, auto field) {
    const long last = std::max(control.GetPositionCount() - 1, 0L);
    ActiveRecord(view).set(field,
                           static_cast<std::uint8_t>(std::clamp(control.GetPosition(), 0L, last)));
}
// A sliding switch shows a byte of the record.
inline void ShowPosition(CiSwitchSliderX& control, const hb::records::Parm& record, auto field) {
    if (control.m_hWnd) {
        control.SetPosition(static_cast<long>(record.get(field)));
    }
}

} // namespace hb::radioview
