// The ID texts a trunk scanner is given, by the fleet's size code.
#include "programming/TypeIUserId.h"

#include "platform/records/TypeISizeTable.h"
#include "platform/tessary/model/Bank.h"
#include "platform/tessary/model/ConvertUser.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>

namespace hb::app::test {
namespace {

using hb::records::UserId;

UserId Id(std::uint8_t size, std::uint8_t block, std::uint8_t fleet, std::uint8_t subfleet,
          std::uint32_t value = 0) {
    UserId id;
    id.set(UserId::kSizeCode, size);
    id.set(UserId::kBlock, block);
    id.set(UserId::kFleet, fleet);
    id.set(UserId::kSubfleet, subfleet);
    id.set(UserId::kValue, value);
    return id;
}

TEST(TypeIUserIdTest, EachSizeCodeLaysTheIdOutItsOwnWay) {
    Bank typeI;
    typeI.trunkType = 1;
    UserId plain = Id(0, 3, 4, 5, 1234);
    EXPECT_EQ(FormatTypeIUserId(plain, typeI), "001234");
    UserId wide = Id(1, 3, 200, 6);
    EXPECT_EQ(FormatTypeIUserId(wide, typeI), "3072-2");
    UserId narrow = Id(4, 2, 5, 17);
    EXPECT_EQ(FormatTypeIUserId(narrow, typeI), "200-01");
    // Codes without a layout show the plain ID, never dividing by their empty moduli.
    UserId none = Id(15, 7, 9, 9, 987654);
    EXPECT_EQ(FormatTypeIUserId(none, typeI), "987654");
    // The last sizes keep fewer block bits.
    for (const auto& [size, shown] :
         {std::pair<std::uint8_t, const char*>{12, "600-03"}, {13, "400-03"}, {14, "000-03"}}) {
        UserId id = Id(size, 7, 9, 19);
        EXPECT_EQ(FormatTypeIUserId(id, typeI), shown) << int{size};
    }
}

TEST(TypeIUserIdTest, TheHighBitsOfTheSizeAreDroppedAndTypeTwoIsAlwaysANumber) {
    Bank typeI;
    typeI.trunkType = 1;
    UserId id = Id(0x14, 2, 5, 17);
    EXPECT_EQ(FormatTypeIUserId(id, typeI), "200-01");
    EXPECT_EQ(id.get(UserId::kSizeCode), 4);

    Bank typeII;
    typeII.trunkType = 2;
    UserId group = Id(4, 2, 5, 17, 4711);
    EXPECT_EQ(FormatTypeIUserId(group, typeII), "004711");
}

TEST(TypeIUserIdTest, EveryTextWrittenReadsBackIntoTheSameId) {
    // A fleet map as a radio holds one: a size that spans blocks fills each of them.
    const std::array<std::array<std::uint8_t, 8>, 3> maps{{{0, 1, 2, 4, 12, 12, 11, 0},
                                                           {13, 13, 13, 13, 13, 13, 13, 13},
                                                           {14, 14, 14, 14, 14, 14, 14, 14}}};
    Bank typeI;
    typeI.trunkType = 1;
    for (const auto& map : maps) {
        for (std::uint8_t block = 1; block < 7; ++block) {
            const auto& layout = hb::records::TypeISizeFor(map[block]);
            for (const unsigned fleet : {0u, layout.fleetModulus - 1u}) {
                for (const unsigned subfleet : {0u, layout.subfleetModulus - 1u}) {
                    UserId id =
                        Id(map[block], block & layout.blockMask, static_cast<std::uint8_t>(fleet),
                           static_cast<std::uint8_t>(subfleet));
                    const std::string text = FormatTypeIUserId(id, typeI);
                    UserId back;
                    ASSERT_EQ(convert_user(text.c_str(), &back, 1, map), 0) << text;
                    EXPECT_EQ(back.get(UserId::kBlock), id.get(UserId::kBlock)) << text;
                    EXPECT_EQ(back.get(UserId::kFleet), fleet) << text;
                    EXPECT_EQ(back.get(UserId::kSubfleet), subfleet) << text;
                    EXPECT_EQ(back.get(UserId::kSizeCode), map[block]) << text;
                    EXPECT_EQ(back.get(UserId::kKind), 1);
                    EXPECT_EQ(FormatTypeIUserId(back, typeI), text);
                }
            }
        }
    }
    const auto& fleetMap = maps[0];
    UserId back;
    EXPECT_EQ(convert_user("004711", &back, 2, fleetMap), 0);
    EXPECT_EQ(back.get(UserId::kValue), 4711u);
    EXPECT_EQ(back.get(UserId::kKind), 2);
    EXPECT_EQ(convert_user("i01234", &back, 6, fleetMap), 0);
    EXPECT_EQ(back.get(UserId::kValue), 1234u);
    EXPECT_EQ(back.get(UserId::kFlags), UserId::kFlagIndividual);
    EXPECT_EQ(back.get(UserId::kKind), 6);
    EXPECT_EQ(convert_user("131200", &back, 3, fleetMap), 0);
    EXPECT_EQ(back.get(UserId::kValue), (1u << 13) | (31u << 8) | 200u);
    EXPECT_EQ(convert_user("", &back, 1, fleetMap), 0);
    EXPECT_EQ(back.get(UserId::kKind), 0);

    // What cannot be read leaves an empty record.
    for (const char* text : {"------", "12a", "000-01", "700-01", "3072-", "132200"}) {
        const std::uint8_t type = std::string_view(text) == "132200" ? 3 : 1;
        EXPECT_NE(convert_user(text, &back, type, fleetMap), 0) << text;
        EXPECT_EQ(back.get(UserId::kKind), 0) << text;
    }
}

} // namespace
} // namespace hb::app::test
