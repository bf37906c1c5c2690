#pragma once
// The toolkit's saved states: versioned binary values in the application's profile. A value of
// another kind, an unknown version or a size that does not match its contents is not loaded, so
// that the caller keeps what it built.
#include "platform/win/WinTypes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace hb::toolkit::detail {

enum class BlobKind : std::uint16_t {
    CommandBarOptions = 1,
    CommandBarState = 2,
    Shortcuts = 3,
    PaneLayout = 4,
};

class BlobWriter {
public:
    void U8(std::uint8_t value);
    void U16(std::uint16_t value);
    void U32(std::uint32_t value);
    void I32(std::int32_t value) { U32(static_cast<std::uint32_t>(value)); }
    void Text(const std::string& text);
    const std::vector<BYTE>& Bytes() const { return m_bytes; }

private:
    std::vector<BYTE> m_bytes;
};

// Each read fails, and keeps failing, once the data runs out.
class BlobReader {
public:
    explicit BlobReader(std::vector<BYTE> bytes) : m_bytes(std::move(bytes)) {}

    bool U8(std::uint8_t& value);
    bool U16(std::uint16_t& value);
    bool U32(std::uint32_t& value);
    bool I32(std::int32_t& value);
    bool Text(std::string& text);
    // Everything was read, and nothing was missing.
    bool Done() const { return m_ok && m_at == m_bytes.size(); }

private:
    bool Take(std::size_t count, const BYTE*& data);

    std::vector<BYTE> m_bytes;
    std::size_t m_at = 0;
    bool m_ok = true;
};

// Written through the application's WriteProfileBinary; false without an application or when the
// write fails.
bool SaveBlob(const char* section, const char* entry, BlobKind kind, const BlobWriter& payload);
// The payload of a value of this kind and version, or nothing.
std::optional<BlobReader> LoadBlob(const char* section, const char* entry, BlobKind kind);

} // namespace hb::toolkit::detail
