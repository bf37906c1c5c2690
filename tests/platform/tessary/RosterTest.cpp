#include "ModelTest.h"
#include "platform/records/ProgHeader.h"
#include "platform/tessary/model/File.h"
#include "platform/tessary/model/Radio.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace hb::tessary::test {
namespace {

using hb::records::Parm;
using hb::records::ProgEntry;
using hb::records::ProgHeader;

class RosterTest : public ModelTest {
protected:
    RosterTest() {
        auto group = SampleGroup();
        EXPECT_TRUE(File("Police.swg", group.get()).save());
        auto range = SearchRange(118'000'000, 137'000'000, 25'000);
        EXPECT_TRUE(File(Doc("Air.swr"), range.get()).save());
        RosterEntry& first = *m_roster.entries()[0];
        first.active = RosterEntry::kOn;
        first.setFileName("Police.swg");
        RosterEntry& second = *m_roster.entries()[1];
        second.active = RosterEntry::kOn;
        second.setFileName(Doc("Air.swr"));
        RosterEntry& idle = *m_roster.entries()[2];
        idle.setFileName("Police.swg"); // inactive: never loaded
    }

    struct Program {
        std::uint8_t* block;
        ~Program() { std::free(block); }
        ProgHeader head() const {
            ProgHeader h;
            h.copyFrom(std::span(block, ProgHeader::kSize));
            return h;
        }
        ProgEntry entry(std::size_t i) const {
            ProgEntry e;
            e.copyFrom(std::span(block + hb::records::ProgEntryOffset(i), ProgEntry::kSize));
            return e;
        }
    };

    Roster m_roster;
    std::unique_ptr<Radio> m_radio = Radio::CreateRadio(kTestRadioType);
};

TEST_F(RosterTest, NewListHoldsUnassignedInactiveEntries) {
    Roster fresh;
    ASSERT_EQ(fresh.entries().size(), Roster::kDefaultEntries);
    for (const auto& e : fresh.entries()) {
        EXPECT_FALSE(e->isActive());
        EXPECT_EQ(e->tag, 0x330CD9Eu);
        EXPECT_EQ(e->log, 0xFF);
        EXPECT_TRUE(e->IsEmpty());
    }
    EXPECT_TRUE(fresh.IsEmpty());
}

TEST_F(RosterTest, LoadReadsActiveEntriesFromTheDocumentsFolder) {
    EXPECT_TRUE(m_roster.IsEmpty());
    EXPECT_EQ(m_roster.Load(0), 0);
    const auto& entries = m_roster.entries();
    ASSERT_NE(entries[0]->object(), nullptr);
    EXPECT_EQ(entries[0]->object()->kind(), Object::Kind::Group);
    EXPECT_EQ(entries[0]->tag, static_cast<std::uint32_t>(Object::Kind::Group));
    EXPECT_EQ(entries[0]->object()->fileName(), Doc("Police.swg"));
    EXPECT_EQ(entries[1]->object()->kind(), Object::Kind::SearchRange);
    EXPECT_EQ(entries[2]->object(), nullptr);
    EXPECT_FALSE(m_roster.IsEmpty());

    // A missing file leaves its entry without an object and is counted.
    m_roster.entries()[3]->active = RosterEntry::kOn;
    m_roster.entries()[3]->setFileName("Missing.swg");
    EXPECT_EQ(m_roster.Load(0), 1);
    EXPECT_TRUE(m_roster.entries()[3]->IsEmpty());
}

TEST_F(RosterTest, CompileLaysOutEveryScannableChannelOfTheActiveEntries) {
    m_roster.Load(0);
    Group& group = dynamic_cast<Group&>(*m_roster.entries()[0]->object());
    Chan& dispatch = *group.banks()[0]->members()[0];
    dispatch.setLockOut(0xFF);
    Program program{m_roster.Compile(HWND{}, m_radio.get(), nullptr, "Scanner", 2)};
    ASSERT_NE(program.block, nullptr);
    const ProgHeader head = program.head();
    // The group's two channels, its two ranges, and the range file; not the empty channel.
    ASSERT_EQ(head.get(ProgHeader::kEntryCount), 5);
    EXPECT_EQ(program.block[0x18], 5);
    EXPECT_EQ(head.get(ProgHeader::kBlockSize), hb::records::ProgEntryOffset(5));
    EXPECT_EQ(head.get(ProgHeader::kMagic), ProgHeader::kMagicValue);
    EXPECT_EQ(head.get(ProgHeader::kCompileMode), 2);
    EXPECT_EQ(head.get(ProgHeader::kStartStamp), 0);

    const ProgEntry first = program.entry(0);
    EXPECT_EQ(first.get(ProgEntry::kKind), 53530005u);
    const Parm record = first.get(ProgEntry::kParm);
    EXPECT_EQ(record.get(Parm::kObjectHandle), dispatch.handle());
    EXPECT_EQ(record.get(Parm::kFrequency), 155'010'000u);
    EXPECT_EQ(record.get(Parm::kLockOut), 0xFF);
    // Passed through the radio's record check: a step and a filter the radio has.
    EXPECT_EQ(record.get(Parm::kBandwidth), m_radio->FilterBandwidth(record.get(Parm::kFilter)));
    EXPECT_EQ(program.entry(2).get(ProgEntry::kKind), 53530008u);
    EXPECT_EQ(program.entry(4).get(ProgEntry::kParm).get(Parm::kStart), 118'000'000u);
}

TEST_F(RosterTest, CompileOfAnEmptyListCountsNoEntriesAndNeedsARadio) {
    Roster empty;
    Program program{empty.Compile(HWND{}, m_radio.get(), nullptr, "Scanner", 0)};
    ASSERT_NE(program.block, nullptr);
    EXPECT_EQ(program.head().get(ProgHeader::kEntryCount), 0);
    EXPECT_EQ(m_roster.Compile(HWND{}, nullptr, nullptr, "Scanner", 0), nullptr);
}

TEST_F(RosterTest, LookupsFindOnlyObjectsOfThisList) {
    m_roster.Load(0);
    Group& group = dynamic_cast<Group&>(*m_roster.entries()[0]->object());
    Chan& channel = *group.banks()[1]->members()[1];
    EXPECT_EQ(m_roster.TagToObject(channel.handle()), &channel);
    EXPECT_EQ(m_roster.EntryOf(channel.handle()), m_roster.entries()[0].get());
    EXPECT_EQ(m_roster.EntryOf(m_roster.entries()[1]->object()->handle()),
              m_roster.entries()[1].get());

    Chan stranger;
    EXPECT_EQ(m_roster.TagToObject(stranger.handle()), nullptr);
    EXPECT_EQ(m_roster.TagToObject(0), nullptr);
    const std::uint32_t gone = channel.handle();
    m_roster.entries()[0]->setObject(nullptr);
    EXPECT_EQ(m_roster.TagToObject(gone), nullptr);
}

TEST_F(RosterTest, AssignTagTakesTheKindsOfTheLoadedObjects) {
    m_roster.entries()[1]->tag = static_cast<std::uint32_t>(Object::Kind::Group);
    m_roster.Load(0);
    // A recorded tag is kept by Load, so a file that changed its kind can be noticed.
    EXPECT_EQ(m_roster.entries()[1]->tag, static_cast<std::uint32_t>(Object::Kind::Group));
    m_roster.AssignTag(nullptr, nullptr);
    EXPECT_EQ(m_roster.entries()[1]->tag, static_cast<std::uint32_t>(Object::Kind::SearchRange));
}

TEST_F(RosterTest, UnloadSavesChangedObjectsAndReleasesThem) {
    m_roster.Load(0);
    Group& group = dynamic_cast<Group&>(*m_roster.entries()[0]->object());
    group.banks()[0]->members()[0]->setLockOut(0xFF);
    group.banks()[0]->members()[0]->markChanged();
    std::filesystem::remove(Doc("Air.swr")); // unchanged objects are not written again

    EXPECT_EQ(m_roster.Unload(), 0);
    EXPECT_EQ(m_roster.entries()[0]->object(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(Doc("Air.swr")));
    File again("Police.swg");
    auto& read = dynamic_cast<Group&>(*again.root());
    EXPECT_EQ(read.banks()[0]->members()[0]->lockOut(), 0xFF);
}

TEST_F(RosterTest, MapsMoveLockOutsBetweenTheEnginesCopyAndTheObjects) {
    m_roster.Load(0);
    std::uint8_t* block = m_roster.Compile(HWND{}, m_radio.get(), nullptr, "Scanner", 0);
    ASSERT_NE(block, nullptr);
    std::vector<std::uint8_t> copy(block, block + hb::records::ProgEntryOffset(5));
    std::free(block);
    SetProgramResolver([&](std::uint32_t id) { return id == 7 ? copy.data() : nullptr; });

    Group& group = dynamic_cast<Group&>(*m_roster.entries()[0]->object());
    Chan& first = *group.banks()[0]->members()[0];
    Chan& second = *group.banks()[0]->members()[1];
    // The engine locked out the first channel; the user freed nothing yet.
    copy[hb::records::ProgEntryOffset(0) + 4 + Parm::kLockOut.kOffset] = 0xFF;
    group.clearChanged();

    EXPECT_EQ(m_roster.UnloadMaps(8), -1);
    EXPECT_EQ(m_roster.UnloadMaps(7), 1);
    EXPECT_EQ(first.lockOut(), 0xFF);
    EXPECT_TRUE(group.isChanged());

    // Now the user locks out the second channel: the engine's copy lacks that change.
    second.setLockOut(0xFF);
    EXPECT_EQ(m_roster.LoadMaps(7), 1);
    EXPECT_TRUE(second.flags() & Chan::kFlagChangeWaiting);
    EXPECT_FALSE(first.flags() & Chan::kFlagChangeWaiting);

    // A damaged copy is refused.
    copy[4] ^= 0xFF;
    EXPECT_EQ(m_roster.LoadMaps(7), -1);
}

} // namespace
} // namespace hb::tessary::test
