// The ID texts a trunk scanner is given, by the fleet's size code.
#include "programming/TypeIUserId.h"

#include "platform/records/TypeISizeTable.h"
#include "platform/tessary/model/Bank.h"
#include "platform/tessary/model/ConvertUser.h"
#include "programming/TrunkCommandCodec.h"

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

UserId Read(const char* text, std::uint8_t trunkType, const std::array<std::uint8_t, 8>& map) {
    UserId id;
    EXPECT_EQ(convert_user(text, &id, trunkType, map), 0) << text;
    return id;
}

// Read, written again and read again: the same text and the same record.
void ExpectRoundTrip(const char* text, const Bank& bank) {
    const UserId read = Read(text, bank.trunkType, bank.fleetMap);
    UserId written = read;
    EXPECT_EQ(TrunkCommandCodec::IdText(written, bank), text);
    EXPECT_EQ(Read(text, bank.trunkType, bank.fleetMap), read) << text;
}

TEST(TypeIUserIdTest, EveryTypeITextWrittenReadsBackIntoTheSameId) {
    // Fleet maps as a radio holds them: a size that spans blocks fills each of them.
    const std::array<std::array<std::uint8_t, 8>, 4> maps{{{0, 1, 2, 3, 4, 5, 6, 7},
                                                           {8, 9, 10, 11, 12, 12, 15, 0},
                                                           {13, 13, 13, 13, 13, 13, 13, 13},
                                                           {14, 14, 14, 14, 14, 14, 14, 14}}};
    Bank typeI;
    typeI.trunkType = 1;
    for (const auto& map : maps) {
        typeI.fleetMap = map;
        for (std::uint8_t block = 0; block < 8; ++block) {
            const auto& layout = hb::records::TypeISizeFor(map[block]);
            if (!layout.hasLayout()) {
                continue;
            }
            for (const unsigned fleet : {0u, layout.fleetModulus - 1u}) {
                for (const unsigned subfleet : {0u, layout.subfleetModulus - 1u}) {
                    UserId id =
                        Id(map[block], block & layout.blockMask, static_cast<std::uint8_t>(fleet),
                           static_cast<std::uint8_t>(subfleet));
                    const std::string text = FormatTypeIUserId(id, typeI);
                    const UserId back = Read(text.c_str(), 1, map);
                    if (back.get(UserId::kValue) == 0) {
                        // Block, fleet and subfleet 0: the empty ID.
                        EXPECT_EQ(back, UserId{}) << text;
                        continue;
                    }
                    EXPECT_EQ(back.get(UserId::kBlock), id.get(UserId::kBlock)) << text;
                    EXPECT_EQ(back.get(UserId::kFleet), fleet) << text;
                    EXPECT_EQ(back.get(UserId::kSubfleet), subfleet) << text;
                    EXPECT_EQ(back.get(UserId::kSizeCode), map[block]) << text;
                    EXPECT_EQ(back.get(UserId::kKind), 1) << text;
                    ExpectRoundTrip(text.c_str(), typeI);
                }
            }
        }
    }
    // Blocks without a layout (sizes 0 and 15) hold plain IDs; so does an individual.
    typeI.fleetMap = maps[1];
    ExpectRoundTrip("012345", typeI);
    ExpectRoundTrip("i01234", typeI);
    EXPECT_EQ(Read("i01234", 1, maps[1]).get(UserId::kFlags), UserId::kFlagIndividual);
}

TEST(TypeIUserIdTest, IdsOfTheOtherTrunkTypesReadBackAsTheirNumbers) {
    const std::array<std::uint8_t, 8> fleetMap{};
    Bank bank;
    bank.trunkType = 2;
    ExpectRoundTrip("004711", bank);
    for (const std::uint8_t edacs : {6, 8}) {
        bank.trunkType = edacs;
        ExpectRoundTrip("002001", bank);
        ExpectRoundTrip("i02001", bank);
        EXPECT_EQ(Read("i02001", edacs, fleetMap).get(UserId::kKind), edacs);
    }
    // Type 3: bit 13, bits 8 to 12 and bits 0 to 7.
    const UserId system = Read("131200", 3, fleetMap);
    EXPECT_EQ(system.get(UserId::kValue), (1u << 13) | (31u << 8) | 200u);
    EXPECT_EQ(system.get(UserId::kKind), 3);
}

TEST(TypeIUserIdTest, AnEmptyIdIsNotInUseWhateverItsTrunkType) {
    const std::array<std::uint8_t, 8> fleetMap{4, 4, 4, 4, 4, 4, 4, 4};
    for (const std::uint8_t type : {1, 2, 3, 6, 8}) {
        for (const char* text : {"", "0", "000000"}) {
            EXPECT_EQ(Read(text, type, fleetMap), UserId{}) << text << " " << int{type};
        }
    }
    EXPECT_EQ(Read("000-00", 1, fleetMap), UserId{});
    // An individual 0 is an ID all the same.
    EXPECT_EQ(Read("i00000", 1, fleetMap).get(UserId::kKind), 1);
}

TEST(TypeIUserIdTest, ATextThatCannotBeReadLeavesAnEmptyRecord) {
    const std::array<std::uint8_t, 8> fleetMap{0, 1, 2, 4, 12, 12, 11, 15};
    const std::pair<const char*, std::uint8_t> unreadable[] = {
        {"------", 1}, {"12a", 1},   {"12a", 2},    {"012-01", 1}, {"712-01", 1},
        {"3072-", 1},  {"200-1", 1}, {"200-01", 2}, {"132200", 3}, {"i12x", 6}};
    for (const auto& [text, type] : unreadable) {
        UserId back = Id(4, 1, 1, 1, 99);
        EXPECT_NE(convert_user(text, &back, type, fleetMap), 0) << text;
        EXPECT_EQ(back, UserId{}) << text;
    }
}

} // namespace
} // namespace hb::app::test
