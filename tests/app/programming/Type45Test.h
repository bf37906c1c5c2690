#pragma once
// Fixture for the transfers of the trunk scanners of types 45 and 51: the type-35 family's fixture
// with the simulated radio's memory at hand, the group's settings record, and lines sent in order.
#include "platform/engine/sim/SimRadio45.h"
#include "programming/RadioSettingsRecord.h"
#include "tests/app/programming/TrunkFamily35Test.h"

#include <algorithm>
#include <string>
#include <vector>

namespace hb::app::test {

class Type45Test : public TrunkFamily35Test {
protected:
    hb::engine::sim::SimMemory45& Memory() const {
        return RadioAs<hb::engine::sim::SimRadio45>().Memory();
    }
    RadioSettingsRecord Record() const { return RadioSettingsRecord::Fetch(Root().records()); }
    // Whether the lines were sent one right after the other.
    bool SentInOrder(const std::vector<std::string>& lines) const {
        return !std::ranges::search(Journal(), lines).empty();
    }
};

} // namespace hb::app::test
