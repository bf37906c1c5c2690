#include "radioview/IDDisplay.h"

#include "platform/records/TypeISizeTable.h"
#include "platform/tessary/model/Format.h"

#include <array>
#include <cstdio>
#include <string>

IMPLEMENT_DYNCREATE(CIDDisplay, CiLCDMatrixX)

namespace {

using hb::records::UserId;

// What the styles of the core library answer with when asked without changing them.
constexpr int kMotorolaStyleQuery = 255;
constexpr int kEdacsStyleQuery = 85;
constexpr int kHexStyle = 1;
constexpr int kRadioStyle = 2;

constexpr std::uint32_t kFailSoftId = 8191;
// Below this width an LTR ID leaves out its repeater.
constexpr long kColumnsForRepeater = 14;

const char* const kNoId = "--------------";

template <class... Args>
std::string Print(const char* format, Args... args) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), format, args...);
    return text.data();
}

std::string TypeIIText(std::uint32_t value) {
    if (value == kFailSoftId) {
        return " FAIL-SOFT ";
    }
    switch (format_motorola_style(kMotorolaStyleQuery)) {
    case kHexStyle:
        return Print("%03X", value / 16);
    case kRadioStyle:
        return Print("8%05u", value / 16);
    default:
        return Print("%u", value);
    }
}

// Type I splits the ID by its size code; codes without a layout read as Type II.
std::string MotorolaText(const UserId& id) {
    const std::uint8_t code = hb::records::TypeISizeCode(id.get(UserId::kSizeCode));
    const hb::records::TypeISize& size = hb::records::TypeISizeTable[code];
    if (!size.hasLayout()) {
        return TypeIIText(id.get(UserId::kValue));
    }
    const unsigned block = id.get(UserId::kBlock) & size.blockMask;
    const unsigned fleet = id.get(UserId::kFleet) % size.fleetModulus;
    const unsigned subfleet = id.get(UserId::kSubfleet) % size.subfleetModulus;
    return Print(code == 1 ? "     %u%03u-%u" : "     %u%02u-%02u", block, fleet, subfleet);
}

std::string LtrText(const UserId& id, long columns) {
    const std::uint32_t value = id.get(UserId::kValue);
    const unsigned area = (value >> 13) & 0x1;
    const unsigned long home = (value >> 8) & 0x1F;
    const unsigned long group = value & 0xFF;
    std::string text = Print("%2u-%02lu-%03lu", area, home, group);
    if (columns >= kColumnsForRepeater) {
        const unsigned repeater = id.get(UserId::kExtra);
        text += repeater ? Print(" [%02u]", repeater) : std::string(" [--]");
    }
    return text;
}

std::string EdacsText(std::uint32_t value) {
    switch (format_edacs_style(kEdacsStyleQuery)) {
    case kHexStyle:
        return Print("%03lX", static_cast<unsigned long>(value));
    case kRadioStyle:
        return Print("   %d.%02d%d   ", static_cast<int>((value >> 7) & 0xF),
                     static_cast<int>((value >> 3) & 0xF), static_cast<int>(value & 0x7));
    default:
        return Print("%11u", value);
    }
}

std::string IdText(const UserId& id, long columns) {
    const std::uint32_t value = id.get(UserId::kValue);
    switch (id.get(UserId::kKind)) {
    case hb::records::kIdKindMotorola:
        return MotorolaText(id);
    case hb::records::kIdKindMotorolaTypeII:
        return TypeIIText(value);
    case hb::records::kIdKindLtr:
        return LtrText(id, columns);
    case hb::records::kIdKindCtcss:
        return Print("%11.1f", value * 0.1);
    case hb::records::kIdKindDcs:
        return Print("      D-%03o", value & 0x1FF);
    case hb::records::kIdKindEdacs:
    case hb::records::kIdKindEdacsOther:
        return EdacsText(value);
    case hb::records::kIdKindPpt:
        return Print("%u-%05lu [%x]", (value >> 16) & 0x3,
                     static_cast<unsigned long>(value & 0xFFFF),
                     static_cast<unsigned>(id.get(UserId::kExtra)));
    default:
        return kNoId;
    }
}

} // namespace

void CIDDisplay::ShowID(const UserId* id) {
    if (!GetSafeHwnd()) {
        return;
    }
    SetText(id ? IdText(*id, GetColumnCount()).c_str() : kNoId);
}
