#include "platform/instruments/CiAnalogDisplayX.h"
#include "platform/instruments/CiAnalogOutputX.h"
#include "platform/instruments/CiAngularGaugeX.h"
#include "platform/instruments/CiEditX.h"
#include "platform/instruments/CiKnobX.h"
#include "platform/instruments/CiLCDMatrixX.h"
#include "platform/instruments/CiLabelX.h"
#include "platform/instruments/CiLedBarX.h"
#include "platform/instruments/CiLedMatrixX.h"
#include "platform/instruments/CiLedRectangleX.h"
#include "platform/instruments/CiLedRoundX.h"
#include "platform/instruments/CiLinearGaugeX.h"
#include "platform/instruments/CiModeComboBoxX.h"
#include "platform/instruments/CiPanelX.h"
#include "platform/instruments/CiPhonePadX.h"
#include "platform/instruments/CiSevenSegmentAnalogX.h"
#include "platform/instruments/CiSevenSegmentClockSMPTEX.h"
#include "platform/instruments/CiSevenSegmentClockX.h"
#include "platform/instruments/CiSevenSegmentIntegerX.h"
#include "platform/instruments/CiSliderX.h"
#include "platform/instruments/CiSwitchLedX.h"
#include "platform/instruments/CiSwitchQuadX.h"
#include "platform/instruments/CiSwitchRockerX.h"
#include "platform/instruments/CiSwitchRotaryX.h"
#include "platform/instruments/CiSwitchSliderX.h"
#include "platform/instruments/CiSwitchToggleX.h"
#include "platform/instruments/InstrumentInternals.h"

using hb::instruments::InstrumentWrapper;

IMPLEMENT_DYNAMIC(CiKnobX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiLedRectangleX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiSevenSegmentAnalogX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiSevenSegmentIntegerX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiAngularGaugeX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiLedBarX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiLinearGaugeX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiSwitchToggleX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiLabelX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiPhonePadX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiLedRoundX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiEditX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiAnalogOutputX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiSevenSegmentClockX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiSevenSegmentClockSMPTEX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiSwitchQuadX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiSwitchSliderX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiSwitchLedX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiSliderX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiPanelX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiAnalogDisplayX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiModeComboBoxX, InstrumentWrapper)

namespace {

hb::instruments::detail::InstrumentState* ModeBox(HWND hwnd) {
    auto* state = hb::instruments::detail::FindState(hwnd);
    return state && state->kind->kind == hb::instruments::Kind::ModeComboBox ? state : nullptr;
}

bool InRange(const hb::instruments::detail::InstrumentState& state, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < state.items.size();
}

} // namespace

void CiModeComboBoxX::AddItem(LPCSTR text, double value) {
    if (auto* state = ModeBox(m_hWnd)) {
        state->items.push_back({text ? text : "", value});
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
    }
}

void CiModeComboBoxX::RemoveItem(int index) {
    auto* state = ModeBox(m_hWnd);
    if (!state || !InRange(*state, index)) {
        return;
    }
    state->items.erase(state->items.begin() + index);
    if (state->itemIndex == index) {
        state->itemIndex = -1;
    } else if (state->itemIndex > index) {
        --state->itemIndex;
    }
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CiModeComboBoxX::RemoveAllItems() {
    if (auto* state = ModeBox(m_hWnd)) {
        state->items.clear();
        state->itemIndex = -1;
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
    }
}

int CiModeComboBoxX::GetItemCount() const {
    const auto* state = ModeBox(m_hWnd);
    return state ? static_cast<int>(state->items.size()) : 0;
}

double CiModeComboBoxX::GetItemValue(int index) const {
    const auto* state = ModeBox(m_hWnd);
    return state && InRange(*state, index) ? state->items[index].value : 0;
}

CString CiModeComboBoxX::GetItemText(int index) const {
    const auto* state = ModeBox(m_hWnd);
    return state && InRange(*state, index) ? CString(state->items[index].text.c_str()) : CString();
}

int CiModeComboBoxX::GetItemIndex() const {
    const auto* state = ModeBox(m_hWnd);
    return state ? state->itemIndex : -1;
}

void CiModeComboBoxX::SetItemIndex(int index) {
    if (auto* state = ModeBox(m_hWnd)) {
        state->itemIndex = InRange(*state, index) ? index : -1;
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
    }
}
IMPLEMENT_DYNAMIC(CiLCDMatrixX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiLedMatrixX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiSwitchRotaryX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiSwitchRockerX, InstrumentWrapper)
