#include "platform/engine/serial/SerialPort.h"

#include "platform/engine/device/LinkSettings.h"
#include "platform/records/StatusCodes.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>

namespace hb::engine {

namespace {

namespace rec = hb::records;

speed_t Speed(unsigned baud) {
    switch (baud) {
    case 1200:
        return B1200;
    case 2400:
        return B2400;
    case 4800:
        return B4800;
    case 9600:
        return B9600;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    default:
        return B115200;
    }
}

std::uint16_t OpenFailure(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return rec::kStatusNoPermission;
    case EBUSY:
        return rec::kStatusPortInUse;
    default:
        return rec::kStatusNoSuchPort;
    }
}

// Raw 8N1 with neither hardware nor software flow control; a read returns what has arrived.
bool MakeRaw(int fd, unsigned baud) {
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) {
        return false;
    }
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    return ::cfsetispeed(&tio, Speed(baud)) == 0 && ::cfsetospeed(&tio, Speed(baud)) == 0 &&
           ::tcsetattr(fd, TCSANOW, &tio) == 0 && ::tcflush(fd, TCIOFLUSH) == 0;
}

} // namespace

SerialPort::Opened SerialPort::Open(const std::string& path, unsigned baud) {
    if (!IsStandardBaud(baud)) {
        return {nullptr, rec::kStatusNotSupported};
    }
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return {nullptr, OpenFailure(errno)};
    }
    const auto fail = [fd](std::uint16_t status) {
        ::close(fd);
        return Opened{nullptr, status};
    };
    if (!::isatty(fd)) {
        return fail(rec::kStatusNotSupported);
    }
    // The lock holds against every other opener, the exclusive mode against those without it.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::ioctl(fd, TIOCEXCL) != 0) {
        return fail(rec::kStatusPortInUse);
    }
    termios saved{};
    if (::tcgetattr(fd, &saved) != 0) {
        return fail(rec::kStatusNotSupported);
    }
    if (!MakeRaw(fd, baud)) {
        ::tcsetattr(fd, TCSANOW, &saved);
        return fail(rec::kStatusNotSupported);
    }
    return {std::unique_ptr<SerialPort>(new SerialPort(fd, path, saved)), 0};
}

SerialPort::SerialPort(int fd, std::string path, const termios& saved)
    : m_fd(fd), m_path(std::move(path)), m_saved(saved) {}

SerialPort::~SerialPort() {
    ::tcsetattr(m_fd, TCSANOW, &m_saved);
    ::ioctl(m_fd, TIOCNXCL);
    ::close(m_fd);
}

} // namespace hb::engine
