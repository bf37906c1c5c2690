// The dBASE table the activity log writes: what is created reads back as stored, records append,
// and files that are no table are refused with a reason.
#include "platform/tessary/app/DbaseTable.h"

#include "tests/platform/tessary/ModelTest.h"

#include <gtest/gtest.h>

#include <vector>

namespace hb::tessary::test {
namespace {

class DbaseTableTest : public ModelTest {
protected:
    std::string Path(const std::string& name) const { return Doc(name); }

    const std::vector<DbaseField> fields{
        {"RADIO", 'C', 10, 0}, {"FREQUENCY", 'N', 12, 6}, {"radio", 'C', 4, 0}};
};

TEST_F(DbaseTableTest, ACreatedTableReadsBackItsFieldsAndRecords) {
    {
        DbaseTable table;
        std::string whyNot;
        ASSERT_TRUE(table.Create(Path("log.dbf"), fields, &whyNot)) << whyNot;
        EXPECT_TRUE(table.Append({std::string("Receiver"), 162.55, std::string("ab")}));
        // A blank value, a text cut at its field's width, a missing last value.
        EXPECT_TRUE(table.Append({DbaseValue(), std::string("Receiver 12345"), 1.5}));
        EXPECT_TRUE(table.Append({std::string("Scanner 2345"), 0.1}));
    }
    DbaseTable table;
    std::string whyNot;
    ASSERT_TRUE(table.Open(Path("log.dbf"), &whyNot)) << whyNot;
    ASSERT_EQ(table.FieldCount(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(table.Field(i), fields[static_cast<std::size_t>(i)]) << i;
    }
    EXPECT_EQ(table.FieldName(2), "radio") << "names keep their case";
    EXPECT_FALSE(table.Field(3));
    ASSERT_EQ(table.RecordCount(), 3);
    EXPECT_EQ(table.ReadText(0, 0), "Receiver");
    EXPECT_EQ(table.ReadText(0, 1), "162.550000");
    EXPECT_EQ(table.ReadText(0, 2), "ab");
    EXPECT_EQ(table.ReadText(1, 0), "");
    EXPECT_EQ(table.ReadText(1, 1), "") << "a text is not written into a numeric field";
    EXPECT_EQ(table.ReadText(1, 2), "") << "nor a number into a character field";
    EXPECT_EQ(table.ReadText(2, 0), "Scanner 23");
    EXPECT_EQ(table.ReadText(2, 2), "");
}

TEST_F(DbaseTableTest, ACharacterFieldIsStoredWithNoDecimals) {
    DbaseTable table;
    ASSERT_TRUE(table.Create(Path("radio.dbf"), {{"RADIO", 'C', 40, 6}}, nullptr));
    table.Close();
    ASSERT_TRUE(table.Open(Path("radio.dbf"), nullptr));
    EXPECT_EQ(table.Field(0), (DbaseField{"RADIO", 'C', 40, 0}));
    // The decimal byte of the descriptor itself: other readers take it as the width's high byte.
    EXPECT_EQ(ReadBytes(Path("radio.dbf")).at(32 + 17), '\0');
}

TEST_F(DbaseTableTest, WhatIsNoTableIsRefusedWithAReason) {
    DbaseTable table;
    std::string whyNot;
    EXPECT_FALSE(table.Open(Path("missing.dbf"), &whyNot));
    EXPECT_EQ(whyNot, "there is no such file");

    WriteBytes(Path("noise.dbf"), "\x03\x7a\x01\x01 this is no table at all");
    EXPECT_FALSE(table.Open(Path("noise.dbf"), &whyNot));
    EXPECT_EQ(whyNot, "it is not a dBASE table");
    EXPECT_FALSE(table.IsOpen());
    EXPECT_EQ(table.FieldCount(), 0);
    EXPECT_FALSE(table.Append({std::string("x")}));

    // The library would pick "log.dbf" beside it.
    ASSERT_TRUE(table.Create(Path("log.dbf"), fields, nullptr));
    table.Close();
    WriteBytes(Path("log.txt"), "text");
    EXPECT_FALSE(table.Open(Path("log.txt"), &whyNot));
    EXPECT_EQ(whyNot, "the name of a dBASE table ends in .dbf");
    EXPECT_FALSE(table.Create(Path("log.txt"), fields, &whyNot));
    EXPECT_EQ(ReadBytes(Path("log.txt")), "text");
}

} // namespace
} // namespace hb::tessary::test
