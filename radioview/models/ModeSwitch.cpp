#include "radioview/models/ModeSwitch.h"

#include "radioview/RadioView.h"

#include <algorithm>
#include <cstdlib>

namespace hb::radioview {

std::uint8_t ModeSwitch::CodeAt(long position) const {
    const long last = static_cast<long>(m_codes.size()) - 1;
    return m_codes[static_cast<std::size_t>(std::clamp(position, 0L, last))];
}

long ModeSwitch::PositionOf(std::uint8_t mode) const {
    const int code = mode & 0x0F;
    long best = 0;
    int bestDistance = 256;
    for (std::size_t n = 0; n < m_codes.size(); ++n) {
        const int distance = std::abs(m_codes[n] - code);
        // On a tie the lower code wins.
        if (distance < bestDistance ||
            (distance == bestDistance && m_codes[n] < m_codes[static_cast<std::size_t>(best)])) {
            best = static_cast<long>(n);
            bestDistance = distance;
        }
    }
    return best;
}

void ModeSwitch::Choose(CRadioView& view, const CiSwitchSliderX& control) const {
    view.EnterManualMode();
    ActiveRecord(view).set(hb::records::Parm::kMode, CodeAt(control.GetPosition()));
}

void ModeSwitch::Show(CiSwitchSliderX& control, const hb::records::Parm& record) const {
    if (control.m_hWnd) {
        control.SetPosition(PositionOf(record.get(hb::records::Parm::kMode)));
    }
}

hb::records::Parm& ActiveRecord(CRadioView& view) {
    return view.m_vfo[view.m_activeVfo];
}

} // namespace hb::radioview
