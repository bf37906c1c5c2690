// No test may read or write the developer's own settings and documents, however it is run.
#include "platform/testkit/PlatformTest.h"
#include "platform/win/store/Folders.h"
#include "platform/win/store/PrivateProfile.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

namespace hb::win {
namespace {

std::string Env(const char* name) {
    const char* value = getenv(name);
    return value ? value : "";
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(TestProcess, HasAScratchHomeInTheBuildEvenWithoutTheFixture) {
    EXPECT_TRUE(Contains(Env("HALBRIDGE_HOME"), "/test-home/")) << Env("HALBRIDGE_HOME");
}

#if defined(__SANITIZE_ADDRESS__)
TEST(TestProcess, HasTheLeakSuppressionsWithoutThePreset) {
    EXPECT_TRUE(Contains(Env("LSAN_OPTIONS"), "suppressions=")) << Env("LSAN_OPTIONS");
    EXPECT_TRUE(Contains(Env("LSAN_OPTIONS"), "lsan.supp")) << Env("LSAN_OPTIONS");
}
#endif

class FixtureHomeTest : public testkit::PlatformTest {};

TEST_F(FixtureHomeTest, EachTestHasAFreshHomeInTheTemporaryFolder) {
    const std::string home = Env("HALBRIDGE_HOME");
    ASSERT_EQ(home.rfind(std::filesystem::temp_directory_path().string(), 0), 0u) << home;
    EXPECT_FALSE(std::filesystem::exists(home + "/config"));
    EXPECT_EQ(ConfigFolder(), home + "/config");
    EXPECT_EQ(DocumentsFolder(), home + "/Documents");
}

TEST_F(FixtureHomeTest, SettingsOnDiskAreNeverReadInMemoryMode) {
    const std::string config = ConfigFolder();
    ASSERT_TRUE(CreateFolders(config));
    testkit::WriteFileBytes(config + "/Halbridge Pro.ini", "[Radios]\nRadio#1=Receiver\n");

    EXPECT_EQ(GetPrivateProfileInt("Radios", "Radio#1", -1, "Halbridge Pro.ini"), -1);
    EXPECT_TRUE(WritePrivateProfileString("Radios", "Radio#2", "Tracker", "Halbridge Pro.ini"));
    EXPECT_EQ(testkit::ReadFileBytes(config + "/Halbridge Pro.ini"),
              "[Radios]\nRadio#1=Receiver\n");
}

} // namespace
} // namespace hb::win
