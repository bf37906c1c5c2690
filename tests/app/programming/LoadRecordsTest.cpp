// Where a transfer stands: the radio's memory numbers, the walk through banks and channels, and
// the channel of the group each memory goes to or comes from, in each way of reading.
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "programming/LoadObjects.h"
#include "programming/Loader.h"
#include "programming/TransferCursor.h"
#include "tests/app/rig/RigTest.h"

namespace hb::app::test {
namespace {

using hb::records::Parm;

class LoadRecordsTest : public RigTest {
protected:
    // A cursor at the start of the whole radio.
    void Start(std::uint8_t type, std::uint8_t direction) {
        radio = Radio::CreateRadio(type);
        const auto& organisation = radio->organisation();
        cursor = TransferCursor{};
        cursor.radio = radio.get();
        cursor.total = organisation.channels;
        cursor.bank = cursor.radioStartBank = cursor.docStartBank = organisation.firstBank;
        cursor.channel = cursor.radioStartChannel = cursor.docStartChannel =
            organisation.firstChannel;
        cursor.direction = direction;
    }
    void Mode(bool insert, bool merge) {
        cursor.insert = insert ? TransferPosition::kSet : 0;
        cursor.merge = merge ? TransferPosition::kSet : 0;
        cursor.replace = insert || merge ? 0 : TransferPosition::kSet;
    }
    // Banks of `channels` channels each, numbered from `first`, named "Bank n".
    void Banks(std::size_t count, std::size_t channels, std::uint16_t first = 0) {
        for (std::size_t n = 0; n < count; ++n) {
            auto bank = std::make_unique<Bank>();
            bank->number = static_cast<std::uint16_t>(first + n);
            bank->setName("Bank " + std::to_string(first + n));
            for (std::size_t c = 0; c < channels; ++c) {
                bank->addMember(Channel(150'000'000, "Mine"));
            }
            group->addBank(std::move(bank));
        }
    }
    // Every record of the transfer, in order.
    std::vector<Chan*> Walk() {
        std::vector<Chan*> records;
        CLoader loader;
        for (Chan* record = loader.LocateRecord(group.get(), cursor); record;
             record = loader.LocateRecord(group.get(), cursor)) {
            records.push_back(record);
            if (loader.StepProgress(cursor) != 0) {
                break;
            }
        }
        return records;
    }
    std::vector<std::uint16_t> BankNumbers() const {
        std::vector<std::uint16_t> numbers;
        for (const auto& bank : group->banks()) {
            numbers.push_back(bank->number);
        }
        return numbers;
    }

