// The customize sheet on a display of the test's own, reached as a person reaches it: a right
// click on the Main tool bar, "Customize...", then the "Tools" tab.
#include "ProgramOnScreen.h"
#include "platform/testkit/xdriver/Artefacts.h"

#include <vector>

using hb::testkit::ArtefactPath;

namespace {

// A point on the Main tool bar, and a row through the sheet's tabs above
// their captions.
constexpr int kToolBarX = 100;
constexpr int kToolBarY = 50;
constexpr int kTabRowY = 8;
constexpr unsigned kTabRowWidth = 300;
constexpr unsigned kMainWidth = 600;
// A point of the workspace that the sheet covers.
constexpr int kUnderSheetX = 400;
constexpr int kUnderSheetY = 300;
// On the Tools page, in the sheet: a point of the list of tools; the rows of the "Command" and
// "Initial Directory" edits, a point of their text and their browse buttons at the right end.
constexpr int kToolListX = 100;
constexpr int kToolListY = 60;
constexpr int kCommandY = 243;
constexpr int kDirectoryY = 295;
constexpr int kEditTextX = 120;
constexpr int kBrowseX = 341;

class ProgramCustomizeOnScreenTest : public hb::apptest::ProgramOnScreen {
protected:
    // From the main window to the sheet's Tools page; the sheet, once that page shows.
    std::optional<hb::testkit::XDriver::XId> OpenToolsPage(hb::testkit::XDriver::XId main) {
        driver->Click(main, kToolBarX, kToolBarY, 3);
        const auto menu = driver->FindPopup(kWait);
        if (!menu || !driver->WaitUntilPainted(*menu, kWait)) {
            ADD_FAILURE() << "no menu over the tool bar";
            return std::nullopt;
        }
        driver->Click(*menu, kFirstItemX, kFirstItemY);

        const auto sheet = driver->FindWindow("Customize", kWait);
        if (!sheet || !driver->WaitUntilPainted(*sheet, kWait)) {
            ADD_FAILURE() << "no customize sheet: " << program.Output();
            return std::nullopt;
        }
        EXPECT_TRUE(driver->Screenshot(*sheet, ArtefactPath("program-customize-toolbars.png")));

        // The tabs' edges cross the row in the frame's colour: the second tab lies between the
        // last two.
        const std::vector<unsigned long> row = driver->Pixels(*sheet, 0, kTabRowY, kTabRowWidth, 1);
        std::vector<int> edges;
        for (std::size_t x = 1; x < row.size(); ++x) {
            if (row[x] != row.front() && (edges.empty() || row[x] == row[std::size_t(edges[0])])) {
                edges.push_back(static_cast<int>(x));
            }
        }
        if (edges.size() < 4) {
            ADD_FAILURE() << "no tabs on the sheet";
            return std::nullopt;
        }
        const int toolsX = (edges[edges.size() - 2] + edges.back()) / 2;
        const auto before = driver->Pixels(*sheet, 0, 40, 200, 40);
        driver->Click(*sheet, toolsX, kTabRowY + 8);
        if (!driver->WaitUntilChanged(*sheet, 0, 40, 200, 40, before, kWait)) {
            ADD_FAILURE() << "the Tools page did not show";
            return std::nullopt;
        }
        return sheet;
    }
};

TEST_F(ProgramCustomizeOnScreenTest, ARightClickOnTheToolBarOpensTheCustomizeSheetAtItsToolsPage) {
    const auto main = StartToMainWindow();
    ASSERT_TRUE(main);
    const auto sheet = OpenToolsPage(*main);
    ASSERT_TRUE(sheet);
    EXPECT_TRUE(driver->Screenshot(*sheet, ArtefactPath("program-customize-tools.png")));

    driver->Press("Escape");
    ASSERT_TRUE(driver->WaitUntilGone(*sheet, kWait));
    driver->Close(*main);
    EXPECT_EQ(program.Finish(), 0) << program.Output();
}

TEST_F(ProgramCustomizeOnScreenTest, ANewToolTakesItsFolderFromTheChooserAndShowsItsIconOnTheBar) {
    const auto main = StartToMainWindow();
    ASSERT_TRUE(main);
    const auto sheet = OpenToolsPage(*main);
    ASSERT_TRUE(sheet);
    // While customising, the bar shows where the tools go.
    const auto customising = driver->Pixels(*main, 0, kToolBarY - 10, kMainWidth, 20);
    // The edits are greyed until a tool is chosen; the list's first row is empty, and a box to
    // type in frames it once a new tool asks for its name.
    const auto greyed = driver->Pixels(*sheet, kEditTextX, kDirectoryY, 20, 1);
    const auto firstRow = driver->Pixels(*sheet, kToolListX, kToolListY - 10, 1, 20);
    driver->Click(*sheet, kToolListX, kToolListY);
    driver->Press("Insert");
    // Typing waits for the new tool's name to be asked for, as a person does.
    ASSERT_TRUE(
        driver->WaitUntilChanged(*sheet, kToolListX, kToolListY - 10, 1, 20, firstRow, kWait));
    driver->Type("Editor");
    driver->Press("Return");
    ASSERT_TRUE(driver->WaitUntilChanged(*sheet, kEditTextX, kDirectoryY, 20, 1, greyed, kWait));
    driver->Click(*sheet, kBrowseX, kDirectoryY);

    const auto chooser = driver->FindWindow("Browse for Folder", kWait);
    ASSERT_TRUE(chooser) << program.Output();
    ASSERT_TRUE(driver->WaitUntilPainted(*chooser, kWait));
    EXPECT_TRUE(driver->Screenshot(*chooser, ArtefactPath("program-folder-chooser.png")));
    // The folder chosen at the start: the documents folder.
    driver->Press("Return");
    ASSERT_TRUE(driver->WaitUntilGone(*chooser, kWait));

    // A program on the search path has an icon; Enter in the edit closes the sheet with OK.
    driver->Click(*sheet, kEditTextX, kCommandY);
    driver->Type("sh");
    driver->Press("Return");
    ASSERT_TRUE(driver->WaitUntilGone(*sheet, kWait));
    ASSERT_TRUE(
        driver->WaitUntilChanged(*main, 0, kToolBarY - 10, kMainWidth, 20, customising, kWait));
    ASSERT_TRUE(driver->WaitForPixel(*main, kUnderSheetX, kUnderSheetY, kWorkspace, kWait));
    EXPECT_TRUE(driver->Screenshot(*main, ArtefactPath("program-user-tool.png")));

    driver->Close(*main);
    EXPECT_EQ(program.Finish(), 0) << program.Output();
}

} // namespace
