#pragma once
// Fixture for the files, modules and shell tests: a clean state and a scratch folder per test.

#include "platform/testkit/TempFolder.h"
#include "platform/win/sys/Reset.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>

namespace hb::win::test {

class SysTest : public ::testing::Test {
protected:
    void SetUp() override { sys::ResetForTests(); }
    void TearDown() override { sys::ResetForTests(); }

    std::string Scratch(const std::string& name) const { return m_scratch.File(name); }

    static void WriteFile(const std::string& path, const std::string& contents) {
        testkit::WriteFileBytes(path, contents);
    }
    static std::string ReadFile(const std::string& path) { return testkit::ReadFileBytes(path); }

    // Names in the scratch folder, to see that nothing was left behind.
    std::size_t ScratchEntries() const {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(m_scratch.Path()),
                          std::filesystem::directory_iterator()));
    }

    testkit::TempFolder m_scratch{"hb-sys"};
};

} // namespace hb::win::test
