// The simulated cards' mixers: the lines a test declares, their values, and the open mixers that
// hear of every change.

#include "platform/win/mm/MixerDevice.h"
#include "platform/win/mm/SimAudio.h"

#include <algorithm>
#include <map>
#include <set>

namespace hb::win::mm {
namespace {

using detail::ControlKind;

struct CardMixer {
    sim::MixerSetup setup;
    // By control id.
    std::map<DWORD, DWORD> values;
};

struct SimMixerState {
    std::map<UINT, CardMixer> cards;
    std::set<UINT> failing;
    std::map<int, std::pair<UINT, detail::ControlChanged>> listeners;
    int nextListener = 1;
};

SimMixerState& State() {
    static SimMixerState state;
    return state;
}

CardMixer& Mixer(UINT card) {
    return State().cards[card];
}

std::vector<detail::MixerLine> LinesOf(UINT card) {
    const sim::MixerSetup& setup = Mixer(card).setup;
    std::vector<detail::MixerLine> lines;
    if (setup.speaker) {
        lines.push_back({MIXERLINE_COMPONENTTYPE_DST_SPEAKERS, "Master", true, true, setup.minimum,
                         setup.maximum});
    }
    if (setup.waveOut) {
        lines.push_back(
            {MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT, "PCM", true, true, setup.minimum, setup.maximum});
    }
    return lines;
}

DWORD ValueOf(UINT card, DWORD control) {
    CardMixer& mixer = Mixer(card);
    const auto it = mixer.values.find(control);
    if (it != mixer.values.end()) {
        return it->second;
    }
    return control % 2 ? 0 : mixer.setup.maximum;
}

void Store(UINT card, DWORD control, DWORD value) {
    Mixer(card).values[control] = value;
    // A listener may close its mixer while it hears, so go over a copy.
    const auto listeners = State().listeners;
    for (const auto& [id, listener] : listeners) {
        if (listener.first == card) {
            listener.second(control);
        }
    }
}

class SimCard final : public detail::MixerCard {
public:
    SimCard(UINT card, detail::ControlChanged changed) : m_card(card) {
        m_listener = State().nextListener++;
        State().listeners[m_listener] = {card, std::move(changed)};
    }
    ~SimCard() override { State().listeners.erase(m_listener); }

    std::vector<detail::MixerLine> Lines() override { return LinesOf(m_card); }

    bool Get(std::size_t line, ControlKind kind, DWORD& value) override {
        value = ValueOf(m_card, detail::ControlId(line, kind));
        return true;
    }

    bool Set(std::size_t line, ControlKind kind, DWORD value) override {
        const sim::MixerSetup& setup = Mixer(m_card).setup;
        value = kind == ControlKind::Mute ? (value ? 1 : 0)
                                          : std::min(std::max(value, setup.minimum), setup.maximum);
        Store(m_card, detail::ControlId(line, kind), value);
        return true;
    }

private:
    UINT m_card;
    int m_listener = 0;
};

class SimMixerBackend final : public detail::MixerBackend {
public:
    UINT Count() override { return sim::CardCount(); }

    MMRESULT Open(UINT card, detail::ControlChanged changed,
                  std::unique_ptr<detail::MixerCard>& opened) override {
        if (State().failing.count(card)) {
            return MMSYSERR_ALLOCATED;
        }
        opened = std::make_unique<SimCard>(card, std::move(changed));
        return MMSYSERR_NOERROR;
    }
};

// The control id of a line's control, when the card has them.
bool Find(UINT card, DWORD component, DWORD controlType, DWORD& control) {
    const auto lines = LinesOf(card);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].component == component) {
            control = detail::ControlId(i, controlType == MIXERCONTROL_CONTROLTYPE_MUTE
                                               ? ControlKind::Mute
                                               : ControlKind::Volume);
            return true;
        }
    }
    return false;
}

} // namespace

namespace detail {

std::unique_ptr<MixerBackend> MakeSimMixerBackend() {
    return std::make_unique<SimMixerBackend>();
}

void ResetSimMixers() {
    State().cards.clear();
    State().failing.clear();
}

} // namespace detail

namespace sim {

void SetMixer(UINT card, MixerSetup setup) {
    Mixer(card) = CardMixer{setup, {}};
}

void FailMixerOpen(UINT card) {
    State().failing.insert(card);
}

void ChangeControl(UINT card, DWORD component, DWORD controlType, DWORD value) {
    DWORD control = 0;
    if (Find(card, component, controlType, control)) {
        Store(card, control, value);
    }
}

DWORD ControlValue(UINT card, DWORD component, DWORD controlType) {
    DWORD control = 0;
    return Find(card, component, controlType, control) ? ValueOf(card, control) : 0;
}

} // namespace sim
} // namespace hb::win::mm
