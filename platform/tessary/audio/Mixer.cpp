#include "platform/tessary/audio/Mixer.h"

#include "platform/records/MixerLines.h"
#include "platform/tessary/audio/AudioCalls.h"

#include <map>
#include <set>

using hb::tessary::detail::Arg;
using hb::tessary::detail::RecordAudioCall;

namespace {

struct MixerState {
    std::map<std::int32_t, std::int32_t> outputs;
    std::set<std::int32_t> inUse;
};

MixerState& State() {
    static MixerState state;
    return state;
}

} // namespace

void CMixer::BuildAudioDeviceList(int mode) {
    RecordAudioCall(nullptr, "BuildAudioDeviceList", {Arg(mode)});
}

std::int32_t CMixer::MapInputToOutput(std::int32_t input) {
    RecordAudioCall(nullptr, "MapInputToOutput", {Arg(input)});
    if (!hb::records::HasMixerSource(input)) {
        return hb::records::kMixerLineNone;
    }
    const auto it = State().outputs.find(input);
    return it == State().outputs.end() ? hb::records::kMixerLineNone : it->second;
}

void CMixer::SetSourceInUse(std::int32_t line, int inUse) {
    RecordAudioCall(nullptr, "SetSourceInUse", {Arg(line), Arg(inUse)});
    if (inUse) {
        State().inUse.insert(line);
    } else {
        State().inUse.erase(line);
    }
}

void CMixer::SetOutputFor(std::int32_t input, std::int32_t output) {
    State().outputs[input] = output;
}

bool CMixer::IsSourceInUse(std::int32_t line) {
    return State().inUse.contains(line);
}

void CMixer::ResetForTests() {
    State() = MixerState{};
}
