#include "platform/tessary/app/GroupDoc.h"

#include "platform/tessary/model/File.h"
#include "tests/platform/tessary/ModelTest.h"

namespace hb::tessary::test {
namespace {

using GroupDocTest = ModelTest;

TEST_F(GroupDocTest, ANewGroupForARadioTypeIsSavedAndReadBack) {
    CGroupDoc doc;
    doc.NewGroup(42);
    EXPECT_EQ(doc.GetGroup()->radioType(), 42);
    EXPECT_TRUE(doc.GetGroup()->banks().empty());
    doc.SetModifiedFlag(TRUE);
    ASSERT_TRUE(doc.OnSaveDocument(Doc("Scanner1.swg").c_str()));
    EXPECT_FALSE(doc.IsModified());

    CGroupDoc read;
    ASSERT_TRUE(read.OnOpenDocument(Doc("Scanner1.swg").c_str()));
    EXPECT_EQ(read.GetGroup()->radioType(), 42);
    EXPECT_TRUE(read.HoldsObject(*read.GetGroup()));
    EXPECT_FALSE(read.HoldsObject(*doc.GetGroup()));
}

TEST_F(GroupDocTest, AFileWithoutAGroupIsReportedAndTheDocumentKeepsItsGroup) {
    Roster list;
    ASSERT_TRUE(File(Doc("List.sws"), &list).save());
    CGroupDoc doc;
    doc.NewGroup(17);
    ExpectBox("does not hold a group", IDOK);
    EXPECT_FALSE(doc.OnOpenDocument(Doc("List.sws").c_str()));
    EXPECT_EQ(doc.GetGroup()->radioType(), 17);
    ExpectBox("", IDOK);
    EXPECT_FALSE(doc.OnOpenDocument(Doc("Missing.swg").c_str()));
}

} // namespace
} // namespace hb::tessary::test
