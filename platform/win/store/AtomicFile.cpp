#include "platform/win/store/AtomicFile.h"

#include "platform/win/store/Folders.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace hb::win {
namespace {

FileWriteStage g_fault = FileWriteStage::None;

// True when the pending fault is for `stage`; the fault is used up by the write it fails.
bool Injected(FileWriteStage stage) {
    if (g_fault != stage) {
        return false;
    }
    g_fault = FileWriteStage::None;
    return true;
}

// An injected failure looks like a real one: errno tells why.
bool Fails(FileWriteStage stage, int error) {
    if (!Injected(stage)) {
        return false;
    }
    errno = error;
    return true;
}

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t n = write(fd, content.data(), content.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            if (n == 0) {
                errno = EIO;
            }
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

void SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

} // namespace

void SetFileWriteFault(FileWriteStage stage) {
    g_fault = stage;
}

bool WriteFileAtomically(const std::string& path, std::string_view content) {
    const std::size_t slash = path.rfind('/');
    const std::string folder =
        slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;

    if (Fails(FileWriteStage::Open, EACCES) || !CreateFolders(folder)) {
        return false;
    }
    std::string temp = path.substr(0, nameStart) + "." + path.substr(nameStart) + ".XXXXXX";
    const int fd = mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    // A rewritten file keeps the permissions the user gave it.
    if (struct stat st{}; stat(path.c_str(), &st) == 0) {
        fchmod(fd, st.st_mode & 07777);
    }

    bool ok = !Fails(FileWriteStage::Write, EIO) && WriteAll(fd, content);
    ok = ok && !Fails(FileWriteStage::Sync, EIO) && fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && (Fails(FileWriteStage::Rename, EACCES) || rename(temp.c_str(), path.c_str()) != 0)) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        unlink(temp.c_str());
        errno = error;
        return false;
    }
    SyncFolder(folder);
    return true;
}

} // namespace hb::win
