#include "platform/win/mm/Mixer.h"

#include "platform/win/core/Messages.h"
#include "platform/win/mm/Devices.h"
#include "platform/win/mm/MixerDevice.h"

#include <cstdint>
#include <cstring>
#include <map>
#include <optional>

namespace hb::win::mm {
namespace {

using detail::ControlKind;
using detail::MixerCard;

struct MixerState {
    std::optional<Backend> builtFor;
    std::unique_ptr<detail::MixerBackend> backend;
    std::map<HMIXER, std::unique_ptr<MixerCard>> open;
    // Handles are never reused, so a stale one is refused.
    HMIXER nextHandle = 1;
};

MixerState& State() {
    static MixerState state;
    return state;
}

// Null with no sound at all.
detail::MixerBackend* MixerBackendNow() {
    MixerState& state = State();
    const Backend current = CurrentBackend();
    if (state.builtFor != current) {
        state.open.clear();
        state.builtFor = current;
        state.backend.reset();
        if (current == Backend::Alsa) {
            state.backend = detail::MakeAlsaMixerBackend();
        } else if (current == Backend::Simulated) {
            state.backend = detail::MakeSimMixerBackend();
        }
    }
    return state.backend.get();
}

MixerCard* Find(HMIXER handle) {
    const auto it = State().open.find(handle);
    return it != State().open.end() ? it->second.get() : nullptr;
}

struct Control {
    std::size_t line = 0;
    ControlKind kind = ControlKind::Volume;
};

std::optional<Control> ControlOf(MixerCard& card, DWORD id) {
    const std::size_t line = id / 2;
    const ControlKind kind = id % 2 ? ControlKind::Mute : ControlKind::Volume;
    const auto lines = card.Lines();
    if (line >= lines.size() ||
        !(kind == ControlKind::Mute ? lines[line].mute : lines[line].volume)) {
        return std::nullopt;
    }
    return Control{line, kind};
}

bool OneValue(const MIXERCONTROLDETAILS* details) {
    return details && details->cChannels == 1 && details->cMultipleItems == 0 &&
           details->cbDetails >= sizeof(MIXERCONTROLDETAILS_UNSIGNED) && details->paDetails;
}

} // namespace

std::size_t OpenMixerCount() {
    return State().open.size();
}

namespace detail {

void DropMixers() {
    State().open.clear();
    State().builtFor.reset();
    State().backend.reset();
}

} // namespace detail
} // namespace hb::win::mm

using namespace hb::win::mm;

UINT mixerGetNumDevs() {
    detail::MixerBackend* backend = MixerBackendNow();
    return backend ? backend->Count() : 0;
}

MMRESULT mixerOpen(HMIXER* handle, UINT device, DWORD_PTR callback, DWORD_PTR, DWORD flags) {
    if (!handle) {
        return MMSYSERR_INVALPARAM;
    }
    if (flags != 0 && flags != CALLBACK_WINDOW) {
        return MMSYSERR_INVALFLAG;
    }
    detail::MixerBackend* backend = MixerBackendNow();
    if (!backend) {
        return MMSYSERR_NODRIVER;
    }
    if (device >= backend->Count()) {
        return MMSYSERR_BADDEVICEID;
    }
    const HMIXER id = State().nextHandle;
    const HWND window =
        flags == CALLBACK_WINDOW ? HWND(static_cast<std::uint32_t>(callback)) : HWND{};
    detail::ControlChanged changed = [window, id](DWORD control) {
        if (window) {
            PostMessage(window, MM_MIXM_CONTROL_CHANGE, id, control);
        }
    };
    std::unique_ptr<MixerCard> card;
    if (const MMRESULT result = backend->Open(device, std::move(changed), card)) {
        return result;
    }
    ++State().nextHandle;
    State().open[id] = std::move(card);
    *handle = id;
    return MMSYSERR_NOERROR;
}

MMRESULT mixerClose(HMIXER handle) {
    return State().open.erase(handle) ? MMSYSERR_NOERROR : MMSYSERR_INVALHANDLE;
}

