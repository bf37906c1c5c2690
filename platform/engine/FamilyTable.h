#pragma once
// What each command family gives the radios of its types (a simulated radio, a reply decoder), one
// row per type. A family adds its rows from its own file as the engine loads, with a namespace-
// scope registration, so that families are added side by side without touching one another:
//   [[maybe_unused]] const bool kRegistered = RegisterReplyDecoder(kTypes, &MakeDecoder);

#include <algorithm>
#include <cstdint>
#include <map>
#include <span>

namespace hb::engine {

template <class Maker>
class FamilyTable {
public:
    // The engine's one table of such rows, made on first use so that families may add their rows
    // while the engine loads.
    static FamilyTable& Shared() {
        static FamilyTable table;
        return table;
    }

    // False, adding nothing, when one of the types has a row already: two families cannot share a
    // type.
    bool Add(std::span<const std::uint8_t> types, Maker maker) {
        if (!maker || std::ranges::any_of(
                          types, [this](std::uint8_t type) { return m_rows.contains(type); })) {
            return false;
        }
        for (const std::uint8_t type : types) {
            m_rows.emplace(type, maker);
        }
        return true;
    }
    // Null for a type without a row.
    Maker Find(std::uint8_t type) const {
        const auto row = m_rows.find(type);
        return row != m_rows.end() ? row->second : nullptr;
    }

private:
    std::map<std::uint8_t, Maker> m_rows;
};

} // namespace hb::engine
