#pragma once
// Fixture for the files, modules and shell tests: a clean state and a scratch folder per test.

#include "platform/win/sys/Reset.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace hb::win::test {

class SysTest : public ::testing::Test {
protected:
    void SetUp() override {
        sys::ResetForTests();
        std::string pattern = (std::filesystem::temp_directory_path() / "hb-sys-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_scratch = pattern;
    }

    void TearDown() override {
        sys::ResetForTests();
        std::filesystem::remove_all(m_scratch);
    }

    std::string Scratch(const std::string& name) const { return m_scratch + "/" + name; }

    static void WriteFile(const std::string& path, const std::string& contents) {
        std::ofstream(path, std::ios::binary) << contents;
    }

    static std::string ReadFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // Names in the scratch folder, to see that nothing was left behind.
    std::size_t ScratchEntries() const {
        return static_cast<std::size_t>(std::distance(
            std::filesystem::directory_iterator(m_scratch), std::filesystem::directory_iterator()));
    }

    std::string m_scratch;
};

} // namespace hb::win::test
