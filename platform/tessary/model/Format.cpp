#include "platform/tessary/model/Format.h"

#include "platform/records/HistoryRecord.h"
#include "platform/records/TypeISizeTable.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <limits>
#include <string_view>

namespace {

using hb::records::UserId;

constexpr int kStyleQuery = 255;
constexpr int kStyleQueryAlternate = 85;
constexpr std::size_t kUserWidth = 11;

struct Styles {
    int motorola = 0;
    int edacs = 0;
};

Styles& CurrentStyles() {
    static Styles styles;
    return styles;
}

int Exchange(int& current, int style) {
    const int previous = current;
    if (style != kStyleQuery && style != kStyleQueryAlternate) {
        current = style;
    }
    return previous;
}

template <class... Args>
std::string Print(const char* format, Args... args) {
    std::array<char, 48> text{};
    std::snprintf(text.data(), text.size(), format, args...);
    return text.data();
}

std::string RightAligned(std::string text) {
    if (text.size() < kUserWidth) {
        text.insert(0, kUserWidth - text.size(), ' ');
    }
    return text;
}

std::string MotorolaText(const UserId& id) {
    const std::uint32_t value = id.get(UserId::kValue);
    if (id.get(UserId::kFlags) & UserId::kFlagIndividual) {
        return Print("i%05u", value);
    }
    const std::uint8_t code = hb::records::TypeISizeCode(id.get(UserId::kSizeCode));
    const hb::records::TypeISize& size = hb::records::TypeISizeTable[code];
    if (id.get(UserId::kKind) == hb::records::kIdKindMotorola && size.hasLayout()) {
        const unsigned block = id.get(UserId::kBlock) & size.blockMask;
        const unsigned fleet = id.get(UserId::kFleet) % size.fleetModulus;
        const unsigned subfleet = id.get(UserId::kSubfleet) % size.subfleetModulus;
        return code == 1 ? Print("%u%03u-%u", block, fleet, subfleet)
                         : Print("%u%02u-%02u", block, fleet, subfleet);
    }
    switch (CurrentStyles().motorola) {
    case 1:
        return Print("%03X", value / 16);
    case 2:
        return Print("%u", 800000 + value / 16);
    default:
        return Print("%u", value);
    }
}

std::string EdacsText(std::uint32_t value) {
    switch (CurrentStyles().edacs) {
    case 1:
        return Print("%03X", value);
    case 2:
        return Print("%u.%02u%u", (value >> 7) & 0xF, (value >> 3) & 0xF, value & 7);
    default:
        return Print("%u", value);
    }
}

// Multiplies in place; false on passing 32 bits.
bool Scale(std::uint64_t& value, std::uint64_t by, std::uint64_t add) {
    value = value * by + add;
    return value <= std::numeric_limits<std::uint32_t>::max();
}

std::uint64_t UnitMultiplier(char unit) {
    switch (std::toupper(static_cast<unsigned char>(unit))) {
    case 'H':
        return 1;
    case 'K':
        return 1'000;
    case 'M':
        return 1'000'000;
    case 'G':
        return 1'000'000'000;
    default:
        return 0;
    }
}

} // namespace

std::string format_freq_vhf(std::uint32_t hz) {
    return Print("%4u.%04u", hz / 1'000'000, hz % 1'000'000 / 100);
}

std::string format_frequency_vhf(std::uint32_t hz) {
    return format_freq_vhf(hz);
}

std::string format_frequency_lhf(std::uint32_t hz) {
    return Print("%3u.%06u", hz / 1'000'000, hz % 1'000'000);
}

std::string format_frequency_hf(std::uint32_t hz) {
    return Print("%6u.%03u", hz / 1'000, hz % 1'000);
}

std::string format_freq(std::uint32_t hz) {
    return Print("%4u.%06u", hz / 1'000'000, hz % 1'000'000);
}

std::string format_frequency(std::uint32_t hz) {
    constexpr std::size_t kLeastDecimals = 4;
    std::string text = Print("%u.%06u", hz / 1'000'000, hz % 1'000'000);
    while (text.size() > text.find('.') + 1 + kLeastDecimals && text.back() == '0') {
        text.pop_back();
    }
    return text;
}

std::string format_bandwidth(std::uint32_t hz) {
    if (hz < 1'000) {
        return Print("%u Hz", hz);
    }
    std::string khz = Print("%u.%03u", hz / 1'000, hz % 1'000);
    while (khz.back() == '0') {
        khz.pop_back();
    }
    if (khz.back() == '.') {
        khz.pop_back();
    }
    return khz + " kHz";
}

