#include "platform/engine/sim/SimTrunkRadio35.h"

#include "platform/afx/NumberText.h"
#include "platform/records/RadioModel.h"

#include <algorithm>
#include <cstdio>

namespace hb::engine::sim {

namespace {

using hb::afx::ParseNumber;

// The radio's commands set a Type I bank with 1 and a plain Type II bank with 2; it reports them
// with the codes of its trunk-type table, where they are the other way round.
std::uint8_t TrunkCode(std::uint8_t command) {
    switch (command) {
    case 1:
        return 2;
    case 2:
        return 1;
    default:
        return command;
    }
}

// "A1" ... "A9", "A0", "B1": the slot's index, or none for a text that names no slot.
std::optional<std::size_t> SlotIndex(std::string_view slot) {
    if (slot.size() != 2 || slot[0] < 'A' || slot[0] > 'Z' || slot[1] < '0' || slot[1] > '9') {
        return std::nullopt;
    }
    return static_cast<std::size_t>(slot[0] - 'A') * 10 +
           static_cast<std::size_t>(slot[1] - '0' + 9) % 10;
}

} // namespace

SimTrunkRadio35::SimTrunkRadio35(std::uint8_t type) {
    const hb::records::RadioModel* model = hb::records::FindRadioModel(type);
    const hb::records::Organisation organisation =
        model != nullptr ? model->organisation : hb::records::Organisation{};
    m_channelsPerBank = std::max<std::uint16_t>(organisation.channelsPerBank, 1);
    m_idsPerBank = organisation.idsPerBank;
    m_banks.resize(organisation.banks);
    m_memories.resize(static_cast<std::size_t>(organisation.banks) * m_channelsPerBank);
    SimTrunkRadio35::Erase();

    Define("MA", [this](std::string_view arguments) { return Select(arguments); });
    DefineSwitch("LON", "LOF", &TrunkChannel::lockOut);
    DefineSwitch("DLN", "DLF", &TrunkChannel::delay);
    Define("RM", [this](std::string_view arguments) -> std::optional<std::string> {
        const TrunkChannel* selected = Selected();
        if (!arguments.empty() || selected == nullptr) {
            return std::string(kRefused);
        }
        char reply[16];
        std::snprintf(reply, sizeof reply, "RM %03u", static_cast<unsigned>(selected->mode));
        return reply;
    });
    Define("TBF", [this](std::string_view arguments) {
        const Words words = Split(arguments);
        Bank* bank = words.size() == 1 ? BankLettered(words[0]) : nullptr;
        if (bank != nullptr) {
            bank->trunkCode = 0;
        }
        return Accepted(bank != nullptr);
    });
    Define("TR", [this](std::string_view arguments) { return SetTrunkType(arguments); });
    Define("FB", [this](std::string_view arguments) { return FleetMap(arguments); });
    Define("TG", [this](std::string_view arguments) { return UserId(arguments); });
    Define("AC", [this](std::string_view arguments) {
        if (arguments.empty()) {
            Erase();
        }
        return Accepted(arguments.empty());
    });
}

SimTrunkRadio35::Words SimTrunkRadio35::Split(std::string_view arguments) {
    Words words;
    while (!arguments.empty()) {
        const std::size_t start = arguments.find_first_not_of(' ');
        if (start == std::string_view::npos) {
            break;
        }
        arguments.remove_prefix(start);
        const std::size_t end = std::min(arguments.find(' '), arguments.size());
        words.push_back(arguments.substr(0, end));
        arguments.remove_prefix(end);
    }
    return words;
}

std::optional<std::string> SimTrunkRadio35::Accepted(bool accepted) {
    return std::string(accepted ? kAccepted : kRefused);
}

TrunkChannel* SimTrunkRadio35::Selected() {
    return m_selected ? MemoryNumbered(*m_selected) : nullptr;
}

TrunkChannel* SimTrunkRadio35::MemoryNumbered(std::uint16_t memory) {
    return memory >= 1 && memory <= m_memories.size() ? &m_memories[memory - 1U] : nullptr;
}

SimTrunkRadio35::Bank* SimTrunkRadio35::BankLettered(std::string_view letter) {
    if (letter.size() != 1 || letter[0] < 'A') {
        return nullptr;
    }
    const auto index = static_cast<std::size_t>(letter[0] - 'A');
    return index < m_banks.size() ? &m_banks[index] : nullptr;
}

void SimTrunkRadio35::Erase() {
    for (std::size_t i = 0; i < m_memories.size(); ++i) {
        m_memories[i] = TrunkChannel{.memory = static_cast<std::uint16_t>(i + 1)};
    }
    for (Bank& bank : m_banks) {
        bank = Bank{};
        bank.ids.resize(m_idsPerBank);
    }
    m_selected.reset();
    m_currentBank = 1;
}

std::optional<std::string> SimTrunkRadio35::Select(std::string_view arguments) {
    const auto memory = ParseNumber<std::uint16_t>(arguments);
    if (arguments.size() != 3 || !memory || !MemoryNumbered(*memory)) {
        return std::string(kRefused);
    }
    m_selected = *memory;
    m_currentBank = (*memory - 1U) / m_channelsPerBank + 1;
    return "MA" + FormatTrunkChannel(*Selected());
}

std::optional<std::string> SimTrunkRadio35::SetTrunkType(std::string_view arguments) {
    const Words words = Split(arguments);
    Bank* bank = words.empty() ? nullptr : BankLettered(words[0]);
    const auto command = words.size() >= 2 ? ParseNumber<std::uint8_t>(words[1]) : std::nullopt;
    if (bank == nullptr || !command) {
        return std::string(kRefused);
    }
    const auto number = [&](std::size_t i) { return ParseNumber<std::uint32_t>(words.at(i)); };
    if (words.size() == 4) {
        const auto base = number(2);
        const auto spacing = number(3);
        if (!base || !spacing) {
            return std::string(kRefused);
        }
        bank->plans[0] = {*base * 100, *spacing, bank->plans[0].offset};
    } else if (words.size() == 6) {
        const auto base = number(2);
        const auto spacing = number(3);
        const auto offset = number(4);
        const auto plan = number(5);
        if (!base || !spacing || !offset || *offset > 0xFFFF || !plan || *plan < 1 ||
            *plan > bank->plans.size()) {
            return std::string(kRefused);
        }
        bank->plans[*plan - 1] = {*base * 100, *spacing * 100, static_cast<std::uint16_t>(*offset)};
    } else if (words.size() != 2) {
        return std::string(kRefused);
    }
    bank->trunkCode = TrunkCode(*command);
    return std::string(kAccepted);
}

std::optional<std::string> SimTrunkRadio35::FleetMap(std::string_view arguments) {
    const Words words = Split(arguments);
    Bank* bank = words.size() >= 2 ? BankLettered(words[0]) : nullptr;
    const auto block = bank ? ParseNumber<std::uint8_t>(words[1]) : std::nullopt;
    if (!block || *block >= bank->fleetMap.size() || words.size() > 3) {
        return std::string(kRefused);
    }
    if (words.size() == 3) {
        const auto size = ParseNumber<std::uint8_t>(words[2]);
        if (size) {
            bank->fleetMap[*block] = *size;
        }
        return Accepted(size.has_value());
    }
    char reply[24];
    std::snprintf(reply, sizeof reply, "FB %c %u %02u", words[0][0], static_cast<unsigned>(*block),
                  static_cast<unsigned>(bank->fleetMap[*block]));
    return reply;
}

std::optional<std::string> SimTrunkRadio35::UserId(std::string_view arguments) {
    // " A A1" asks, " A A1 text" sets (an empty text empties the slot).
    Bank* bank = arguments.size() >= 5 && arguments[0] == ' ' && arguments[2] == ' '
                     ? BankLettered(arguments.substr(1, 1))
                     : nullptr;
    const auto slot = bank ? SlotIndex(arguments.substr(3, 2)) : std::nullopt;
    if (!slot || *slot >= bank->ids.size() || (arguments.size() > 5 && arguments[5] != ' ')) {
        return std::string(kRefused);
    }
    if (arguments.size() > 5) {
        bank->ids[*slot] = std::string(arguments.substr(6));
        return std::string(kAccepted);
    }
    const std::string& id = bank->ids[*slot];
    return "TG" + std::string(arguments) + ' ' + (id.empty() ? std::string(kEmptySlot) : id);
}

void SimTrunkRadio35::DefineSwitch(std::string on, std::string off, bool TrunkChannel::*field) {
    for (const bool value : {true, false}) {
        Define(value ? on : off, [this, field, value](std::string_view arguments) {
            TrunkChannel* selected = Selected();
            if (selected != nullptr && arguments.empty()) {
                selected->*field = value;
            }
            return Accepted(selected != nullptr && arguments.empty());
        });
    }
}

} // namespace hb::engine::sim
