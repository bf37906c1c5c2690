#pragma once
// The radio's setting knobs of the front panel as data: which control, which of the radio's
// descriptors converts its position, how the value is held, where it goes and under which name
// it is kept in the radio's section. The panel's reset, apply and save operations and its
// display of a record read the same rows.
#include "platform/records/Parm.h"
#include "platform/records/RadioModel.h"
#include "radioview/RadioView.h"

#include <cstdint>
#include <optional>
#include <span>

namespace hb::radioview {

// In the order of the panel's operations.
enum class SettingKnobKind : std::uint8_t {
    Squelch,
    Volume,
    BFO,
    Gain,
    Filter2,
    Filter,
    Notch,
    VSC,
    VoiceInversion,
    IFShift,
    AGCAttack,
    AGCHang,
    AGCDecay,
};

inline constexpr std::size_t kSettingKnobCount = 13;

// Where an applied value goes first: the radio at once, or the active VFO record that the
// periodic commit sends.
enum class KnobTarget : std::uint8_t { Rig, Record };

struct SettingKnob {
    SettingKnobKind kind;
    // The control id; `alternativeId` is bound instead on a form without it (0: none).
    UINT id;
    UINT alternativeId;
    CiKnobX CRadioView::*knob;
    // Null for the filter knob, which counts the radio's filter codes from 1.
    const hb::records::Descriptor hb::records::Controls::*descriptor;
    // The converted value is held to these before it is made whole.
    double low;
    double high;
    // The value is cut to a multiple of the descriptor's granularity (when that is not 0).
    bool granular;
    // A press on the knob puts the panel in manual mode.
    bool pressEntersManual;
    // The event id of a position change the panel binds.
    long applyEvent;
    KnobTarget target;
    // After a record-only apply the radio checks the record; a field it changed is shown again.
    bool checksRecord;
    // The record's field the knob shows; its value as a whole number, and back.
    std::int64_t (*read)(const parm& record);
    void (*write)(parm& record, std::int64_t value);
    LPCSTR profileValue;
};

// The thirteen knobs, in the order of SettingKnobKind.
std::span<const SettingKnob> SettingKnobs();
const SettingKnob& SettingKnobOf(SettingKnobKind kind);

// Halves up, by the fractional part.
double RoundHalfUp(double position);
// A knob position through its descriptor: (min + round(p - min)) x scale + offset, held to the
// knob's limits and made whole toward zero, then cut to the granularity when the knob has one.
std::int64_t ConvertPosition(const SettingKnob& knob, const hb::records::Descriptor& d,
                             double position);
// The position that shows a stored value; none for a scale of 0.
std::optional<double> PositionOf(const hb::records::Descriptor& d, double value);
// Puts a bound knob on a stored value without an event; a scale of 0 leaves it where it is.
void ShowStoredValue(CiKnobX& knob, const hb::records::Descriptor& d, double value);

} // namespace hb::radioview
