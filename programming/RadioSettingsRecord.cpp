#include "programming/RadioSettingsRecord.h"

#include "platform/records/FixedText.h"
#include "platform/records/RecordBounds.h"

#include <algorithm>

namespace {

// Offsets of the record. The three band plans lie 100 bytes apart, each a base and a spacing
// array of ten 32-bit values and an offset array of ten 16-bit values.
constexpr std::size_t kPlanBase = 0;
constexpr std::size_t kPlanSpacing = 40;
constexpr std::size_t kPlanOffset = 80;
constexpr std::size_t kPlanStride = 100;
constexpr std::size_t kPriorityChannels = 430;
constexpr std::size_t kIdTags = 470;
constexpr std::size_t kFipsCodes = 2070;
constexpr std::size_t kBankTags =
    RadioSettingsRecord::kTagsPerBank * RadioSettingsRecord::kTagWidth;
// A code, CR LF and the NUL that ends the text.
constexpr std::size_t kFipsEntryRoom = RadioSettingsRecord::kFipsCodeWidth + 3;

static_assert(kIdTags + RadioSettingsRecord::kBanks * kBankTags == kFipsCodes);
static_assert(kFipsCodes + RadioSettingsRecord::kFipsWidth ==
              static_cast<std::size_t>(RadioSettingsRecord::Setting::kChainSearchChoice));
static_assert(static_cast<std::size_t>(RadioSettingsRecord::Setting::kCt) <
              RadioSettingsRecord::kSize);

std::span<std::uint8_t, RadioSettingsRecord::kSize> BytesOf(Blob& blob) {
    if (blob.data.size() != RadioSettingsRecord::kSize) {
        hb::records::FailRecordBounds("settings record", blob.data.size(),
                                      RadioSettingsRecord::kSize);
    }
    return std::span<std::uint8_t, RadioSettingsRecord::kSize>(blob.data.data(),
                                                               RadioSettingsRecord::kSize);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

unsigned Checked(unsigned value, unsigned last) {
    if (value < 1 || value > last) {
        hb::records::FailRecordBounds("bank or plan", value, last);
    }
    return value;
}

} // namespace

RadioSettingsRecord RadioSettingsRecord::Fetch(BlobList& records) {
    return RadioSettingsRecord(*scan_fetch_blob(records, kTag, kKey, kSize));
}

RadioSettingsRecord::RadioSettingsRecord(Blob& blob) : m_bytes(BytesOf(blob)) {}

std::uint32_t RadioSettingsRecord::Load(std::size_t offset, std::size_t width) const {
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;) {
        value = value << 8 | m_bytes[offset + i];
    }
    return value;
}

void RadioSettingsRecord::Store(std::size_t offset, std::size_t width, std::uint32_t value) {
    for (std::size_t i = 0; i < width; ++i, value >>= 8) {
        m_bytes[offset + i] = static_cast<std::uint8_t>(value);
    }
}

std::size_t RadioSettingsRecord::BankEntry(std::size_t base, unsigned bank, std::size_t width) {
    return base + (Checked(bank, kBanks) - 1) * width;
}

std::size_t RadioSettingsRecord::PlanEntry(std::size_t base, unsigned bank, unsigned plan,
                                           std::size_t width) {
    return BankEntry(base + (Checked(plan, kPlans) - 1) * kPlanStride, bank, width);
}

std::uint32_t RadioSettingsRecord::PlanBase(unsigned bank, unsigned plan) const {
    return Load(PlanEntry(kPlanBase, bank, plan, 4), 4);
}

void RadioSettingsRecord::SetPlanBase(unsigned bank, unsigned plan, std::uint32_t hz) {
    Store(PlanEntry(kPlanBase, bank, plan, 4), 4, hz);
}

std::uint32_t RadioSettingsRecord::PlanSpacing(unsigned bank, unsigned plan) const {
    return Load(PlanEntry(kPlanSpacing, bank, plan, 4), 4);
}

void RadioSettingsRecord::SetPlanSpacing(unsigned bank, unsigned plan, std::uint32_t hz) {
    Store(PlanEntry(kPlanSpacing, bank, plan, 4), 4, hz);
}

std::uint16_t RadioSettingsRecord::PlanOffset(unsigned bank, unsigned plan) const {
    return static_cast<std::uint16_t>(Load(PlanEntry(kPlanOffset, bank, plan, 2), 2));
}