MMRESULT mixerGetLineInfoA(HMIXER handle, MIXERLINEA* line, DWORD flags) {
    MixerCard* card = Find(handle);
    if (!card) {
        return MMSYSERR_INVALHANDLE;
    }
    if (!line || (flags & ~MIXER_OBJECTF_HMIXER) != MIXER_GETLINEINFOF_COMPONENTTYPE) {
        return MMSYSERR_INVALPARAM;
    }
    const auto lines = card->Lines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].component == line->dwComponentType) {
            line->dwLineID = static_cast<DWORD>(i);
            line->cChannels = 1;
            line->cControls = (lines[i].volume ? 1 : 0) + (lines[i].mute ? 1 : 0);
            std::strncpy(line->szName, lines[i].name.c_str(), sizeof(line->szName) - 1);
            line->szName[sizeof(line->szName) - 1] = '\0';
            return MMSYSERR_NOERROR;
        }
    }
    return MIXERR_INVALLINE;
}

MMRESULT mixerGetLineControlsA(HMIXER handle, MIXERLINECONTROLSA* controls, DWORD flags) {
    MixerCard* card = Find(handle);
    if (!card) {
        return MMSYSERR_INVALHANDLE;
    }
    if (!controls || (flags & ~MIXER_OBJECTF_HMIXER) != MIXER_GETLINECONTROLSF_ONEBYTYPE ||
        controls->cControls != 1 || controls->cbmxctrl < sizeof(MIXERCONTROLA) ||
        !controls->pamxctrl) {
        return MMSYSERR_INVALPARAM;
    }
    const auto lines = card->Lines();
    if (controls->dwLineID >= lines.size()) {
        return MIXERR_INVALLINE;
    }
    const detail::MixerLine& line = lines[controls->dwLineID];
    ControlKind kind = ControlKind::Volume;
    if (controls->dwControlType == MIXERCONTROL_CONTROLTYPE_VOLUME && line.volume) {
        kind = ControlKind::Volume;
    } else if (controls->dwControlType == MIXERCONTROL_CONTROLTYPE_MUTE && line.mute) {
        kind = ControlKind::Mute;
    } else {
        return MIXERR_INVALCONTROL;
    }
    MIXERCONTROLA& control = *controls->pamxctrl;
    control.dwControlID = detail::ControlId(controls->dwLineID, kind);
    control.dwControlType = controls->dwControlType;
    const bool volume = kind == ControlKind::Volume;
    std::strcpy(control.szName, volume ? "Volume" : "Mute");
    control.Bounds.dwMinimum = volume ? line.minimum : 0;
    control.Bounds.dwMaximum = volume ? line.maximum : 1;
    return MMSYSERR_NOERROR;
}

MMRESULT mixerGetControlDetailsA(HMIXER handle, MIXERCONTROLDETAILS* details, DWORD) {
    MixerCard* card = Find(handle);
    if (!card) {
        return MMSYSERR_INVALHANDLE;
    }
    if (!OneValue(details)) {
        return MMSYSERR_INVALPARAM;
    }
    const auto control = ControlOf(*card, details->dwControlID);
    if (!control) {
        return MIXERR_INVALCONTROL;
    }
    DWORD value = 0;
    if (!card->Get(control->line, control->kind, value)) {
        return MMSYSERR_ERROR;
    }
    static_cast<MIXERCONTROLDETAILS_UNSIGNED*>(details->paDetails)->dwValue = value;
    return MMSYSERR_NOERROR;
}

MMRESULT mixerSetControlDetails(HMIXER handle, const MIXERCONTROLDETAILS* details, DWORD) {
    MixerCard* card = Find(handle);
    if (!card) {
        return MMSYSERR_INVALHANDLE;
    }
    if (!OneValue(details)) {
        return MMSYSERR_INVALPARAM;
    }
    const auto control = ControlOf(*card, details->dwControlID);
    if (!control) {
        return MIXERR_INVALCONTROL;
    }
    const DWORD value =
        static_cast<const MIXERCONTROLDETAILS_UNSIGNED*>(details->paDetails)->dwValue;
    return card->Set(control->line, control->kind, value) ? MMSYSERR_NOERROR : MMSYSERR_ERROR;
}
