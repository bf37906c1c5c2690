#include "platform/win/sys/ProgramPath.h"

#include "platform/win/sys/Paths.h"

#include <unistd.h>

#include <vector>

namespace hb::win {

namespace {

std::string& Override() {
    static std::string path;
    return path;
}

std::string ReadSelfExe() {
    std::vector<char> buf(256);
    for (;;) {
        const ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size());
        if (n < 0) {
            return {};
        }
        if (static_cast<std::size_t>(n) < buf.size()) {
            return std::string(buf.data(), static_cast<std::size_t>(n));
        }
        buf.resize(buf.size() * 2);
    }
}

} // namespace

std::string ProgramFilePath() {
    return Override().empty() ? ReadSelfExe() : NativePath(Override());
}

std::string ApplicationFolder() {
    return PathFolder(ProgramFilePath());
}

void SetModuleFileNameOverride(const std::string& path) {
    Override() = path;
}

} // namespace hb::win
