#include "platform/tessary/model/ScanHelpers.h"

#include "ModelTest.h"
#include "platform/tessary/model/Radio.h"

namespace hb::tessary::test {
namespace {

using ScanHelpersTest = ModelTest;
using hb::records::UserId;

UserId Talkgroup(std::uint32_t value) {
    UserId id;
    id.set(UserId::kValue, value);
    id.set(UserId::kKind, hb::records::kIdKindMotorolaTypeII);
    return id;
}

TEST_F(ScanHelpersTest, FetchBlobCreatesOnceAndClampsItsSize) {
    BlobList list;
    Blob* map = scan_fetch_blob(list, 53420000, 255, 20);
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->data, std::vector<std::uint8_t>(20, 0));
    map->data[8] = 1;
    // Later calls give the same record, whatever size they ask for.
    EXPECT_EQ(scan_fetch_blob(list, 53420000, 255, 4000), map);
    EXPECT_EQ(map->data.size(), 20u);
    EXPECT_EQ(list.size(), 1u);

    EXPECT_EQ(scan_fetch_blob(list, 53420000, 1, 0)->data.size(), 8u);
    EXPECT_EQ(scan_fetch_blob(list, 53420000, 2, 0x20000)->data.size(), 0xFFE0u);
    EXPECT_EQ(scan_fetch_blob(list, 53420009, 255, 12)->data.size(), 2732u);
    EXPECT_EQ(scan_fetch_blob(list, 1234, 255, 0)->data.size(), 1u);
    EXPECT_EQ(list.size(), 5u);
}

TEST_F(ScanHelpersTest, ASettingsRecordIsAlwaysHandedOutWhole) {
    BlobList list;
    auto stored = std::make_unique<Blob>();
    stored->tag = 53420009;
    stored->key = 255;
    stored->data.assign(10, 0xAB);
    Blob* shortRecord = stored.get();
    list.push_back(std::move(stored));
    auto map = std::make_unique<Blob>();
    map->tag = 53420000;
    map->key = 255;
    map->data.assign(3, 0x11);
    list.push_back(std::move(map));

    Blob* settings = scan_fetch_blob(list, 53420009, 255, 2732);
    EXPECT_EQ(settings, shortRecord);
    ASSERT_EQ(settings->data.size(), 2732u);
    EXPECT_EQ(settings->data, std::vector<std::uint8_t>(2732, 0));
    settings->data[2230] = 4; // the CT setting, read by the trunk-scanner families
    EXPECT_EQ(scan_fetch_blob(list, 53420009, 255, 2732)->data[2230], 4);
    // Records of other tags keep whatever size they have; their readers test it.
    EXPECT_EQ(scan_fetch_blob(list, 53420000, 255, 20)->data.size(), 3u);
    EXPECT_EQ(list.size(), 2u);
}

TEST_F(ScanHelpersTest, LockOutMapSizeCoversTheUpperLimit) {
    // 16 steps from lower to upper: 17 bits with the upper limit itself.
    EXPECT_EQ(LockOutMapSize(100'000'000, 100'400'000, 25'000), 8u + 3u);
    EXPECT_EQ(LockOutMapSize(100'000'000, 100'375'000, 25'000), 8u + 2u);
    EXPECT_EQ(LockOutMapSize(1, 0, 25'000), 0u);
    EXPECT_EQ(LockOutMapSize(1, 2, 0), 0u);
    EXPECT_EQ(LockOutMapSize(0, 4'000'000'000u, 1), 0u); // would pass 0xFFE0
}

TEST_F(ScanHelpersTest, ActiveIdsAreStoredInTheChannelsBank) {
    auto group = SampleGroup();
    Chan& channel = *group->banks()[0]->members()[0];
    Roster roster;
    const UserId tg = Talkgroup(2000);

    EXPECT_EQ(scan_format_user_details(&channel, &roster, &tg, nullptr, nullptr), nullptr);
    EXPECT_EQ(scan_store_active_id(&channel, &tg, &roster, 1500, 0), 1);
    EXPECT_EQ(scan_store_active_id(&channel, &tg, &roster, 500, 0xFF), 0);
    const auto& ids = group->banks()[0]->userIds();
    ASSERT_EQ(ids.size(), 1u);
    EXPECT_EQ(ids[0]->statistics().hitCount, 2u);
    EXPECT_EQ(ids[0]->statistics().airTime, 2000u);
    EXPECT_TRUE(ids[0]->options() & UserIdEntry::kOptionLockedOut);
    EXPECT_TRUE(group->isChanged());

    ids[0]->setOptionByte(UserIdEntry::kOptionAlarm, 4);
    ids[0]->setOptions(ids[0]->options() | UserIdEntry::kOptionRecord);
    BYTE alarm = 9;
    BYTE record = 9;
    EXPECT_EQ(scan_format_user_details(&channel, &roster, &tg, &alarm, &record), ids[0].get());
    EXPECT_EQ(alarm, 4);
    EXPECT_EQ(record, 0xFF);

    // An individual ID of the same number is another ID.
    UserId person = tg;
    person.set(UserId::kFlags, UserId::kFlagIndividual);
    EXPECT_EQ(scan_format_user_details(&channel, &roster, &person, &alarm, &record), nullptr);
    EXPECT_EQ(alarm, 0);
    EXPECT_EQ(record, 0);

    // No bank above the object, or no ID at all: nothing to store.
    Range* extra = dynamic_cast<Range*>(group->extras()[0].get());
    EXPECT_LT(scan_store_active_id(extra, &tg, &roster, 0, 0), 0);
    EXPECT_LT(scan_store_active_id(&channel, nullptr, &roster, 0, 0), 0);
    UserId none;
    EXPECT_LT(scan_store_active_id(&channel, &none, &roster, 0, 0), 0);
}

TEST_F(ScanHelpersTest, SearchHitsBecomeFoundChannelsOnce) {
    auto range = SearchRange(118'000'000, 137'000'000, 25'000);
    auto radio = Radio::CreateRadio(42);
    Log hit;
    hit.frequency = 121'500'000;
    hit.airTime = 3000;
    hit.time = 1'767'225'600;

    EXPECT_EQ(scan_search_store(range.get(), &hit, nullptr, radio.get()), 0); // option off
    range->setOptions(Range::kOptionStoreHits | Range::kOptionLockOutHits);
    range->clearChanged();
    EXPECT_EQ(scan_search_store(range.get(), &hit, nullptr, radio.get()), 1);
    EXPECT_EQ(scan_search_store(range.get(), &hit, nullptr, radio.get()), 0);
    ASSERT_EQ(range->found().size(), 1u);
    const Chan& found = *range->found()[0];
    EXPECT_EQ(found.kind(), Object::Kind::StandaloneChannel);
    EXPECT_EQ(found.frequency(), 121'500'000u);
    EXPECT_EQ(found.lockOut(), 0xFF);
    EXPECT_EQ(found.statistics().airTime, 3000u);
    EXPECT_EQ(found.parent(), range.get());
    EXPECT_TRUE(range->isChanged());

    hit.frequency = 150'000'000; // outside the range
    EXPECT_EQ(scan_search_store(range.get(), &hit, nullptr, radio.get()), 0);
    EXPECT_LT(scan_search_store(nullptr, &hit, nullptr, radio.get()), 0);
}

TEST_F(ScanHelpersTest, ChannelsKeepCtcssTonesTheyHear) {
    Chan channel;
    UserId tone;
    tone.set(UserId::kKind, hb::records::kIdKindCtcss);
    tone.set(UserId::kValue, 1318);
    EXPECT_EQ(channel.StoreId(tone), 1);
    EXPECT_EQ(channel.record().tone(), 1318u);
    tone.set(UserId::kValue, 1000);
    EXPECT_EQ(channel.StoreId(tone), 0); // a tone already set stays
    EXPECT_EQ(channel.StoreId(Talkgroup(5)), 0);
}

} // namespace
} // namespace hb::tessary::test
