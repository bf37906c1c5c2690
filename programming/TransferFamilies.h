#pragma once
// The radio types whose memories a command family of their own moves, with the family's reader
// (Radio to PC) and writer (PC to Radio).
#include <cstdint>
#include <span>

class CLoader;
struct TransferCursor;

struct TransferFamily {
    using Step = void (CLoader::*)(TransferCursor& cursor);

    std::span<const std::uint8_t> types;
    Step reader;
    Step writer;
};

// The family of the radio type; null for the types the generic memory path moves.
const TransferFamily* FindTransferFamily(std::uint8_t type);
