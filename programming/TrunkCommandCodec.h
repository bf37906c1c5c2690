#pragma once
// The pieces of the trunk scanners' text commands that more than one sender or reader shares: a
// squelch tone's position, the step a frequency is tuned with, a band-plan line, the text of a
// talkgroup or user ID and its slot, the trunk-type codes and a fleet-map reply. Free functions
// that change nothing but the ID, bank or fleet map their comments say they store into; every
// command line ends in a carriage return.
#include "platform/records/UserId.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class Bank;
class RadioSettingsRecord;

namespace TrunkCommandCodec {

// A command or a progress text, formatted as printf does.
std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// A bank's letter in the commands: bank 1 is "A".
char BankLetter(unsigned bankNumber);

// The squelch kind whose tone is a DCS code.
inline constexpr std::uint8_t kSquelchDcs = 5;

// The tone's position in the squelch-tone table by its low 15 bits, searched from the first DCS
// code for a DCS squelch; 0 when the table does not hold it.
unsigned ToneIndex(std::uint32_t tone, std::uint8_t squelchKind);

// "5K", "7.5K" or "12.5K": the step of which the frequency is nearest a multiple; a tie goes to
// 5K, then to 12.5K.
const char* StepText(std::uint32_t hz);

// "ST 5K\r" ... "ST 100K\r" for the steps the scanners know, "ST AUTO\r" for any other.
std::string StepCommand(std::uint32_t step);

// The bank's band-plan line for plan 1 to 3 of `kind` (4 or 5), with the plan's base and spacing
// in hundreds of hertz; a plan without a base gives the scanner's default plan. The bank is one
// of 1 to 10.
std::string BandPlanLine(const RadioSettingsRecord& record, unsigned bank, unsigned kind,
                         unsigned plan);

// The decimal digits standing from `pos` of a reply; none when no digit stands there.
std::optional<std::uint32_t> DigitsAt(std::string_view reply, std::size_t pos);

// A "BC" reply ("BC A1 08510125 0125 380": base and spacing in hundreds of hertz, the offset
// channel) into plan 1 to 3 of the bank in the record; a value the reply lacks is left as it was.
void TakeBandPlanReply(std::string_view reply, RadioSettingsRecord& record, unsigned bank,
                       unsigned plan);

// The ID as the bank's trunk type writes it; an empty text for a type that has no IDs. The ID's
// size code keeps only its low four bits, in the ID itself.
std::string IdText(hb::records::UserId& id, const Bank& bank);

// A bank's user-ID slot as the commands name it: the letter of its ten and a digit, "A1" to "A9",
// then "A0", then "B1" and on.
struct UserIdSlot {
    char letter;
    unsigned digit;

    std::string Name() const;
};
UserIdSlot UserIdSlotAt(unsigned index);

// ---- Trunk types.
// A bank's trunk type with the Type II variant flag (Bank::kTrunk900, kTrunkVhf, kTrunkUhf) that
// one of the radio's trunk-type codes stands for.
struct BankTrunkType {
    std::uint8_t type;
    std::uint32_t variant;

    bool operator==(const BankTrunkType&) const = default;
};
// The code a radio reports after "TB": codes 1 to 9; none for any other code, which each family
// reads in its own way.
std::optional<BankTrunkType> TrunkTypeOfCode(std::uint8_t code);

// Which variant a Type II bank flagged both VHF and UHF is sent as (the 900 MHz flag comes before
// either); the families differ in it.
enum class TypeIIPrecedence { kVhfFirst, kUhfFirst };
// The n of "TR %c n" that sets the bank's trunk type: the code that stands for it, except that
// Type I (code 2) is set with 1 and plain Type II (code 1) with 2. 0 for a bank without trunking;
// none for a trunk type no code stands for (4, 5, 7 and above 9).
std::optional<std::uint8_t> TrunkTypeCommand(std::uint8_t trunkType, std::uint32_t trunkFlags,
                                             TypeIIPrecedence precedence);

// The trunk-type commands of a UHF and a VHF Type II bank.
inline constexpr std::uint8_t kTrunkCommandUhf = 4;
inline constexpr std::uint8_t kTrunkCommandVhf = 5;
// Before a UHF or VHF Type II bank's command goes out, a base, spacing or offset channel of 0 is
// given the radio's default, stored in the bank: 406 MHz (UHF) or 150 MHz (VHF), 25 kHz, channel
// 380. Any other command changes nothing.
void StoreTypeIIDefaults(Bank& bank, std::uint8_t command);

// Whether a memory's "TA C" reply shows the radio's placeholder for a memory never named: "RID" at
// positions 9 to 11 and two display graphics (codes from 0x8C and 0x8D) at 12 and 19.
bool IsUnnamedMemoryReply(std::string_view reply);

// ---- Fleet map.
inline constexpr unsigned kFleetBlocks = 8;
// One reply of a bank's fleet-map walk, "FB A 0 12", read for the block asked: the two characters
// from position 7 (counted from 0) are the size code when they are decimal digits of 0 to 14. It
// is stored for the block, and size 12 also for the next block and 13 for the next three, never
// past the last block; size 14 fills all eight. Anything else leaves the map as it was. Answers
// the block to ask next, kFleetBlocks when the map is done. Give it only a reply the "FB" command
// brought: after its last failed try the status holds an earlier command's reply.
unsigned ReadFleetMapReply(std::string_view reply, unsigned block,
                           std::array<std::uint8_t, kFleetBlocks>& fleetMap);

} // namespace TrunkCommandCodec
