#include "platform/win/sys/Files.h"

#include "SysTest.h"
#include "platform/win/core/LastError.h"
#include "platform/win/sys/Modules.h"
#include "platform/win/sys/ProgramPath.h"

#include <sys/stat.h>

namespace hb::win::test {
namespace {

using Files = SysTest;
namespace fs = std::filesystem;

TEST_F(Files, AttributesTellMissingFilesFoldersAndReadOnlyFiles) {
    WriteFile(Scratch("a.swg"), "x");
    fs::create_directory(Scratch("Samples"));

    EXPECT_EQ(GetFileAttributes(Scratch("a.swg").c_str()), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(GetFileAttributes((m_scratch.Path() + "\\Samples").c_str()),
              FILE_ATTRIBUTE_DIRECTORY);

    chmod(Scratch("a.swg").c_str(), 0444);
    EXPECT_EQ(GetFileAttributes(Scratch("a.swg").c_str()), FILE_ATTRIBUTE_READONLY);

    EXPECT_EQ(GetFileAttributes(Scratch("b.swg").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(GetFileAttributes(Scratch("none/b.swg").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
}

TEST_F(Files, CopyReplacesTheTargetWholeAndKeepsPermissions) {
    WriteFile(Scratch("src.ini"), std::string(200000, 'q'));
    chmod(Scratch("src.ini").c_str(), 0640);
    WriteFile(Scratch("dst.ini"), "old");

    ASSERT_TRUE(
        CopyFile(Scratch("src.ini").c_str(), (m_scratch.Path() + "\\dst.ini").c_str(), FALSE));
    EXPECT_EQ(ReadFile(Scratch("dst.ini")), std::string(200000, 'q'));
    EXPECT_EQ(fs::status(Scratch("dst.ini")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(ScratchEntries(), 2u);
}

TEST_F(Files, CopyWithFailIfExistsNeverTouchesAnExistingTarget) {
    WriteFile(Scratch("src.ini"), "new");
    WriteFile(Scratch("dst.ini"), "old");

    EXPECT_FALSE(CopyFile(Scratch("src.ini").c_str(), Scratch("dst.ini").c_str(), TRUE));
    EXPECT_EQ(GetLastError(), ERROR_FILE_EXISTS);
    EXPECT_EQ(ReadFile(Scratch("dst.ini")), "old");

    EXPECT_TRUE(CopyFile(Scratch("src.ini").c_str(), Scratch("fresh.ini").c_str(), TRUE));
    EXPECT_EQ(ReadFile(Scratch("fresh.ini")), "new");
    EXPECT_EQ(ScratchEntries(), 3u);
}

TEST_F(Files, FailedCopiesLeaveNothingBehind) {
    WriteFile(Scratch("src.ini"), "new");
    fs::create_directory(Scratch("dir"));

    EXPECT_FALSE(CopyFile(Scratch("missing.ini").c_str(), Scratch("dst.ini").c_str(), FALSE));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(CopyFile(Scratch("src.ini").c_str(), Scratch("none/dst.ini").c_str(), FALSE));
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    EXPECT_FALSE(CopyFile(Scratch("dir").c_str(), Scratch("dst.ini").c_str(), FALSE));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_FALSE(CopyFile(Scratch("src.ini").c_str(), Scratch("dir").c_str(), FALSE));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);

    EXPECT_EQ(ScratchEntries(), 2u);
    EXPECT_TRUE(fs::is_empty(Scratch("dir")));
}

TEST_F(Files, CreateRemoveAndDelete) {
    const std::string dir = Scratch("Samples");
    EXPECT_TRUE(CreateDirectory(dir.c_str(), nullptr));
    EXPECT_FALSE(CreateDirectory(dir.c_str(), nullptr));
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    EXPECT_FALSE(CreateDirectory(Scratch("none/Samples").c_str(), nullptr));
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);

    WriteFile(dir + "/a.swg", "x");
    EXPECT_FALSE(RemoveDirectory(dir.c_str()));
    EXPECT_EQ(GetLastError(), ERROR_DIR_NOT_EMPTY);
    EXPECT_FALSE(DeleteFile(dir.c_str()));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);

    EXPECT_TRUE(DeleteFile((m_scratch.Path() + "\\Samples\\a.swg").c_str()));
    EXPECT_FALSE(DeleteFile((dir + "/a.swg").c_str()));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_TRUE(RemoveDirectory(dir.c_str()));
    EXPECT_EQ(GetFileAttributes(dir.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(Files, ModuleFileNameTruncatesLikeWindows) {
    char real[MAX_PATH];
    ASSERT_GT(GetModuleFileName(0, real, MAX_PATH), 0u);
    EXPECT_EQ(GetFileAttributes(real), FILE_ATTRIBUTE_NORMAL);

    SetModuleFileNameOverride("D:\\Halbridge Pro\\halbridge");
    EXPECT_EQ(ApplicationFolder(), "D:/Halbridge Pro");
    char buf[32] = "unchanged";
    EXPECT_EQ(GetModuleFileName(0, buf, sizeof buf), 26u);
    EXPECT_STREQ(buf, "D:/Halbridge Pro/halbridge");
    EXPECT_EQ(GetModuleFileName(GetModuleHandle(nullptr), buf, 27), 26u);

    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(GetModuleFileName(0, buf, 26), 26u);
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_STREQ(buf, "D:/Halbridge Pro/halbridg");
    EXPECT_EQ(GetModuleFileName(0, buf, 0), 0u);
    EXPECT_STREQ(buf, "D:/Halbridge Pro/halbridg");

    SetModuleFileNameOverride("");
    char again[MAX_PATH];
    GetModuleFileName(0, again, MAX_PATH);
    EXPECT_STREQ(again, real);
}

} // namespace
} // namespace hb::win::test
