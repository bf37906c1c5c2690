#include "platform/win/sys/FileInfo.h"

#include "SysTest.h"
#include "platform/win/gdi/Bitmaps.h"

#include <cstdlib>
#include <filesystem>

namespace hb::win::test {
namespace {

class FileInfoTest : public SysTest {
protected:
    void SetUp() override {
        SysTest::SetUp();
        const char* path = std::getenv("PATH");
        m_path = path ? path : "";
        std::filesystem::create_directories(Scratch("bin"));
        WriteFile(Scratch("bin/tool"), "#!/bin/sh\n");
        setenv("PATH", ("/nowhere:" + Scratch("bin")).c_str(), 1);
    }
    void TearDown() override {
        setenv("PATH", m_path.c_str(), 1);
        SysTest::TearDown();
    }

    std::string m_path;
};

TEST_F(FileInfoTest, SearchPathFindsAProgramOnThePathOrAsWrittenAndSaysHowMuchRoomItNeeds) {
    char buffer[512] = {};
    const DWORD length = SearchPath(nullptr, "tool", nullptr, sizeof buffer, buffer, nullptr);
    EXPECT_EQ(std::string(buffer), Scratch("bin/tool"));
    EXPECT_EQ(length, Scratch("bin/tool").size());
    EXPECT_EQ(SearchPath(nullptr, "to", "ol", sizeof buffer, buffer, nullptr), length);
    EXPECT_EQ(
        SearchPath(nullptr, Scratch("bin/tool").c_str(), nullptr, sizeof buffer, buffer, nullptr),
        length);
    char small[4] = {};
    EXPECT_EQ(SearchPath(nullptr, "tool", nullptr, sizeof small, small, nullptr), length + 1);
    EXPECT_EQ(SearchPath(nullptr, "missing", nullptr, sizeof buffer, buffer, nullptr), 0u);
}

TEST_F(FileInfoTest, AnExistingFileHasASmallIconAndAMissingOneNone) {
    SHFILEINFO info{};
    ASSERT_NE(SHGetFileInfo(Scratch("bin/tool").c_str(), 0, &info, sizeof info,
                            SHGFI_ICON | SHGFI_SMALLICON | SHGFI_SHELLICONSIZE),
              0u);
    const auto image = GetImageInfo(info.hIcon);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size.cx, 16);
    DestroyIcon(info.hIcon);
    EXPECT_EQ(SHGetFileInfo(Scratch("missing").c_str(), 0, &info, sizeof info, SHGFI_ICON), 0u);
    EXPECT_FALSE(info.hIcon);
}

} // namespace
} // namespace hb::win::test
