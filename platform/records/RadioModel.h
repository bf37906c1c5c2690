#pragma once
// One row of the radio model table: everything the program knows of a radio type, as data.

#include <array>
#include <cstdint>
#include <span>

namespace hb::records {

// A setting control's range: the knob runs from min to max; a device value v shows at
// (v - offset) / scale, and the default is given in device units. scale is never 0.
struct Descriptor {
    float min = 0;
    float max = 0;
    float scale = 1;
    float def = 0;
    float offset = 0;
    std::uint16_t granularity = 0; // 0 = any value
};

// Frequencies from lower to upper (both included) in steps of `step` Hz.
struct CoverageRow {
    std::uint32_t lower;
    std::uint32_t upper;
    std::uint32_t step;
};

struct Controls {
    Descriptor volume, squelch, bfo, gain, notch, vsc, voiceInversion, ifShift, filter2;
    Descriptor agcAttack, agcHang, agcDecay;
};

inline constexpr std::size_t kFunctionPageCapacity = 16;

struct FunctionPage {
    std::uint8_t count = 0;
    std::array<std::uint32_t, kFunctionPageCapacity> ids{};
};

struct Organisation {
    std::uint8_t banks = 1; // 1 to 20
    std::uint16_t channelsPerBank = 1;
    std::uint16_t idsPerBank = 0;
    std::uint16_t channels = 1;
    std::uint16_t ranges = 0;
    std::uint16_t firstBank = 0;
    std::uint16_t firstChannel = 0;
    bool flat = false; // channels numbered through all banks
    const char* bankLetters = "";
};

struct RadioModel {
    std::uint8_t type = 0;
    const char* name = "";
    // The capability words and the named flag words of the radio.
    std::uint32_t caps1 = 0;
    std::uint32_t features = 0;
    std::uint32_t caps3 = 0;
    std::uint32_t options = 0;
    std::uint32_t organisationFlags = 0;
    std::uint32_t sweepKnobs = 0;
    std::uint8_t engineKind = 0;
    // Handed to the audio logger of a radio that delivers its audio itself (caps1 0x1000).
    std::uint32_t driverWave = 0;
    std::uint8_t driverWaveBits = 0;
    std::span<const CoverageRow> coverage;
    const Controls* controls = nullptr;
    std::int16_t meterFloor = -127;  // dBm at raw level 0
    std::int16_t meterCeiling = -33; // dBm at the highest raw level
    std::uint8_t rawLevelMax = 255;
    std::uint16_t firstMemory = 0;
    std::uint16_t memoryCount = 0;
    std::uint32_t modes = 0; // bit m: mode code m
    std::uint8_t defaultMode = 0;
    std::span<const std::uint32_t> steps;
    std::uint32_t defaultStep = 0;
    std::span<const std::uint32_t> filters; // bandwidth in Hz of each filter code
    Organisation organisation;
    std::span<const std::uint32_t> memberKinds;
    std::span<const FunctionPage> pages;
    std::uint32_t systemTypes = 0;    // trunk systems tracked now
    std::uint32_t trackedSystems = 0; // trunk systems the radio can track at all
    // What the device of a trunk scanner reports of its model: the model code (4 to 7) and the
    // variant that tells two types of one model code apart.
    std::uint8_t trunkModel = 0;
    std::uint8_t modelVariant = 0;
    // A PC receiver fitted with the optional DSP unit.
    bool dspUnit = false;
};

// The `features` bit of a radio the program drives; the engine opens only such radios.
inline constexpr std::uint32_t kFeatureControl = 0x400;

// The row of a radio type; null when the type is unknown.
const RadioModel* FindRadioModel(std::uint8_t type);
// Every row of the table.
std::span<const RadioModel> RadioModels();

} // namespace hb::records
