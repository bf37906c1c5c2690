#include "platform/tessary/model/File.h"

#include "ModelTest.h"
#include "platform/tessary/model/ItemStream.h"
#include "platform/tessary/model/ScanFile.h"
#include "platform/tessary/model/TrunkSystem.h"
#include "platform/win/store/AtomicFile.h"

#include <filesystem>
#include <functional>

namespace hb::tessary::test {
namespace {

using FileTest = ModelTest;
using hb::records::Parm;

std::unique_ptr<Roster> TwoEntryRoster() {
    auto roster = std::make_unique<Roster>();
    roster->setName("Scanner 1");
    RosterEntry& first = *roster->entries()[0];
    first.active = RosterEntry::kOn;
    first.setFileName("Police.swg");
    first.tag = static_cast<std::uint32_t>(Object::Kind::Group);
    first.audio = RosterEntry::kAudioRecordField;
    RosterEntry& second = *roster->entries()[1];
    second.active = RosterEntry::kOn;
    second.setFileName("Aviation.swr");
    second.log = 0;
    while (roster->entries().size() > 2) {
        roster->removeEntry(2);
    }
    return roster;
}

// The entries of a list as comparable tuples.
std::vector<std::tuple<int, std::string, std::uint32_t, int, int>> Entries(const Roster& r) {
    std::vector<std::tuple<int, std::string, std::uint32_t, int, int>> out;
    for (const auto& e : r.entries()) {
        out.emplace_back(e->active, e->fileName(), e->tag, e->log, e->audio);
    }
    return out;
}

TEST_F(FileTest, ScanListSavedAndReadBackEqual) {
    auto roster = TwoEntryRoster();
    { File out("Radio 1.sws", roster.get()); }
    File in("Radio 1.sws");
    ASSERT_NE(in.root(), nullptr) << in.error();
    EXPECT_TRUE(in.error().empty());
    auto* read = dynamic_cast<Roster*>(in.root());
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->name(), "Scanner 1");
    EXPECT_EQ(read->entries().size(), 2u);
    EXPECT_EQ(Entries(*read), Entries(*roster));
    EXPECT_EQ(read->fileName(), Doc("Radio 1.sws"));
    EXPECT_FALSE(read->isChanged());
}

TEST_F(FileTest, TruncatedCorruptForeignAndNewerFilesAreRefusedWithoutChange) {
    auto roster = TwoEntryRoster();
    ASSERT_TRUE(File("Radio 1.sws", roster.get()).save());
    const std::string good = ReadBytes(Doc("Radio 1.sws"));

    struct Case {
        std::string bytes;
        std::string says;
    };
    std::string flipped = good;
    flipped[good.size() / 2] = static_cast<char>(flipped[good.size() / 2] ^ 0x20);
    std::string newer = good;
    newer[6] = 2;
    const Case cases[] = {
        {good.substr(0, good.size() - 9), "truncated"},
        {good.substr(0, 5), "not a scanning file"},
        {flipped, "checksum"},
        {"[Radios]\nRadio#1=Scanner\n", "not a scanning file"},
        {newer, "newer format"},
        {good + "x", "data after its end"},
    };
    for (const Case& c : cases) {
        WriteBytes(Doc("Bad.sws"), c.bytes);
        File in("Bad.sws");
        EXPECT_EQ(in.root(), nullptr);
        EXPECT_NE(in.error().find(c.says), std::string::npos) << in.error();
        EXPECT_NE(in.error().find("Bad.sws"), std::string::npos);
    }
    // Nothing of those reads wrote anything back.
    EXPECT_EQ(ReadBytes(Doc("Bad.sws")), good + "x");

    File missing("None.sws");
    EXPECT_EQ(missing.root(), nullptr);
    EXPECT_NE(missing.error().find("cannot be opened"), std::string::npos);
}

TEST_F(FileTest, EveryObjectKindRoundTrips) {
    auto group = SampleGroup();
    Bank& bank = *group->banks()[0];
    bank.trunkType = 1;
    bank.trunkFlags = Bank::kTrunkEdacsFormat;
    bank.base = 851'012'500;
    bank.spacing = 25'000;
    bank.offset = 380;
    bank.fleetMap = {1, 2, 3, 4, 5, 6, 7, 8};
    bank.delay = -2;
    bank.option = 0xFF;
    auto& id = bank.addUserId(std::make_unique<UserIdEntry>());
    id.setTag("Fire TG");
    id.id().set(hb::records::UserId::kValue, 2003);
    id.id().set(hb::records::UserId::kKind, 2);
    id.setOptions(UserIdEntry::kOptionBa);
    id.setOptionByte(UserIdEntry::kOptionAlarm, 3);
    id.statistics().addHit(1500, 1'700'000'000);
    Chan& channel = *bank.members()[0];
    channel.setLockOut(1);
    channel.setFlags(Chan::kFlagKeepPartial);
    channel.setValue(1, 7);
    channel.statistics().idMarker = Statistics::kKeepsNoIds;
    auto log = std::make_unique<Log>();
    log->frequency = 155'010'000;
    log->name = "Dispatch 1";
    log->dtmf = std::make_unique<Dtmf>(Dtmf{1'700'000'001, "123#"});
    channel.statistics().addRecent(std::move(log));
    auto* range = dynamic_cast<Range*>(group->extras()[0].get());
    range->setOptions(Range::kOptionStoreHits | Range::kOptionLockOutHits);
    scan_fetch_blob(range->records(), 53420000, 255, 20)->data[9] = 0x81;
    range->addFound(Channel(121'500'000, "Guard", Object::Kind::StandaloneChannel));
    scan_fetch_blob(group->records(), 53420009, 255, 2732)->data[2731] = 7;
    group->addExtra(Channel(162'550'000, "Weather", Object::Kind::StandaloneChannel));

    auto system = std::make_unique<TrunkSystem>();
    system->setRadioType(105);
    system->addBank(std::make_unique<Bank>()).number = 4;

    std::vector<std::unique_ptr<Object>> roots;
    roots.push_back(std::move(group));
    roots.push_back(std::move(system));
    roots.push_back(Channel(146'520'000, "Simplex", Object::Kind::StandaloneChannel));
    roots.push_back(SearchRange(430'000'000, 440'000'000, 12'500));
    roots.push_back(TwoEntryRoster());
    for (const auto& root : roots) {
        const std::string encoded = EncodeScanFile(*root);
        const auto bytes =
            std::span(reinterpret_cast<const std::uint8_t*>(encoded.data()), encoded.size());
        ScanFileRead read = ParseScanFile(bytes, "x");
        ASSERT_NE(read.root, nullptr) << read.error;
        EXPECT_EQ(read.root->kind(), root->kind());
        // Written again, the object read gives the same bytes: nothing was lost on the way.
        EXPECT_TRUE(EncodeScanFile(*read.root) == encoded) << root->descr();
    }
    const std::string encoded = EncodeScanFile(*roots[0]);
    auto read = ParseScanFile(
        std::span(reinterpret_cast<const std::uint8_t*>(encoded.data()), encoded.size()), "x");
    auto& g = dynamic_cast<Group&>(*read.root);
    EXPECT_EQ(g.banks()[0]->userIds()[0]->tag(), "Fire TG");
    EXPECT_EQ(g.banks()[0]->members()[0]->statistics().recent()[0]->dtmf->text, "123#");
    EXPECT_EQ(dynamic_cast<Range&>(*g.extras()[0]).found()[0]->name(), "Guard");
    // Handles are the reader's own; each record names its new object.
    const Chan& readChannel = *g.banks()[0]->members()[0];
    EXPECT_EQ(readChannel.record().get(Parm::kObjectHandle), readChannel.handle());
}

TEST_F(FileTest, ASettingsRecordOfAnotherSizeIsReplacedAndReported) {
    auto group = SampleGroup();
    auto shortRecord = std::make_unique<Blob>();
    shortRecord->tag = 53420009;
    shortRecord->key = 255;
    shortRecord->data.assign(10, 0xAB);
    group->records().push_back(std::move(shortRecord));
    scan_fetch_blob(group->records(), 53420000, 255, 12)->data[8] = 0x81;
    { File out("Police.swg", group.get()); }
    const std::string onDisk = ReadBytes(Doc("Police.swg"));

    {
        File in("Police.swg");
        auto* read = dynamic_cast<Group*>(in.root());
        ASSERT_NE(read, nullptr) << in.error();
        EXPECT_TRUE(in.error().empty());
        EXPECT_NE(in.repaired().find("\"" + Doc("Police.swg") + "\" is damaged"), std::string::npos)
            << in.repaired();
        EXPECT_NE(in.repaired().find("10 bytes"), std::string::npos) << in.repaired();
        // The rest of the group is all there.
        EXPECT_EQ(read->banks().size(), 2u);
        EXPECT_EQ(read->banks()[0]->members()[1]->name(), "Car to car");
        ASSERT_EQ(read->records().size(), 2u);
        EXPECT_EQ(read->records()[1]->data.size(), 12u);
        EXPECT_EQ(read->records()[1]->data[8], 0x81);
        Blob* settings = scan_fetch_blob(read->records(), 53420009, 255, 2732);
        EXPECT_EQ(settings, read->records()[0].get());
        EXPECT_EQ(settings->data, std::vector<std::uint8_t>(2732, 0));
        EXPECT_FALSE(read->isChanged());
    }
    // The file is mended only when the user saves it.
    EXPECT_EQ(ReadBytes(Doc("Police.swg")), onDisk);

    // Once saved, it reads clean.
    {
        File again("Police.swg");
        again.root()->markChanged();
    }
    File clean("Police.swg");
    ASSERT_NE(clean.root(), nullptr);
    EXPECT_TRUE(clean.repaired().empty()) << clean.repaired();
}

// A file of one stand-alone channel made of the items `write` gives.
ScanFileRead ChannelFile(const std::function<void(ItemWriter&)>& write) {
    ItemWriter out;
    out.raw("HBSCAN");
    out.raw(std::string("\x01\x00", 2));
    const std::size_t root = out.begin(static_cast<std::uint32_t>(Object::Kind::StandaloneChannel));
    write(out);
    out.end(root);
    std::string bytes = out.data();
    const std::uint32_t crc =
        Crc32(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    for (int i = 0; i < 4; ++i) {
        bytes.push_back(static_cast<char>(crc >> (8 * i)));
    }
    return ParseScanFile(
        std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), "x");
}

TEST_F(FileTest, AChannelsLockOutAndItsRecordByteStayInStep) {
    constexpr std::uint32_t kRecordItem = 20;
    constexpr std::uint32_t kLockOutItem = 21;
    auto channel = Channel(146'520'000, "Simplex", Object::Kind::StandaloneChannel);
    channel->setLockOut(1);
    { File out("Simplex.swc", channel.get()); }
    {
        File in("Simplex.swc");
        auto* read = dynamic_cast<Chan*>(in.root());
        ASSERT_NE(read, nullptr) << in.error();
        EXPECT_EQ(read->lockOut(), 1);
        EXPECT_EQ(read->record().get(Parm::kLockOut), 1);
    }

    Parm lockedRecord;
    lockedRecord.set(Parm::kFrequency, 146'520'000);
    lockedRecord.set(Parm::kLockOut, 0xFF);
    // The two disagree: the channel's own lock-out state wins, whichever comes first.
    for (const bool itemFirst : {false, true}) {
        ScanFileRead read = ChannelFile([&](ItemWriter& out) {
            if (itemFirst) {
                out.u8(kLockOutItem, 0);
            }
            out.bytes(kRecordItem, lockedRecord.bytes());
            if (!itemFirst) {
                out.u8(kLockOutItem, 0);
            }
        });
        auto* readChannel = dynamic_cast<Chan*>(read.root.get());
        ASSERT_NE(readChannel, nullptr) << read.error;
        EXPECT_EQ(readChannel->lockOut(), 0) << itemFirst;
        EXPECT_EQ(readChannel->record().get(Parm::kLockOut), 0) << itemFirst;
    }
    // Without the item, the record's byte is the state.
    ScanFileRead read =
        ChannelFile([&](ItemWriter& out) { out.bytes(kRecordItem, lockedRecord.bytes()); });
    auto* readChannel = dynamic_cast<Chan*>(read.root.get());
    ASSERT_NE(readChannel, nullptr) << read.error;
    EXPECT_EQ(readChannel->lockOut(), 0xFF);
    EXPECT_EQ(readChannel->record().get(Parm::kLockOut), 0xFF);
}

TEST_F(FileTest, UnknownItemsAreSkipped) {
    ScanFileRead read = ChannelFile([](ItemWriter& out) {
        out.text(1, "Simplex");
        out.u32(0x7777, 42);                            // a field of a later program
        const std::size_t child = out.begin(0x330CDFF); // an object kind of a later program
        out.u8(1, 1);
        out.end(child);
    });
    ASSERT_NE(read.root, nullptr) << read.error;
    EXPECT_EQ(read.root->name(), "Simplex");
}

TEST_F(FileTest, WritesOnDestructionUnlessAbandonedAndNeverForADeletedObject) {
    auto channel = Channel(146'520'000, "Simplex", Object::Kind::StandaloneChannel);
    {
        auto doomed = Channel(146'550'000, "Doomed", Object::Kind::StandaloneChannel);
        File kept("kept.swc", channel.get());
        File dropped("dropped.swc", channel.get());
        dropped.abandon();
        File gone("gone.swc", doomed.get());
        doomed.reset();
    }
    EXPECT_TRUE(std::filesystem::exists(Doc("kept.swc")));
    EXPECT_FALSE(std::filesystem::exists(Doc("dropped.swc")));
    EXPECT_FALSE(std::filesystem::exists(Doc("gone.swc")));

    // A file read and changed is written back when the File goes; unchanged, it is left alone.
    {
        File in("kept.swc");
        ASSERT_NE(in.root(), nullptr);
        in.root()->setName("Calling");
        in.root()->markChanged();
    }
    EXPECT_EQ(File("kept.swc").root()->name(), "Calling");
}

TEST_F(FileTest, FailedSaveKeepsTheOldFile) {
    auto channel = Channel(146'520'000, "Simplex", Object::Kind::StandaloneChannel);
    ASSERT_TRUE(File("a.swc", channel.get()).save());
    const std::string before = ReadBytes(Doc("a.swc"));

    channel->setName("Changed");
    hb::win::SetFileWriteFault(hb::win::FileWriteStage::Rename);
    File out("a.swc", channel.get());
    EXPECT_FALSE(out.save());
    EXPECT_NE(out.error().find("could not be written"), std::string::npos);
    out.abandon();
    EXPECT_EQ(ReadBytes(Doc("a.swc")), before);
}

} // namespace
} // namespace hb::tessary::test
