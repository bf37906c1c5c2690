#include "platform/engine/device/MemoryLayout.h"

#include <algorithm>

namespace hb::engine {

namespace {

constexpr std::uint16_t kThousandsBanks = 1000;
constexpr std::uint32_t kBankNamesFlag = 0x20000000;

bool NumbersByThousands(std::uint8_t type) {
    return type == 28 || type == 98;
}

} // namespace

MemoryLayout::MemoryLayout(std::uint8_t type)
    : m_type(type), m_model(hb::records::FindRadioModel(type)),
      m_organisation(m_model != nullptr ? m_model->organisation : hb::records::Organisation{}) {}

bool MemoryLayout::HasBankNames() const {
    return m_model != nullptr && (m_model->organisationFlags & kBankNamesFlag) != 0;
}

std::uint16_t MemoryLayout::ChannelsPerBank() const {
    return std::max<std::uint16_t>(1, m_organisation.channelsPerBank);
}

std::uint16_t MemoryLayout::Number(std::uint16_t bank, std::uint16_t channel) const {
    if (NumbersByThousands(m_type)) {
        return static_cast<std::uint16_t>(bank * kThousandsBanks + channel);
    }
    if (m_organisation.flat) {
        return channel;
    }
    return static_cast<std::uint16_t>(ChannelsPerBank() * bank + channel);
}

std::uint16_t MemoryLayout::BankOf(std::uint16_t memory) const {
    if (NumbersByThousands(m_type)) {
        return memory / kThousandsBanks;
    }
    if (m_organisation.flat) {
        const std::uint16_t first = m_organisation.firstChannel;
        const std::uint16_t index = memory > first ? memory - first : 0;
        return static_cast<std::uint16_t>(m_organisation.firstBank + index / ChannelsPerBank());
    }
    return memory / ChannelsPerBank();
}

std::vector<std::uint16_t> MemoryLayout::Banks() const {
    std::vector<std::uint16_t> banks;
    for (std::uint16_t i = 0; i < std::max<std::uint8_t>(1, m_organisation.banks); ++i) {
        banks.push_back(static_cast<std::uint16_t>(m_organisation.firstBank + i));
    }
    return banks;
}

std::vector<std::uint16_t> MemoryLayout::Numbers() const {
    std::vector<std::uint16_t> numbers;
    std::uint16_t channel = m_organisation.firstChannel;
    for (const std::uint16_t bank : Banks()) {
        if (!m_organisation.flat) {
            channel = m_organisation.firstChannel;
        }
        for (std::uint16_t i = 0; i < ChannelsPerBank(); ++i, ++channel) {
            numbers.push_back(Number(bank, channel));
        }
    }
    return numbers;
}

} // namespace hb::engine
