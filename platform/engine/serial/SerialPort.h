#pragma once
// A serial port opened for a radio: exclusive, raw 8N1 at the configured rate, no flow control,
// reads that never block. Its old attributes come back when it closes.

#include <termios.h>

#include <cstdint>
#include <memory>
#include <string>

namespace hb::engine {

class SerialPort {
public:
    // The port, or the status that says why it cannot be used.
    struct Opened {
        std::unique_ptr<SerialPort> port;
        std::uint16_t status = 0;
    };

    static Opened Open(const std::string& path, unsigned baud);
    ~SerialPort();
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    int descriptor() const { return m_fd; }
    const std::string& path() const { return m_path; }

private:
    SerialPort(int fd, std::string path, const termios& saved);

    int m_fd;
    std::string m_path;
    termios m_saved;
};

} // namespace hb::engine