int convert_frequency(const char* text, std::uint32_t* hz, char unit) {
    if (!text || !hz) {
        return kFrequencyBadText;
    }
    std::string_view s(text);
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!s.empty() && blank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && blank(s.back())) {
        s.remove_suffix(1);
    }
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    std::string_view whole = s.substr(0, s.find_first_not_of("0123456789"));
    s.remove_prefix(whole.size());
    std::string_view fraction;
    if (!s.empty() && s.front() == '.') {
        s.remove_prefix(1);
        fraction = s.substr(0, s.find_first_not_of("0123456789"));
        s.remove_prefix(fraction.size());
    }
    if (whole.empty() && fraction.empty()) {
        return kFrequencyBadText;
    }
    while (!s.empty() && blank(s.front())) {
        s.remove_prefix(1);
    }
    if (!s.empty()) {
        // The text's own unit: one letter with or without "Hz", or "Hz" alone.
        std::string suffix;
        for (const char c : s) {
            suffix += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        if (suffix == "hz") {
            suffix = "h";
        } else if (suffix.size() == 3 && suffix.ends_with("hz")) {
            suffix.resize(1);
        }
        if (suffix.size() != 1 || UnitMultiplier(suffix[0]) == 0) {
            return kFrequencyBadText;
        }
        unit = suffix[0];
    }
    std::uint64_t multiplier = UnitMultiplier(unit);
    if (multiplier == 0) {
        return kFrequencyBadUnit;
    }
    std::uint64_t value = 0;
    for (const char c : whole) {
        if (!Scale(value, 10, static_cast<std::uint64_t>(c - '0'))) {
            return negative ? kFrequencyNegative : kFrequencyTooLarge;
        }
    }
    if (!Scale(value, multiplier, 0)) {
        return negative ? kFrequencyNegative : kFrequencyTooLarge;
    }
    std::uint64_t part = 0;
    for (const char c : fraction) {
        if (multiplier == 1) {
            break;
        }
        multiplier /= 10;
        part += static_cast<std::uint64_t>(c - '0') * multiplier;
    }
    if (!Scale(value, 1, part)) {
        return negative ? kFrequencyNegative : kFrequencyTooLarge;
    }
    if (negative && value != 0) {
        return kFrequencyNegative;
    }
    *hz = static_cast<std::uint32_t>(value);
    return kFrequencyConverted;
}

std::string format_user(const UserId& id) {
    const std::uint32_t value = id.get(UserId::kValue);
    std::string text;
    switch (id.get(UserId::kKind)) {
    case hb::records::kIdKindNone:
    case 7:
    case 9:
    case 10:
        return {};
    case hb::records::kIdKindMotorola:
    case hb::records::kIdKindMotorolaTypeII:
        text = MotorolaText(id);
        break;
    case hb::records::kIdKindLtr:
        text = Print("%u-%02u-%03u", value / 100000 % 10, value / 1000 % 100, value % 1000);
        break;
    case hb::records::kIdKindCtcss:
        text = Print("%u.%u", value / 10, value % 10);
        break;
    case hb::records::kIdKindDcs:
        text = Print("D%03o", value & 0x1FF);
        break;
    case hb::records::kIdKindEdacs:
    case hb::records::kIdKindEdacsOther:
        text = EdacsText(value);
        break;
    case hb::records::kIdKindPpt:
        text = Print("%u-%u", value, id.get(UserId::kExtra));
        break;
    default:
        text = Print("%u", value);
        break;
    }
    return RightAligned(std::move(text));
}

int format_motorola_style(int style) {
    return Exchange(CurrentStyles().motorola, style);
}

int format_edacs_style(int style) {
    return Exchange(CurrentStyles().edacs, style);
}

std::string FormatEvents(std::uint32_t flags) {
    using H = hb::records::HistoryRecord;
    static constexpr std::pair<std::uint32_t, const char*> kEvents[] = {
        {H::kFlagTimeOut, "T/O"},     {H::kFlagDsk, "DSK"},    {H::kFlagLockOut, "L/O"},
        {H::kFlagTempLockOut, "TLK"}, {H::kFlagStored, "STO"}, {H::kFlagSearchStore, "S/S"},
        {H::kFlagAutoLockOut, "ALK"}, {H::kFlagMm, "M/M"},     {H::kFlagSad, "SAD"},
    };
    std::string text;
    for (const auto& [bit, name] : kEvents) {
        if (flags & bit) {
            if (!text.empty()) {
                text += ' ';
            }
            text += name;
        }
    }
    return text;
}

namespace hb::tessary {

void ResetFormatStyles() {
    CurrentStyles() = {};
}

} // namespace hb::tessary
