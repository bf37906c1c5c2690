#pragma once
// The codes of the type-43 trunk scanner's commands and replies: the digit keys of a search
// range's mode and step, the trunk-system texts and commands of a bank, the talkgroup texts and
// the key path of the search menu. Every command line ends in a carriage return.
#include "platform/records/UserId.h"
#include "programming/TrunkCommandCodec.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class Bank;

namespace Type43Codes {

// The digit key of a range's mode and step in the search menu, and the value a shown digit
// stands for (0 for a digit the menu does not list).
char ModeKey(std::uint8_t mode);
char StepKey(std::uint32_t step);
std::uint8_t ModeOfKey(std::optional<std::uint8_t> digit);
std::uint32_t StepOfKey(std::optional<std::uint8_t> digit);

// The keys that open search range `number`'s item ('3' the mode, '2' the step), from any menu.
std::string RangeMenuKeys(unsigned number, char item);
inline constexpr char kModeItem = '3';
inline constexpr char kStepItem = '2';

// The trunk system a "TB" reply names from its sixth character on; none for any other text.
std::optional<TrunkCommandCodec::BankTrunkType> TrunkTypeOfReply(std::string_view reply);

// "TR A 1\r" and the like, which set the bank's trunk system; none for a system the radio does
// not know. A VHF or UHF Type II bank is first given the radio's defaults, in the bank, for a
// base, spacing or offset of 0.
std::optional<std::string> TrunkTypeLine(Bank& bank, unsigned number);

// The ID as "TG" writes it: "000000" for an entry not in use, which empties the slot. The ID's
// size code keeps only its low four bits, in the ID itself.
std::string TalkgroupText(hb::records::UserId& id, const Bank& bank);

} // namespace Type43Codes
