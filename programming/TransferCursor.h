#pragma once
// Where a memory transfer stands: the memories to move, where they start on the radio and in the
// group, where the transfer is now and what the user allowed. The transfer fills it, the summary
// dialog edits it and restores refused entries from the copy kept when it was filled.
#include <cstdint>
#include <string>

class Radio;

struct TransferPosition {
    static constexpr std::uint8_t kSet = 0xFF;
    // direction
    static constexpr std::uint8_t kRadioToPc = 1;
    static constexpr std::uint8_t kPcToRadio = 2;

    std::uint16_t transferred = 0;
    std::uint16_t done = 0;
    std::uint16_t total = 0;
    std::uint16_t radioStartBank = 0;
    std::uint16_t radioStartChannel = 0;
    std::uint16_t docStartBank = 0;
    std::uint16_t docStartChannel = 0;
    std::uint16_t channel = 0;
    std::uint16_t bank = 0;
    std::uint16_t channelIndex = 0;
    std::uint16_t bankIndex = 0;
    std::uint8_t insert = 0;
    std::uint8_t merge = 0;
    std::uint8_t replace = kSet;
    std::uint8_t partial = 0;
    std::uint8_t direction = 0;
    // The summary shows while the first is set; it takes entries while any of the three is.
    std::uint8_t showSummary = kSet;
    std::uint8_t permitSecond = kSet;
    std::uint8_t permitThird = kSet;
};

struct TransferCursor : TransferPosition {
    Radio* radio = nullptr;
    std::string rigName;
    TransferPosition saved;

    void KeepSaved() { saved = static_cast<const TransferPosition&>(*this); }
    bool Permits() const { return showSummary || permitSecond || permitThird; }
};
