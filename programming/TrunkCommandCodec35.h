#pragma once
// The type-35 family's own forms of the trunk scanners' commands, which the families built on it
// (types 45, 51 and 99) share: the text a user ID is written with and the command that sets a
// bank's trunk type. Like the rest of the codec, they change nothing but what their comments say
// they store into.
#include "platform/records/UserId.h"
#include "programming/TrunkCommandCodec.h"

#include <cstdint>
#include <optional>
#include <string>

class Bank;

namespace TrunkCommandCodec {

// The bank trunk types these families name.
inline constexpr std::uint8_t kTrunkingOff = 0;
inline constexpr std::uint8_t kTrunkTypeI = 1;
inline constexpr std::uint8_t kTrunkTypeII = 2;
inline constexpr std::uint8_t kTrunkEdacs = 6;
inline constexpr std::uint8_t kTrunkEdacsWide = 8;

// The ID of "TG %c %c%u %s": "000000" for an ID not in use; by the bank's trunk type six digits
// (Type II, 6 and 8), or for Type I "i" and five digits for an individual, block, fleet and
// subfleet by the ID's size code, six digits for size codes 0 and 15; empty for other trunk types.
// The ID's size code keeps only its low four bits, in the ID itself.
std::string UserIdText35(hb::records::UserId& id, const Bank& bank);

// A family's form of the Motorola Type II command "TR %c n": which variant a bank flagged both
// UHF and VHF is sent as, and how the base (in hundreds of hertz, eight digits), the spacing and
// perhaps the offset channel of a UHF or VHF bank follow n.
struct TypeIIForm {
    TypeIIPrecedence precedence;
    unsigned spacingDigits;
    bool withOffset;
};
inline constexpr TypeIIForm kTypeIIForm35{TypeIIPrecedence::kUhfFirst, 4, false};

// The command that makes the bank Motorola Type II: n is 3 for 900 MHz, 4 for UHF, 5 for VHF and
// 2 for none of them. A UHF or VHF bank's base, spacing or offset channel of 0 first gets the
// radio's default, stored in the bank.
std::string TypeIICommand(Bank& bank, char letter, const TypeIIForm& form);

// The command that sets a type-35 bank's trunk type: "TBF %c\r" (trunking off) for type 0, "TR %c
// n" for types 1, 2, 6 and 8; none for any other type.
std::optional<std::string> TrunkTypeCommand35(Bank& bank, char letter);

} // namespace TrunkCommandCodec
