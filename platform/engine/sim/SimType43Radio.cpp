#include "platform/engine/sim/SimType43Radio.h"

#include "platform/engine/sim/SimRadios.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace hb::engine::sim {

namespace {

constexpr std::array<std::uint8_t, 1> kTypes{43};
constexpr std::string_view kRefused = "NG";

// What "TB" reports for each trunk-type command; a bank without one reports no system.
constexpr std::array<std::string_view, 7> kTrunkTexts{"CONV",   "TYPE1",  "E2-800", "E2-900",
                                                      "E2-UHF", "E2-VHI", "EDACS"};
constexpr unsigned kUhfCommand = 4;
constexpr unsigned kVhfCommand = 5;
// The plan offset of a VHF or UHF system, which the command does not carry.
constexpr std::uint16_t kPlanOffset = 380;
constexpr std::uint32_t kBaseUnitHz = 100;
constexpr std::uint32_t kStepUnitHz = 10;
constexpr std::uint8_t kLastSizeCode = 15;

// The menu path to a range's item: search menu "4", "1", the range's digit, the item.
constexpr std::string_view kSearchMenu = "41";
constexpr char kModeItem = '3';
constexpr char kStepItem = '2';
constexpr std::size_t kItemOpen = 4;

// The number a digit key stands for in a choice of ten: "0" is the tenth.
unsigned DigitNumber(char digit) {
    return digit == '0' ? SimType43Radio::kRanges : static_cast<unsigned>(digit - '0');
}

std::unique_ptr<SimRadio> Make(std::uint8_t) {
    return std::make_unique<SimType43Radio>();
}

[[maybe_unused]] const bool kRegistered = RegisterSimRadio(kTypes, &Make);

} // namespace

SimType43Radio::SimType43Radio() : SimChannelRadio(kMemories) {
    Define("AC", [this](std::string_view) {
        Erase();
        return std::string(kAccepted);
    });
    Define("LCD", [this](std::string_view arguments) -> std::optional<std::string> {
        if (arguments != " LINE1") {
            return std::string(kRefused);
        }
        return "LINE1 " + Display()[0];
    });
    DefineProgramming("TR", [this](std::string_view arguments) { return TrunkType(arguments); });
    DefineProgramming("TB", [this](std::string_view) {
        const unsigned command = m_banks[m_bank - 1].trunkCommand;
        return std::string("TB ") + static_cast<char>('@' + m_bank) + ' ' +
               std::string(kTrunkTexts.at(command < kTrunkTexts.size() ? command : 0));
    });
    DefineProgramming("FB", [this](std::string_view arguments) { return FleetMap(arguments); });
    DefineProgramming("TG", [this](std::string_view arguments) { return Talkgroup(arguments); });
}

void SimType43Radio::Erase() {
    m_banks = {};
    EraseChannels();
    m_ranges = {};
}

SimType43Radio::TrunkBank* SimType43Radio::BankOf(char letter) {
    const int index = letter - 'A';
    return index >= 0 && index < static_cast<int>(kBanks)
               ? &m_banks[static_cast<std::size_t>(index)]
               : nullptr;
}

std::optional<std::string> SimType43Radio::TrunkType(std::string_view arguments) {
    const auto words = Words(arguments);
    TrunkBank* bank = words.size() >= 2 && words[0].size() == 1 ? BankOf(words[0][0]) : nullptr;
    const auto command = bank ? Number(words[1]) : std::nullopt;
    if (!command || *command == 0 || *command >= kTrunkTexts.size()) {
        return std::string(kRefused);
    }
    const bool plan = *command == kUhfCommand || *command == kVhfCommand;
    const auto base = plan && words.size() == 4 ? Number(words[2]) : std::nullopt;
    const auto step = plan && words.size() == 4 ? Number(words[3]) : std::nullopt;
    if (plan != (base && step) || (!plan && words.size() != 2)) {
        return std::string(kRefused);
    }
    bank->trunkCommand = *command;
    bank->base = plan ? *base * kBaseUnitHz : 0;
    bank->step = plan ? *step * kStepUnitHz : 0;
    bank->offset = plan ? kPlanOffset : 0;
    return std::string(kAccepted);
}

