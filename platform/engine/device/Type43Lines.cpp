#include "platform/engine/device/Type43Lines.h"

#include "platform/engine/device/MemoryProtocol.h"

#include <cstdio>

namespace hb::engine::type43 {

namespace {

using hb::records::Parm;

constexpr std::size_t kFlagsWidth = 5;
constexpr std::size_t kModeWidth = 3;
constexpr std::size_t kLimitWidth = 8;
constexpr std::uint32_t kLimitUnitHz = 100;
constexpr char kOn = 'N';
constexpr char kOff = 'F';

// The text is exactly `width` decimal digits.
std::optional<std::uint32_t> Digits(std::string_view text, std::size_t width) {
    if (text.size() != width) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return value;
}

// " <flags> <trunk word>"
std::string FlagWords(const Parm& record) {
    char text[16];
    std::snprintf(text, sizeof text, " %05u %05u", record.get(Parm::Channel::kFlags),
                  record.get(Parm::Channel::kTrunkWord));
    return text;
}

bool ReadFlagWords(std::string_view text, Parm& record) {
    if (text.size() != 2 * (kFlagsWidth + 1) || text[0] != ' ' || text[kFlagsWidth + 1] != ' ') {
        return false;
    }
    const auto flags = Digits(text.substr(1, kFlagsWidth), kFlagsWidth);
    const auto word = Digits(text.substr(kFlagsWidth + 2), kFlagsWidth);
    if (!flags || !word || *flags > 0xFFFF || *word > 0xFFFF) {
        return false;
    }
    record.set(Parm::Channel::kFlags, static_cast<std::uint16_t>(*flags));
    record.set(Parm::Channel::kTrunkWord, static_cast<std::uint16_t>(*word));
    return true;
}

// What follows "WORD " in the line; none when the line is another's.
std::optional<std::string_view> After(std::string_view word, std::string_view line) {
    if (!line.starts_with(word) || line.size() <= word.size() || line[word.size()] != ' ') {
        return std::nullopt;
    }
    return line.substr(word.size() + 1);
}

bool ReadMemory(std::string_view reply, Parm& record) {
    auto read = memory::ParseRecordLine(kMemory, reply);
    if (!read) {
        return false;
    }
    // The radio's lock-out is on or off: a channel locked out for good.
    read->set(Parm::Channel::kLockOut, read->get(Parm::Channel::kLockOut) ? 0xFF : 0);
    record = *read;
    return true;
}

bool ReadMode(std::string_view reply, Parm& record) {
    const auto text = After(kMode, reply);
    const auto mode = text ? Digits(*text, kModeWidth) : std::nullopt;
    if (!mode || *mode > 0xFF) {
        return false;
    }
    record.set(Parm::kMode, static_cast<std::uint8_t>(*mode));
    return true;
}

bool ReadDelay(std::string_view reply, Parm& record) {
    const auto text = After(kDelay, reply);
    if (!text || text->empty() || ((*text)[0] != kOn && (*text)[0] != kOff)) {
        return false;
    }
    Parm read = record;
    if (!ReadFlagWords(text->substr(1), read)) {
        return false;
    }
    read.set(Parm::Channel::kDelay, (*text)[0] == kOn ? kDelayOnMs : std::int16_t{0});
    record = read;
    return true;
}

bool ReadLimit(std::string_view reply, Parm& record) {
    const bool lower = reply.starts_with(kLowerLimit);
    if (!lower && !reply.starts_with(kUpperLimit)) {
        return false;
    }
    const auto limit = Digits(reply.substr(kLowerLimit.size()), kLimitWidth);
    if (!limit) {
        return false;
    }
    if (lower) {
        record.set(Parm::Channel::kLowerLimit, *limit * kLimitUnitHz);
    } else {
        record.set(Parm::Channel::kUpperLimit, *limit * kLimitUnitHz);
    }
    return true;
}

} // namespace

std::string MemoryWriteLine(const Parm& record) {
    return memory::RecordLine(kMemoryWrite, record) + FlagWords(record);
}

std::optional<Parm> ParseMemoryWriteLine(std::string_view line) {
    const std::size_t flagsAt = memory::RecordLine(kMemoryWrite, Parm{}).size();
    if (line.size() < flagsAt) {
        return std::nullopt;
    }
    auto record = memory::ParseRecordLine(kMemoryWrite, line.substr(0, flagsAt));
    if (!record || !ReadFlagWords(line.substr(flagsAt), *record)) {
        return std::nullopt;
    }
    return record;
}

std::string MemoryLine(const Parm& record) {
    return memory::RecordLine(kMemory, record);
}

std::string ModeLine(std::uint8_t mode) {
    char text[8];
    std::snprintf(text, sizeof text, "%03u", mode);
    return std::string(kMode) + ' ' + text;
}

std::string DelayLine(const Parm& record) {
    const char state = record.get(Parm::Channel::kDelay) != 0 ? kOn : kOff;
    return std::string(kDelay) + ' ' + state + FlagWords(record);
}

std::string LimitLine(std::string_view word, std::uint32_t hz) {
    char text[16];
    std::snprintf(text, sizeof text, "%08u", hz / kLimitUnitHz % 100'000'000u);
    return std::string(word) + text;
}

bool ReadReply(std::string_view reply, Parm& record) {
    return ReadMemory(reply, record) || ReadMode(reply, record) || ReadDelay(reply, record) ||
           ReadLimit(reply, record);
}

} // namespace hb::engine::type43
