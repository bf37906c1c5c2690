#include "radioview/CompareParm.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace {

using Test = bool (*)(const parm&, const parm&);

template <auto F>
bool Differs(const parm& a, const parm& b) {
    return !std::ranges::equal(a.view(F), b.view(F));
}

template <std::size_t K>
inline constexpr hb::records::Field<std::uint8_t, parm::kModelBytes.kOffset + K> kModelByte{};

// Compared like a C string of at most 16 characters: blanks and NULs differ, and nothing after a
// NUL that both names share counts.
bool NameDiffers(const parm& a, const parm& b) {
    const auto x = a.view(parm::kName);
    const auto y = b.view(parm::kName);
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (x[i] != y[i]) {
            return true;
        }
        if (x[i] == 0) {
            return false;
        }
    }
    return false;
}

bool OptionsDiffer(const parm& a, const parm& b) {
    return ((a.get(parm::kOptionFlags) ^ b.get(parm::kOptionFlags)) & parm::kOptionCompareMask) !=
           0;
}

// The order fixes the codes, so the gain (93) comes before the switch at 92, and the switch at 94
// after the priority.
constexpr std::array<Test, 39> kTests = {
    &Differs<parm::kFrequency>,
    &Differs<parm::kStep>,
    &Differs<parm::kStart>,
    &Differs<parm::kEnd>,
    &Differs<parm::kObjectHandle>,
    &Differs<parm::kNotch>,
    &Differs<parm::kBandwidth>,
    &Differs<parm::kBfo>,
    &Differs<parm::kIfShift>,
    &Differs<parm::kMode>,
    &Differs<parm::kControlByte90>,
    &Differs<parm::kFilter>,
    &Differs<parm::kGain>,
    &Differs<parm::kSwitch92>,
    &Differs<parm::kSwitch95>,
    &Differs<parm::kSwitch96>,
    &Differs<parm::kVoiceInversionOn>,
    &Differs<parm::kChangeByte>,
    &Differs<parm::kControlByte109>,
    &Differs<parm::kControlByte110>,
    &Differs<parm::kPriority>,
    &Differs<parm::kSwitch94>,
    &Differs<parm::kVoiceInversion>,
    &Differs<parm::kControlWord72>,
    &Differs<parm::kNoiseReducer>,
    &Differs<parm::kControlWord76>,
    &Differs<parm::kAgcAttack>,
    &Differs<parm::kAgcHang>,
    &Differs<parm::kAgcDecay>,
    &NameDiffers,
    &OptionsDiffer,
    &Differs<kModelByte<0>>,
    &Differs<kModelByte<1>>,
    &Differs<kModelByte<2>>,
    &Differs<kModelByte<3>>,
    &Differs<kModelByte<4>>,
    &Differs<kModelByte<5>>,
    &Differs<kModelByte<6>>,
    &Differs<kModelByte<7>>,
};

constexpr ParmChangeCode kCodeStep = 3;

} // namespace

ParmChangeCode CompareParm(const parm& a, const parm& b) {
    for (std::size_t n = 0; n < kTests.size(); ++n) {
        if (kTests[n](a, b)) {
            return kParmFrequencyChanged + kCodeStep * static_cast<ParmChangeCode>(n);
        }
    }
    return kParmUnchanged;
}
