#include "platform/engine/sim/SimRadio99.h"

#include "platform/afx/NumberText.h"
#include "platform/engine/sim/SimRadios.h"
#include "platform/records/ModeNames.h"

#include <array>
#include <cstdio>

namespace hb::engine::sim {

namespace {

using hb::afx::ParseNumber;

constexpr std::uint8_t kType = 99;
constexpr std::array<std::uint8_t, 1> kTypes{kType};
constexpr std::uint16_t kTrunkMark = 0x80;
// The air band, which the radio receives in AM.
constexpr std::uint32_t kAirBandLow = 108'000'000;
constexpr std::uint32_t kAirBandHigh = 137'000'000;

std::unique_ptr<SimRadio> Make(std::uint8_t) {
    return std::make_unique<SimRadio99>();
}

[[maybe_unused]] const bool kRegistered = RegisterSimRadio(kTypes, &Make);

} // namespace

SimRadio99::SimRadio99() : SimTrunkRadio35(kType) {
    SimRadio99::Erase();
    Define("PM", [this](std::string_view arguments) { return Programme(arguments); });
    Define("TB", [this](std::string_view arguments) -> std::optional<std::string> {
        const Words words = Split(arguments);
        const Bank* bank = words.size() == 1 ? BankLettered(words[0]) : nullptr;
        if (bank == nullptr) {
            return std::string(kRefused);
        }
        char reply[16];
        std::snprintf(reply, sizeof reply, "TB %c %u", words[0][0],
                      static_cast<unsigned>(bank->trunkCode));
        return reply;
    });
    Define("TBN", [this](std::string_view arguments) {
        const Words words = Split(arguments);
        BankSettings* settings = words.size() == 1 ? SettingsLettered(words[0]) : nullptr;
        if (settings != nullptr) {
            settings->trunking = true;
        }
        return Accepted(settings != nullptr);
    });
    Define("TCN", [this](std::string_view arguments) {
        const Words words = Split(arguments);
        BankSettings* settings = words.size() == 2 ? SettingsLettered(words[0]) : nullptr;
        const auto tc = settings && words[1].starts_with('P')
                            ? ParseNumber<std::uint8_t>(words[1].substr(1))
                            : std::nullopt;
        if (tc) {
            settings->tc = *tc;
        }
        return Accepted(tc.has_value());
    });
    Define("TCF", [this](std::string_view arguments) {
        const Words words = Split(arguments);
        BankSettings* settings = words.size() == 1 ? SettingsLettered(words[0]) : nullptr;
        if (settings != nullptr) {
            settings->tc = 0;
        }
        return Accepted(settings != nullptr);
    });
    Define("PC", [this](std::string_view arguments) {
        const Words words = Split(arguments);
        BankSettings* settings = words.size() == 1 && words[0].size() == 4
                                     ? SettingsLettered(words[0].substr(0, 1))
                                     : nullptr;
        const auto channel =
            settings ? ParseNumber<std::uint16_t>(words[0].substr(1)) : std::nullopt;
        if (channel) {
            settings->priority = *channel;
        }
        return Accepted(channel.has_value());
    });
    for (const bool on : {true, false}) {
        Define(on ? "AFN" : "AFF", [this, on](std::string_view arguments) {
            if (!arguments.empty() || Selected() == nullptr) {
                return Accepted(false);
            }
            m_settings.at(CurrentBank() - 1).af = on;
            return Accepted(true);
        });
    }
    Define("BC", [this](std::string_view arguments) { return AnswerBandPlan(arguments); });
}

void SimRadio99::Erase() {
    SimTrunkRadio35::Erase();
    m_settings.assign(BankCount(), BankSettings{});
}

SimRadio99::BankSettings* SimRadio99::SettingsLettered(std::string_view letter) {
    if (BankLettered(letter) == nullptr) {
        return nullptr;
    }
    return &m_settings.at(static_cast<std::size_t>(letter[0] - 'A'));
}

std::optional<std::string> SimRadio99::Programme(std::string_view arguments) {
    // "001T08510125": memory, trunk mark, frequency.
    constexpr std::size_t kMarkAt = 3;
    constexpr std::size_t kFrequencyAt = 4;
    constexpr std::size_t kWidth = 12;
    const auto memory = ParseNumber<std::uint16_t>(arguments.substr(0, kMarkAt));
    TrunkChannel* channel = memory ? MemoryNumbered(*memory) : nullptr;
    const auto frequency = arguments.size() == kWidth
                               ? ParseNumber<std::uint32_t>(arguments.substr(kFrequencyAt))
                               : std::nullopt;
    const char mark = arguments.size() == kWidth ? arguments[kMarkAt] : '\0';
    if (channel == nullptr || !frequency || (mark != 'T' && mark != ' ')) {
        return Accepted(false);
    }
    channel->frequency = *frequency * 100;
    channel->trunkWord = mark == 'T' ? kTrunkMark : 0;
    channel->mode = channel->frequency >= kAirBandLow && channel->frequency < kAirBandHigh
                        ? hb::records::kModeAm
                        : hb::records::kModeFm;
    return Accepted(true);
}

std::optional<std::string> SimRadio99::AnswerBandPlan(std::string_view arguments) {
    const Words words = Split(arguments);
    const Bank* bank =
        words.size() == 1 && words[0].size() == 2 ? BankLettered(words[0].substr(0, 1)) : nullptr;
    const auto plan = bank ? ParseNumber<std::uint8_t>(words[0].substr(1)) : std::nullopt;
    if (!plan || *plan < 1 || *plan > bank->plans.size()) {
        return std::string(kRefused);
    }
    const auto& values = bank->plans[*plan - 1U];
    char reply[40];
    std::snprintf(reply, sizeof reply, "BC %.2s %08u %04u %03u", words[0].data(), values.base / 100,
                  values.spacing / 100, static_cast<unsigned>(values.offset));
    return reply;
}

} // namespace hb::engine::sim
