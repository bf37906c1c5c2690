// "Radio to PC" for the type-43 trunk scanner: how a bank is chosen and its fleet map read, a
// group that comes back from the radio as it went, and how a silent radio and Stop end reading.
#include "tests/app/programming/Type43TransferTest.h"

#include <array>

namespace hb::app::test {
namespace {

using hb::engine::RequestKind;
using Fault = FaultyDevice::Fault;

class Type43ReadTest : public Type43TransferTest {
protected:
    // A group of the same banks, channels, IDs and ranges as the document's, all of them empty.
    static void CopyEmpty(const Group& from, Group& into) {
        for (const auto& bank : from.banks()) {
            auto copy = std::make_unique<Bank>();
            copy->number = bank->number;
            for (const auto& member : bank->members()) {
                copy->addMember(std::make_unique<Chan>(member->kind()));
            }
            for (std::size_t n = 0; n < bank->userIds().size(); ++n) {
                copy->addUserId(std::make_unique<UserIdEntry>());
            }
            into.addBank(std::move(copy));
        }
        for (std::size_t n = 0; n < from.extras().size(); ++n) {
            into.addExtra(std::make_unique<Range>());
        }
    }
    // The offsets at which the channels' records differ, but for the handle, which names the
    // channel object itself.
    static std::string Differences(const Chan& one, const Chan& other) {
        std::string offsets;
        for (std::size_t at = 0; at < Parm::kSize; ++at) {
            const bool handle =
                at >= Parm::kObjectHandle.kOffset && at < Parm::kObjectHandle.kOffset + 4;
            if (!handle && one.record().bytes()[at] != other.record().bytes()[at]) {
                offsets += std::to_string(at) + " ";
            }
        }
        return offsets;
    }
};

TEST_F(Type43ReadTest, ABankIsChosenOnTheKeysBeforeItsTrunkSystemIsAsked) {
    for (unsigned n = 0; n < 12; ++n) {
        AddBank();
    }
    Program({"TR J 2", "TR L 6"});
    Choose({10, 12}, false);
    Upload();

    const std::vector<std::string> sent{
        "IDF",   "QUF",   "MUN",   "MA001",  "KEY13H", "KEY02 0", "pause 250",
        "KEY04", "TB",    "MA001", "KEY13H", "KEY14",  "KEY02 2", "pause 250",
        "KEY14", "KEY04", "TB",    "KEY01",  "IDN",    "QUN",     "MUA"};
    EXPECT_EQ(Sent(), sent);
    EXPECT_EQ(Root().banks()[9]->trunkType, 2);
    EXPECT_EQ(Root().banks()[11]->trunkType, 6);
    EXPECT_EQ(Root().banks()[10]->trunkType, 0);
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(doc.IsModified());
    ExpectClosed();
}

TEST_F(Type43ReadTest, TheFleetMapIsReadAsFarAsEachSizeReaches) {
    const std::array<std::uint8_t, 8> before{9, 9, 9, 9, 9, 9, 9, 9};
    for (int n = 0; n < 3; ++n) {
        AddBank(1, 0, before);
    }
    Program({"TR A 1", "TR B 1", "TR C 1", "FB A 4 04", "FB A 6 04", "FB B 0 14", "FB C 0 04",
             "FB C 1 04", "FB C 2 04", "FB C 3 04", "FB C 4 04", "FB C 5 04", "FB C 6 13"});
    // 12 in block 0 fills block 1 too; digits that are no size, and a reply that never came,
    // leave their block as it was; 12 in the last block fills that block only.
    Sim().Script("FB A 0", "FB A 0 12");
    Sim().Script("FB A 2", "FB A 2 05");
    Sim().FailOn("FB A 3", hb::engine::sim::Fault::Silent, 10);
    Sim().Script("FB A 5", "FB A 5 7x");
    Sim().Script("FB A 7", "FB A 7 12");
    Choose({1, 2, 3}, false);
    Upload();

    std::vector<std::string> asked{"FB A 0", "FB A 2"};
    asked.insert(asked.end(), 10, "FB A 3");
    for (const char* line : {"FB A 4", "FB A 5", "FB A 6", "FB A 7", "FB B 0", "FB C 0", "FB C 1",
                             "FB C 2", "FB C 3", "FB C 4", "FB C 5", "FB C 6"}) {
        asked.emplace_back(line);
    }
    EXPECT_EQ(Lines("FB"), asked);
    using Map = std::array<std::uint8_t, 8>;
    EXPECT_EQ(Root().banks()[0]->fleetMap, (Map{12, 12, 5, 9, 4, 9, 4, 12}));
    EXPECT_EQ(Root().banks()[1]->fleetMap, (Map{14, 14, 14, 14, 14, 14, 14, 14}));
    EXPECT_EQ(Root().banks()[2]->fleetMap, (Map{4, 4, 4, 4, 4, 4, 13, 13}));
    EXPECT_EQ(BoxesCaptioned("Data Transfer Error").size(), 10u);
}

TEST_F(Type43ReadTest, AGroupOfTwentyBanksComesBackAsItWentButForVhfAndUhfPlans) {
    using Map = std::array<std::uint8_t, 8>;
    Bank& typeI = AddBank(1, 0, Map{4, 4, 4, 4, 4, 4, 4, 4});
    AddId(typeI, "200-01");
    AddId(typeI, "i01234");
    AddChannel(typeI, 851'012'500, "Dispatch", 2000, 0xFF);
    AddTrunkChannel(typeI, 851'512'500);
    AddId(AddBank(1, 0, Map{12, 12, 12, 12, 12, 12, 12, 12}), "600-15");
    AddId(AddBank(1, 0, Map{13, 13, 13, 13, 13, 13, 13, 13}), "400-01");
    AddId(AddBank(1, 0, Map{14, 14, 14, 14, 14, 14, 14, 14}), "000-05");
    Bank& mixed = AddBank(1, 0, Map{4, 4, 12, 12, 13, 13, 13, 13});
    for (const char* text : {"000-01", "000-02", "100-03", "100-04", "200-05", "", "200-06",
                             "400-07", "400-08", "i00042", "400-09"}) {
        AddId(mixed, text);
    }
    Bank& typeII = AddBank(2);
    AddId(typeII, "004711");
    AddTrunkChannel(typeII, 856'012'500);
    AddId(AddBank(2, Bank::kTrunk900), "012345");
    AddChannel(AddBank(2, Bank::kTrunkUhf), 460'025'000, "Plant");
    AddBank(2, Bank::kTrunkVhf);
    Bank& edacs = AddBank(6);
    AddId(edacs, "002001");
    AddId(edacs, "i02001");
    while (Root().banks().size() < kBanks) {
        Bank& conventional = AddBank();
        AddChannel(conventional, 154'000'000 + conventional.number * 10'000, "Fire", 2000);
        conventional.addMember(std::make_unique<Chan>()).reset(doc.GetRadio());
        AddChannel(conventional, 155'000'000, "", 0, 0xFF);
    }
    AddRange(162'400'000, 162'550'000, 11, 12'500);
    Choose(AllBanks(), true);
    Download();
    EXPECT_EQ(boxes.size(), 0u);
    EXPECT_EQ(TransferErrors(), std::vector<std::string>{});

    // The radio holds every bank's system, fleet map and talkgroups.
    const unsigned commands[] = {1, 1, 1, 1, 1, 2, 3, 4, 5, 6, 0};
    for (unsigned n = 1; n <= kBanks; ++n) {
        const auto& held = Sim().BankNumbered(n);
        EXPECT_EQ(held.trunkCommand, commands[std::min(n, 11u) - 1]) << n;
        EXPECT_EQ(held.fleetMap,
                  Root().banks()[n - 1]->trunkType == 1 ? Root().banks()[n - 1]->fleetMap : Map{})
            << n;
    }
    EXPECT_EQ(Sim().BankNumbered(5).slots[5], "");
    EXPECT_EQ(Sim().BankNumbered(5).slots[9], "i00042");
    EXPECT_EQ(Sim().BankNumbered(5).slots[10], "400-09");
    EXPECT_EQ(Sim().BankNumbered(10).slots[1], "i02001");
    EXPECT_EQ(Root().banks()[7]->base, 406'000'000u);
    EXPECT_EQ(Root().banks()[8]->base, 150'000'000u);

    CGroupDoc copy;
    copy.NewGroup(kType);
    CopyEmpty(Root(), *copy.GetGroup());
    CLoader loader;
    Upload(loader, copy);
    const Group& back = *copy.GetGroup();
    for (std::size_t b = 0; b < kBanks; ++b) {
        const Bank& out = *Root().banks()[b];
        const Bank& in = *back.banks()[b];
        EXPECT_EQ(in.trunkType, out.trunkType) << b;
        EXPECT_EQ(in.trunkFlags, out.trunkFlags) << b;
        EXPECT_EQ(in.fleetMap, out.fleetMap) << b;
        EXPECT_EQ(in.base, 0u) << b;
        for (std::size_t c = 0; c < out.members().size(); ++c) {
            EXPECT_EQ(Differences(*in.members()[c], *out.members()[c]), "") << b << " " << c;
        }
        for (std::size_t i = 0; i < out.userIds().size(); ++i) {
            EXPECT_EQ(in.userIds()[i]->id(), out.userIds()[i]->id()) << b << " " << i;
        }
    }
    const Parm range = back.extras()[0]->record();
    EXPECT_EQ(range.get(Parm::Channel::kLowerLimit), 162'400'000u);
    EXPECT_EQ(range.get(Parm::Channel::kUpperLimit), 162'550'000u);
    EXPECT_EQ(range.get(Parm::kMode), 11);
    EXPECT_EQ(range.get(Parm::kStep), 12'500u);
    EXPECT_TRUE(copy.IsModified());

    const auto warnings = BoxesCaptioned("Warning - VHF/UHF Trunking");
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].text,
              "The transfer completed normally, however one or more banks are configured for VHF "
              "or UHF Type 2 trunking. It is not possible to read the base and step for VHF/UHF "
              "systems from this radio type. You must manually set the correct base and step in "
              "the trunking system settings on the bank sheet.");
    EXPECT_EQ(warnings[0].type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(Type43ReadTest, ASilentMemoryEndsTheFamilyAfterItsTenthTry) {
    Bank& bank = AddBank();
    AddChannel(bank, 154'000'000);
    AddChannel(bank, 155'000'000);
    Sim().FailOn("MA001", hb::engine::sim::Fault::Silent, 100);
    Choose({1}, false);
    Upload();

    // The bank's own "MA001" is not looked at; the channel's is tried ten times.
    std::vector<std::string> journal{"IDF",    "QUF",     "MUN",   "MA001",
                                     "KEY13H", "KEY02 1", "KEY04", "TB"};
    journal.insert(journal.end(), 10, "MA001");
    EXPECT_EQ(Sim().Journal(), journal);
    EXPECT_EQ(BoxesCaptioned("Data Transfer Error").size(), 11u);
    EXPECT_EQ(boxes.size(), 11u);
    ExpectClosed();
}

TEST_F(Type43ReadTest, StopBetweenBanksSendsNothingMoreButTheClosingSteps) {
    for (int n = 0; n < 3; ++n) {
        AddBank();
    }
    Choose({1, 2, 3}, false);
    for (const bool reading : {true, false}) {
        CLoader loader;
        unsigned commands = 0;
        // Stop comes with the last command of bank 1.
        const unsigned last = reading ? 8 : 4;
        UseFaulty({RequestKind::MemRead, 0, Fault::Refuse, 0, [&](RequestKind kind) {
                       if (kind == RequestKind::RawCommand && ++commands == last) {
                           ::PostMessage(loader.m_progress.m_hWnd, WM_COMMAND, IDCANCEL, 0);
                       }
                       return false;
                   }});
        Sim().ClearJournal();
        EngineSim::ClearJournal();
        reading ? Upload(loader, doc) : Download(loader);
        const std::vector<std::string> journal =
            reading ? std::vector<std::string>{"IDF",    "QUF",     "MUN",   "MA001",
                                               "KEY13H", "KEY02 1", "KEY04", "TB"}
                    : std::vector<std::string>{"IDF", "QUF", "MUN", "MA001"};
        EXPECT_EQ(Sim().Journal(), journal);
        EXPECT_TRUE(boxes.empty());
        ExpectClosed();
    }
}

} // namespace
} // namespace hb::app::test
