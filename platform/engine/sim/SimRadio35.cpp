#include "platform/engine/sim/SimRadio35.h"

#include "platform/afx/NumberText.h"
#include "platform/engine/sim/SimRadios.h"

#include <cstdio>

namespace hb::engine::sim {

namespace {

constexpr std::uint8_t kType = 35;
constexpr std::array<std::uint8_t, 1> kTypes{kType};
constexpr std::size_t kLimitDigits = 8;

std::unique_ptr<SimRadio> Make(std::uint8_t) {
    return std::make_unique<SimRadio35>();
}

[[maybe_unused]] const bool kRegistered = RegisterSimRadio(kTypes, &Make);

} // namespace

SimRadio35::SimRadio35() : SimTrunkRadio35(kType) {
    SimRadio35::Erase();
    Define("MW", [this](std::string_view arguments) {
        TrunkChannel* selected = Selected();
        const auto channel =
            arguments.starts_with(' ') ? ParseTrunkChannel(arguments.substr(1)) : std::nullopt;
        if (selected != nullptr && channel) {
            const std::uint16_t memory = selected->memory;
            *selected = *channel;
            selected->memory = memory;
        }
        return Accepted(selected != nullptr && channel);
    });
    for (const bool on : {true, false}) {
        Define(on ? "ATN" : "ATF", [this, on](std::string_view arguments) {
            TrunkChannel* selected = Selected();
            if (selected != nullptr && arguments.empty()) {
                selected->attenuator = on;
            }
            return Accepted(selected != nullptr && arguments.empty());
        });
    }
    Define("DL", [this](std::string_view arguments) -> std::optional<std::string> {
        const TrunkChannel* selected = Selected();
        if (selected == nullptr || !arguments.empty()) {
            return std::string(kRefused);
        }
        return "DL " + FormatTrunkDelay(*selected);
    });
    Define("TB", [this](std::string_view arguments) -> std::optional<std::string> {
        if (!arguments.empty()) {
            return std::string(kRefused);
        }
        char reply[16];
        std::snprintf(reply, sizeof reply, "TB %c %u", static_cast<char>('@' + CurrentBank()),
                      static_cast<unsigned>(BankNumbered(CurrentBank()).trunkCode));
        return reply;
    });
    Define("IC", [this](std::string_view arguments) { return IdSlot(arguments); });
    Define("MD", [](std::string_view arguments) { return Accepted(arguments.empty()); });
    Define("SB", [this](std::string_view arguments) {
        const Words words = Split(arguments);
        if (words.size() != 1) {
            return Accepted(false);
        }
        m_scanning.assign(m_scanning.size(), false);
        for (const char letter : words[0]) {
            const auto index = static_cast<std::size_t>(letter - 'A');
            if (letter >= 'A' && index < m_scanning.size()) {
                m_scanning[index] = true;
            }
        }
        return Accepted(true);
    });
    Define("LL", [this](std::string_view arguments) { return Limit(0, "LL", arguments); });
    Define("LU", [this](std::string_view arguments) { return Limit(1, "LU", arguments); });
}

void SimRadio35::Key(std::string_view key) {
    if (key == "13H") {
        m_choosingBank = true;
        return;
    }
    const auto digit =
        key.starts_with("02 ") ? hb::afx::ParseNumber<std::uint8_t>(key.substr(3)) : std::nullopt;
    if (m_choosingBank && digit && *digit <= 9) {
        const std::size_t bank = *digit == 0 ? 10 : *digit;
        if (bank <= BankCount()) {
            SetCurrentBank(bank);
        }
    }
    m_choosingBank = false;
}

void SimRadio35::Erase() {
    SimTrunkRadio35::Erase();
    m_scanning.assign(BankCount(), true);
    m_limits = {};
    m_choosingBank = false;
}

std::optional<std::string> SimRadio35::IdSlot(std::string_view arguments) {
    if (m_idRefusals > 0) {
        --m_idRefusals;
        return std::string(kRefused);
    }
    // The chosen bank's slot, as "TG" answers it.
    const std::string bank(1, static_cast<char>('@' + CurrentBank()));
    const auto reply = UserId(" " + bank + std::string(arguments));
    if (!reply || !reply->starts_with("TG ")) {
        return std::string(kRefused);
    }
    return "IC" + reply->substr(2);
}

std::optional<std::string> SimRadio35::Limit(std::size_t index, std::string_view word,
                                             std::string_view arguments) {
    if (arguments.empty()) {
        char reply[16];
        std::snprintf(reply, sizeof reply, "%.2s%08u", word.data(), m_limits[index] / 100);
        return reply;
    }
    const auto limit = hb::afx::ParseNumber<std::uint32_t>(arguments);
    if (arguments.size() != kLimitDigits || !limit) {
        return Accepted(false);
    }
    m_limits[index] = *limit * 100;
    return Accepted(true);
}

} // namespace hb::engine::sim
