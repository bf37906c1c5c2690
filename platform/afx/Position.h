#pragma once

namespace hb::afx {
struct PositionTag;
} // namespace hb::afx

// Where an iteration over a collection stands; null when it is over.
using POSITION = hb::afx::PositionTag*;
