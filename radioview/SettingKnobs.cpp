#include "radioview/SettingKnobs.h"

#include "radioview/PanelCommands.h"
#include "resources/ResourceIds.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace hb::radioview {

namespace {

using hb::records::Controls;
using hb::records::Descriptor;

constexpr long kPositionChange = 18;
// The VSC and voice inversion knobs answer the other position-change id.
constexpr long kPositionChangeOld = 4;
constexpr double kByte = 255;
constexpr double kSignedWord = 32767;
constexpr double kWord = 65535;
constexpr double kLongest = 4294967295.0;

template <auto Field>
std::int64_t Read(const parm& record) {
    return record.get(Field);
}

template <auto Field>
void Write(parm& record, std::int64_t value) {
    using T = decltype(parm().get(Field));
    record.set(Field, static_cast<T>(value));
}

template <auto Field>
constexpr auto kField = std::pair{&Read<Field>, &Write<Field>};

constexpr SettingKnob Row(SettingKnobKind kind, UINT id, CiKnobX CRadioView::*knob,
                          const Descriptor Controls::*descriptor, double low, double high,
                          bool pressEntersManual, KnobTarget target, auto field, LPCSTR name,
                          bool granular = false, long applyEvent = kPositionChange,
                          UINT alternativeId = 0) {
    // Only the voice inversion and AGC knobs write the record unchecked.
    const bool checksRecord = target == KnobTarget::Record &&
                              kind != SettingKnobKind::VoiceInversion &&
                              kind != SettingKnobKind::AGCAttack &&
                              kind != SettingKnobKind::AGCHang && kind != SettingKnobKind::AGCDecay;
    return {kind,        id,           alternativeId,
            knob,        descriptor,   low,
            high,        granular,     pressEntersManual,
            applyEvent,  target,       checksRecord,
            field.first, field.second, name};
}

using K = SettingKnobKind;
using V = CRadioView;
constexpr auto kRig = KnobTarget::Rig;
constexpr auto kRecord = KnobTarget::Record;

const std::array<SettingKnob, kSettingKnobCount> kKnobs = {
    Row(K::Squelch, IDC_SQUELCH_KNOB, &V::m_squelchKnob, &Controls::squelch, 0, kByte, false, kRig,
        kField<parm::kSquelch>, "Squelch"),
    Row(K::Volume, IDC_VOLUME_SETTING, &V::m_volumeSetting, &Controls::volume, 0, kByte, false,
        kRig, kField<parm::kVolume>, "Volume"),
    Row(K::BFO, IDC_BFO_KNOB, &V::m_bfoKnob, &Controls::bfo, -kSignedWord, kSignedWord, true,
        kRecord, kField<parm::kBfo>, "BFO", true),
    Row(K::Gain, IDC_GAIN_KNOB, &V::m_gainKnob, &Controls::gain, 0, kByte, true, kRecord,
        kField<parm::kGain>, "Gain"),
    Row(K::Filter2, IDC_FILTER_2_KNOB, &V::m_filter2Knob, &Controls::filter2, 0, kLongest, true,
        kRecord, kField<parm::kBandwidth>, "Filter"),
    Row(K::Filter, IDC_FILTER_KNOB, &V::m_filterKnob, nullptr, 0, kByte, true, kRecord,
        kField<parm::kFilter>, "Filter"),
    Row(K::Notch, IDC_NOTCH_KNOB, &V::m_notchKnob, &Controls::notch, -kSignedWord, kSignedWord,
        true, kRecord, kField<parm::kNotch>, "Notch"),
    Row(K::VSC, IDC_VSC_KNOB, &V::m_vscKnob, &Controls::vsc, 0, kByte, false, kRig,
        kField<parm::kVscLevel>, "VSC", false, kPositionChangeOld, kVscKnobAlternative),
    Row(K::VoiceInversion, IDC_VOICE_INVERSION_KNOB, &V::m_voiceInversionKnob,
        &Controls::voiceInversion, 0, kSignedWord, true, kRecord, kField<parm::kVoiceInversion>,
        "VoiceInversion", false, kPositionChangeOld),
    Row(K::IFShift, IDC_IF_SHIFT_KNOB, &V::m_ifShiftKnob, &Controls::ifShift, -kSignedWord,
        kSignedWord, true, kRecord, kField<parm::kIfShift>, "IFShift", true),
    Row(K::AGCAttack, IDC_AGC_ATTACK_KNOB, &V::m_agcAttackKnob, &Controls::agcAttack, 0, kWord,
        true, kRecord, kField<parm::kAgcAttack>, "Attack"),
    Row(K::AGCHang, IDC_AGC_HANG_KNOB, &V::m_agcHangKnob, &Controls::agcHang, 0, kWord, true,
        kRecord, kField<parm::kAgcHang>, "Hang"),
    Row(K::AGCDecay, IDC_AGC_DECAY_KNOB, &V::m_agcDecayKnob, &Controls::agcDecay, 0, kWord, true,
        kRecord, kField<parm::kAgcDecay>, "Decay"),
};

} // namespace

std::span<const SettingKnob> SettingKnobs() {
    return kKnobs;
}

const SettingKnob& SettingKnobOf(SettingKnobKind kind) {
    return kKnobs[static_cast<std::size_t>(kind)];
}

double RoundHalfUp(double position) {
    double whole = 0;
    const double fraction = std::modf(position, &whole);
    if (fraction >= 0.5) {
        return whole + 1;
    }
    // Below zero the whole part lies above the position: halves up means toward it.
    return fraction < -0.5 ? whole - 1 : whole;
}

std::int64_t ConvertPosition(const SettingKnob& knob, const Descriptor& d, double position) {
    const double value = (d.min + RoundHalfUp(position - d.min)) * d.scale + d.offset;
    if (std::isnan(value)) {
        return 0;
    }
    auto whole = static_cast<std::int64_t>(std::trunc(std::clamp(value, knob.low, knob.high)));
    if (knob.granular && d.granularity != 0) {
        whole -= whole % d.granularity;
    }
    return whole;
}

std::optional<double> PositionOf(const Descriptor& d, double value) {
    if (d.scale == 0) {
        return std::nullopt;
    }
    return (value - d.offset) / d.scale;
}

void ShowStoredValue(CiKnobX& knob, const Descriptor& d, double value) {
    if (!knob.m_hWnd) {
        return;
    }
    if (const auto position = PositionOf(d, value)) {
        knob.SetPosition(*position);
    }
}

} // namespace hb::radioview
