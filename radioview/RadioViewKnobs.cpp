// The radio's setting knobs: each knob's reset, apply and save, by its row of the knob table.
#include "app/rig/Rig.h"
#include "platform/tessary/model/Radio.h"
#include "radioview/RadioView.h"
#include "radioview/SettingKnobs.h"

using hb::radioview::ConvertPosition;
using hb::radioview::RoundHalfUp;
using hb::radioview::SettingKnob;
using hb::radioview::SettingKnobKind;
using hb::radioview::SettingKnobOf;
using hb::radioview::ShowStoredValue;

namespace {

using Operation = void (CRadioView::*)();

// The members' own apply and save, so that a model's panel overriding one is heard.
struct KnobOperations {
    Operation apply;
    Operation save;
};

constexpr KnobOperations kOperations[] = {
    {&CRadioView::ApplySquelch, &CRadioView::SaveSquelch},
    {&CRadioView::ApplyVolume, &CRadioView::SaveVolume},
    {&CRadioView::ApplyBFO, &CRadioView::SaveBFO},
    {&CRadioView::ApplyGain, &CRadioView::SaveGain},
    {&CRadioView::ApplyFilter2, &CRadioView::SaveFilter2},
    {&CRadioView::ApplyFilter, &CRadioView::SaveFilter},
    {&CRadioView::ApplyNotch, &CRadioView::SaveNotch},
    {&CRadioView::ApplyVSC, &CRadioView::SaveVSC},
    {&CRadioView::ApplyVoiceInversion, &CRadioView::SaveVoiceInversion},
    {&CRadioView::ApplyIFShift, &CRadioView::SaveIFShift},
    {&CRadioView::ApplyAGCAttack, &CRadioView::SaveAGCAttack},
    {&CRadioView::ApplyAGCHang, &CRadioView::SaveAGCHang},
    {&CRadioView::ApplyAGCDecay, &CRadioView::SaveAGCDecay},
};

const KnobOperations& OperationsOf(SettingKnobKind kind) {
    return kOperations[static_cast<std::size_t>(kind)];
}

// The filter code of a filter knob position, counted from 1 and wrapping both ways.
std::uint8_t FilterCodeAt(double position, std::size_t count) {
    const auto n = static_cast<std::int64_t>(count);
    const auto code = (static_cast<std::int64_t>(RoundHalfUp(position)) - 1) % n;
    return static_cast<std::uint8_t>((code + n) % n);
}

} // namespace

void CRadioView::ResetKnob(SettingKnobKind kind) {
    const SettingKnob& row = SettingKnobOf(kind);
    CiKnobX& knob = this->*row.knob;
    const Radio* radio = TheRadio();
    if (!knob.m_hWnd || !radio) {
        return;
    }
    const KnobOperations& operations = OperationsOf(kind);
    if (kind == SettingKnobKind::Filter) {
        parm& record = ActiveVfo();
        const std::uint8_t code = radio->FilterCode(record.get(parm::kBandwidth));
        record.set(parm::kFilter, code);
        knob.SetPosition(code + 1);
        (this->*operations.save)();
        return;
    }
    knob.SetPosition((radio->controls().*row.descriptor).def);
    if (kind != SettingKnobKind::Filter2) {
        (this->*operations.apply)();
    }
    (this->*operations.save)();
}

