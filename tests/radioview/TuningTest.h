#pragma once
// Fixture for the front panel's tuning: the program started with one receiver whose coverage is
// 100-200 MHz (12.5 kHz steps) and 300-400 MHz (25 kHz steps), its radio window opened, and the
// panel driven as its user drives it: mouse gestures on the instruments, button clicks, spin
// notifications and the test clock.
#include "platform/instruments/Gestures.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/controls/CommonControls.h"
#include "resources/ResourceIds.h"
#include "tests/app/radiowindow/RadioWindowTest.h"

#include <memory>

namespace hb::radioview::test {

using hb::app::test::kReceiverOnly;
using hb::engine::EngineSim;
using hb::instruments::MouseAction;

inline constexpr std::uint32_t kMhz = 1'000'000;
inline constexpr hb::records::CoverageRow kTwoRows[] = {
    {100 * kMhz, 200 * kMhz, 12'500},
    {300 * kMhz, 400 * kMhz, 25'000},
};

class TuningTest : public hb::app::test::RadioWindowTest {
protected:
    static constexpr short kLeft = 1;
    static constexpr short kRight = 2;
    static constexpr short kShift = 1;

    ~TuningTest() override { hb::tessary::SetRadioFactory(nullptr); }

    // The receiver as the table has it, with its coverage and feature word replaced.
    void UseReceiver(std::span<const hb::records::CoverageRow> coverage = kTwoRows,
                     std::uint32_t features = Radio::kFeatureControl,
                     std::uint16_t memoryCount = 1000) {
        m_model = *hb::records::FindRadioModel(42);
        m_model.coverage = coverage;
        m_model.features = features;
        m_model.memoryCount = memoryCount;
        m_model.organisation.channels = memoryCount;
        hb::tessary::SetRadioFactory([this](std::uint8_t type) {
            return type == 42 ? std::make_unique<Radio>(m_model) : nullptr;
        });
    }
    // Starts the program and opens the receiver's window; the receiver is the table's unless
    // UseReceiver came first.
    void Open() {
        Radios(kReceiverOnly, {{"Receiver", 42}});
        Reopen();
    }
    // Opens the receiver's window again in the running program.
    void Reopen() {
        frame = OpenWindow();
        ASSERT_NE(frame, nullptr);
        panel = frame->FrontPanel();
        ASSERT_NE(panel, nullptr);
        ASSERT_TRUE(panel->m_frequencyDisplay.m_hWnd);
    }
    void Close() {
        frame->SendMessage(WM_CLOSE);
        PumpUntilIdle();
        frame = nullptr;
        panel = nullptr;
    }

    parm& Vfo() const { return panel->m_vfo[panel->m_activeVfo]; }
    std::uint32_t Frequency() const { return Vfo().get(parm::kFrequency); }
    int Setting(LPCSTR entry, int missing = -1) const {
        return app->GetProfileIntA("Receiver", entry, missing);
    }
    HWND Control(UINT id) const { return ::GetDlgItem(panel->m_hWnd, static_cast<int>(id)); }
    bool KeypadHasFocus() const { return ::GetFocus() == panel->m_keypadEntry.m_hWnd; }

    void Click(UINT id) const { hb::afx::ClickButton(panel->m_hWnd, static_cast<int>(id)); }
    void Mouse(UINT id, MouseAction action, short button = kLeft, short shift = 0, long x = 3,
               long y = 3) const {
        hb::instruments::UserMouse(Control(id), action, button, shift, x, y);
    }
    // The spin control's change, as the control sends it.
    LRESULT Spin(UINT id, int delta) const {
        NMUPDOWN change;
        change.hdr.hwndFrom = Control(id);
        change.hdr.idFrom = id;
        change.hdr.code = UDN_DELTAPOS;
        change.iDelta = delta;
        return panel->SendMessage(WM_NOTIFY, id, reinterpret_cast<LPARAM>(&change));
    }
    CString StepText() const {
        CString text;
        panel->m_stepEntry.GetWindowText(text);
        return text;
    }

    hb::records::RadioModel m_model;
    CRadioFrame* frame = nullptr;
    CRadioView* panel = nullptr;
};

} // namespace hb::radioview::test
