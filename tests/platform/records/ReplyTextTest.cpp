#include "platform/records/ReplyText.h"

#include <gtest/gtest.h>

#include <string>

using namespace hb::records;

TEST(ReplyText, BasesCountFromZeroAndFromOne) {
    const std::string_view reply = "FB A 0 12";
    EXPECT_EQ(ReplyAt1(reply, 8), '1');
    EXPECT_EQ(ReplyAt0(reply, 8), '2');
    EXPECT_EQ(ReplyFrom1(reply, 8), "12");
    EXPECT_EQ(ReplyFrom0(reply, 0), reply);
    EXPECT_EQ(ReplyAt1(reply, 1), 'F');
}

TEST(ReplyText, PositionsAtOrPastTheEndAreAbsent) {
    const std::string_view reply = "TB 4";
    EXPECT_EQ(ReplyAt0(reply, 3), '4');
    EXPECT_FALSE(ReplyAt0(reply, 4).has_value());
    EXPECT_TRUE(ReplyAt1(reply, 4).has_value());
    EXPECT_FALSE(ReplyAt1(reply, 5).has_value());
    EXPECT_FALSE(ReplyAt1(reply, 0).has_value());
    EXPECT_TRUE(ReplyFrom0(reply, 4).empty());
    EXPECT_TRUE(ReplyFrom1(reply, 0).empty());
}

TEST(ReplyText, TheReplyEndsAtItsNulAndAt512) {
    // Stale bytes of a longer earlier reply lie behind the NUL.
    const std::string buffer("LT\0STALE", 8);
    EXPECT_FALSE(ReplyAt0(buffer, 3).has_value());
    EXPECT_TRUE(ReplyFrom0(buffer, 2).empty());

    const std::string longReply(600, 'x');
    EXPECT_TRUE(ReplyAt0(longReply, 511).has_value());
    EXPECT_FALSE(ReplyAt0(longReply, 512).has_value());
    EXPECT_EQ(ReplyFrom0(longReply, 500).size(), 12u);
}

TEST(ReplyText, BytesReadAsUnsigned) {
    const std::string reply = "RID\x8D";
    EXPECT_EQ(ReplyAt0(reply, 3), 0x8D);
    EXPECT_GE(*ReplyAt1(reply, 4), 0x8C);
}
