#pragma once
// The command pieces of the trunk scanners of types 45 and 51: the step a memory is tuned with
// before its frequency goes in, the delay codes as commands and as menu values, the search
// ranges' mode and step keys, the line that sets a bank's trunk type and the values the radio's
// menus are given. The channel's mode, tone and step commands are those of the neighbouring
// families (ModeCommand, ToneCommand, StepCommand), which these radios share. Pure functions but
// for the Type II defaults the trunk-type line stores in its bank and the size code an ID keeps.
#include "platform/records/UserId.h"
#include "programming/TrunkCommandCodec35.h"

#include <cstdint>
#include <optional>
#include <string>

class Bank;

namespace TrunkCommandCodec {

// "ST 5K\r", "ST 12.5K\r" or "ST 7.5K\r": the grid the frequency lies nearest to.
std::string GridStepCommand45(std::uint32_t hz);

// A bank or channel delay: "DLF\r", "DLN +1\r" ... "DLN -10\r" ("DLN +2\r" for a delay the radio
// lacks), and as a menu value 1 to 8 (3 for one it lacks); a menu value read back, none for a
// character that is not one of 1 to 8.
std::string DelayCommand45(std::int16_t delay);
unsigned DelayMenuValue45(std::int16_t delay);
std::optional<std::int16_t> DelayOfMenuValue45(char value);

// A search range's mode and step as the keys of its menu items ("KEY02 n"), and read back: a
// character that names no mode reads as mode 0, one that names no step as step 0.
unsigned RangeModeKey45(std::uint8_t mode);
std::uint8_t RangeModeOfKey45(char key);
unsigned RangeStepKey45(std::uint32_t step);
std::uint32_t RangeStepOfKey45(char key);

// The ID of "TG %c %c%u %s": the trunk-tracking scanners' text (IdText63), but "0" for an EDACS
// ID of number 0 even when it is an individual's. The ID's size code keeps only its low four bits.
std::string UserIdText45(hb::records::UserId& id, const Bank& bank);

// The Type II line: a UHF bank before a VHF one, the spacing in hertz and the offset channel.
inline constexpr TypeIIForm kTypeIIForm45{TypeIIPrecedence::kUhfFirst, 6, true};
// The command that sets the bank's trunk type: "TBF %c\r" for a bank without trunking, else
// "TR %c n" with the code the radio reads back for it (type 3 is 9, type 9 is 8); none for a
// trunk type that has no code.
std::optional<std::string> TrunkTypeCommand45(Bank& bank, char letter);

// ---- The radio's menus: "KEY01" leaves them, "KEY11" opens them, "KEY02 n" enters item n or
// chooses value n; "LCD LINE1" or "LCD LINE2" answers the item's value at position 8, and a
// bank's band screens answer "LCD FRQ" ("KEY12" shows the first, "KEY04" the next).
inline constexpr const char* kLeaveMenus45 = "KEY01\r";
inline constexpr const char* kReadLine1 = "LCD LINE1\r";
inline constexpr const char* kReadLine2 = "LCD LINE2\r";
inline constexpr const char* kReadFrequency = "LCD FRQ\r";
inline constexpr const char* kNextScreen = "KEY04\r";
// The menus and their items.
inline constexpr unsigned kGlobalMenu45 = 1;
inline constexpr unsigned kBankMenu45 = 3;
inline constexpr unsigned kSearchMenu45 = 4;
inline constexpr unsigned kGlobalItemLt = 1;
inline constexpr unsigned kGlobalItemLm = 2;
inline constexpr unsigned kGlobalItemBp = 3;
inline constexpr unsigned kGlobalItemEl = 4;
inline constexpr unsigned kGlobalItemDs = 8;
inline constexpr unsigned kGlobalItemCt = 9;
inline constexpr unsigned kSearchItemRanges = 1;
inline constexpr unsigned kSearchItemChoice = 2;
inline constexpr unsigned kSearchItemOption4 = 3;
inline constexpr unsigned kSearchItemOption6 = 5;
inline constexpr unsigned kRangeItemStep45 = 2;
inline constexpr unsigned kRangeItemMode45 = 3;
inline constexpr unsigned kBankItemTrunkType = 1;
inline constexpr unsigned kBankItemDelay45 = 2;
inline constexpr unsigned kBankItemOption45 = 3;
inline constexpr unsigned kBankItemIr = 7;
inline constexpr unsigned kBankItemSystemOption = 8;
inline constexpr unsigned kBankItemEndCode45 = 9;
inline constexpr unsigned kBankItemTc = 0;
// Into an item of the global or search menu.
std::string MenuItemKeys45(unsigned menu, unsigned item);
// Into an item of the bank's menu; the bank by its number modulo 10.
std::string BankItemKeys45(unsigned bank, unsigned item);
// Into the search range's menu; the range by its number modulo 10.
std::string RangeMenuKeys45(unsigned range);
// Into the menu option of the user ID in the bank's slot.
std::string IdOptionKeys45(unsigned bank, unsigned slotIndex);
// Onto the first band screen of the bank's Type II code.
std::string BandScreenKeys45(unsigned bank, std::uint8_t trunkCode);

// A record value the menus take as its choice: the value + 1, none when that is past the menu's
// last digit, 9 (the radio keeps its setting then).
std::optional<unsigned> MenuChoice45(std::uint8_t value);
// The IR setting's menu value: 1 to 3.
unsigned IrMenuValue45(std::uint8_t ir);

} // namespace TrunkCommandCodec
