#include "platform/engine/sim/SimChannelRadio.h"

#include "platform/engine/device/Type43Lines.h"

#include <charconv>

namespace hb::engine::sim {

namespace {

using hb::records::Parm;

constexpr std::string_view kRefused = "NG";

} // namespace

SimChannelRadio::SimChannelRadio(std::uint16_t memories) : m_count(memories) {
    Define("LL", [this](std::string_view arguments) {
        return Limit(m_lower, type43::kLowerLimit, arguments);
    });
    Define("LU", [this](std::string_view arguments) {
        return Limit(m_upper, type43::kUpperLimit, arguments);
    });
    DefineProgramming("MA", [this](std::string_view arguments) { return SelectMemory(arguments); });
    DefineProgramming("MW", [this](std::string_view arguments) {
        return WriteMemory(std::string(type43::kMemoryWrite) + std::string(arguments));
    });
    DefineProgramming("RM", [this](std::string_view) {
        return type43::ModeLine(m_memories[m_selected].get(Parm::kMode));
    });
    DefineProgramming(
        "DL", [this](std::string_view) { return type43::DelayLine(m_memories[m_selected]); });
    DefineProgramming("DLN", [this](std::string_view) {
        return Selected(
            [](Parm& record) { record.set(Parm::Channel::kDelay, type43::kDelayOnMs); });
    });
    DefineProgramming("LON", [this](std::string_view) {
        return Selected([](Parm& record) { record.set(Parm::Channel::kLockOut, 0xFF); });
    });
}

std::optional<unsigned> SimChannelRadio::Number(std::string_view text) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<unsigned> SimChannelRadio::SlotIndex(std::string_view name, unsigned slots) {
    if (name.size() != 2 || name[0] < 'A' || name[1] < '0' || name[1] > '9') {
        return std::nullopt;
    }
    const unsigned ten = static_cast<unsigned>(name[0] - 'A');
    const unsigned digit = static_cast<unsigned>(name[1] - '0');
    const unsigned index = ten * 10 + (digit == 0 ? 9 : digit - 1);
    return index < slots ? std::optional(index) : std::nullopt;
}

std::optional<Parm> SimChannelRadio::Memory(std::uint16_t number) const {
    const auto it = m_memories.find(number);
    return it != m_memories.end() ? std::optional(it->second) : std::nullopt;
}

void SimChannelRadio::DefineProgramming(std::string word, Command command) {
    Define(std::move(word), [this, command = std::move(command)](std::string_view arguments) {
        return Programming() ? command(arguments) : std::nullopt;
    });
}

void SimChannelRadio::EraseChannels() {
    m_memories.clear();
    m_selected = 1;
    m_lower = m_upper = 0;
}

std::optional<std::string> SimChannelRadio::SelectMemory(std::string_view arguments) {
    const auto number = arguments.size() == 3 ? Number(arguments) : std::nullopt;
    if (!number || *number > m_count) {
        return std::string(kRefused);
    }
    m_selected = static_cast<std::uint16_t>(*number == 0 ? m_count : *number);
    Parm& record = m_memories[m_selected];
    record.set(Parm::kMemoryChannel, m_selected);
    return type43::MemoryLine(record);
}

std::optional<std::string> SimChannelRadio::WriteMemory(std::string_view line) {
    auto record = type43::ParseMemoryWriteLine(line);
    const std::uint16_t number = record ? record->get(Parm::kMemoryChannel) : 0;
    if (number == 0 || number > m_count) {
        return std::string(kRefused);
    }
    // The memory written is the one selected; its delay and lock-out are set by commands of
    // their own.
    record->set(Parm::Channel::kDelay, 0);
    record->set(Parm::Channel::kLockOut, 0);
    m_memories[number] = *record;
    m_selected = number;
    return std::string(kAccepted);
}

std::optional<std::string> SimChannelRadio::Selected(void (*change)(Parm&)) {
    change(m_memories[m_selected]);
    return std::string(kAccepted);
}

std::optional<std::string> SimChannelRadio::Limit(std::uint32_t& limit, std::string_view word,
                                                  std::string_view arguments) {
    if (arguments.empty()) {
        return type43::LimitLine(word, limit);
    }
    const auto value = arguments.size() == 8 ? Number(arguments) : std::nullopt;
    if (!value) {
        return std::string(kRefused);
    }
    limit = *value * 100;
    return std::string(kAccepted);
}

} // namespace hb::engine::sim