void CRadioView::ApplyKnob(SettingKnobKind kind) {
    const SettingKnob& row = SettingKnobOf(kind);
    CiKnobX& knob = this->*row.knob;
    const Radio* radio = TheRadio();
    if (!knob.m_hWnd || !radio) {
        return;
    }
    parm& record = ActiveVfo();
    const double position = knob.GetPosition();
    const auto converted = [&] {
        return ConvertPosition(row, radio->controls().*row.descriptor, position);
    };
    switch (kind) {
    case SettingKnobKind::Squelch: {
        const std::uint32_t level = radio->SquelchToDevice(RoundHalfUp(position));
        m_rig->SetSquelch(&level);
        if (m_manualMode) {
            record.set(parm::kSquelch, static_cast<std::uint8_t>(level));
            record.set(parm::kRequestFlags,
                       record.get(parm::kRequestFlags) | parm::kRequestSquelch);
        }
        return;
    }
    case SettingKnobKind::Volume: {
        const auto level = static_cast<std::uint32_t>(converted());
        m_rig->SetVolume(&level);
        // The value sent, not the raw position: the commit sends this byte again.
        record.set(parm::kVolume, static_cast<std::uint8_t>(level));
        record.set(parm::kRequestFlags, record.get(parm::kRequestFlags) | parm::kRequestVolume);
        return;
    }
    case SettingKnobKind::VSC: {
        const auto level = static_cast<std::uint32_t>(converted());
        m_rig->SetVsc(level);
        if (m_manualMode) {
            record.set(parm::kVscLevel, static_cast<std::uint8_t>(level));
        }
        return;
    }
    case SettingKnobKind::Filter: {
        // A radio without filters has nothing to choose from.
        if (radio->filterCount() == 0) {
            return;
        }
        const std::uint8_t code = FilterCodeAt(position, radio->filterCount());
        record.set(parm::kFilter, code);
        record.set(parm::kBandwidth, radio->FilterBandwidth(code));
        break;
    }
    case SettingKnobKind::Filter2: {
        const std::uint32_t bandwidth =
            radio->NormaliseBandwidth(static_cast<std::uint32_t>(converted()));
        record.set(parm::kBandwidth, bandwidth);
        record.set(parm::kFilter, radio->FilterCode(bandwidth));
        break;
    }
    default:
        row.write(record, converted());
        break;
    }
    if (row.checksRecord) {
        const std::int64_t stored = row.read(record);
        if (radio->CheckRecord(record) && row.read(record) != stored) {
            if (kind == SettingKnobKind::Filter) {
                knob.SetPosition(record.get(parm::kFilter) + 1);
            } else {
                ShowStoredValue(knob, radio->controls().*row.descriptor,
                                static_cast<double>(row.read(record)));
            }
        }
    }
    if (kind == SettingKnobKind::Filter || kind == SettingKnobKind::Filter2) {
        FormatStep(&record);
    }
    if (kind == SettingKnobKind::Filter) {
        NormaliseParm(&record);
        OnFrequencyChanged();
    }
}

void CRadioView::SaveKnob(SettingKnobKind kind) {
    const SettingKnob& row = SettingKnobOf(kind);
    CiKnobX& knob = this->*row.knob;
    const Radio* radio = TheRadio();
    if (!knob.m_hWnd || !radio) {
        return;
    }
    const parm& record = ActiveVfo();
    std::int64_t value = 0;
    switch (kind) {
    case SettingKnobKind::Squelch:
        value = static_cast<std::int64_t>(RoundHalfUp(knob.GetPosition()));
        break;
    case SettingKnobKind::Volume:
    case SettingKnobKind::VSC:
        value = ConvertPosition(row, radio->controls().*row.descriptor, knob.GetPosition());
        break;
    case SettingKnobKind::Filter:
        (this->*OperationsOf(kind).apply)();
        value = static_cast<std::int64_t>(RoundHalfUp(knob.GetPosition()));
        break;
    case SettingKnobKind::Filter2:
        (this->*OperationsOf(kind).apply)();
        value = record.get(parm::kBandwidth);
        break;
    case SettingKnobKind::VoiceInversion:
        value = record.get(parm::kVoiceInversionOn);
        break;
    case SettingKnobKind::BFO:
    case SettingKnobKind::IFShift:
    case SettingKnobKind::AGCAttack:
    case SettingKnobKind::AGCHang:
    case SettingKnobKind::AGCDecay:
        value = row.read(record);
        ShowStoredValue(knob, radio->controls().*row.descriptor, static_cast<double>(value));
        break;
    default:
        value = row.read(record);
        break;
    }
    SaveSetting(row.profileValue, static_cast<int>(value));
}

