#include "platform/engine/device/TrunkReplyFields.h"

#include "platform/records/ReplyText.h"
#include "platform/records/SquelchToneTable.h"
#include "platform/records/TrunkChannelWords.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>

namespace hb::engine {

namespace {

using hb::records::DeviceStatus;
using hb::records::Parm;

constexpr std::uint8_t kOn = 0xFF;
constexpr std::uint8_t kAttenuatorOn = 1;
constexpr std::uint8_t kToneKindCtcss = 4;
constexpr std::size_t kNameWidth = 16;

char At(std::string_view reply, std::size_t pos) {
    return static_cast<char>(hb::records::ReplyAt0(reply, pos).value_or('\0'));
}

void SetBit(Parm& record, const auto field, std::uint16_t bit, bool on) {
    const auto value = record.get(field);
    record.set(field, static_cast<std::uint16_t>(on ? value | bit : value & ~bit));
}

void ReadStep(std::string_view word, std::string_view autoStep, Parm& record) {
    if (word == autoStep) {
        record.set(Parm::kStep, 0);
        return;
    }
    const auto known =
        std::ranges::find(hb::records::kTrunkStepWords, word, &hb::records::TrunkStepWord::word);
    if (known != hb::records::kTrunkStepWords.end()) {
        record.set(Parm::kStep, known->hz);
    }
}

void ReadMode(std::string_view word, Parm& record) {
    const auto known =
        std::ranges::find(hb::records::kTrunkModeWords, word, &hb::records::TrunkModeWord::word);
    if (known != hb::records::kTrunkModeWords.end()) {
        record.set(Parm::kMode, known->mode);
    }
}

// "F", "N", or "N" and a delay word, blanks left out.
void ReadDelay(std::string text, Parm& record) {
    std::erase(text, ' ');
    if (text == "F" || text == "N") {
        record.set(Parm::Channel::kDelay,
                   static_cast<std::int16_t>(text == "N" ? hb::records::kTrunkDelayOn : 0));
        return;
    }
    const std::string_view word =
        std::string_view(text).substr(std::min<std::size_t>(1, text.size()));
    const auto known =
        std::ranges::find(hb::records::kTrunkDelayWords, word, &hb::records::TrunkDelayWord::word);
    if (text.starts_with('N') && known != hb::records::kTrunkDelayWords.end()) {
        record.set(Parm::Channel::kDelay, known->ms);
    }
}

// "012L": the squelch block of the tone's position, "L" the tone option.
void ReadTone(std::string_view text, Parm& record) {
    const auto position = ReplyDigits(text, 0, 3);
    if (!position || *position >= hb::records::kSquelchToneCount) {
        return;
    }
    for (std::size_t word = 0; word < Parm::kModelWords.kCount; ++word) {
        record.set(Parm::kModelWords, word, 0);
    }
    if (*position == 0) {
        return;
    }
    record.set(Parm::Channel::kTone, hb::records::SquelchToneTable[*position]);
    record.set(Parm::Channel::kSquelchKind, *position >= hb::records::kSquelchToneFirstDcs
                                                ? Parm::Channel::kSquelchKindDcs
                                                : kToneKindCtcss);
    if (text.substr(3) == "L") {
        record.set(Parm::Channel::kToneOption, Parm::Channel::kToneOptionSuffixL);
    }
}

// "MA005T08510125 LON ATF ARF ST12.5K RMNFM DLN+2 CS012L BAN": a new record of the memory.
void ReadChannel(std::string_view reply, std::string_view autoStep, Parm& record) {
    const auto number = ReplyDigits(reply, 2, 3);
    const auto frequency = ReplyDigits(reply, 6, 8);
    if (!number || !frequency) {
        return;
    }
    record = Parm{};
    record.set(Parm::kMemoryChannel, static_cast<std::uint16_t>(*number));
    record.set(Parm::kFrequency, *frequency * 100);
    record.set(
        Parm::Channel::kTrunkWord,
        static_cast<std::uint16_t>(At(reply, 5) == 'T' ? Parm::Channel::kTrunkFrequency : 0));
    std::string_view tokens = hb::records::ReplyFrom0(reply, 14);
    while (!tokens.empty()) {
        const std::size_t blank = std::min(tokens.find(' '), tokens.size());
        const std::string_view token = tokens.substr(0, blank);
        tokens.remove_prefix(std::min(blank + 1, tokens.size()));
        const std::string_view word = token.substr(0, 2);
        const std::string_view value = token.substr(std::min<std::size_t>(2, token.size()));
        const bool on = value == "N";
        if (word == "LO") {
            record.set(Parm::kLockOut, on ? kOn : std::uint8_t{0});
        } else if (word == "AT") {
            record.set(Parm::Channel::kAttenuator, on ? kAttenuatorOn : std::uint8_t{0});
        } else if (word == "AR") {
            record.set(Parm::Channel::kMarker, on ? kOn : std::uint8_t{0});
        } else if (word == "BA") {
            SetBit(record, Parm::Channel::kFlags, Parm::Channel::kFlagBankAssign, on);
        } else if (word == "ST") {
            ReadStep(value, autoStep, record);
        } else if (word == "RM") {
            ReadMode(value, record);
        } else if (word == "DL") {
            ReadDelay(std::string(value), record);
        } else if (word == "CS") {
            ReadTone(value, record);
        }
    }
}

// Where the name stands in "TA C 005 name", "TA B A name", "TA S A name", "TA I A A1 name" and
// "TA L A B name".
std::optional<std::size_t> NameAt(char kind) {
    switch (kind) {
    case 'C':
    case 'L':
        return 9;
    case 'B':
    case 'S':
        return 7;
    case 'I':
        return 10;
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<std::uint32_t> ReplyDigits(std::string_view reply, std::size_t pos,
                                         std::size_t count) {
    const std::string_view text = hb::records::ReplyFrom0(reply, pos).substr(0, count);
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end == text.data()) {
        return std::nullopt;
    }
    return value;
}

bool DecodeNamedTrunkReply(std::string_view reply, std::string_view autoStep,
                           DeviceStatus& decoded) {
    Parm record = decoded.get(DeviceStatus::kCurrentParm);
    if (reply.starts_with("MA")) {
        ReadChannel(reply, autoStep, record);
    } else if (reply.starts_with("TA ")) {
        if (const auto at = NameAt(At(reply, 3))) {
            record.setText(Parm::kName, hb::records::ReplyFrom0(reply, *at).substr(0, kNameWidth));
        }
    } else if (reply.starts_with("LL") || reply.starts_with("LU")) {
        if (const auto limit = ReplyDigits(reply, 2, 8); limit && reply[1] == 'L') {
            record.set(Parm::Channel::kLowerLimit, *limit * 100);
        } else if (limit) {
            record.set(Parm::Channel::kUpperLimit, *limit * 100);
        }
    } else if (reply.starts_with("CS")) {
        ReadTone(reply.substr(2), record);
    } else if (reply.starts_with("RM ")) {
        ReadMode(reply.substr(3), record);
    } else if (reply.starts_with("DL")) {
        ReadDelay(std::string(reply.substr(2)), record);
    } else if (reply.starts_with("ST ")) {
        ReadStep(reply.substr(3), autoStep, record);
    } else if (reply.starts_with("BA C ")) {
        SetBit(record, Parm::Channel::kFlags, Parm::Channel::kFlagBankAssign, At(reply, 9) == 'N');
        SetBit(record, Parm::Channel::kTrunkWord, Parm::Channel::kTrunkFrequency,
               At(reply, 11) == 'T');
    } else if (reply.starts_with("BA I ")) {
        SetBit(record, Parm::Channel::kFlags, Parm::Channel::kFlagBankAssign, At(reply, 10) == 'N');
    } else if (reply.starts_with("PC ")) {
        if (const auto channel = ReplyDigits(reply, 5)) {
            record.set(Parm::kMemoryChannel, static_cast<std::uint16_t>(*channel));
        }
    } else if (reply.starts_with("TB ")) {
        if (const auto code = ReplyDigits(reply, 5, 1)) {
            decoded.set(DeviceStatus::kTrunkTypeCode, static_cast<std::uint8_t>(*code));
        }
    } else {
        return false;
    }
    decoded.set(DeviceStatus::kCurrentParm, record);
    return true;
}

} // namespace hb::engine
