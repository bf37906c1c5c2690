#include "platform/tessary/model/BandPlan.h"

#include "platform/records/ModeNames.h"

#include <array>

namespace hb::tessary {
namespace {

constexpr std::uint8_t kFm = hb::records::kModeFm;
constexpr std::uint8_t kAm = hb::records::kModeAm;
constexpr std::uint8_t kWideFm = hb::records::kModeWideFm;
constexpr std::uint8_t kUsb = hb::records::kModeUsb;
constexpr std::uint8_t kLsb = hb::records::kModeLsb;
constexpr std::uint8_t kCw = hb::records::kModeCw;
constexpr std::uint8_t kNarrowFm = hb::records::kModeNarrowFm;

constexpr std::uint32_t kKhz = 1000;
constexpr std::uint32_t kMhz = 1000000;

constexpr std::array kPlan{
    BandPlanEntry{153 * kKhz, 280 * kKhz, 9 * kKhz, "Long Wave Broadcast", kAm, kAm},
    BandPlanEntry{531 * kKhz, 1611 * kKhz, 9 * kKhz, "Medium Wave Broadcast", kAm, kAm},
    BandPlanEntry{1611 * kKhz, 1800 * kKhz, 10 * kKhz, "Medium Wave Extended", kAm, kAm},
    BandPlanEntry{1800 * kKhz, 2000 * kKhz, 500, "Amateur 160 m", kLsb, kCw},
    BandPlanEntry{2300 * kKhz, 2495 * kKhz, 5 * kKhz, "Broadcast 120 m", kAm, kAm},
    BandPlanEntry{3200 * kKhz, 3400 * kKhz, 5 * kKhz, "Broadcast 90 m", kAm, kAm},
    BandPlanEntry{3500 * kKhz, 4000 * kKhz, 500, "Amateur 80 m", kLsb, kCw},
    BandPlanEntry{4750 * kKhz, 5060 * kKhz, 5 * kKhz, "Broadcast 60 m", kAm, kAm},
    BandPlanEntry{5900 * kKhz, 6200 * kKhz, 5 * kKhz, "Broadcast 49 m", kAm, kAm},
    BandPlanEntry{7000 * kKhz, 7200 * kKhz, 500, "Amateur 40 m", kLsb, kCw},
    BandPlanEntry{7200 * kKhz, 7450 * kKhz, 5 * kKhz, "Broadcast 41 m", kAm, kAm},
    BandPlanEntry{9400 * kKhz, 9900 * kKhz, 5 * kKhz, "Broadcast 31 m", kAm, kAm},
    BandPlanEntry{10100 * kKhz, 10150 * kKhz, 500, "Amateur 30 m", kCw, kUsb},
    BandPlanEntry{11600 * kKhz, 12100 * kKhz, 5 * kKhz, "Broadcast 25 m", kAm, kAm},
    BandPlanEntry{13570 * kKhz, 13870 * kKhz, 5 * kKhz, "Broadcast 22 m", kAm, kAm},
    BandPlanEntry{14000 * kKhz, 14350 * kKhz, 500, "Amateur 20 m", kUsb, kCw},
    BandPlanEntry{15100 * kKhz, 15800 * kKhz, 5 * kKhz, "Broadcast 19 m", kAm, kAm},
    BandPlanEntry{17480 * kKhz, 17900 * kKhz, 5 * kKhz, "Broadcast 16 m", kAm, kAm},
    BandPlanEntry{18068 * kKhz, 18168 * kKhz, 500, "Amateur 17 m", kUsb, kCw},
    BandPlanEntry{21000 * kKhz, 21450 * kKhz, 500, "Amateur 15 m", kUsb, kCw},
    BandPlanEntry{21450 * kKhz, 21850 * kKhz, 5 * kKhz, "Broadcast 13 m", kAm, kAm},
    BandPlanEntry{24890 * kKhz, 24990 * kKhz, 500, "Amateur 12 m", kUsb, kCw},
    BandPlanEntry{26965 * kKhz, 27415 * kKhz, 10 * kKhz, "Citizens Band", kAm, kFm},
    BandPlanEntry{28 * kMhz, 29700 * kKhz, 500, "Amateur 10 m", kUsb, kFm},
    BandPlanEntry{50 * kMhz, 54 * kMhz, 5 * kKhz, "Amateur 6 m", kUsb, kFm},
    BandPlanEntry{87500 * kKhz, 108 * kMhz, 100 * kKhz, "FM Broadcast", kWideFm, kFm},
    BandPlanEntry{108 * kMhz, 118 * kMhz, 50 * kKhz, "Air Navigation", kAm, kAm},
    BandPlanEntry{118 * kMhz, 137 * kMhz, 25 * kKhz, "Air Band", kAm, kAm},
    BandPlanEntry{144 * kMhz, 148 * kMhz, 12500, "Amateur 2 m", kFm, kNarrowFm},
    BandPlanEntry{150800 * kKhz, 156 * kMhz, 7500, "Public Service VHF", kNarrowFm, kFm},
    BandPlanEntry{156 * kMhz, 162025 * kKhz, 25 * kKhz, "Marine VHF", kFm, kNarrowFm},
    BandPlanEntry{162400 * kKhz, 162575 * kKhz, 25 * kKhz, "Weather Radio", kFm, kNarrowFm},
    BandPlanEntry{225 * kMhz, 400 * kMhz, 25 * kKhz, "Military Air", kAm, kFm},
    BandPlanEntry{420 * kMhz, 450 * kMhz, 12500, "Amateur 70 cm", kFm, kNarrowFm},
    BandPlanEntry{450 * kMhz, 470 * kMhz, 12500, "Public Service UHF", kNarrowFm, kFm},
    BandPlanEntry{851 * kMhz, 869 * kMhz, 12500, "Public Service 800", kNarrowFm, kFm},
};

} // namespace

std::span<const BandPlanEntry> BandPlan() {
    return kPlan;
}

std::optional<std::size_t> FindPlanBand(std::uint32_t hz) {
    for (std::size_t i = 0; i < kPlan.size(); ++i) {
        if (hz >= kPlan[i].lower && hz < kPlan[i].upper) {
            return i;
        }
    }
    return std::nullopt;
}

hb::records::Band MakeBandRecord(std::size_t index) {
    using hb::records::Band;
    const BandPlanEntry& entry = kPlan.at(index);
    Band record;
    record.set(Band::kBase, entry.lower);
    record.set(Band::kStep, entry.step);
    record.set(Band::kNameId, static_cast<std::uint32_t>(index + 1));
    record.set(Band::kFirstMode, entry.firstMode);
    record.set(Band::kSecondMode, entry.secondMode);
    return record;
}

const char* BandName(std::uint32_t nameId) {
    return nameId >= 1 && nameId <= kPlan.size() ? kPlan[nameId - 1].name : "";
}

} // namespace hb::tessary
