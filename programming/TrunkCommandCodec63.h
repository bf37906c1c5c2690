#pragma once
// The command pieces of the trunk-tracking scanners of types 63, 64, 70, 71, 89, 90, 91 and 92: the
// model a scanner reports and what it changes, the channel commands by value, the menu positions
// of the settings that have no command of their own (written and read back), the key sequences
// into those menus, the text of an ID and the lines that set a bank's trunk type. Pure functions;
// every command line ends in a carriage return.
#include "platform/records/Parm.h"
#include "platform/records/UserId.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

class Bank;
class RadioSettingsRecord;

namespace TrunkCommandCodec {

// ---- Models.
// What the model code the device reports (4 to 7) changes in the transfers.
struct TrunkModel63 {
    std::uint8_t code;
    // Ends every menu excursion.
    const char* exitKey;
    // The radio type of the model's variant 1 and of its other variant.
    std::uint8_t typeVariant1;
    std::uint8_t typeOtherwise;
    // A Type II bank's band plans are read with "BC" rather than through the menu and display.
    bool bandPlansByCommand;
    // The chain-search settings and the search ranges' mode are transferred.
    bool chainSearch;
    // The search ranges' step positions; none: the step is not transferred.
    std::span<const std::uint32_t> rangeSteps;
    // The end-code and EDACS ID-format menus are found by display search, not as bank item 0.
    bool trunkOptionsBySearch;
    // The bank menu item of the settings record's bank option.
    unsigned bankOptionItem;
    // The bank's option byte, the channel marker and the user-ID menu option are transferred.
    bool optionMenus;
    // Delays by the full table; the other models know a delay only as on or off.
    bool fullDelay;

