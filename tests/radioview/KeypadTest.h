#pragma once
// Fixture for the keypad side of the front panel: the tuning fixture's receiver, with the keys
// typed and pressed as the user does and the frame's scanning seen through the engine's commands.
#include "platform/afx/Input.h"
#include "platform/records/DeviceStatus.h"
#include "platform/records/EngineCommands.h"
#include "tests/radioview/TuningTest.h"

#include <algorithm>
#include <memory>
#include <string_view>

namespace hb::radioview::test {

class KeypadTest : public TuningTest {
protected:
    void Type(std::string_view text) const {
        for (char c : text) {
            panel->m_keypadEntry.SendMessage(WM_CHAR, static_cast<WPARAM>(c));
        }
    }
    bool Press(HWND target, UINT key, UINT modifiers = 0) const {
        const bool consumed = hb::afx::PressKey(target, key, modifiers);
        PumpUntilIdle();
        return consumed;
    }
    bool PressInKeypad(UINT key, UINT modifiers = 0) const {
        panel->m_keypadEntry.SetFocus();
        return Press(panel->m_keypadEntry.m_hWnd, key, modifiers);
    }
    CString KeypadText() const {
        CString text;
        panel->m_keypadEntry.GetWindowText(text);
        return text;
    }
    static bool Sent(std::uint8_t code) { return std::ranges::count(EngineCodes(), code) > 0; }
    static std::size_t FastWrites() {
        return EngineSim::Calls("scan_device_vfo_fast_write").size();
    }
    // The frequency the simulated radio reports it is tuned to.
    std::uint32_t DeviceFrequency() const {
        const auto status = std::make_unique<hb::records::DeviceStatus>();
        frame->m_rig->DeviceStatus(status->data());
        return status->get(hb::records::DeviceStatus::kCurrentFrequency);
    }
};

} // namespace hb::radioview::test
