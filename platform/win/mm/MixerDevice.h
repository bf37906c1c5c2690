#pragma once
// What a backend gives the mixer functions: a card's lines and the values of their controls. The
// mixer functions keep the handles and check the arguments.

#include "platform/win/mm/Mixer.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace hb::win::mm::detail {

enum class ControlKind { Volume, Mute };

struct MixerLine {
    DWORD component = 0;
    std::string name;
    bool volume = false;
    bool mute = false;
    DWORD minimum = 0;
    DWORD maximum = 0;
};

// A control is named by its line's place in Lines() and its kind.
inline DWORD ControlId(std::size_t line, ControlKind kind) {
    return static_cast<DWORD>(line * 2 + (kind == ControlKind::Mute ? 1 : 0));
}

// One open card. Destroying it stops its reports.
class MixerCard {
public:
    virtual ~MixerCard() = default;
    virtual std::vector<MixerLine> Lines() = 0;
    virtual bool Get(std::size_t line, ControlKind kind, DWORD& value) = 0;
    virtual bool Set(std::size_t line, ControlKind kind, DWORD value) = 0;
};

// Called with the control id for every change of the card's controls; it may run on a device
// thread, so it only posts.
using ControlChanged = std::function<void(DWORD control)>;

class MixerBackend {
public:
    virtual ~MixerBackend() = default;
    virtual UINT Count() = 0;
    virtual MMRESULT Open(UINT card, ControlChanged changed,
                          std::unique_ptr<MixerCard>& opened) = 0;
};

std::unique_ptr<MixerBackend> MakeAlsaMixerBackend();
std::unique_ptr<MixerBackend> MakeSimMixerBackend();
// The wave functions switch backends; every open mixer is dropped without a message.
void DropMixers();
// Forgets the simulated cards' mixers.
void ResetSimMixers();

} // namespace hb::win::mm::detail
