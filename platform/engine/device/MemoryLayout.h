#pragma once
// How a radio type numbers its memories and banks, as the transfer driver counts them: bank x
// 1000 + channel for types 28 and 98, the channel itself with flat numbering, else channels per
// bank x bank + channel.

#include "platform/records/RadioModel.h"

#include <cstdint>
#include <vector>

namespace hb::engine {

class MemoryLayout {
public:
    explicit MemoryLayout(std::uint8_t type);

    // A type outside the table has one bank of one channel.
    bool HasBankNames() const;
    std::uint16_t Number(std::uint16_t bank, std::uint16_t channel) const;
    std::uint16_t BankOf(std::uint16_t memory) const;
    // Every memory number in the driver's order, bank by bank.
    std::vector<std::uint16_t> Numbers() const;
    // Every bank number, from the first.
    std::vector<std::uint16_t> Banks() const;
    std::uint8_t type() const { return m_type; }
    const hb::records::RadioModel* model() const { return m_model; }

private:
    std::uint16_t ChannelsPerBank() const;

    std::uint8_t m_type;
    const hb::records::RadioModel* m_model;
    hb::records::Organisation m_organisation;
};

} // namespace hb::engine
