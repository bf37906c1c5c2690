#pragma once
// Scratch files for tests: a folder made for the test and removed with it, whole-file reads and
// writes, and a scratch HALBRIDGE_HOME that holds the program's settings and documents.

#include <optional>
#include <string>
#include <string_view>

namespace hb::testkit {

class TempFolder {
public:
    // A new, empty folder in the system's temporary folder, named after `prefix`.
    explicit TempFolder(std::string_view prefix = "hb-test");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return m_path; }
    std::string File(std::string_view name) const;

private:
    std::string m_path;
};

// HALBRIDGE_HOME points at a new temporary folder (with its "Documents" folder made) for the
// object's life; the previous value comes back afterwards.
class ScratchHome {
public:
    ScratchHome();
    ~ScratchHome();
    ScratchHome(const ScratchHome&) = delete;
    ScratchHome& operator=(const ScratchHome&) = delete;

    const std::string& Path() const { return m_folder.Path(); }
    std::string Documents() const { return m_folder.File("Documents"); }

private:
    TempFolder m_folder{"hb-home"};
    std::optional<std::string> m_saved;
};

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, std::string_view bytes);

} // namespace hb::testkit
