#include "platform/engine/device/MemoryProtocol.h"

#include <cstdio>

namespace hb::engine::memory {

namespace {

using hb::records::Parm;

constexpr std::size_t kNameWidth = 16;
constexpr std::size_t kRecordWidth = 63; // after the word and its blank
constexpr std::size_t kBankWidth = 3;

// Reads the fields of a line one after another, each followed by one blank but the last.
class Fields {
public:
    explicit Fields(std::string_view text) : m_text(text) {}

    std::optional<std::uint32_t> Number(std::size_t width) {
        if (m_pos + width > m_text.size()) {
            return std::nullopt;
        }
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < width; ++i) {
            const char c = m_text[m_pos + i];
            if (c < '0' || c > '9') {
                return std::nullopt;
            }
            value = value * 10 + static_cast<std::uint32_t>(c - '0');
        }
        m_pos += width;
        return Separated() ? std::optional(value) : std::nullopt;
    }

    std::optional<std::int32_t> Signed(std::size_t width) {
        if (m_pos >= m_text.size() || (m_text[m_pos] != '+' && m_text[m_pos] != '-')) {
            return std::nullopt;
        }
        const bool negative = m_text[m_pos++] == '-';
        const auto value = Number(width);
        if (!value) {
            return std::nullopt;
        }
        return negative ? -static_cast<std::int32_t>(*value) : static_cast<std::int32_t>(*value);
    }

    // The rest of the line, which must be exactly `width` characters.
    std::optional<std::string> Rest(std::size_t width) {
        if (m_text.size() - m_pos != width) {
            return std::nullopt;
        }
        return std::string(m_text.substr(m_pos));
    }

    bool AtEnd() const { return m_pos == m_text.size(); }

private:
    bool Separated() {
        if (m_pos == m_text.size()) {
            return true;
        }
        if (m_text[m_pos] != ' ') {
            return false;
        }
        ++m_pos;
        return true;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

// What follows "WORD " in a line, or none when the line is another word's.
std::optional<std::string_view> After(std::string_view word, std::string_view line) {
    if (line.size() <= word.size() || !line.starts_with(word) || line[word.size()] != ' ') {
        return std::nullopt;
    }
    return line.substr(word.size() + 1);
}

std::string Padded(std::string_view name) {
    std::string text(name.substr(0, kNameWidth));
    text.resize(kNameWidth, ' ');
    return text;
}

} // namespace

std::string RecordLine(std::string_view word, const Parm& record) {
    const std::int16_t delay = record.get(Parm::Channel::kDelay);
    char fields[kRecordWidth + 1];
    std::snprintf(fields, sizeof fields, "%05u %010u %08u %03u %1u %1u %05u %c%05d ",
                  record.get(Parm::kMemoryChannel) % 100000u, record.get(Parm::kFrequency),
                  record.get(Parm::kStep) % 100000000u, record.get(Parm::kMode),
                  record.get(Parm::Channel::kAttenuator) != 0 ? 1u : 0u,
                  record.get(Parm::Channel::kLockOut) != 0 ? 1u : 0u,
                  record.get(Parm::Channel::kTone) & 0x7FFFu, delay < 0 ? '-' : '+',
                  delay < 0 ? -delay : delay);
    return std::string(word) + ' ' + fields + Padded(record.text(Parm::kName));
}

std::optional<Parm> ParseRecordLine(std::string_view word, std::string_view line) {
    const auto text = After(word, line);
    if (!text || text->size() != kRecordWidth) {
        return std::nullopt;
    }
    Fields fields(*text);
    const auto memory = fields.Number(5);
    const auto frequency = fields.Number(10);
    const auto step = fields.Number(8);
    const auto mode = fields.Number(3);
    const auto attenuator = fields.Number(1);
    const auto lockOut = fields.Number(1);
    const auto tone = fields.Number(5);
    const auto delay = fields.Signed(5);
    const auto name = fields.Rest(kNameWidth);
    if (!memory || !frequency || !step || !mode || *mode > 0xFF || !attenuator || !lockOut ||
        !tone || *tone > 0x7FFF || !delay || *delay < INT16_MIN || *delay > INT16_MAX || !name) {
        return std::nullopt;
    }
    Parm record;
    record.set(Parm::kMemoryChannel, static_cast<std::uint16_t>(*memory));
    record.set(Parm::kFrequency, *frequency);
    record.set(Parm::kStep, *step);
    record.set(Parm::kMode, static_cast<std::uint8_t>(*mode));
    record.set(Parm::Channel::kAttenuator, static_cast<std::uint8_t>(*attenuator));
    record.set(Parm::Channel::kLockOut, static_cast<std::uint8_t>(*lockOut));
    record.set(Parm::Channel::kTone, *tone);
    record.set(Parm::Channel::kDelay, static_cast<std::int16_t>(*delay));
    record.setText(Parm::kName, *name);
    return record;
}

std::string BankLine(std::string_view word, std::uint16_t bank) {
    char number[8];
    std::snprintf(number, sizeof number, "%03u", bank % 1000u);
    return std::string(word) + ' ' + number;
}

std::string BankLine(std::string_view word, const BankName& bank) {
    return BankLine(word, bank.bank) + ' ' + Padded(bank.name);
}

std::optional<std::uint16_t> ParseBankLine(std::string_view word, std::string_view line) {
    const auto text = After(word, line);
    if (!text || text->size() != kBankWidth) {
        return std::nullopt;
    }
    Fields fields(*text);
    const auto bank = fields.Number(kBankWidth);
    if (!bank || !fields.AtEnd()) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(*bank);
}

std::optional<BankName> ParseBankNameLine(std::string_view word, std::string_view line) {
    const auto text = After(word, line);
    if (!text || text->size() != kBankWidth + 1 + kNameWidth) {
        return std::nullopt;
    }
    Fields fields(*text);
    const auto bank = fields.Number(kBankWidth);
    auto name = fields.Rest(kNameWidth);
    if (!bank || !name) {
        return std::nullopt;
    }
    return BankName{static_cast<std::uint16_t>(*bank), std::move(*name)};
}

} // namespace hb::engine::memory