    std::unique_ptr<::Radio> radio;
    TransferCursor cursor;
    std::unique_ptr<Group> group = std::make_unique<Group>();
};

TEST_F(LoadRecordsTest, TheMemoryOfABankAndChannel) {
    EXPECT_EQ(CLoader::MemoryNumber(98, *Radio::CreateRadio(98), 3, 7), 3007);
    EXPECT_EQ(CLoader::MemoryNumber(14, *Radio::CreateRadio(14), 3, 7), 127);
    EXPECT_EQ(CLoader::MemoryNumber(2, *Radio::CreateRadio(2), 3, 7), 7);
}

TEST_F(LoadRecordsTest, TheStepsGoThroughEveryBankAndEnd) {
    Start(43, TransferPosition::kRadioToPc);
    CLoader loader;
    cursor.channel = 50;
    cursor.done = 49;
    EXPECT_EQ(loader.StepProgress(cursor), 0);
    EXPECT_EQ(cursor.bank, 2);
    EXPECT_EQ(cursor.channel, 1);
    EXPECT_EQ(cursor.channelIndex, 1);

    cursor.done = 999;
    EXPECT_EQ(loader.StepProgress(cursor), 255);
    // Past the last bank the walk ends too.
    Start(43, TransferPosition::kRadioToPc);
    cursor.bank = 20;
    cursor.channel = 50;
    EXPECT_EQ(loader.StepProgress(cursor), 255);

    // Flat numbering counts banks from the channel.
    Start(2, TransferPosition::kRadioToPc);
    cursor.channel = 20;
    EXPECT_EQ(loader.StepProgress(cursor), 0);
    EXPECT_EQ(cursor.bank, 1);
}

TEST_F(LoadRecordsTest, ReplacingCutsTheGroupToTheRadio) {
    Start(14, TransferPosition::kRadioToPc);
    Banks(3, 40, 0);
    const std::vector<Chan*> records = Walk();
    EXPECT_EQ(records.size(), 400u);
    EXPECT_EQ(BankNumbers(), (std::vector<std::uint16_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    for (const auto& bank : group->banks()) {
        EXPECT_EQ(bank->members().size(), 40u);
    }
    EXPECT_EQ(group->banks()[0]->name(), "Bank 0");
    EXPECT_NE(dynamic_cast<CLoadBank*>(group->banks()[3].get()), nullptr);
    EXPECT_NE(dynamic_cast<CLoadChan*>(group->banks()[3]->members()[0].get()), nullptr);

    // Surplus banks go from the end, surplus channels from the end of their bank.
    group = std::make_unique<Group>();
    Start(14, TransferPosition::kRadioToPc);
    Banks(12, 40);
    Bank& first = *group->banks()[0];
    const Chan* kept = first.members()[39].get();
    for (int extra = 0; extra < 5; ++extra) {
        first.addMember(Channel(160'000'000, "Surplus"));
    }
    group->banks()[9]->addMember(Channel(160'000'000, "Surplus"));
    EXPECT_EQ(Walk().size(), 400u);
    EXPECT_EQ(BankNumbers(), (std::vector<std::uint16_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    for (const auto& bank : group->banks()) {
        EXPECT_EQ(bank->members().size(), 40u);
        for (const auto& channel : bank->members()) {
            EXPECT_NE(channel->name(), "Surplus");
        }
    }
    EXPECT_EQ(first.members()[39].get(), kept);
}

TEST_F(LoadRecordsTest, InsertingPutsANewBankInFrontAndMergingOnlyAppends) {
    Start(14, TransferPosition::kRadioToPc);
    Banks(2, 40, 7);
    Mode(true, false);
    cursor.total = 40;
    EXPECT_EQ(Walk().size(), 40u);
    EXPECT_EQ(BankNumbers(), (std::vector<std::uint16_t>{0, 7, 8}));

    group = std::make_unique<Group>();
    Start(14, TransferPosition::kRadioToPc);
    Banks(2, 40, 7);
    Mode(false, true);
    cursor.bankIndex = 2;
    cursor.total = 80;
    EXPECT_EQ(Walk().size(), 80u);
    EXPECT_EQ(BankNumbers(), (std::vector<std::uint16_t>{7, 8, 2, 3}));
}

TEST_F(LoadRecordsTest, WritingTakesTheRadiosDefaultsWhereTheGroupEnds) {
    Start(14, TransferPosition::kPcToRadio);
    Banks(1, 2);
    const std::vector<Chan*> records = Walk();
    ASSERT_EQ(records.size(), 400u);
    EXPECT_EQ(records[0], group->banks()[0]->members()[0].get());
    EXPECT_EQ(records[2], &LoaderScratchChan());
    EXPECT_EQ(LoaderScratchChan().frequency(), radio->DefaultRecord().get(Parm::kFrequency));
    EXPECT_EQ(LoaderScratchChan().record().get(Parm::kMode),
              radio->DefaultRecord().get(Parm::kMode));
    EXPECT_EQ(group->banks().size(), 1u);
    EXPECT_EQ(group->banks()[0]->members().size(), 2u);
}

TEST_F(LoadRecordsTest, APartialTransferCreatesNothing) {
    Start(14, TransferPosition::kRadioToPc);
    Banks(2, 3);
    cursor.partial = TransferPosition::kSet;
    cursor.total = 400;
    EXPECT_EQ(Walk().size(), 6u);
    EXPECT_EQ(group->banks().size(), 2u);
    EXPECT_EQ(group->banks()[1]->members().size(), 3u);
}

} // namespace
} // namespace hb::app::test
