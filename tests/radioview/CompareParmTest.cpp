#include "radioview/CompareParm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// Bytes of one compared setting and the bits of them that count.
struct Span {
    std::size_t offset;
    std::size_t width;
    std::uint8_t bits = 0xFF;
};

struct Row {
    ParmChangeCode code;
    std::vector<Span> spans;
};

// Every compared setting, in the order the codes give.
// clang-format off
const std::vector<Row> kRows = {
    {6300, {{0, 4}}}, {6303, {{4, 4}}}, {6306, {{12, 4}}}, {6309, {{16, 4}}},
    {6312, {{20, 4}}}, {6315, {{56, 2}}}, {6318, {{58, 4}}}, {6321, {{84, 2}}},
    {6324, {{86, 2}}}, {6327, {{89, 1}}}, {6330, {{90, 1}}}, {6333, {{91, 1}}},
    {6336, {{93, 1}}}, {6339, {{92, 1}}}, {6342, {{95, 1}}}, {6345, {{96, 1}}},
    {6348, {{97, 1}}}, {6351, {{108, 1}}}, {6354, {{109, 1}}}, {6357, {{110, 1}}},
    {6360, {{112, 1}}}, {6363, {{94, 1}}}, {6366, {{70, 2}}}, {6369, {{72, 2}}},
    {6372, {{74, 2}}}, {6375, {{76, 2}}}, {6378, {{78, 2}}}, {6381, {{80, 2}}},
    {6384, {{82, 2}}}, {6387, {{113, 16}}}, {6390, {{24, 1, 0x42}, {25, 1, 0x0C}}},
    {6393, {{98, 1}}}, {6396, {{99, 1}}}, {6399, {{100, 1}}}, {6402, {{101, 1}}},
    {6405, {{102, 1}}}, {6408, {{103, 1}}}, {6411, {{104, 1}}}, {6414, {{105, 1}}},
};
// clang-format on

// No byte is zero, so the name has no terminator and every byte of it counts.
parm Patterned() {
    parm p;
    for (std::size_t i = 0; i < parm::kSize; ++i) {
        p.bytes()[i] = static_cast<std::uint8_t>('A' + i % 26);
    }
    return p;
}

void Flip(parm& p, std::size_t offset, std::uint8_t bits) {
    p.bytes()[offset] ^= bits;
}

void FlipRow(parm& p, const Row& row) {
    for (const Span& span : row.spans) {
        for (std::size_t i = 0; i < span.width; ++i) {
            Flip(p, span.offset + i, span.bits);
        }
    }
}

TEST(CompareParm, EachSettingGivesItsCodeInTestOrder) {
    const parm a = Patterned();
    ASSERT_EQ(CompareParm(a, a), kParmUnchanged);
    for (std::size_t n = 0; n < kRows.size(); ++n) {
        const Row& row = kRows[n];
        SCOPED_TRACE("code " + std::to_string(row.code));
        EXPECT_EQ(row.code, 6300u + 3u * n);

        // Any one byte or counted bit of the setting is enough.
        for (const Span& span : row.spans) {
            for (std::size_t i = 0; i < span.width; ++i) {
                for (unsigned bit = 1; bit < 0x100; bit <<= 1) {
                    if ((span.bits & bit) == 0) {
                        continue;
                    }
                    parm b = a;
                    Flip(b, span.offset + i, static_cast<std::uint8_t>(bit));
                    EXPECT_EQ(CompareParm(a, b), row.code) << "byte " << span.offset + i;
                    EXPECT_EQ(CompareParm(b, a), row.code) << "byte " << span.offset + i;
                }
            }
        }

        // It is tested before every setting after it.
        parm b = a;
        for (std::size_t later = n; later < kRows.size(); ++later) {
            FlipRow(b, kRows[later]);
        }
        EXPECT_EQ(CompareParm(a, b), row.code);
    }
}

TEST(CompareParm, UncomparedBytesAndOptionBitsNeverCount) {
    const parm a = Patterned();
    parm b = a;
    for (const Span& span :
         {Span{8, 4}, Span{26, 30}, Span{62, 8}, Span{88, 1}, Span{106, 2}, Span{111, 1}}) {
        for (std::size_t i = 0; i < span.width; ++i) {
            Flip(b, span.offset + i, 0xFF);
        }
    }
    b.set(parm::kOptionFlags, static_cast<std::uint16_t>(a.get(parm::kOptionFlags) ^ 0xF3BD));
    EXPECT_EQ(CompareParm(a, b), kParmUnchanged);
}

TEST(CompareParm, Examples) {
    parm a;
    parm b;
    b.set(parm::kOptionFlags, 0x0001);
    EXPECT_EQ(CompareParm(a, b), kParmUnchanged);
    b.set(parm::kOptionFlags, 0x0400);
    EXPECT_EQ(CompareParm(a, b), 6390u);

    b = a;
    b.set(parm::kGain, 3);
    b.set(parm::kSwitch92, 0xFF);
    EXPECT_EQ(CompareParm(a, b), 6336u);

    // A blank-padded name and the same name followed by zero bytes differ; after a terminator
    // both share, the rest of the field does not count.
    a.setText(parm::kName, "Tower");
    b = a;
    std::ranges::fill(b.view(parm::kName).subspan(5), std::uint8_t{0});
    EXPECT_EQ(CompareParm(a, b), 6387u);
    a = b;
    a.view(parm::kName)[9] = 'x';
    EXPECT_EQ(CompareParm(a, b), kParmUnchanged);
}

} // namespace
