#include "platform/win/sys/ChangeNotification.h"

#include "platform/win/sys/Paths.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <system_error>

namespace {

namespace fs = std::filesystem;

struct Watch {
    int fd = -1;
    bool subtree = false;
    std::uint32_t mask = 0;
    bool signalled = false;
    // The folder of each inotify watch, to watch new folders below it.
    std::map<int, std::string> folders;
};

std::map<std::uint32_t, Watch>& Watches() {
    static std::map<std::uint32_t, Watch> watches;
    return watches;
}

std::uint32_t g_nextHandle = 1;

std::uint32_t MaskFor(DWORD filter) {
    std::uint32_t mask = IN_DELETE_SELF | IN_MOVE_SELF;
    if (filter & (FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME)) {
        mask |= IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;
    }
    return mask;
}

// Adds a watch on the folder and, for a subtree, on every folder below it (links not followed).
bool WatchFolder(Watch& watch, const std::string& folder) {
    const int wd = inotify_add_watch(watch.fd, folder.c_str(), watch.mask | IN_ONLYDIR);
    if (wd < 0) {
        return false;
    }
    watch.folders[wd] = folder;
    if (watch.subtree) {
        std::error_code error;
        for (fs::directory_iterator it(folder, error); !error && it != fs::directory_iterator();
             it.increment(error)) {
            std::error_code ignored;
            if (!it->is_symlink(ignored) && it->is_directory(ignored)) {
                WatchFolder(watch, it->path().string());
            }
        }
    }
    return true;
}

void Drain(Watch& watch) {
    alignas(inotify_event) std::array<char, 4096> buffer;
    for (;;) {
        const ssize_t got = read(watch.fd, buffer.data(), buffer.size());
        if (got <= 0) {
            return;
        }
        for (ssize_t at = 0; at < got;) {
            inotify_event event;
            std::memcpy(&event, buffer.data() + at, sizeof event);
            const char* name = buffer.data() + at + sizeof event;
            at += static_cast<ssize_t>(sizeof event + event.len);
            if (event.mask & IN_IGNORED) {
                watch.folders.erase(event.wd);
                continue;
            }
            watch.signalled = true;
            const bool newFolder =
                (event.mask & IN_ISDIR) && (event.mask & (IN_CREATE | IN_MOVED_TO));
            if (watch.subtree && newFolder && event.len > 0) {
                const auto folder = watch.folders.find(event.wd);
                if (folder != watch.folders.end()) {
                    WatchFolder(watch, folder->second + "/" + name);
                }
            }
        }
    }
}

Watch* Find(HCHANGE handle) {
    const auto it = Watches().find(handle.id());
    return it == Watches().end() ? nullptr : &it->second;
}

} // namespace

HCHANGE FindFirstChangeNotification(LPCSTR folder, BOOL watchSubtree, DWORD filter) {
    if (!folder) {
        return {};
    }
    Watch watch;
    watch.fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (watch.fd < 0) {
        return {};
    }
    watch.subtree = watchSubtree != FALSE;
    watch.mask = MaskFor(filter);
    if (!WatchFolder(watch, hb::win::NativePath(folder))) {
        close(watch.fd);
        return {};
    }
    const std::uint32_t id = g_nextHandle++;
    Watches().emplace(id, std::move(watch));
    return HCHANGE(id);
}

BOOL FindNextChangeNotification(HCHANGE handle) {
    Watch* watch = Find(handle);
    if (!watch) {
        return FALSE;
    }
    Drain(*watch);
    watch->signalled = false;
    return TRUE;
}

BOOL FindCloseChangeNotification(HCHANGE handle) {
    Watch* watch = Find(handle);
    if (!watch) {
        return FALSE;
    }
    close(watch->fd);
    Watches().erase(handle.id());
    return TRUE;
}

DWORD WaitForSingleObject(HCHANGE handle, DWORD) {
    Watch* watch = Find(handle);
    if (!watch) {
        return WAIT_FAILED;
    }
    Drain(*watch);
    if (watch->folders.empty()) {
        // The watched folder is gone.
        return WAIT_FAILED;
    }
    return watch->signalled ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
}

namespace hb::win {

void SignalChangeNotifications() {
    for (auto& [id, watch] : Watches()) {
        watch.signalled = true;
    }
}

void CloseChangeNotifications() {
    for (auto& [id, watch] : Watches()) {
        close(watch.fd);
    }
    Watches().clear();
}

} // namespace hb::win