void CRadioView::OnInstrumentClick() {
    EnterManualMode();
}

// clang-format off
void CRadioView::ResetSquelch() { ResetKnob(SettingKnobKind::Squelch); }
void CRadioView::ApplySquelch() { ApplyKnob(SettingKnobKind::Squelch); }
void CRadioView::SaveSquelch() { SaveKnob(SettingKnobKind::Squelch); }
void CRadioView::ResetVolume() { ResetKnob(SettingKnobKind::Volume); }
void CRadioView::ApplyVolume() { ApplyKnob(SettingKnobKind::Volume); }
void CRadioView::SaveVolume() { SaveKnob(SettingKnobKind::Volume); }
void CRadioView::ResetBFO() { ResetKnob(SettingKnobKind::BFO); }
void CRadioView::ApplyBFO() { ApplyKnob(SettingKnobKind::BFO); }
void CRadioView::SaveBFO() { SaveKnob(SettingKnobKind::BFO); }
void CRadioView::ResetGain() { ResetKnob(SettingKnobKind::Gain); }
void CRadioView::ApplyGain() { ApplyKnob(SettingKnobKind::Gain); }
void CRadioView::SaveGain() { SaveKnob(SettingKnobKind::Gain); }
void CRadioView::ResetFilter2() { ResetKnob(SettingKnobKind::Filter2); }
void CRadioView::ApplyFilter2() { ApplyKnob(SettingKnobKind::Filter2); }
void CRadioView::SaveFilter2() { SaveKnob(SettingKnobKind::Filter2); }
void CRadioView::ResetFilter() { ResetKnob(SettingKnobKind::Filter); }
void CRadioView::ApplyFilter() { ApplyKnob(SettingKnobKind::Filter); }
void CRadioView::SaveFilter() { SaveKnob(SettingKnobKind::Filter); }
void CRadioView::ResetNotch() { ResetKnob(SettingKnobKind::Notch); }
void CRadioView::ApplyNotch() { ApplyKnob(SettingKnobKind::Notch); }
void CRadioView::SaveNotch() { SaveKnob(SettingKnobKind::Notch); }
void CRadioView::ResetVSC() { ResetKnob(SettingKnobKind::VSC); }
void CRadioView::ApplyVSC() { ApplyKnob(SettingKnobKind::VSC); }
void CRadioView::SaveVSC() { SaveKnob(SettingKnobKind::VSC); }
void CRadioView::ResetVoiceInversion() { ResetKnob(SettingKnobKind::VoiceInversion); }
void CRadioView::ApplyVoiceInversion() { ApplyKnob(SettingKnobKind::VoiceInversion); }
void CRadioView::SaveVoiceInversion() { SaveKnob(SettingKnobKind::VoiceInversion); }
void CRadioView::ResetIFShift() { ResetKnob(SettingKnobKind::IFShift); }
void CRadioView::ApplyIFShift() { ApplyKnob(SettingKnobKind::IFShift); }
void CRadioView::SaveIFShift() { SaveKnob(SettingKnobKind::IFShift); }
void CRadioView::ResetAGCAttack() { ResetKnob(SettingKnobKind::AGCAttack); }
void CRadioView::ApplyAGCAttack() { ApplyKnob(SettingKnobKind::AGCAttack); }
void CRadioView::SaveAGCAttack() { SaveKnob(SettingKnobKind::AGCAttack); }
void CRadioView::ResetAGCHang() { ResetKnob(SettingKnobKind::AGCHang); }
void CRadioView::ApplyAGCHang() { ApplyKnob(SettingKnobKind::AGCHang); }
void CRadioView::SaveAGCHang() { SaveKnob(SettingKnobKind::AGCHang); }
void CRadioView::ResetAGCDecay() { ResetKnob(SettingKnobKind::AGCDecay); }
void CRadioView::ApplyAGCDecay() { ApplyKnob(SettingKnobKind::AGCDecay); }
void CRadioView::SaveAGCDecay() { SaveKnob(SettingKnobKind::AGCDecay); }
// clang-format on