std::optional<std::string> SimType43Radio::FleetMap(std::string_view arguments) {
    const auto words = Words(arguments);
    TrunkBank* bank = words.size() >= 2 && words[0].size() == 1 ? BankOf(words[0][0]) : nullptr;
    const auto block = bank ? Number(words[1]) : std::nullopt;
    if (!block || *block >= kFleetBlocks || words.size() > 3) {
        return std::string(kRefused);
    }
    if (words.size() == 3) {
        const auto size = Number(words[2]);
        if (!size || *size > kLastSizeCode) {
            return std::string(kRefused);
        }
        bank->fleetMap[*block] = static_cast<std::uint8_t>(*size);
        return std::string(kAccepted);
    }
    char reply[24];
    std::snprintf(reply, sizeof reply, "FB %c %u %02u", words[0][0], *block,
                  bank->fleetMap[*block]);
    return std::string(reply);
}

std::optional<std::string> SimType43Radio::Talkgroup(std::string_view arguments) {
    const auto words = Words(arguments);
    TrunkBank* bank = words.size() >= 2 && words[0].size() == 1 ? BankOf(words[0][0]) : nullptr;
    const auto slot = bank ? SlotIndex(words[1], kSlots) : std::nullopt;
    if (!slot || words.size() > 3) {
        return std::string(kRefused);
    }
    std::string& text = bank->slots[*slot];
    if (words.size() == 3) {
        text = words[2] == kClearSlot ? std::string() : std::string(words[2]);
        return std::string(kAccepted);
    }
    return "TG " + std::string(words[0]) + ' ' + std::string(words[1]) + ' ' +
           (text.empty() ? std::string(kEmptySlot) : text);
}

void SimType43Radio::Key(std::string_view key) {
    if (key == "01") {
        m_menu = Menu::None;
        m_menuPath.clear();
    } else if (key == "11") {
        m_menu = Menu::Settings;
        m_menuPath.clear();
    } else if (key == "13H") {
        m_menu = Menu::BankChoice;
        m_highBanks = false;
    } else if (key == "14" && m_menu == Menu::BankChoice) {
        m_highBanks = !m_highBanks;
    } else if (key == "04" && m_menu == Menu::BankChoice) {
        m_bank = m_chosenBank;
        m_menu = Menu::None;
    } else if (key.size() == 4 && key.starts_with("02 ") && key[3] >= '0' && key[3] <= '9') {
        if (m_menu == Menu::BankChoice) {
            m_chosenBank = DigitNumber(key[3]) + (m_highBanks ? 10 : 0);
        } else if (m_menu == Menu::Settings) {
            MenuDigit(key[3]);
        }
    }
    ShowMenuItem();
}

char* SimType43Radio::OpenItem() {
    if (m_menu != Menu::Settings || m_menuPath.size() != kItemOpen ||
        !m_menuPath.starts_with(kSearchMenu)) {
        return nullptr;
    }
    RangeKeys& range = m_ranges[DigitNumber(m_menuPath[2]) - 1];
    switch (m_menuPath[3]) {
    case kModeItem:
        return &range.mode;
    case kStepItem:
        return &range.step;
    default:
        return nullptr;
    }
}

void SimType43Radio::MenuDigit(char digit) {
    // An open item takes the digit as its value and stays open, showing it.
    if (char* value = OpenItem()) {
        *value = digit;
        return;
    }
    m_menuPath += digit;
}

void SimType43Radio::ShowMenuItem() {
    const char* value = OpenItem();
    SetDisplayLine(0, value ? std::string("[~") + *value : std::string());
}

} // namespace hb::engine::sim