    std::uint8_t Type(std::uint8_t variant) const {
        return variant == 1 ? typeVariant1 : typeOtherwise;
    }
};
// Null for a code outside 4 to 7.
const TrunkModel63* FindTrunkModel63(std::uint8_t code);

// ---- Channel commands.
// "ST 5K\r" ... "ST 100K\r" for the steps the scanners know, "ST A\r" for any other.
std::string StepCommand63(std::uint32_t step);
// "RM AM\r", "RM WFM\r", "RM NFM\r" or "RM FM\r".
std::string ModeCommand(std::uint8_t mode);
// "DLF\r" for no delay; with the full table "DLN +1\r" ... "DLN -10\r" ("DLN +2\r" for a delay it
// lacks), else "DLN\r".
std::string DelayCommand(std::int16_t delay, bool fullDelay);
// "CS%03u\r" with the squelch tone's position, "L" before the carriage return when the tone option
// asks for it.
std::string ToneCommand(const hb::records::Parm& record);

// ---- Menu positions: the digit chosen with "KEY02 n", and the first character of the highlighted
// display line when read back. A character that stands for no position gives none, leaving the
// setting as it was, unless a reader says otherwise.
// The bank delay (bank menu item 4).
unsigned BankDelayPosition(std::int16_t delay, bool fullDelay);
std::optional<std::int16_t> BankDelayOfPosition(char position, bool fullDelay);
// A search range's mode; any other character reads as mode 0.
unsigned RangeModePosition(std::uint8_t mode);
std::uint8_t RangeModeOfPosition(char position);
// A search range's step by the model's steps; any other character reads as step 0.
unsigned RangeStepPosition(std::uint32_t step, std::span<const std::uint32_t> steps);
std::uint32_t RangeStepOfPosition(char position, std::span<const std::uint32_t> steps);
// A 0-based menu choice read as its position "1" to "9".
std::optional<std::uint8_t> MenuChoice(char position);
// A number written as one digit "1" to "9".
std::optional<std::uint8_t> DigitValue(char digit);

// ---- Menu keys. Banks and ranges are chosen by their number modulo 10.
// Into the bank's menu, and with an item into that item.
std::string BankMenuKeys(unsigned bank, std::optional<unsigned> item = std::nullopt);
// Into the bank's trunk-type menu at the Type II code whose band plans show on the display.
std::string BandPlanMenuKeys(unsigned bank, std::uint8_t trunkCode);
// Into the menu list that holds the chain search.
inline constexpr const char* kSearchMenuKeys = "KEY11\rKEY02 1\r";
// From the highlighted chain search into one of its items.
std::string ChainSearchItemKeys(unsigned item);
// From the highlighted chain search into an item of a search range.
std::string RangeItemKeys(unsigned range, unsigned item);
// Into the menu option of the user ID in the bank's slot.
std::string IdOptionKeys(unsigned bank, unsigned slotIndex);
// "KEY02 n\r".
std::string ChoiceKeys(unsigned position);
// The menu items the keys above lead to.
inline constexpr unsigned kBankItemTrunkOptions = 0;
inline constexpr unsigned kBankItemDelay = 4;
inline constexpr unsigned kBankItemOption = 5;
inline constexpr unsigned kChainItemChoice = 3;
inline constexpr unsigned kChainItemOption4 = 4;
inline constexpr unsigned kChainItemOption6 = 6;
inline constexpr unsigned kRangeItemStep = 2;
inline constexpr unsigned kRangeItemMode = 3;
// The positions of an option that is on or off.
inline constexpr unsigned kOn = 1;
inline constexpr unsigned kOff = 2;

// The texts the display search waits for.
inline constexpr const char* kChainSearchText = " :CHAIN SEARCH";
inline constexpr const char* kEndCodeText = " :END CODE";
inline constexpr const char* kEdacsFormatText = " :EDCS ID FORM";

// ---- Settings by letter: the letters of the IR, LT and CT values, by value.
inline constexpr std::array<char, 3> kIrLetters{'F', 'N', 'Y'};
inline constexpr std::array<char, 3> kLtLetters{'N', 'D', 'F'};
inline constexpr std::array<char, 3> kCtLetters{'F', 'N', 'S'};
// The value of one of the letters; none for another character.
std::optional<std::uint8_t> LetterValue(const std::array<char, 3>& letters, char letter);

// ---- IDs and banks.
// What a bank's trunk type has: Motorola trunking options (Types I and II), EDACS options, an IR
// setting, an ID list.
constexpr bool IsMotorola(std::uint8_t trunkType) {
    return trunkType == 1 || trunkType == 2;
}
constexpr bool IsEdacs(std::uint8_t trunkType) {
    return trunkType == 6 || trunkType == 8;
}
constexpr bool HasIrSetting(std::uint8_t trunkType) {
    return trunkType != 3 && trunkType != 9;
}
constexpr bool HasIdList(std::uint8_t trunkType) {
    return trunkType != 9;
}

// The text "TG" gives an ID: "0" for one not in use; Type I by its size code, or "i" and the number
// for an individual; trunk type 3 as its three system digits; other systems as six digits. The ID's
// size code keeps only its low four bits, in the ID itself.
std::string IdText63(hb::records::UserId& id, const Bank& bank);
// An entry with nothing in it: no number, not individual, no Type I block or fleet.
bool IsEmptyId(const hb::records::UserId& id);
// A bank's trunk type from the code the radio reports after "TB": the Type II variant flags are
// replaced, and a code the table lacks leaves the bank without trunking.
void StoreTrunkTypeCode(Bank& bank, std::uint8_t code);

// The lines that set a bank's trunk type and whether "TBN" follows them: "TBF" for a bank without
// trunking; "TR %c n" by the trunk type; for a UHF or VHF Type II bank its three band-plan lines
// and the third again. None, and no "TBN", for a trunk type no code stands for.
struct TrunkTypeLines {
    std::vector<std::string> lines;
    bool switchOn = false;
};
TrunkTypeLines TrunkTypeLines63(const Bank& bank, const RadioSettingsRecord& record);

} // namespace TrunkCommandCodec
