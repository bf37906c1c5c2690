#include "platform/win/store/Folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace hb::win {
namespace {

std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

std::string HomeFolder() {
    std::string home = Env("HOME");
    if (home.empty()) {
        if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) {
            home = pw->pw_dir;
        }
    }
    while (home.size() > 1 && home.back() == '/') {
        home.pop_back();
    }
    return home;
}

} // namespace

std::string ConfigFolder() {
    if (std::string all = Env("HALBRIDGE_HOME"); !all.empty()) {
        return all + "/config";
    }
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the base-directory rules say.
    std::string xdg = Env("XDG_CONFIG_HOME");
    if (xdg.empty() || xdg.front() != '/') {
        xdg = HomeFolder() + "/.config";
    }
    return xdg + "/halbridge-pro";
}

std::string DocumentsFolder() {
    if (std::string all = Env("HALBRIDGE_HOME"); !all.empty()) {
        return all + "/Documents";
    }
    return HomeFolder() + "/Documents/Halbridge Pro";
}

bool CreateFolders(const std::string& path) {
    for (std::size_t pos = 1; pos <= path.size(); ++pos) {
        if (pos < path.size() && path[pos] != '/') {
            continue;
        }
        const std::string part = path.substr(0, pos);
        if (mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) {
            return false;
        }
    }
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) {
        return false;
    }
    if (!S_ISDIR(st.st_mode)) {
        errno = ENOTDIR;
        return false;
    }
    return true;
}

} // namespace hb::win
