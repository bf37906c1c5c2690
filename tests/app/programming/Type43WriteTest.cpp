// "PC to Radio" for the type-43 trunk scanner: the exact commands of its banks and search ranges,
// the erase and what it lets the writing pass over, and channels whose write fails.
#include "programming/TransferCursor.h"
#include "tests/app/programming/Type43TransferTest.h"

namespace hb::app::test {
namespace {

using hb::engine::RequestKind;
using Fault = FaultyDevice::Fault;

class Type43WriteTest : public Type43TransferTest {};

TEST_F(Type43WriteTest, EachBankGetsItsTrunkSystemAndAVhfOrUhfSystemTheRadiosDefaults) {
    AddBank(2, Bank::kTrunkUhf);
    AddBank(1, 0, {4, 4, 12, 12, 13, 13, 13, 13});
    AddBank(6);
    AddBank(8);
    AddBank(0);
    Choose({1, 2, 3, 4, 5}, false);
    Download();

    const std::vector<std::string> sent{
        "IDF",       "QUF",       "MUN",       "TR A 4 04060000 2500",
        "MA001",     "TR B 1",    "FB B 0 04", "FB B 1 04",
        "FB B 2 12", "FB B 3 12", "FB B 4 13", "FB B 5 13",
        "FB B 6 13", "FB B 7 13", "MA001",     "TR C 6",
        "MA001",     "MA001",     "MA001",     "KEY01",
        "IDN",       "QUN",       "MUA"};
    EXPECT_EQ(Sent(), sent);
    const Bank& uhf = *Root().banks()[0];
    EXPECT_EQ(uhf.base, 406'000'000u);
    EXPECT_EQ(uhf.spacing, 25'000u);
    EXPECT_EQ(uhf.offset, 380);
    EXPECT_EQ(Sim().BankNumbered(1).base, 406'000'000u);
    EXPECT_EQ(Sim().BankNumbered(2).fleetMap[7], 13);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(TransferErrors(), std::vector<std::string>{});
    ExpectClosed();
}

TEST_F(Type43WriteTest, ASearchRangeGoesOutInOrderAndTheGroupKeepsItsOwnLimits) {
    AddRange(162'550'000, 162'400'000, 11, 12'500);
    // An upper limit not set yet: nothing goes out for it, and it stays as it was.
    AddRange(162'000'000, 0, 1, 5'000);
    Choose({}, true);
    Download();

    const std::vector<std::string> sent{
        "IDF",     "QUF",     "MUN",     "LL01624000", "LU01625500", "KEY01", "KEY11",   "KEY02 4",
        "KEY02 1", "KEY02 1", "KEY02 3", "KEY02 4",    "KEY01",      "KEY11", "KEY02 4", "KEY02 1",
        "KEY02 1", "KEY02 2", "KEY02 4", "KEY01",      "KEY01",      "IDN",   "QUN",     "MUA"};
    EXPECT_EQ(Sent(), sent);
    const Parm first = Root().extras()[0]->record();
    EXPECT_EQ(first.get(Parm::Channel::kLowerLimit), 162'550'000u);
    EXPECT_EQ(first.get(Parm::Channel::kUpperLimit), 162'400'000u);
    const Parm second = Root().extras()[1]->record();
    EXPECT_EQ(second.get(Parm::Channel::kLowerLimit), 162'000'000u);
    EXPECT_EQ(second.get(Parm::Channel::kUpperLimit), 0u);
    EXPECT_EQ(Sim().LowerLimit(), 162'400'000u);
    EXPECT_EQ(Sim().UpperLimit(), 162'550'000u);
    EXPECT_EQ(Sim().Range(1).mode, '4');
    EXPECT_EQ(Sim().Range(1).step, '4');
}

TEST_F(Type43WriteTest, NoMoreSearchRangesAreWrittenThanTheRadioHolds) {
    for (std::uint32_t n = 0; n < 12; ++n) {
        AddRange(150'000'000 + n * 1'000'000, 151'000'000 + n * 1'000'000);
    }
    Choose({}, true);
    Download();
    EXPECT_EQ(Lines("LL").size(), 10u);
    EXPECT_EQ(Lines("LL").back(), "LL01590000");
    EXPECT_EQ(Sim().Range(10).mode, '2');
    EXPECT_EQ(Lines("KEY02 0").size(), 2u);
}

// Bank A: channels at positions 0 to 4, the one at 3 empty; an empty ID in slot A1.
class Type43EraseTest : public Type43WriteTest {
protected:
    Type43EraseTest() {
        Bank& bank = AddBank(2);
        for (const std::uint32_t hz :
             {851'000'000u, 852'000'000u, 853'000'000u, 0u, 855'000'000u}) {
            AddChannel(bank, hz);
        }
        bank.addUserId(std::make_unique<UserIdEntry>());
        AddId(bank, "004711");
    }
    // The memories written, by number.
    std::vector<std::uint16_t> Written() const {
        std::vector<std::uint16_t> numbers;
        for (const std::string& line : Lines("MW ")) {
            numbers.push_back(static_cast<std::uint16_t>(std::stoi(line.substr(3, 5))));
        }
        return numbers;
    }
};

TEST_F(Type43EraseTest, EverythingChosenErasesFirstAndPassesOverEmptyEntries) {
    Choose(AllBanks(), true);
    Download();
    ASSERT_FALSE(Sent().empty());
    EXPECT_EQ(Sent().front(), "AC");
    // The empty channel is not written, and the next keeps its own memory.
    EXPECT_EQ(Written(), (std::vector<std::uint16_t>{1, 2, 3, 5}));
    EXPECT_EQ(Sim().Memory(5)->get(Parm::kFrequency), 855'000'000u);
    EXPECT_EQ(Lines("TG"), std::vector<std::string>{"TG A A2 004711"});
}

TEST_F(Type43EraseTest, WithoutAnEraseEveryEntryIsWritten) {
    std::set<unsigned> banks = AllBanks();
    banks.erase(20);
    Choose(banks, true);
    Download();
    EXPECT_EQ(Lines("AC"), std::vector<std::string>{});
    EXPECT_EQ(Written(), (std::vector<std::uint16_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(Lines("TG"), (std::vector<std::string>{"TG A A1 000000", "TG A A2 004711"}));

    // Settings not chosen: no erase either.
    Choose(AllBanks(), false);
    Download();
    EXPECT_EQ(Lines("AC"), std::vector<std::string>{});
}

TEST_F(Type43EraseTest, AnEraseTheEngineRefusedErasesNothing) {
    UseFaulty({RequestKind::RawCommand, 1, Fault::Refuse, 0x8001, nullptr});
    Choose(AllBanks(), true);
    Download();
    EXPECT_EQ(Sent().front(), "AC");
    EXPECT_EQ(Lines("AC"), std::vector<std::string>{});
    EXPECT_EQ(Written(), (std::vector<std::uint16_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(Lines("TG").size(), 2u);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Type43EraseTest, AnEraseTheRadioNeverFinishedErasesNothing) {
    Sim().FailOn("AC", hb::engine::sim::Fault::Silent);
    Choose(AllBanks(), true);
    const std::int64_t start = hb::win::NowMs();
    Download();
    // The wait for the erase ran out before anything else was sent.
    EXPECT_GE(hb::win::NowMs() - start, 10'000);
    EXPECT_EQ(Sim().Journal().front(), "AC");
    EXPECT_EQ(Written(), (std::vector<std::uint16_t>{1, 2, 3, 4, 5}));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Type43EraseTest, StopWhileTheRadioErasesEndsTheTransfer) {
    CLoader loader;
    UseFaulty({RequestKind::MemRead, 0, Fault::Refuse, 0, [&loader](RequestKind kind) {
                   if (kind == RequestKind::RawCommand) {
                       ::PostMessage(loader.m_progress.m_hWnd, WM_COMMAND, IDCANCEL, 0);
                   }
                   return false;
               }});
    Choose(AllBanks(), true);
    Download(loader);
    EXPECT_EQ(Sim().Journal(), std::vector<std::string>{"AC"});
    EXPECT_TRUE(boxes.empty());
    ExpectClosed();
}

TEST_F(Type43WriteTest, AChannelWhoseWriteFailsIsReportedAndGetsNoDelayOrLockOut) {
    Bank& bank = AddBank();
    AddChannel(bank, 151'000'000, "First", 2000, 0xFF);
    AddChannel(bank, 152'000'000, "Second", 2000);
    // A trunk frequency never gets a delay or lock-out.
    Chan& trunk = AddTrunkChannel(bank, 853'000'000);
    Parm record = trunk.record();
    record.set(Parm::Channel::kDelay, 2000);
    trunk.SetParm(record);
    Choose({1}, false);

    // The radio refuses the first write; then the wait for it fails.
    UseFaulty({RequestKind::MemWrite, 1, Fault::Refuse, 0x8001, nullptr});
    Download();
    bool first = true;
    UseFaulty({RequestKind::MemRead, 0, Fault::Refuse, 0, [&first](RequestKind kind) {
                   if (kind == RequestKind::MemWrite && first) {
                       first = false;
                       EngineSim::FailNext("scan_device_status", 0x8123);
                   }
                   return false;
               }});
    Download();

    EXPECT_EQ(TransferErrors(),
              (std::vector<std::string>{"Write Channel 5528 32769", "Write Channel 5529 33059"}));
    const std::vector<std::string> written{"MW 00002", "DLN", "MW 00003", "MW 00001",
                                           "MW 00002", "DLN", "MW 00003"};
    std::vector<std::string> seen;
    for (const std::string& line : Sim().Journal()) {
        if (line.starts_with("MW") || line == "DLN" || line == "LON") {
            seen.push_back(line.substr(0, 8));
        }
    }
    EXPECT_EQ(seen, written);
}

TEST_F(Type43WriteTest, AGroupTheRadioRefusesIsLeftAloneAndTheDriverClosesTheProgress) {
    CLoader loader;
    ASSERT_FALSE(hb::records::IsFailureStatus(rig->OpenDevice(&owner.wnd)));
    ASSERT_TRUE(loader.m_progress.Create(&owner.wnd));
    loader.m_rig = rig;
    loader.m_radio = Radio::CreateRadio(kType);
    Group other;
    other.setRadioType(17);
    loader.m_root = &other;
    TransferCursor cursor;
    loader.DownloadType43(cursor);
    loader.UploadType43(cursor);
    EXPECT_TRUE(Sim().Journal().empty());

    // Either way the family leaves its progress window to the driver.
    loader.m_root = &Root();
    loader.DownloadType43(cursor);
    loader.UploadType43(cursor);
    EXPECT_EQ(Sim().Journal().back(), "MUA");
    EXPECT_TRUE(::IsWindow(loader.m_progress.m_hWnd));
    loader.m_progress.DestroyWindow();
}

} // namespace
} // namespace hb::app::test
