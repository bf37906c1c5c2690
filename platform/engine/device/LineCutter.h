#pragma once
// Cuts bytes arriving on a port into lines ended by a carriage return. Line feeds are dropped,
// and a line longer than any radio sends is cut short rather than grown without end.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace hb::engine {

class LineCutter {
public:
    static constexpr std::size_t kMaxLine = 4096;

    // Calls `line` with each line the bytes complete, without its carriage return.
    template <class OnLine>
    void Feed(std::string_view bytes, OnLine line) {
        for (const char c : bytes) {
            if (c == '\r') {
                line(std::exchange(m_line, {}));
            } else if (c != '\n' && m_line.size() < kMaxLine) {
                m_line += c;
            }
        }
    }

private:
    std::string m_line;
};

} // namespace hb::engine
