#include "platform/tessary/model/SweepValues.h"

#include "platform/records/ModeNames.h"
#include "platform/tessary/model/BandPlan.h"

#include <algorithm>

namespace hb::tessary {

namespace {

using hb::records::ModeName;

constexpr std::uint32_t kFeatureSweep = 0x800;
constexpr std::uint32_t kFeatureHf = 0x100;
constexpr std::uint32_t kNarrowFm = 12'500;

bool Supports(const hb::records::RadioModel& model, std::uint8_t mode) {
    return (model.modes >> mode & 1) != 0;
}

// The mode a filter of this width is normally swept with, where the radio has it.
std::uint8_t ModeForWidth(const hb::records::RadioModel& model, std::uint32_t bandwidth) {
    std::uint8_t mode = hb::records::kModeWideFm;
    if (bandwidth <= 500) {
        mode = hb::records::kModeCw;
    } else if (bandwidth <= 3000) {
        mode = hb::records::kModeUsb;
    } else if (bandwidth <= 9000) {
        mode = hb::records::kModeAm;
    } else if (bandwidth <= 50000) {
        mode = hb::records::kModeFm;
    }
    return Supports(model, mode) ? mode : model.defaultMode;
}

bool Covers(const hb::records::RadioModel& model, std::uint32_t hz) {
    return std::any_of(model.coverage.begin(), model.coverage.end(),
                       [hz](const auto& row) { return hz >= row.lower && hz <= row.upper; });
}

} // namespace

SweepValues MakeSweepValues(const hb::records::RadioModel& model) {
    SweepValues values;
    values.minLevel = model.meterFloor;
    values.maxLevel = model.meterCeiling;
    if (!model.coverage.empty()) {
        values.lowest = model.coverage.front().lower;
        values.highest = model.coverage.back().upper;
        values.firstBand = values.lowest;
    }
    for (const BandPlanEntry& band : BandPlan()) {
        if (Covers(model, band.lower)) {
            values.firstBand = band.lower;
            break;
        }
    }
    if (model.controls != nullptr) {
        values.volume = model.controls->volume;
        values.squelch = model.controls->squelch;
    }
    values.volumeScale = values.volume.scale != 0 ? values.volume.scale : 1;
    if ((model.features & kFeatureSweep) == 0) {
        return values;
    }
    for (std::size_t code = 0; code < model.filters.size(); ++code) {
        values.bandwidths.push_back({model.filters[code], ModeForWidth(model, model.filters[code]),
                                     static_cast<std::uint8_t>(code)});
    }
    // Narrow FM channels are swept at their own width through the next wider filter.
    const auto wider = std::find_if(model.filters.begin(), model.filters.end(),
                                    [](std::uint32_t width) { return width >= kNarrowFm; });
    if (Supports(model, hb::records::kModeNarrowFm) && wider != model.filters.end() &&
        *wider != kNarrowFm) {
        const auto at = std::find_if(values.bandwidths.begin(), values.bandwidths.end(),
                                     [](const auto& entry) { return entry.bandwidth > kNarrowFm; });
        values.bandwidths.insert(at, {kNarrowFm, hb::records::kModeNarrowFm,
                                      static_cast<std::uint8_t>(wider - model.filters.begin())});
    }
    for (std::uint8_t mode = 0; mode < 16; ++mode) {
        if (Supports(model, mode)) {
            values.modes.emplace_back(ModeName(mode));
        }
    }
    values.third = {0, 100, 2.55f, 50, 0, 0};
    values.listA = {"Attenuator off", "Attenuator 10 dB", "Attenuator 20 dB"};
    values.listB = {"Preamp off", "Preamp on"};
    if ((model.features & kFeatureHf) != 0) {
        values.smallestStep = 10;
        values.value64 = 0x0040;
        values.value66 = 20;
    } else {
        values.listC = {"AGC slow", "AGC fast", "AGC off"};
        values.smallestStep = 100;
        values.value64 = 0x0080;
        values.value66 = 10;
    }
    return values;
}

} // namespace hb::tessary
