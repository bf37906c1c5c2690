// The simulated type-17 trunk scanner where a transfer does not reach: its keypad outside a list,
// slots it refuses, how long a list stays busy, and the erase.
#include "platform/engine/sim/SimType17Radio.h"

#include "platform/engine/device/ReplyDecoder.h"
#include "platform/engine/sim/SimRadios.h"

#include <gtest/gtest.h>

namespace hb::engine {
namespace {

class SimType17RadioTest : public ::testing::Test {
protected:
    std::optional<std::string> Take(std::string_view line) { return radio->Take(line); }
    const sim::SimType17Radio::ScanList& List(char letter) const {
        return dynamic_cast<const sim::SimType17Radio&>(*radio).List(letter);
    }

    std::unique_ptr<sim::SimRadio> radio = sim::MakeRadio(17);
};

TEST_F(SimType17RadioTest, SlotsAnswerOnlyInAnOpenListAndWithinIt) {
    ASSERT_NE(dynamic_cast<sim::SimType17Radio*>(radio.get()), nullptr);
    EXPECT_EQ(Take("IC A1"), "NG");
    Take("KEY21 K");
    EXPECT_EQ(Take("IC A1"), "NG");
    Take("KEY21 J");
    EXPECT_EQ(Take("IC A1"), "IC A1 ------");
    EXPECT_EQ(Take("IC E0"), "IC E0 ------");
    for (const char* line : {"IC F1", "IC A", "IC A12", "IC  A1"}) {
        EXPECT_EQ(Take(line), "NG") << line;
    }
    // Keys typed with no list open change nothing.
    Take("KEY13H");
    Take("KEY02 5");
    Take("KEY04");
    EXPECT_EQ(List('J').slots[0], "");
    EXPECT_EQ(Take("IC A1"), "NG");
    Take("KEY21 J");
    EXPECT_EQ(Take("IC A1"), "IC A1 ------");
    Take("KEY13");
    EXPECT_EQ(Take("IC A1"), "NG");
}

TEST_F(SimType17RadioTest, AListIsBusyForItsPollsEachTimeItOpens) {
    auto& typed = dynamic_cast<sim::SimType17Radio&>(*radio);
    typed.SetBusyPolls('B', 2);
    EXPECT_EQ(Take("MD"), "MD01");
    Take("KEY21 A");
    EXPECT_EQ(Take("MD"), "MD12");
    EXPECT_EQ(Take("MD"), "MD01");
    for (int round = 0; round < 2; ++round) {
        Take("KEY21 B");
        EXPECT_EQ(Take("MD"), "MD12");
        EXPECT_EQ(Take("MD"), "MD12");
        EXPECT_EQ(Take("MD"), "MD01");
    }
}

TEST_F(SimType17RadioTest, TheEraseForgetsListsMemoriesAndLimits) {
    Take("KEY21 C");
    for (const char* key : {"KEY11", "KEY07", "KEY11", "KEY07", "KEY04"}) {
        Take(key);
    }
    Take("IC A1");
    Take("KEY02 7");
    Take("KEY04");
    Take("LL01624000");
    Take("MUN");
    EXPECT_EQ(Take("MA001")->substr(0, 2), "MA");
    EXPECT_EQ(Take("MA201"), "NG");
    EXPECT_EQ(List('C').fleetMap[6], 12);
    EXPECT_EQ(List('C').slots[0], "7");

    EXPECT_EQ(Take("AC"), "OK");
    EXPECT_EQ(List('C').fleetMap[6], 0);
    EXPECT_EQ(List('C').slots[0], "");
    EXPECT_EQ(Take("LL"), "LL00000000");
    EXPECT_EQ(Take("IC A1"), "NG");
    // Its channels and limits are told as the type-43 radio tells them.
    EXPECT_NE(MakeReplyDecoder(17), nullptr);
}

} // namespace
} // namespace hb::engine
