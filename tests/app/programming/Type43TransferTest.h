#pragma once
// Fixture for the type-43 family: the twenty-bank trunk scanner, and its radio programmed by hand.
#include "platform/engine/sim/SimType43Radio.h"
#include "tests/app/programming/TrunkTransferTest.h"

namespace hb::app::test {

class Type43TransferTest : public TrunkTransferTest {
protected:
    static constexpr std::uint8_t kType = 43;

    Type43TransferTest() : TrunkTransferTest(kType) {}

    hb::engine::sim::SimType43Radio& Sim() const {
        return dynamic_cast<hb::engine::sim::SimType43Radio&>(
            hb::engine::sim::RadioNamed(radioName));
    }
    // Programs the radio directly, as if it had been set up by hand.
    void Program(std::initializer_list<const char*> lines) const {
        Sim().Take("MUN");
        for (const char* line : lines) {
            Sim().Take(line);
        }
        Sim().Take("MUA");
        Sim().ClearJournal();
    }
};

} // namespace hb::app::test
