#include "platform/win/sys/FolderListing.h"

#include "platform/win/sys/FileTime.h"
#include "platform/win/sys/Paths.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::vector<FoundFile> ListFolder(const std::string& folder) {
    std::vector<FoundFile> found;
    std::error_code error;
    fs::directory_iterator it(hb::win::NativePath(folder), error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const fs::directory_entry& entry = *it;
        FoundFile file;
        file.name = entry.path().filename().string();
        std::error_code ignored;
        file.folder = !entry.is_symlink(ignored) && entry.is_directory(ignored);
        if (!file.folder) {
            const std::uintmax_t size = entry.file_size(ignored);
            file.size = ignored ? 0 : size;
        }
        const fs::file_time_type written = entry.last_write_time(ignored);
        if (!ignored) {
            file.lastWrite = hb::win::ToFileTime(written);
        }
        found.push_back(std::move(file));
    }
    return found;
}
