#include "platform/testkit/TempFolder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace hb::testkit {

TempFolder::TempFolder(std::string_view prefix) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / (std::string(prefix) + "-XXXXXX")).string();
    if (mkdtemp(pattern.data()) == nullptr) {
        ADD_FAILURE() << "cannot make a temporary folder " << pattern;
        return;
    }
    m_path = pattern;
}

TempFolder::~TempFolder() {
    if (!m_path.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
}

std::string TempFolder::File(std::string_view name) const {
    return m_path + "/" + std::string(name);
}

ScratchHome::ScratchHome() {
    if (const char* saved = std::getenv("HALBRIDGE_HOME")) {
        m_saved = saved;
    }
    setenv("HALBRIDGE_HOME", Path().c_str(), 1);
    std::filesystem::create_directories(Documents());
}

ScratchHome::~ScratchHome() {
    if (m_saved) {
        setenv("HALBRIDGE_HOME", m_saved->c_str(), 1);
    } else {
        unsetenv("HALBRIDGE_HOME");
    }
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFileBytes(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace hb::testkit
