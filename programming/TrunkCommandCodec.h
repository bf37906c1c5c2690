#pragma once
// The pieces of the trunk scanners' text commands that more than one sender formats: a squelch
// tone's position, the step a frequency is tuned with, a band-plan line and the text of a
// talkgroup or user ID. Pure functions; every command line ends in a carriage return.
#include "platform/records/UserId.h"

#include <cstdint>
#include <string>

class Bank;
class RadioSettingsRecord;

namespace TrunkCommandCodec {

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

// The ID as the bank's trunk type writes it; an empty text for a type that has no IDs. The ID's
// size code keeps only its low four bits, in the ID itself.
std::string IdText(hb::records::UserId& id, const Bank& bank);

} // namespace TrunkCommandCodec
