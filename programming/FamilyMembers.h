#pragma once
// What the command families walk in a group: a bank's channels and the group's search ranges, in
// document order and no more than the radio holds, and where a bank's channels start among the
// radio's memories, and the memory number each is given on the way.
#include <cstddef>
#include <cstdint>
#include <vector>

class Bank;
class Chan;
class Group;
class Radio;

// The bank's channels (kinds 53530005 and 53530006), the first `limit` of them.
std::vector<Chan*> BankChannels(const Bank& bank, std::size_t limit);
// The group's search ranges (kinds 53530008 and 53530006 of its extra objects), the first
// `limit` of them.
std::vector<Chan*> GroupSearchRanges(const Group& group, std::size_t limit);
// The memory of the first channel of the bank numbered `number` on the radio.
std::uint16_t FirstMemoryOfBank(const Radio& radio, unsigned number);
// The channel or search range keeps the memory number it is moved as.
void SetMemoryNumber(Chan& channel, std::uint16_t memory);
