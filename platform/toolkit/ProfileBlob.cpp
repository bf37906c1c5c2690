#include "platform/toolkit/ProfileBlob.h"

#include "platform/afx/CWinApp.h"

#include <algorithm>
#include <memory>

namespace hb::toolkit::detail {

namespace {

constexpr std::uint32_t kMagic = 0x4B544248; // "HBTK"
constexpr std::uint16_t kVersion = 1;
constexpr std::size_t kHeaderSize = 12;

} // namespace

void BlobWriter::U8(std::uint8_t value) {
    m_bytes.push_back(value);
}

void BlobWriter::U16(std::uint16_t value) {
    U8(static_cast<std::uint8_t>(value));
    U8(static_cast<std::uint8_t>(value >> 8));
}

void BlobWriter::U32(std::uint32_t value) {
    U16(static_cast<std::uint16_t>(value));
    U16(static_cast<std::uint16_t>(value >> 16));
}

void BlobWriter::Text(const std::string& text) {
    U16(static_cast<std::uint16_t>(text.size()));
    m_bytes.insert(m_bytes.end(), text.begin(), text.end());
}

bool BlobReader::Take(std::size_t count, const BYTE*& data) {
    if (!m_ok || m_bytes.size() - m_at < count) {
        m_ok = false;
        return false;
    }
    data = m_bytes.data() + m_at;
    m_at += count;
    return true;
}

bool BlobReader::U8(std::uint8_t& value) {
    const BYTE* data = nullptr;
    if (!Take(1, data)) {
        return false;
    }
    value = data[0];
    return true;
}

bool BlobReader::U16(std::uint16_t& value) {
    const BYTE* data = nullptr;
    if (!Take(2, data)) {
        return false;
    }
    value = static_cast<std::uint16_t>(data[0] | (data[1] << 8));
    return true;
}

bool BlobReader::U32(std::uint32_t& value) {
    std::uint16_t low = 0;
    std::uint16_t high = 0;
    if (!U16(low) || !U16(high)) {
        return false;
    }
    value = low | (static_cast<std::uint32_t>(high) << 16);
    return true;
}

bool BlobReader::I32(std::int32_t& value) {
    std::uint32_t bits = 0;
    if (!U32(bits)) {
        return false;
    }
    value = static_cast<std::int32_t>(bits);
    return true;
}

bool BlobReader::Text(std::string& text) {
    std::uint16_t size = 0;
    const BYTE* data = nullptr;
    if (!U16(size) || !Take(size, data)) {
        return false;
    }
    text.assign(reinterpret_cast<const char*>(data), size);
    return true;
}

bool SaveBlob(const char* section, const char* entry, BlobKind kind, const BlobWriter& payload) {
    CWinApp* app = AfxGetApp();
    if (!app) {
        return false;
    }
    BlobWriter blob;
    blob.U32(kMagic);
    blob.U16(static_cast<std::uint16_t>(kind));
    blob.U16(kVersion);
    blob.U32(static_cast<std::uint32_t>(payload.Bytes().size()));
    std::vector<BYTE> bytes = blob.Bytes();
    bytes.insert(bytes.end(), payload.Bytes().begin(), payload.Bytes().end());
    return app->WriteProfileBinary(section, entry, bytes.data(), static_cast<UINT>(bytes.size())) !=
           FALSE;
}

std::optional<BlobReader> LoadBlob(const char* section, const char* entry, BlobKind kind) {
    CWinApp* app = AfxGetApp();
    BYTE* data = nullptr;
    UINT size = 0;
    if (!app || !app->GetProfileBinary(section, entry, &data, &size)) {
        return std::nullopt;
    }
    const std::unique_ptr<BYTE[]> owned(data);
    BlobReader header(std::vector<BYTE>(data, data + std::min<std::size_t>(size, kHeaderSize)));
    std::uint32_t magic = 0;
    std::uint16_t storedKind = 0;
    std::uint16_t version = 0;
    std::uint32_t length = 0;
    if (!header.U32(magic) || !header.U16(storedKind) || !header.U16(version) ||
        !header.U32(length) || magic != kMagic || storedKind != static_cast<std::uint16_t>(kind) ||
        version != kVersion || length != size - kHeaderSize) {
        return std::nullopt;
    }
    return BlobReader(std::vector<BYTE>(data + kHeaderSize, data + size));
}

} // namespace hb::toolkit::detail
