#pragma once
// A simulated memory radio, for every type outside the command families: it keeps memories and
// bank names as our memory protocol writes them, banked or flat by its type's row. What a
// transfer writes is what the receiver's RCL recalls.

#include "platform/engine/device/MemoryLayout.h"
#include "platform/engine/sim/SimRadio.h"
#include "platform/records/Parm.h"

#include <map>
#include <optional>
#include <set>
#include <vector>

namespace hb::engine::sim {

class SimMemoryRadio : public SimRadio {
public:
    explicit SimMemoryRadio(std::uint8_t type);

    // Stores the frequencies (Hz) in the memories from the first on, in the type's mode and step.
    void Fill(const std::vector<std::uint32_t>& frequencies);
    void Store(const hb::records::Parm& record);
    std::optional<hb::records::Parm> Memory(std::uint16_t number) const;
    // The memory answers a read with the request itself, as a radio that sent nothing back.
    void MakeUnreadable(std::uint16_t number) { m_unreadable.insert(number); }

protected:
    std::optional<std::string> Answer(std::string_view line) override;

private:
    hb::records::Parm Read(const hb::records::Parm& asked) const;

    MemoryLayout m_layout;
    std::map<std::uint16_t, hb::records::Parm> m_memories;
    std::map<std::uint16_t, std::string> m_bankNames;
    std::set<std::uint16_t> m_unreadable;
};

} // namespace hb::engine::sim
