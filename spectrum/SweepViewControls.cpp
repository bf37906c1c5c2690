// The receiver settings both sweep displays take from the radio: the range it can sweep, a row of
// its bandwidth table, selectors filled with its lists and the knobs it offers.
#include "app/rig/Rig.h"
#include "platform/instruments/CiAnalogOutputX.h"
#include "platform/instruments/CiKnobX.h"
#include "platform/instruments/CiModeComboBoxX.h"
#include "platform/tessary/model/Radio.h"
#include "spectrum/SweepView.h"

#include <algorithm>
#include <utility>

using hb::records::Parm;

bool CSweepView::TakeSweepRange(std::uint32_t& start, std::uint32_t& end) {
    const Radio& radio = *m_rig->m_radio;
    Parm& settings = Settings();
    start = settings.get(Parm::kStart);
    end = settings.get(Parm::kEnd);
    if (radio.CheckSweepFrequency(start) != 0 || radio.CheckSweepFrequency(end) != 0) {
        MessageBeep(MB_ICONASTERISK);
        OnPause();
        return false;
    }
    if (end <= start) {
        std::swap(start, end);
        settings.set(Parm::kStart, start);
        settings.set(Parm::kEnd, end);
    }
    return true;
}

void CSweepView::ChooseSweepBandwidth() {
    const auto& table = m_rig->m_radio->sweepValues().bandwidths;
    if (table.empty()) {
        return;
    }
    Parm& settings = Settings();
    const auto take = [&](const hb::tessary::SweepBandwidth& entry) {
        settings.set(Parm::kFilter, entry.filter);
        settings.set(Parm::kBandwidth, entry.bandwidth);
        settings.set(Parm::kMode, entry.mode);
    };
    const auto& middle = table[table.size() / 2];
    if (settings.get(Parm::kBandwidth) == 0) {
        take(middle);
    }
    const auto same = [&](const hb::tessary::SweepBandwidth& entry) {
        return entry.filter == settings.get(Parm::kFilter) &&
               entry.bandwidth == settings.get(Parm::kBandwidth);
    };
    const auto exact = std::find_if(table.begin(), table.end(), [&](const auto& entry) {
        return same(entry) && entry.mode == settings.get(Parm::kMode);
    });
    if (exact == table.end()) {
        const auto near = std::find_if(table.begin(), table.end(), same);
        take(near != table.end() ? *near : middle);
    }
}

void CSweepView::LimitRangeEntries(CiAnalogOutputX& start, CiAnalogOutputX& end) {
    const auto& values = m_rig->m_radio->sweepValues();
    for (CiAnalogOutputX* entry : {&start, &end}) {
        entry->SetLowerLimit(values.lowest * 1e-6);
        entry->SetUpperLimit(values.highest * 1e-6);
    }
}

void CSweepView::FillSelector(CiModeComboBoxX& selector, UINT caption,
                              const std::vector<std::string>& items) {
    selector.RemoveAllItems();
    for (std::size_t i = 0; i < items.size(); ++i) {
        selector.AddItem(items[i].c_str(), static_cast<double>(i));
    }
    if (!items.empty()) {
        return;
    }
    selector.ShowWindow(SW_HIDE);
    if (CWnd* label = caption != 0 ? GetDlgItem(static_cast<int>(caption)) : nullptr) {
        label->DestroyWindow();
    }
}

void CSweepView::SetupKnobs(const SweepKnob (&knobs)[3]) {
    const Radio& radio = *m_rig->m_radio;
    const auto& values = radio.sweepValues();
    const struct {
        std::uint32_t bit;
        const hb::records::Descriptor& range;
    } offers[] = {
        {Radio::kSweepSquelch, values.squelch},
        {Radio::kSweepVolume, values.volume},
        {Radio::kSweepThirdKnob, values.third},
    };
    for (std::size_t i = 0; i < std::size(offers); ++i) {
        const SweepKnob& knob = knobs[i];
        if ((radio.sweepKnobs() & offers[i].bit) == 0) {
            knob.knob.DestroyWindow();
            if (CWnd* label = GetDlgItem(static_cast<int>(knob.caption))) {
                label->DestroyWindow();
            }
            continue;
        }
        knob.knob.SetPositionMin(offers[i].range.min);
        knob.knob.SetPositionMax(offers[i].range.max);
    }
}
