#pragma once
// A fixture for the settings stores: both stores start empty in memory, with no pending write
// fault, and a temporary folder is made on request and removed afterwards.

#include "platform/testkit/TempFolder.h"
#include "platform/win/store/AtomicFile.h"
#include "platform/win/store/PrivateProfile.h"
#include "platform/win/store/Registry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace hb::win {

class StoreTest : public ::testing::Test {
protected:
    StoreTest() { Reset(); }
    ~StoreTest() override { Reset(); }

    const std::string& Folder() {
        if (!m_folder) {
            m_folder.emplace("hbstore");
        }
        return m_folder->Path();
    }

    static std::string ReadFile(const std::string& path) { return testkit::ReadFileBytes(path); }
    static void WriteFile(const std::string& path, std::string_view text) {
        testkit::WriteFileBytes(path, text);
    }

    // The names in the folder, to see that no temporary file is left behind.
    std::vector<std::string> FolderNames() {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(Folder())) {
            names.push_back(entry.path().filename());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    static void Reset() {
        registry::ResetForTests();
        ini::ResetForTests();
        SetFileWriteFault(FileWriteStage::None);
    }

    std::optional<testkit::TempFolder> m_folder;
};

} // namespace hb::win
