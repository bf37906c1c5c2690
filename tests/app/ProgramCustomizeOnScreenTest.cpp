// The customize sheet on a display of the test's own, reached as a person reaches it: a right
// click on the Main tool bar, "Customize...", then the "Tools" tab.
#include "ProgramOnScreen.h"
#include "platform/testkit/xdriver/Artefacts.h"

#include <vector>

using hb::testkit::ArtefactPath;

namespace {

using ProgramCustomizeOnScreenTest = hb::apptest::ProgramOnScreen;

// A point on the Main tool bar, and a row through the sheet's tabs above
// their captions.
constexpr int kToolBarX = 100;
constexpr int kToolBarY = 50;
constexpr int kTabRowY = 8;
constexpr unsigned kTabRowWidth = 300;

TEST_F(ProgramCustomizeOnScreenTest, ARightClickOnTheToolBarOpensTheCustomizeSheetAtItsToolsPage) {
    const auto main = StartToMainWindow();
    ASSERT_TRUE(main);
    driver->Click(*main, kToolBarX, kToolBarY, 3);
    const auto menu = driver->FindPopup(kWait);
    ASSERT_TRUE(menu) << "no menu over the tool bar";
    ASSERT_TRUE(driver->WaitUntilPainted(*menu, kWait));
    driver->Click(*menu, kFirstItemX, kFirstItemY);

    const auto sheet = driver->FindWindow("Customize", kWait);
    ASSERT_TRUE(sheet) << program.Output();
    ASSERT_TRUE(driver->WaitUntilPainted(*sheet, kWait));
    EXPECT_TRUE(driver->Screenshot(*sheet, ArtefactPath("program-customize-toolbars.png")));

    // The tabs' edges cross the row in the frame's colour: the second tab lies between the
    // last two.
    const std::vector<unsigned long> row = driver->Pixels(*sheet, 0, kTabRowY, kTabRowWidth, 1);
    ASSERT_FALSE(row.empty());
    std::vector<int> edges;
    for (std::size_t x = 1; x < row.size(); ++x) {
        if (row[x] != row.front() && (edges.empty() || row[x] == row[std::size_t(edges[0])])) {
            edges.push_back(static_cast<int>(x));
        }
    }
    ASSERT_GE(edges.size(), 4u);
    const int toolsX = (edges[edges.size() - 2] + edges.back()) / 2;
    const auto before = driver->Pixels(*sheet, 0, 40, 200, 40);
    driver->Click(*sheet, toolsX, kTabRowY + 8);
    EXPECT_TRUE(driver->WaitUntilChanged(*sheet, 0, 40, 200, 40, before, kWait));
    EXPECT_TRUE(driver->Screenshot(*sheet, ArtefactPath("program-customize-tools.png")));

    driver->Press("Escape");
    ASSERT_TRUE(driver->WaitUntilGone(*sheet, kWait));
    driver->Close(*main);
    EXPECT_EQ(program.Finish(), 0) << program.Output();
}

} // namespace
