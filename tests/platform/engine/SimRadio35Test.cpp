// The simulated trunk scanners of types 35 and 99: what they keep of the lines they take and what
// they answer.
#include "platform/engine/sim/SimRadio35.h"

#include "platform/engine/sim/SimRadio99.h"
#include "platform/engine/sim/SimRadios.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hb::engine::sim {
namespace {

std::string Take(SimRadio& radio, std::string_view line) {
    return radio.Take(line).value_or("(none)");
}

TEST(SimRadio35Test, EachTypeHasItsOwnRadioAsTheModelTableOrganisesIt) {
    EXPECT_NE(dynamic_cast<SimRadio35*>(MakeRadio(35).get()), nullptr);
    EXPECT_NE(dynamic_cast<SimRadio99*>(MakeRadio(99).get()), nullptr);
    SimRadio35 radio;
    EXPECT_EQ(Take(radio, "MA500"), "MA500 0000000000 000 00000 00000 F F F");
    EXPECT_EQ(Take(radio, "MA501"), "NG");
    EXPECT_EQ(Take(radio, "TG E E0 1"), "OK");
    EXPECT_EQ(Take(radio, "TG E F1 1"), "NG");
    EXPECT_EQ(Take(radio, "TG K A1 1"), "NG");
    SimRadio99 five;
    EXPECT_EQ(Take(five, "TG E J0 1"), "OK");
    EXPECT_EQ(Take(five, "TG F A1 1"), "NG");
}

TEST(SimRadio35Test, ABanksTrunkTypeIdsAndScanAreAskedOfTheBankChosen) {
    SimRadio35 radio;
    for (const char* line : {"TR J 1", "TR B 4 04060000 25000", "TBF C", "FB J 2 12",
                             "TG J A1 i01234", "SB ACJ", "LL01180000", "LU01370000"}) {
        EXPECT_EQ(Take(radio, line), "OK") << line;
    }
    EXPECT_EQ(radio.BankNumbered(2).plans[0].base, 406'000'000u);
    EXPECT_EQ(radio.BankNumbered(2).plans[0].spacing, 25'000u);
    EXPECT_EQ(radio.Scanning(), (std::vector<bool>{true, false, true, false, false, false, false,
                                                   false, false, true}));
    EXPECT_EQ(Take(radio, "FB J 2"), "FB J 2 12");
    EXPECT_EQ(Take(radio, "LL"), "LL01180000");
    EXPECT_EQ(radio.UpperLimit(), 137'000'000u);

    // Bank 10 is key 0; the Type I command is kept as its code.
    for (const char* line : {"KEY13H", "KEY02 0"}) {
        Take(radio, line);
    }
    EXPECT_EQ(Take(radio, "TB"), "TB J 2");
    EXPECT_EQ(Take(radio, "IC A1"), "IC J A1 i01234");
    EXPECT_EQ(Take(radio, "IC A2"), "IC J A2 ------");
    // Selecting a memory chooses its bank.
    Take(radio, "MA051");
    EXPECT_EQ(Take(radio, "TB"), "TB B 4");
    radio.RefuseIdQuestions(1);
    EXPECT_EQ(Take(radio, "IC A1"), "NG");
    EXPECT_EQ(Take(radio, "MD"), "OK");
    EXPECT_EQ(Take(radio, "IC A1"), "IC B A1 ------");

    EXPECT_EQ(Take(radio, "AC"), "OK");
    EXPECT_EQ(radio.BankNumbered(10).trunkCode, 0);
    EXPECT_EQ(Take(radio, "FB J 2"), "FB J 2 00");
    EXPECT_EQ(Take(radio, "DL"), "NG");
}

TEST(SimRadio35Test, TheType99RadioKeepsBandPlansAndTheBanksSettings) {
    SimRadio99 radio;
    Take(radio, "MA001");
    for (const char* line :
         {"TR A 4 08510125 0125 380 1", "TR A 4 00000000 0500 380 2", "TBN A", "TCN A P3",
          "PC A007", "AFN", "PM001T08510125", "PM002 01181000", "TG A A1 012345"}) {
        EXPECT_EQ(Take(radio, line), "OK") << line;
    }
    EXPECT_EQ(Take(radio, "BC A1"), "BC A1 08510125 0125 380");
    EXPECT_EQ(Take(radio, "BC A2"), "BC A2 00000000 0500 380");
    EXPECT_EQ(Take(radio, "BC A3"), "BC A3 00000000 0000 000");
    EXPECT_EQ(Take(radio, "BC A4"), "NG");
    EXPECT_EQ(Take(radio, "TB A"), "TB A 4");
    EXPECT_EQ(Take(radio, "TG A A1"), "TG A A1 012345");
    EXPECT_EQ(Take(radio, "TG A A2"), "TG A A2 ------");
    const SimRadio99::BankSettings& settings = radio.Settings(1);
    EXPECT_TRUE(settings.trunking);
    EXPECT_EQ(settings.tc, 3);
    EXPECT_EQ(settings.priority, 7);
    EXPECT_TRUE(settings.af);
    EXPECT_EQ(Take(radio, "TCF A"), "OK");
    EXPECT_EQ(radio.Settings(1).tc, 0);

    // The radio chooses the mode by the band; "PM" marks trunk frequencies.
    EXPECT_EQ(Take(radio, "MA001"), "MA001 0851012500 000 00000 00128 F F F");
    EXPECT_EQ(Take(radio, "MA002"), "MA002 0118100000 001 00000 00000 F F F");
    EXPECT_EQ(Take(radio, "RM"), "RM 001");
    EXPECT_EQ(Take(radio, "PM003X08510125"), "NG");
    EXPECT_EQ(Take(radio, "MW 002 0851012500 000 00000 00000 F F F"), "(none)");
}

} // namespace
} // namespace hb::engine::sim
