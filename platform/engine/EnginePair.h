#pragma once
// Linking the two engines of a Multi-Radio pair (see Engine.h for what the link does). Links are
// kept on both sides, and an engine is in at most one pair, as primary or as secondary.

#include <cstdint>

namespace hb::engine {

class Registry;

// Makes `secondary` scan for `primary`'s queue, first undoing any pair either was in. Joining a
// pair that is already joined changes nothing. Both must be open engines, and not the same one.
void JoinEngines(Registry& registry, std::uint16_t primary, std::uint16_t secondary);

// Undoes the pair the engine is in, on both sides; nothing when it is in none.
void UnjoinEngine(Registry& registry, std::uint16_t engine);

} // namespace hb::engine
