#include "platform/win/store/Folders.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>

namespace hb::win {
namespace {

// Sets environment variables for one test and puts the old values back.
class EnvTest : public ::testing::Test {
protected:
    ~EnvTest() override {
        for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
            it->second ? setenv(it->first.c_str(), it->second->c_str(), 1)
                       : unsetenv(it->first.c_str());
        }
    }
    void Set(const char* name, const char* value) {
        const char* old = getenv(name);
        m_saved.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        value ? setenv(name, value, 1) : unsetenv(name);
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};

TEST_F(EnvTest, HalbridgeHomeHoldsEverything) {
    Set("HALBRIDGE_HOME", "/tmp/hb");
    Set("XDG_CONFIG_HOME", "/xdg");
    EXPECT_EQ(ConfigFolder(), "/tmp/hb/config");
    EXPECT_EQ(DocumentsFolder(), "/tmp/hb/Documents");
}

TEST_F(EnvTest, WithoutHalbridgeHomeTheUsualFoldersAreUsed) {
    Set("HALBRIDGE_HOME", nullptr);
    Set("HOME", "/home/op/");
    Set("XDG_CONFIG_HOME", "/xdg");
    EXPECT_EQ(ConfigFolder(), "/xdg/halbridge-pro");
    Set("XDG_CONFIG_HOME", "relative");
    EXPECT_EQ(ConfigFolder(), "/home/op/.config/halbridge-pro");
    Set("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(ConfigFolder(), "/home/op/.config/halbridge-pro");
    EXPECT_EQ(DocumentsFolder(), "/home/op/Documents/Halbridge Pro");
}

} // namespace
} // namespace hb::win
