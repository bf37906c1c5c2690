// "PC to Radio" for the type-17 trunk scanner: fleet maps by preset and by hand, IDs typed key by
// key, the lists that take part, an ID list the radio does not open, and the erase.
#include "tests/app/programming/Type17TransferTest.h"

namespace hb::app::test {
namespace {

using hb::records::Parm;

class Type17WriteTest : public Type17TransferTest {
protected:
    // `count` presses of `key`, each with its pause before or after.
    static void Presses(std::vector<std::string>& keys, unsigned count, bool pauseFirst,
                        const char* key = "KEY07") {
        for (unsigned n = 0; n < count; ++n) {
            keys.insert(keys.end(), pauseFirst
                                        ? std::initializer_list<std::string>{"pause 5", key}
                                        : std::initializer_list<std::string>{key, "pause 5"});
        }
    }
};

TEST_F(Type17WriteTest, AFleetMapIsChosenAmongThePresetsOrEnteredBlockByBlock) {
    AddTrunkBank(1, {4, 4, 4, 4, 4, 4, 4, 4});
    AddTrunkBank(1, {12, 15, 4, 4, 4, 4, 4, 4});
    AddTrunkBank(1, {13, 13, 13, 13, 4, 4, 4, 4});
    Choose({1, 2, 3}, false);
    Download();

    // The way to list A's fleet-map menu, its first preset taken, then the way to its IDs.
    const std::vector<std::string> listA{
        "MA001",     "KEY13H",    "KEY21 A",   "pause 250", "KEY11", "pause 250", "KEY07",
        "pause 250", "KEY11",     "pause 250", "pause 5",   "KEY04", "MA001",     "MA001",
        "KEY13",     "KEY21 A",   "pause 250", "pause 100", "MD",    "pause 100", "MD",
        "KEY01",     "pause 250", "IC A1",     "pause 250"};
    const std::vector<std::string> sent = Sent();
    const auto start = std::ranges::find(sent, "MA001");
    ASSERT_GE(sent.end() - start, static_cast<std::ptrdiff_t>(listA.size()));
    EXPECT_EQ(std::vector<std::string>(start, start + static_cast<std::ptrdiff_t>(listA.size())),
              listA);

    EXPECT_EQ(FleetKeys('A'), (std::vector<std::string>{"pause 5", "KEY04"}));
    std::vector<std::string> second;
    Presses(second, 2, false);
    second.insert(second.end(), {"pause 5", "KEY04"});
    EXPECT_EQ(FleetKeys('B'), second);
    std::vector<std::string> byHand;
    Presses(byHand, 16, false);
    byHand.insert(byHand.end(), {"pause 5", "KEY11"});
    for (const unsigned size : {13, 4, 4, 4, 4}) {
        Presses(byHand, size, true);
        byHand.emplace_back("KEY04");
    }
    byHand.emplace_back("KEY09");
    EXPECT_EQ(FleetKeys('C'), byHand);

    for (std::size_t n = 0; n < 3; ++n) {
        EXPECT_EQ(Sim().List(static_cast<char>('A' + n)).fleetMap, Root().banks()[n]->fleetMap);
    }
    EXPECT_EQ(TransferErrors(), std::vector<std::string>{});
    EXPECT_TRUE(boxes.empty());
    ExpectClosed();
}

TEST_F(Type17WriteTest, SizeCodesWithoutBlocksOfTheirOwnAreEnteredToTheEnd) {
    AddTrunkBank(1, {15, 4, 4, 4, 4, 4, 4, 4});
    // The high bits of a size code do not count: 0x1C is 12, which takes two blocks.
    AddTrunkBank(1, {0x1C, 4, 4, 4, 4, 4, 4, 4});
    AddTrunkBank(1, {14, 0, 0, 0, 0, 0, 0, 0});
    Choose({1, 2, 3}, false);
    Download();

    EXPECT_EQ(Sim().List('A').fleetMap, (Map{15, 4, 4, 4, 4, 4, 4, 4}));
    EXPECT_EQ(Sim().List('B').fleetMap, (Map{12, 12, 4, 4, 4, 4, 4, 4}));
    EXPECT_EQ(Sim().List('C').fleetMap, (Map{14, 14, 14, 14, 14, 14, 14, 14}));
    for (const char list : {'A', 'B', 'C'}) {
        const auto keys = FleetKeys(list);
        EXPECT_EQ(std::ranges::count(keys, "KEY09"), 1) << list;
    }
    EXPECT_EQ(std::ranges::count(FleetKeys('B'), "KEY04"), 7);
    EXPECT_EQ(std::ranges::count(FleetKeys('C'), "KEY04"), 1);
    // The group keeps its own map.
    EXPECT_EQ(Root().banks()[1]->fleetMap[0], 0x1C);
}

TEST_F(Type17WriteTest, EachIdIsTypedKeyByKeyAndEverySlotMovesTheCursorOn) {
    Bank& typeII = AddTrunkBank(2);
    AddId(typeII, "040512");
    typeII.addUserId(std::make_unique<UserIdEntry>());
    AddId(typeII, "001234");
    Bank& typeI = AddTrunkBank(1, {4, 4, 4, 4, 4, 4, 4, 4});
    AddId(typeI, "200-01");
    // A Type I ID in a block without a layout is a plain number.
    Bank& plain = AddTrunkBank(1, {0, 0, 0, 0, 0, 0, 0, 0});
    AddId(plain, "001234");
    Choose({1, 2, 3}, false);
    Download();

    const std::vector<std::string> typed{"KEY02 4", "KEY02 0", "KEY02 5", "KEY02 1", "KEY02 2",
                                         "KEY04",   "pause 5", "KEY07",   "pause 5", "KEY07",
                                         "pause 5", "KEY02 1", "KEY02 2", "KEY02 3", "KEY02 4",
                                         "KEY04",   "pause 5", "KEY07",   "pause 5"};
    EXPECT_EQ(IdKeys('A'), typed);
    const std::vector<std::string> dashed{"KEY02 2", "KEY02 0", "KEY02 0", "KEY03", "KEY02 0",
                                          "KEY02 1", "KEY04",   "pause 5", "KEY07", "pause 5"};
    EXPECT_EQ(IdKeys('B'), dashed);
    EXPECT_EQ(IdKeys('C')[0], "KEY02 1");
    EXPECT_EQ(Sim().List('A').slots[0], "40512");
    EXPECT_EQ(Sim().List('A').slots[1], "");
    EXPECT_EQ(Sim().List('A').slots[2], "1234");
    EXPECT_EQ(Sim().List('B').slots[0], "200-01");
    EXPECT_EQ(Sim().List('C').slots[0], "1234");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Type17WriteTest, TheTenthSlotIsNamedA0ToTheRadioAndShownAsA10) {
    Bank& bank = AddTrunkBank(2);
    for (int n = 1; n <= 11; ++n) {
        AddId(bank, std::to_string(100 + n).c_str());
    }
    // The slot the progress window shows whenever a command goes out: while the next slot is
    // asked, or while its own ID is typed.
    std::vector<std::string> shown;
    const CLoader* running = nullptr;
    UseFaulty({hb::engine::RequestKind::MemRead, 0, FaultyDevice::Fault::Refuse, 0,
               [&](hb::engine::RequestKind kind) {
                   if (kind == hb::engine::RequestKind::RawCommand) {
                       char text[16] = {};
                       ::GetWindowText(
                           ::GetDlgItem(running->m_progress.m_hWnd,
                                        static_cast<int>(hb::resources::transfer::kChannel)),
                           text, sizeof text);
                       shown.emplace_back(text);
                   }
                   return false;
               }});
    Choose({1}, false);
    for (const bool reading : {false, true}) {
        CLoader loader;
        running = &loader;
        shown.clear();
        reading ? Upload(loader, doc) : Download(loader);
        EXPECT_NE(std::ranges::find(shown, "A9"), shown.end()) << reading;
        EXPECT_NE(std::ranges::find(shown, "A10"), shown.end()) << reading;
        EXPECT_EQ(std::ranges::find(shown, "A0"), shown.end()) << reading;
    }
    EXPECT_EQ(Sim().List('A').slots[9], "110");
    EXPECT_EQ(Sim().List('A').slots[10], "111");
    EXPECT_EQ(Lines("IC A0"), std::vector<std::string>{"IC A0"});
    EXPECT_EQ(bank.userIds()[9]->id().get(UserId::kValue), 110u);
}

TEST_F(Type17WriteTest, OnlyChosenBanksWithTrunkFrequenciesTakePartAndAsTypeIOrII) {
    AddTrunkBank(0);
    AddChannel(AddBank(1, 0, {4, 4, 4, 4, 4, 4, 4, 4}), 154'000'000);
    // A trunk search range counts as a trunk frequency.
    Bank& edacs = AddBank(6);
    Chan& range = edacs.addMember(std::make_unique<Range>());
    Parm record = range.record();
    record.set(Parm::Channel::kTrunkWord, Parm::Channel::kTrunkFrequency);
    range.SetParm(record);
    AddTrunkBank(0);
    Choose({1, 2, 3}, false);
    Download();

    EXPECT_EQ(Lines("KEY21"), (std::vector<std::string>{"KEY21 A", "KEY21 C"}));
    EXPECT_EQ(Root().banks()[0]->trunkType, 2);
    EXPECT_EQ(Root().banks()[1]->trunkType, 1);
    EXPECT_EQ(Root().banks()[2]->trunkType, 2);
    EXPECT_EQ(Root().banks()[3]->trunkType, 0);
    // Type II lists get no fleet map.
    EXPECT_EQ(Lines("KEY11"), std::vector<std::string>{});
}

TEST_F(Type17WriteTest, AListThatStaysBusyIsAskedAgainOrLeftWithoutItsIds) {
    AddId(AddTrunkBank(2), "000111");
    AddId(AddTrunkBank(2), "000222");
    CLoader loader;
    HWND progress{};
    UseFaulty({hb::engine::RequestKind::MemRead, 0, FaultyDevice::Fault::Refuse, 0,
               [&](hb::engine::RequestKind) {
                   progress = loader.m_progress.m_hWnd;
                   return false;
               }});
    Sim().SetBusyPolls('A', 50);
    EngineSim::ExpectMessage(33, 1);
    EngineSim::ExpectMessage(79, 4);
    EngineSim::ExpectMessage(79, 2);
    Choose({1, 2}, false);
    loader.Download(doc.GetGroup(), nullptr, &doc, &owner.wnd);

    std::vector<std::string> opening;
    for (int round = 0; round < 2; ++round) {
        opening.insert(opening.end(), {"MA001", "MA001", "KEY13", "KEY21 A"});
        opening.insert(opening.end(), 50, "MD");
    }
    opening.insert(opening.end(), {"MA001", "MA001", "KEY13", "KEY21 B", "MD", "MD", "KEY01",
                                   "IC A1", "KEY02 2", "KEY02 2", "KEY02 2", "KEY04", "KEY07"});
    const std::vector<std::string> journal = Sim().Journal();
    const auto first = std::ranges::find(journal, "MA001");
    const auto last = std::ranges::find(journal, "IDN");
    EXPECT_EQ(std::vector<std::string>(first, last - 1), opening);
    const auto& messages = EngineSim::Messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[1].window, progress);
    EXPECT_EQ(messages[2].window, progress);
    EXPECT_TRUE(EngineSim::UnansweredMessages().empty());
    // One beep before each question, one when the transfer ends.
    EXPECT_EQ(std::ranges::count(Beeps(), static_cast<UINT>(MB_ICONASTERISK)), 3);
    EXPECT_EQ(Sim().List('A').slots[0], "");
    EXPECT_EQ(Sim().List('B').slots[0], "222");
    ExpectClosed();
}

TEST_F(Type17WriteTest, StopWhileAListOpensEndsTheTrunkPassAndTheClosingStepsFollow) {
    AddId(AddTrunkBank(2), "000111");
    AddId(AddTrunkBank(2), "000222");
    CLoader loader;
    UseFaulty({hb::engine::RequestKind::MemRead, 0, FaultyDevice::Fault::Refuse, 0,
               [&](hb::engine::RequestKind) {
                   const auto& journal = Sim().Journal();
                   if (!journal.empty() && journal.back() == "KEY21 A") {
                       ::PostMessage(loader.m_progress.m_hWnd, WM_COMMAND, IDCANCEL, 0);
                   }
                   return false;
               }});
    Choose({1, 2}, false);
    Download(loader);
    EXPECT_EQ(Lines("KEY21"), std::vector<std::string>{"KEY21 A"});
    EXPECT_EQ(Lines("KEY02"), std::vector<std::string>{});
    EXPECT_EQ(Lines("IDN"), std::vector<std::string>{});
    EXPECT_EQ(EngineSim::Messages().size(), 1u);
    EXPECT_TRUE(boxes.empty());
    ExpectClosed();
}

TEST_F(Type17WriteTest, TheFirstTenBanksAndSettingsEraseAndEmptyChannelsKeepTheirMemories) {
    Bank& bank = AddBank();
    for (const std::uint32_t hz : {154'000'000u, 0u, 155'000'000u}) {
        AddChannel(bank, hz);
    }
    AddChannel(AddBank(), 156'000'000);
    std::set<unsigned> firstTen;
    for (unsigned n = 1; n <= 10; ++n) {
        firstTen.insert(n);
    }
    Choose(firstTen, true);
    Download();
    EXPECT_EQ(Sent().front(), "AC");
    EXPECT_EQ(Lines("MW").size(), 3u);
    EXPECT_EQ(Sim().Memory(3)->get(Parm::kFrequency), 155'000'000u);
    EXPECT_EQ(Sim().Memory(21)->get(Parm::kFrequency), 156'000'000u);

    firstTen.erase(10);
    Choose(firstTen, true);
    Sim().ClearJournal();
    Download();
    EXPECT_EQ(Lines("AC"), std::vector<std::string>{});
    EXPECT_EQ(Lines("MW").size(), 4u);
}

} // namespace
} // namespace hb::app::test
