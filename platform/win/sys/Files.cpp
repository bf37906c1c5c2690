#include "platform/win/sys/Files.h"

#include "platform/win/core/LastError.h"
#include "platform/win/sys/Paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

namespace {

// The Windows code for a failed call on `path`. A missing entry is "file not found" when its
// folder exists and "path not found" when the folder is missing too.
DWORD ErrorFromErrno(int err, const std::string& path) {
    switch (err) {
    case ENOENT: {
        const std::string folder = hb::win::PathFolder(path);
        struct stat st {};
        return (folder.empty() || (stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode)))
                   ? ERROR_FILE_NOT_FOUND
                   : ERROR_PATH_NOT_FOUND;
    }
    case ENOTDIR:
    case ENAMETOOLONG:
        return ERROR_PATH_NOT_FOUND;
    case EEXIST:
        return ERROR_ALREADY_EXISTS;
    case ENOTEMPTY:
        return ERROR_DIR_NOT_EMPTY;
    case ENOSPC:
    case EDQUOT:
        return ERROR_DISK_FULL;
    case EIO:
        return ERROR_WRITE_FAULT;
    default:
        return ERROR_ACCESS_DENIED;
    }
}

BOOL Fail(DWORD code) {
    SetLastError(code);
    return FALSE;
}

BOOL FailErrno(const std::string& path) {
    return Fail(ErrorFromErrno(errno, path));
}

class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (m_fd >= 0) {
            close(m_fd);
        }
    }
    int get() const { return m_fd; }
    // Closes now, reporting a failed close (a late write error) as false.
    bool Close() {
        const int fd = m_fd;
        m_fd = -1;
        return close(fd) == 0;
    }

private:
    int m_fd;
};

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool CopyContents(int from, int to) {
    char buf[65536];
    for (;;) {
        const ssize_t n = read(from, buf, sizeof buf);
        if (n == 0) {
            return true;
        }
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (!WriteAll(to, buf, static_cast<std::size_t>(n))) {
            return false;
        }
    }
}

// Moves `temp` to `target` only when nothing is there; the check and the move are one step.
bool PlaceNoReplace(const std::string& temp, const std::string& target) {
    if (renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return false;
    }
    // The file system cannot rename that way: a hard link is just as exclusive.
    if (link(temp.c_str(), target.c_str()) != 0) {
        return false;
    }
    unlink(temp.c_str());
    return true;
}

} // namespace

DWORD GetFileAttributes(LPCSTR path) {
    if (path == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_FILE_ATTRIBUTES;
    }
    const std::string native = hb::win::NativePath(path);
    struct stat st {};
    if (stat(native.c_str(), &st) != 0) {
        SetLastError(ErrorFromErrno(errno, native));
        return INVALID_FILE_ATTRIBUTES;
    }
    DWORD attributes = S_ISDIR(st.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : 0;
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        attributes |= FILE_ATTRIBUTE_READONLY;
    }
    return attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes;
}

BOOL CopyFile(LPCSTR source, LPCSTR target, BOOL failIfExists) {
    if (source == nullptr || target == nullptr) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    const std::string from = hb::win::NativePath(source);
    const std::string to = hb::win::NativePath(target);
    Fd in(open(from.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.get() < 0) {
        return FailErrno(from);
    }
    struct stat st {};
    if (fstat(in.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return Fail(ERROR_ACCESS_DENIED);
    }
    if (failIfExists && access(to.c_str(), F_OK) == 0) {
        return Fail(ERROR_FILE_EXISTS);
    }

    std::string temp = hb::win::PathJoin(hb::win::PathFolder(to),
                                         "." + hb::win::PathFileName(to) + ".copy-XXXXXX");
    Fd out(mkostemp(temp.data(), O_CLOEXEC));
    if (out.get() < 0) {
        return FailErrno(temp);
    }
    const bool written = CopyContents(in.get(), out.get()) &&
                         fchmod(out.get(), st.st_mode & 0777) == 0 && fsync(out.get()) == 0;
    const int writeErrno = errno;
    if (!out.Close() || !written) {
        unlink(temp.c_str());
        return Fail(written ? ERROR_WRITE_FAULT : ErrorFromErrno(writeErrno, to));
    }
    const bool placed =
        failIfExists ? PlaceNoReplace(temp, to) : rename(temp.c_str(), to.c_str()) == 0;
    if (!placed) {
        const int placeErrno = errno;
        unlink(temp.c_str());
        return Fail(placeErrno == EEXIST ? ERROR_FILE_EXISTS : ErrorFromErrno(placeErrno, to));
    }
    return TRUE;
}

BOOL DeleteFile(LPCSTR path) {
    if (path == nullptr) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    const std::string native = hb::win::NativePath(path);
    return unlink(native.c_str()) == 0 ? TRUE : FailErrno(native);
}

BOOL CreateDirectory(LPCSTR path, LPSECURITY_ATTRIBUTES) {
    if (path == nullptr) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    const std::string native = hb::win::NativePath(path);
    if (mkdir(native.c_str(), 0777) == 0) {
        return TRUE;
    }
    return errno == ENOENT ? Fail(ERROR_PATH_NOT_FOUND) : FailErrno(native);
}

BOOL RemoveDirectory(LPCSTR path) {
    if (path == nullptr) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    const std::string native = hb::win::NativePath(path);
    return rmdir(native.c_str()) == 0 ? TRUE : FailErrno(native);
}
