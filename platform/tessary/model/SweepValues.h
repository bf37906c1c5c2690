#pragma once
// What a radio offers the sweep displays: the resolution bandwidths it sweeps with, the first band
// of its band table, the level range its readings convert into, the three knobs of the sweep forms,
// the option lists of their selectors and the limits a sweep range and step must keep.

#include "platform/records/RadioModel.h"

#include <cstdint>
#include <string>
#include <vector>

namespace hb::tessary {

struct SweepBandwidth {
    std::uint32_t bandwidth; // Hz
    std::uint8_t mode;
    std::uint8_t filter;
};

struct SweepValues {
    // Empty for a radio that cannot sweep.
    std::vector<SweepBandwidth> bandwidths;
    std::uint32_t firstBand = 0;
    std::int16_t minLevel = 0;
    std::int16_t maxLevel = 0;
    // Knob positions: min, max, scale (never 0), default and offset.
    hb::records::Descriptor volume;
    hb::records::Descriptor squelch;
    hb::records::Descriptor third;
    // The items of the mode selector and of the three option lists; any may be empty.
    std::vector<std::string> modes;
    std::vector<std::string> listA;
    std::vector<std::string> listB;
    std::vector<std::string> listC;
    std::uint32_t lowest = 0;
    std::uint32_t highest = 0;
    std::uint32_t smallestStep = 1;
    std::uint16_t value64 = 0;
    std::uint16_t value66 = 0;
    double volumeScale = 1;
};

SweepValues MakeSweepValues(const hb::records::RadioModel& model);

} // namespace hb::tessary
