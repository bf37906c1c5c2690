#include "ModelTest.h"
#include "platform/tessary/model/TrunkSystem.h"
#include "platform/tessary/model/UserIdEntry.h"

namespace hb::tessary::test {
namespace {

using ObjectTest = ModelTest;

TEST_F(ObjectTest, HandlesResolveWhileTheObjectLivesAndNeverAfter) {
    auto group = SampleGroup();
    Chan* channel = group->banks()[0]->members()[0].get();
    const std::uint32_t groupHandle = group->handle();
    const std::uint32_t channelHandle = channel->handle();

    EXPECT_NE(groupHandle, 0u);
    EXPECT_NE(groupHandle, channelHandle);
    EXPECT_EQ(Object::Find(channelHandle), channel);
    EXPECT_EQ(channel->record().get(hb::records::Parm::kObjectHandle), channelHandle);
    EXPECT_EQ(Object::Find(0), nullptr);

    group.reset();
    EXPECT_EQ(Object::Find(groupHandle), nullptr);
    EXPECT_EQ(Object::Find(channelHandle), nullptr);

    Chan fresh;
    EXPECT_GT(fresh.handle(), channelHandle);
}

TEST_F(ObjectTest, DescriptionTextsAndKinds) {
    Group group;
    Chan channel;
    Chan alone(Object::Kind::StandaloneChannel);
    Range range;
    TrunkSystem system;
    EXPECT_STREQ(group.descr(), "Group");
    EXPECT_STREQ(channel.descr(), "Channel");
    EXPECT_STREQ(alone.descr(), "Channel");
    EXPECT_STREQ(range.descr(), "Search Range");
    EXPECT_EQ(alone.ObjectTypeTag(), 53530006u);
    EXPECT_EQ(range.ObjectTypeTag(), 53530008u);
    EXPECT_EQ(system.ObjectTypeTag(), 0x330CDB5u);
}

TEST_F(ObjectTest, ChangesMarkEveryObjectAboveAndClearingClearsBelow) {
    auto group = SampleGroup();
    Bank& bank = *group->banks()[1];
    Chan& channel = *bank.members()[0];
    EXPECT_FALSE(group->isChanged());

    channel.markChanged();
    EXPECT_TRUE(channel.isChanged());
    EXPECT_TRUE(bank.isChanged());
    EXPECT_TRUE(group->isChanged());
    EXPECT_FALSE(group->banks()[0]->isChanged());

    group->clearChanged();
    EXPECT_FALSE(channel.isChanged());
    EXPECT_FALSE(bank.isChanged());
}

TEST_F(ObjectTest, ScannableContentSkipsEmptyChannelsAndBadRanges) {
    auto group = SampleGroup();
    group->addExtra(SearchRange(200'000'000, 100'000'000, 12'500));
    std::vector<std::uint32_t> seen;
    group->forEachScannable([&](Chan& c) { seen.push_back(c.frequency()); });
    // Two channels, the bank's range, the extra range; not the empty channel or the reversed range.
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0], 155'010'000u);
    EXPECT_EQ(seen[1], 155'475'000u);
    EXPECT_EQ(seen[2], 156'000'000u);
    EXPECT_EQ(seen[3], 118'000'000u);
}

TEST_F(ObjectTest, RecentLogKeepsTheTwentyLatestEntries) {
    Chan channel;
    for (std::uint32_t i = 1; i <= 25; ++i) {
        auto entry = std::make_unique<Log>();
        entry->frequency = i;
        channel.statistics().addRecent(std::move(entry));
    }
    const auto& recent = channel.statistics().recent();
    ASSERT_EQ(recent.size(), 20u);
    EXPECT_EQ(recent.front()->frequency, 6u);
    EXPECT_EQ(recent.back()->frequency, 25u);
}

TEST_F(ObjectTest, UserIdTagIsCutToItsWidth) {
    UserIdEntry entry;
    entry.setTag("Fire dispatch north side");
    EXPECT_EQ(entry.tag(), "Fire dispatch no");
}

} // namespace
} // namespace hb::tessary::test
