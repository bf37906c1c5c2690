#include "platform/tessary/audio/Mixer.h"

#include "platform/afx/CComboBox.h"
#include "platform/records/MixerLines.h"
#include "platform/tessary/audio/AudioCalls.h"
#include "platform/win/mm/Devices.h"

#include <map>
#include <set>

using hb::tessary::detail::Arg;
using hb::tessary::detail::RecordAudioCall;

std::vector<CMixer::Source> CMixer::m_mix_list;

namespace {

struct MixerState {
    std::map<std::int32_t, std::int32_t> outputs;
    std::set<std::int32_t> inUse;
};

MixerState& State() {
    static MixerState state;
    return state;
}

UINT CardOf(std::int32_t line) {
    return (static_cast<std::uint32_t>(line) >> 24) & 0xFF;
}

} // namespace

void CMixer::BuildAudioDeviceList(int mode) {
    RecordAudioCall(nullptr, "BuildAudioDeviceList", {Arg(mode)});
    m_mix_list.clear();
    for (const hb::win::mm::DeviceInfo& device : hb::win::mm::CaptureDevices()) {
        m_mix_list.push_back({device.name, LineOf(device.card, device.device), device.card, FALSE});
    }
}

std::int32_t CMixer::MapInputToOutput(std::int32_t input) {
    RecordAudioCall(nullptr, "MapInputToOutput", {Arg(input)});
    if (!hb::records::HasMixerSource(input)) {
        return hb::records::kMixerLineNone;
    }
    if (const auto it = State().outputs.find(input); it != State().outputs.end()) {
        return it->second;
    }
    for (const hb::win::mm::DeviceInfo& device : hb::win::mm::PlaybackDevices()) {
        if (device.card == CardOf(input)) {
            return LineOf(device.card, device.device);
        }
    }
    return hb::records::kMixerLineNone;
}

void CMixer::SetSourceInUse(std::int32_t line, int inUse) {
    RecordAudioCall(nullptr, "SetSourceInUse", {Arg(line), Arg(inUse)});
    if (inUse) {
        State().inUse.insert(line);
    } else {
        State().inUse.erase(line);
    }
    if (!hb::records::HasMixerSource(line)) {
        return;
    }
    for (Source& source : m_mix_list) {
        if (source.mixer == CardOf(line)) {
            source.inUse = inUse ? TRUE : FALSE;
        }
    }
}

void CMixer::EnumerateOutputs(CComboBox* combo, const char* text) {
    RecordAudioCall(nullptr, "EnumerateOutputs", {Arg(combo, "combo"), text ? text : "null"});
    if (!combo) {
        return;
    }
    combo->ResetContent();
    combo->SetItemData(combo->AddString("Default Output"),
                       static_cast<DWORD_PTR>(hb::records::kMixerLineDefaultMonitor));
    for (const hb::win::mm::DeviceInfo& device : hb::win::mm::PlaybackDevices()) {
        combo->SetItemData(combo->AddString(device.name.c_str()),
                           static_cast<DWORD_PTR>(LineOf(device.card, device.device)));
    }
    const int chosen = text ? combo->FindStringExact(-1, text) : CB_ERR;
    combo->SetCurSel(chosen == CB_ERR ? 0 : chosen);
}

void CMixer::SetOutputFor(std::int32_t input, std::int32_t output) {
    State().outputs[input] = output;
}

bool CMixer::IsSourceInUse(std::int32_t line) {
    return State().inUse.contains(line);
}

void CMixer::ResetForTests() {
    State() = MixerState{};
    m_mix_list.clear();
}
