#pragma once
// Where an iteration over one of the class library's lists stands: null past the end.
#include <cstddef>
#include <cstdint>
#include <vector>

struct HbPosition;
using POSITION = HbPosition*;

namespace hb::afx {

// Positions of index-based lists: the index plus one, so that null ends the list.
inline POSITION PositionAt(std::size_t index, std::size_t size) {
    return index < size ? reinterpret_cast<POSITION>(static_cast<std::uintptr_t>(index + 1))
                        : nullptr;
}
inline std::size_t IndexOf(POSITION position) {
    return static_cast<std::size_t>(reinterpret_cast<std::uintptr_t>(position)) - 1;
}

template <class T>
POSITION FirstPosition(const std::vector<T*>& list) {
    return PositionAt(0, list.size());
}

// The entry at `position`, which moves on to the next one.
template <class T>
T* NextAt(const std::vector<T*>& list, POSITION& position) {
    const std::size_t index = IndexOf(position);
    position = PositionAt(index + 1, list.size());
    return list[index];
}

} // namespace hb::afx
