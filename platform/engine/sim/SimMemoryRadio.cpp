#include "platform/engine/sim/SimMemoryRadio.h"

#include "platform/engine/device/MemoryProtocol.h"

#include <algorithm>

namespace hb::engine::sim {

namespace {

using hb::records::Parm;
namespace mp = hb::engine::memory;

// This type answers a read of an empty memory with the next stored memory above it.
constexpr std::uint8_t kSkippingType = 78;

} // namespace

SimMemoryRadio::SimMemoryRadio(std::uint8_t type) : m_layout(type) {}

void SimMemoryRadio::Fill(const std::vector<std::uint32_t>& frequencies) {
    const auto numbers = m_layout.Numbers();
    const auto* model = m_layout.model();
    for (std::size_t i = 0; i < std::min(numbers.size(), frequencies.size()); ++i) {
        Parm record;
        record.set(Parm::kMemoryChannel, numbers[i]);
        record.set(Parm::kFrequency, frequencies[i]);
        if (model != nullptr) {
            record.set(Parm::kMode, model->defaultMode);
            record.set(Parm::kStep, model->defaultStep);
        }
        Store(record);
    }
}

void SimMemoryRadio::Store(const Parm& record) {
    m_memories[record.get(Parm::kMemoryChannel)] = record;
}

std::optional<Parm> SimMemoryRadio::Memory(std::uint16_t number) const {
    const auto it = m_memories.find(number);
    return it != m_memories.end() ? std::optional(it->second) : std::nullopt;
}

Parm SimMemoryRadio::Read(const Parm& asked) const {
    const std::uint16_t number = asked.get(Parm::kMemoryChannel);
    if (m_unreadable.contains(number)) {
        return asked;
    }
    if (const auto stored = Memory(number)) {
        return *stored;
    }
    if (m_layout.type() != kSkippingType) {
        // An empty memory: no frequency, in the radio's own mode.
        Parm empty;
        empty.set(Parm::kMemoryChannel, number);
        if (const auto* model = m_layout.model()) {
            empty.set(Parm::kMode, model->defaultMode);
        }
        return empty;
    }
    if (const auto next = m_memories.upper_bound(number); next != m_memories.end()) {
        return next->second;
    }
    Parm none = asked;
    none.set(Parm::kMemoryChannel, 0);
    return none;
}

std::optional<std::string> SimMemoryRadio::Answer(std::string_view line) {
    if (const auto asked = mp::ParseRecordLine(mp::kRead, line)) {
        return mp::RecordLine(mp::kMemory, Read(*asked));
    }
    if (const auto record = mp::ParseRecordLine(mp::kWrite, line)) {
        Store(*record);
        return std::string(mp::kAccepted);
    }
    if (const auto bank = mp::ParseBankLine(mp::kBankRead, line)) {
        const auto name = m_bankNames.find(*bank);
        return mp::BankLine(mp::kBankName,
                            {*bank, name != m_bankNames.end() ? name->second : std::string()});
    }
    if (auto bank = mp::ParseBankNameLine(mp::kBankWrite, line)) {
        m_bankNames[bank->bank] = std::move(bank->name);
        return std::string(mp::kAccepted);
    }
    for (const std::string_view word :
         {mp::kPreUpload, mp::kPostUpload, mp::kPreDownload, mp::kPostDownload}) {
        if (line == word) {
            return std::string(mp::kAccepted);
        }
    }
    return std::nullopt;
}

} // namespace hb::engine::sim
