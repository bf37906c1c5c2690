#pragma once
// Fixture for the type-17 family: the trunk scanner of ten scan lists, whose lists the tests fill
// through its keys as a user would, and the commands and pauses of one list's part of a transfer.
#include "platform/engine/sim/SimType17Radio.h"
#include "tests/app/programming/TrunkTransferTest.h"

#include <algorithm>

namespace hb::app::test {

class Type17TransferTest : public TrunkTransferTest {
protected:
    static constexpr std::uint8_t kType = 17;
    using Map = std::array<std::uint8_t, 8>;

    Type17TransferTest() : TrunkTransferTest(kType) {}

    hb::engine::sim::SimType17Radio& Sim() const {
        return dynamic_cast<hb::engine::sim::SimType17Radio&>(Simulated());
    }
    // Types the IDs into the list's first slots on the radio's keypad.
    void Type(char list, std::initializer_list<const char*> ids) const {
        Sim().Take(std::string("KEY21 ") + list);
        Sim().Take("IC A1");
        for (const char* id : ids) {
            for (const char* c = id; *c; ++c) {
                Sim().Take(*c == '-' ? std::string("KEY03") : std::string("KEY02 ") + *c);
            }
            Sim().Take("KEY04");
            Sim().Take("KEY07");
        }
        Sim().Take("KEY13");
        Sim().ClearJournal();
    }
    // A bank that takes part in the trunk pass: it holds a trunk frequency.
    Bank& AddTrunkBank(std::uint8_t trunkType, Map fleetMap = {}) {
        Bank& bank = AddBank(trunkType, 0, fleetMap);
        AddTrunkChannel(bank, 851'012'500 + bank.number * 25'000);
        return bank;
    }

    // The keys and pauses that enter list `letter`'s fleet map: from the first preset shown to
    // the "MA001" that begins the way to its IDs.
    static std::vector<std::string> FleetKeys(char letter) {
        const std::vector<std::string> sent = Sent();
        auto at = std::ranges::find(sent, std::string("KEY21 ") + letter);
        at += std::min<std::ptrdiff_t>(sent.end() - at, 8);
        return {at, std::find(at, sent.end(), "MA001")};
    }
    // The keys and pauses that type list `letter`'s IDs: from its ID list's first slot to the
    // next list or the closing "KEY01".
    static std::vector<std::string> IdKeys(char letter) {
        const std::vector<std::string> sent = Sent();
        const auto choice =
            std::ranges::find(sent.rbegin(), sent.rend(), std::string("KEY21 ") + letter);
        auto at = std::find(choice.base(), sent.end(), "IC A1");
        at += std::min<std::ptrdiff_t>(sent.end() - at, 2);
        return {at, std::find_if(at, sent.end(), [](const std::string& line) {
                    return line == "MA001" || line == "KEY01";
                })};
    }
};

} // namespace hb::app::test
