#include "platform/engine/sim/SimMenu45.h"

#include "platform/afx/NumberText.h"

#include <cstdio>

namespace hb::engine::sim {

namespace {

constexpr unsigned kGlobalMenu = 1;
constexpr unsigned kBankMenu = 3;
constexpr unsigned kSearchMenu = 4;
constexpr unsigned kRangesItem = 1;
constexpr unsigned kTrunkTypesItem = 1;
constexpr unsigned kIdListItem = 5;
constexpr unsigned kIdOptionItem = 3;
constexpr unsigned kLastDigit = 9;

// Banks, ranges, ID groups and slots are chosen by the digits 1 to 9, then 0 for the tenth.
std::size_t IndexOfDigit(unsigned digit) {
    return (digit + kLastDigit) % 10;
}

} // namespace

void SimMenu45::Press(std::string_view key) {
    if (key == "01") {
        Close();
        return;
    }
    if (key == "11") {
        m_open = true;
        m_steps.clear();
        return;
    }
    if (!m_open) {
        return;
    }
    if (!key.starts_with("02 ")) {
        m_steps.push_back({std::nullopt, std::string(key)});
        return;
    }
    const auto digit = hb::afx::ParseNumber<unsigned>(key.substr(3));
    if (!digit || *digit > kLastDigit) {
        return;
    }
    // On an item the digit is its new value; anywhere else it goes one level further.
    if (const Place place = Resolve(); place.item) {
        *place.item = *digit;
    } else {
        m_steps.push_back({*digit, {}});
    }
}

void SimMenu45::Close() {
    m_open = false;
    m_steps.clear();
}

std::string SimMenu45::Line(std::string_view which) const {
    const Place place = Resolve();
    if (which == "FRQ") {
        return place.bandBank ? BandScreen(*place.bandBank, place.screen) : std::string(which);
    }
    return std::string(which) + (place.item ? " [~" + std::to_string(*place.item) : " MENU");
}

SimMenu45::Place SimMenu45::Resolve() const {
    const auto menu = ChoiceAt(0);
    if (!m_open || !menu) {
        return {};
    }
    // The item whose digit is the last step at `at`.
    const auto itemAt = [this](SimMenuItems45& items, std::size_t at) {
        const auto digit = ChoiceAt(at);
        return digit && m_steps.size() == at + 1 ? Place{&items[*digit]} : Place{};
    };
    switch (*menu) {
    case kGlobalMenu:
        return itemAt(m_memory.globalItems, 1);
    case kSearchMenu: {
        if (ChoiceAt(1) != kRangesItem) {
            return itemAt(m_memory.searchItems, 1);
        }
        const auto range = ChoiceAt(2);
        return range ? itemAt(m_memory.ranges[IndexOfDigit(*range)].items, 3) : Place{};
    }
    case kBankMenu: {
        const auto bank = ChoiceAt(1);
        return bank ? BankPlace(2, m_memory.banks[IndexOfDigit(*bank)]) : Place{};
    }
    default:
        return {};
    }
}

SimMenu45::Place SimMenu45::BankPlace(std::size_t at, SimBank45& bank) const {
    const auto item = ChoiceAt(at);
    if (!item) {
        return {};
    }
    if (*item == kTrunkTypesItem) {
        // A trunk type, "KEY12", then a "KEY04" for each further screen.
        if (!ChoiceAt(at + 1) || !KeyAt(at + 2, "12")) {
            return {};
        }
        unsigned screen = 0;
        for (std::size_t next = at + 3; next < m_steps.size(); ++next, ++screen) {
            if (!KeyAt(next, "04")) {
                return {};
            }
        }
        return {nullptr, &bank, screen};
    }
    if (*item == kIdListItem) {
        const auto group = ChoiceAt(at + 1);
        const auto slot = ChoiceAt(at + 3);
        if (!group || !KeyAt(at + 2, "03") || !slot || !KeyAt(at + 4, "04") ||
            ChoiceAt(at + 5) != kIdOptionItem || m_steps.size() != at + 6) {
            return {};
        }
        const std::size_t index = IndexOfDigit(*group) * 10 + IndexOfDigit(*slot);
        return index < bank.ids.size() ? Place{&bank.ids[index].option} : Place{};
    }
    return m_steps.size() == at + 1 ? Place{&bank.items[*item]} : Place{};
}

std::optional<unsigned> SimMenu45::ChoiceAt(std::size_t at) const {
    return at < m_steps.size() ? m_steps[at].choice : std::nullopt;
}

bool SimMenu45::KeyAt(std::size_t at, std::string_view key) const {
    return at < m_steps.size() && !m_steps[at].choice && m_steps[at].key == key;
}

std::string SimMenu45::BandScreen(const SimBank45& bank, unsigned screen) {
    char text[32];
    switch (screen) {
    case 0:
        std::snprintf(text, sizeof text, "BASE  %3u.%04u", bank.base / 10000, bank.base % 10000);
        break;
    case 1:
        std::snprintf(text, sizeof text, "SPACE %4u.%03u", bank.spacing / 1000,
                      bank.spacing % 1000);
        break;
    case 2:
        std::snprintf(text, sizeof text, "OFFSET  %03u", bank.offset);
        break;
    default:
        return "FRQ";
    }
    return text;
}

} // namespace hb::engine::sim
