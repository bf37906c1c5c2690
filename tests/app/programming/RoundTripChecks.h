#pragma once
// What the round trips of the trunk scanners compare alike: the settings records byte by byte, a
// bank's ID entries and a search range, each read back against what was written.
#include "platform/tessary/model/Bank.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Range.h"
#include "programming/RadioSettingsRecord.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace hb::app::test {

inline void ExpectSameSettingsRecord(Group& read, Group& written) {
    const auto bytes = [](Group& group) {
        return scan_fetch_blob(group.records(), RadioSettingsRecord::kTag,
                               RadioSettingsRecord::kKey, RadioSettingsRecord::kSize)
            ->data;
    };
    const std::vector<std::uint8_t> back = bytes(read);
    const std::vector<std::uint8_t> out = bytes(written);
    ASSERT_EQ(back.size(), out.size());
    for (std::size_t at = 0; at < out.size(); ++at) {
        EXPECT_EQ(back[at], out[at]) << "record byte " << at;
    }
}

// Each entry's ID, tag, options and the option the radio's menu carries.
inline void ExpectSameUserIds(const Bank& read, const Bank& written) {
    ASSERT_EQ(read.userIds().size(), written.userIds().size());
    for (std::size_t n = 0; n < written.userIds().size(); ++n) {
        const UserIdEntry& back = *read.userIds()[n];
        const UserIdEntry& out = *written.userIds()[n];
        EXPECT_TRUE(std::ranges::equal(back.id().bytes(), out.id().bytes())) << "ID " << n;
        EXPECT_EQ(back.tag(), out.tag());
        EXPECT_EQ(back.options(), out.options());
        EXPECT_EQ(back.optionByte(UserIdEntry::kOptionRadio),
                  out.optionByte(UserIdEntry::kOptionRadio));
    }
}

// The range's name, limits and number, and the mode and step the radio gives back for it.
inline void ExpectSameRange(const Range& read, const Range& written, std::uint8_t mode,
                            std::uint32_t step) {
    SCOPED_TRACE(written.name());
    EXPECT_EQ(read.name(), written.name());
    EXPECT_EQ(read.lower(), written.lower());
    EXPECT_EQ(read.upper(), written.upper());
    EXPECT_EQ(read.number(), written.number());
    EXPECT_EQ(read.record().get(hb::records::Parm::kMode), mode);
    EXPECT_EQ(read.step(), step);
}

} // namespace hb::app::test
