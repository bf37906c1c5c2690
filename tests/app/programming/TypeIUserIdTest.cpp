// The ID texts a trunk scanner is given, by the fleet's size code.
#include "programming/TypeIUserId.h"

#include "platform/tessary/model/Bank.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace hb::app::test
