#pragma once
// A fixture for the settings stores: both stores start empty in memory, with no pending write
// fault, and a temporary folder is made on request and removed afterwards.

#include "platform/win/store/AtomicFile.h"
#include "platform/win/store/PrivateProfile.h"
#include "platform/win/store/Registry.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace hb::win {

class StoreTest : public ::testing::Test {
protected:
    StoreTest() { Reset(); }
    ~StoreTest() override {
        Reset();
        if (!m_folder.empty()) {
            std::filesystem::remove_all(m_folder);
        }
    }

    const std::string& Folder() {
        if (m_folder.empty()) {
            std::string pattern = std::filesystem::temp_directory_path() / "hbstore-XXXXXX";
            m_folder = mkdtemp(pattern.data()) ? pattern : "";
            EXPECT_FALSE(m_folder.empty());
        }
        return m_folder;
    }

    static std::string ReadFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    static void WriteFile(const std::string& path, std::string_view text) {
        std::ofstream(path, std::ios::binary) << text;
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

    std::string m_folder;
};

} // namespace hb::win