void RadioSettingsRecord::SetPlanOffset(unsigned bank, unsigned plan, std::uint16_t offset) {
    Store(PlanEntry(kPlanOffset, bank, plan, 2), 2, offset);
}

std::uint8_t RadioSettingsRecord::Get(BankByte field, unsigned bank) const {
    return m_bytes[BankEntry(static_cast<std::size_t>(field), bank, 1)];
}

void RadioSettingsRecord::Set(BankByte field, unsigned bank, std::uint8_t value) {
    m_bytes[BankEntry(static_cast<std::size_t>(field), bank, 1)] = value;
}

std::uint16_t RadioSettingsRecord::PriorityChannel(unsigned bank) const {
    return static_cast<std::uint16_t>(Load(BankEntry(kPriorityChannels, bank, 2), 2));
}

void RadioSettingsRecord::SetPriorityChannel(unsigned bank, std::uint16_t channel) {
    Store(BankEntry(kPriorityChannels, bank, 2), 2, channel);
}

std::string RadioSettingsRecord::IdTag(unsigned bank, unsigned entry) const {
    if (entry >= kTagsPerBank) {
        hb::records::FailRecordBounds("ID list entry", entry, kTagsPerBank);
    }
    return hb::records::ReadFixedText(
        m_bytes, BankEntry(kIdTags, bank, kBankTags) + entry * kTagWidth, kTagWidth);
}

void RadioSettingsRecord::SetIdTag(unsigned bank, unsigned entry, std::string_view tag) {
    if (entry >= kTagsPerBank) {
        hb::records::FailRecordBounds("ID list entry", entry, kTagsPerBank);
    }
    hb::records::WriteFixedText(m_bytes, BankEntry(kIdTags, bank, kBankTags) + entry * kTagWidth,
                                kTagWidth, tag, '\0');
}

std::uint16_t RadioSettingsRecord::HeldPriorityChannel(unsigned bank, unsigned channelsPerBank) {
    if (!HasBank(bank)) {
        return 0;
    }
    const std::uint16_t channel = PriorityChannel(bank);
    const unsigned first = (bank - 1) * channelsPerBank + 1;
    if (channel == 0 || (channel >= first && channel < first + channelsPerBank)) {
        return channel;
    }
    SetPriorityChannel(bank, static_cast<std::uint16_t>(first));
    return static_cast<std::uint16_t>(first);
}

std::string RadioSettingsRecord::FipsText() const {
    return hb::records::ReadFixedText(m_bytes, kFipsCodes, kFipsWidth);
}

void RadioSettingsRecord::SetFipsText(std::string_view text) {
    hb::records::WriteZText(m_bytes, kFipsCodes, kFipsWidth, text);
}

std::vector<std::string> RadioSettingsRecord::FipsCodes() const {
    const std::string text = FipsText();
    std::vector<std::string> codes;
    std::size_t at = 0;
    while (codes.size() < kFipsSlots) {
        at = text.find_first_not_of("\r\n", at);
        if (at == std::string::npos) {
            break;
        }
        const std::string_view code = std::string_view(text).substr(at, kFipsCodeWidth);
        at += kFipsCodeWidth;
        if (code.size() != kFipsCodeWidth || !std::ranges::all_of(code, IsDigit) ||
            (at < text.size() && text[at] != '\r')) {
            break;
        }
        codes.emplace_back(code);
    }
    return codes;
}

void RadioSettingsRecord::ClearFipsCodes() {
    std::ranges::fill(m_bytes.subspan(kFipsCodes, kFipsWidth), std::uint8_t{0});
}

void RadioSettingsRecord::AppendFipsCode(std::string_view slotText) {
    if (slotText.empty() || slotText.front() == '-') {
        return;
    }
    const std::string text = FipsText();
    if (kFipsWidth - text.size() < kFipsEntryRoom) {
        return;
    }
    SetFipsText(text + std::string(slotText.substr(0, kFipsCodeWidth)) + "\r\n");
}

std::uint8_t RadioSettingsRecord::Get(Setting field) const {
    return m_bytes[static_cast<std::size_t>(field)];
}

void RadioSettingsRecord::Set(Setting field, std::uint8_t value) {
    m_bytes[static_cast<std::size_t>(field)] = value;
}
