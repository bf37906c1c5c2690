#pragma once
#include <cstdint>

// The recording segment a logger is writing: its number and flags (0x1: marked by the user).
class CAudioSegment {
public:
    // Writes the segment's header again after its fields changed; recorded.
    void Update();

    std::uint32_t m_number = 0;
    std::uint32_t m_flags = 0;
};
