// A folder's files listed into a dialog's list box and read back: the pattern matched without
// case, normal files only, in order, the folder shown, and names and paths kept whole; with the
// folders, first and read back as folders.
#include "ControlTest.h"
#include "platform/testkit/TempFolder.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

class DirectoryListTest : public ControlTest {
protected:
    static constexpr UINT kList = 27645;
    static constexpr UINT kFolder = 27886;

    DirectoryListTest() {
        Create("ListBox", "", LBS_NOTIFY, kList, {10, 10, 110, 200});
        Create("Static", "", 0, kFolder, {10, 210, 300, 230});
    }
    void Touch(const std::string& name) const {
        hb::testkit::WriteFileBytes(folder.File(name), "x");
    }
    std::vector<std::string> Listed() const {
        const HWND list = GetDlgItem(parent.hwnd(), kList);
        std::vector<std::string> names;
        for (LRESULT i = 0; i < SendMessage(list, LB_GETCOUNT, 0, 0); ++i) {
            std::string text(static_cast<std::size_t>(SendMessage(list, LB_GETTEXTLEN, i, 0)),
                             '\0');
            SendMessage(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
            names.push_back(text);
        }
        return names;
    }
    std::string Shown() const {
        char text[512] = {};
        GetWindowText(GetDlgItem(parent.hwnd(), kFolder), text, sizeof text);
        return text;
    }

    hb::testkit::TempFolder folder;
};

TEST_F(DirectoryListTest, TheFolderNormalFilesOfThePatternAreListedInOrder) {
    for (const char* name : {"police.swg", "Fire.SWG", "air.swr", ".hidden.swg", "Marine.swg"}) {
        Touch(name);
    }
    std::filesystem::create_directory(folder.File("Groups.swg"));
    SendMessage(GetDlgItem(parent.hwnd(), kList), LB_ADDSTRING, 0,
                reinterpret_cast<LPARAM>("left over"));

    EXPECT_EQ(DlgDirListA(parent.hwnd(), (folder.Path() + "\\*.swg").c_str(), kList, kFolder,
                          DDL_READWRITE),
              1);
    EXPECT_EQ(Listed(), (std::vector<std::string>{"Fire.SWG", "Marine.swg", "police.swg"}));
    EXPECT_EQ(Shown(), folder.Path());

    // A folder that cannot be read leaves the list empty.
    EXPECT_EQ(DlgDirListA(parent.hwnd(), (folder.Path() + "/nowhere/*.swg").c_str(), kList, 0,
                          DDL_READWRITE),
              0);
    EXPECT_TRUE(Listed().empty());
}

TEST_F(DirectoryListTest, WithTheFoldersTheyComeFirstAndAreReadBackAsFolders) {
    for (const char* name : {"police.swg", "air.swr", "README", "notes.txt", ".hidden.swr"}) {
        Touch(name);
    }
    for (const char* name : {"Trunks", "beta.swg", ".cache"}) {
        std::filesystem::create_directory(folder.File(name));
    }
    std::filesystem::create_directory_symlink(folder.File("Trunks"), folder.File("Linked"));

    EXPECT_EQ(DlgDirListA(parent.hwnd(), (folder.Path() + "/*.swg; *.SWR").c_str(), kList, 0,
                          DDL_DIRECTORY),
              1);
    EXPECT_EQ(Listed(), (std::vector<std::string>{"[..]", "[beta.swg]", "[Linked]", "[Trunks]",
                                                  "air.swr", "police.swg"}));
    // As on Windows, "*.*" takes a name without a dot too.
    DlgDirListA(parent.hwnd(), (folder.Path() + "/*.*").c_str(), kList, 0, DDL_READWRITE);
    EXPECT_EQ(Listed(), (std::vector<std::string>{"air.swr", "notes.txt", "police.swg", "README"}));

    DlgDirListA(parent.hwnd(), (folder.Path() + "/*.swg").c_str(), kList, 0, DDL_DIRECTORY);
    const HWND list = GetDlgItem(parent.hwnd(), kList);
    char name[32];
    const std::pair<LRESULT, std::string> rows[] = {{0, ".."}, {3, "Trunks"}, {4, "police.swg"}};
    for (const auto& [row, expected] : rows) {
        SendMessage(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        EXPECT_EQ(DlgDirSelectExA(parent.hwnd(), name, sizeof name, kList) != FALSE,
                  expected != "police.swg");
        EXPECT_EQ(std::string(name), expected);
    }

    // The root has nothing above it.
    DlgDirListA(parent.hwnd(), "/*.swg", kList, 0, DDL_DIRECTORY);
    EXPECT_NE(Listed().at(0), "[..]");
}

TEST_F(DirectoryListTest, TheSelectedNameComesBackWholeOrCutToTheBuffer) {
    // A folder path far beyond the old 260 characters, and a long name in it.
    std::string deep = folder.Path();
    while (deep.size() < 400) {
        deep += "/a-folder-of-the-documents";
    }
    std::filesystem::create_directories(deep);
    const std::string name(200, 'n');
    hb::testkit::WriteFileBytes(deep + "/" + name + ".swr", "x");
    ASSERT_EQ(DlgDirListA(parent.hwnd(), (deep + "/*.swr").c_str(), kList, kFolder, DDL_READWRITE),
              1);
    EXPECT_EQ(Shown().size(), std::min<std::size_t>(deep.size(), 511));

    char buffer[300] = "old";
    EXPECT_FALSE(DlgDirSelectExA(parent.hwnd(), buffer, sizeof buffer, kList));
    EXPECT_STREQ(buffer, "") << "nothing selected";
    SendMessage(GetDlgItem(parent.hwnd(), kList), LB_SETCURSEL, 0, 0);
    EXPECT_FALSE(DlgDirSelectExA(parent.hwnd(), buffer, sizeof buffer, kList));
    EXPECT_EQ(std::string(buffer), name + ".swr");
    char small[8];
    DlgDirSelectExA(parent.hwnd(), small, sizeof small, kList);
    EXPECT_STREQ(small, "nnnnnnn");
}

} // namespace
