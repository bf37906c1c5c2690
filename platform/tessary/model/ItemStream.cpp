#include "platform/tessary/model/ItemStream.h"

#include "platform/tessary/model/Object.h"

#include <algorithm>

namespace hb::tessary {
namespace {

// Deeper nesting than any object tree needs; it bounds the work a crafted file can cause.
constexpr int kMaxDepth = 16;
constexpr std::size_t kItemHeader = 8;

} // namespace

void ItemWriter::put(std::uint64_t value, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) {
        m_out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

void ItemWriter::fixed(std::uint32_t tag, std::uint64_t value, std::size_t width) {
    put(tag, 4);
    put(width, 4);
    put(value, width);
}

void ItemWriter::text(std::uint32_t tag, std::string_view value) {
    put(tag, 4);
    put(value.size(), 4);
    m_out.append(value);
}

void ItemWriter::bytes(std::uint32_t tag, std::span<const std::uint8_t> value) {
    put(tag, 4);
    put(value.size(), 4);
    m_out.append(reinterpret_cast<const char*>(value.data()), value.size());
}

std::size_t ItemWriter::begin(std::uint32_t tag) {
    put(tag, 4);
    put(0, 4);
    return m_out.size();
}

void ItemWriter::end(std::size_t start) {
    const std::uint64_t length = m_out.size() - start;
    for (std::size_t i = 0; i < 4; ++i) {
        m_out[start - 4 + i] = static_cast<char>((length >> (8 * i)) & 0xFF);
    }
}

void ItemWriter::object(const Object& object) {
    const std::size_t start = begin(object.ObjectTypeTag());
    object.writeItems(*this);
    end(start);
}

ItemReader::ItemReader(std::span<const std::uint8_t> bytes, std::string& error, int depth,
                       std::string* repairs)
    : m_bytes(bytes), m_error(&error), m_depth(depth), m_repairs(repairs) {}

void ItemReader::forEach(const std::function<void(std::uint32_t, ItemReader&)>& visit) {
    while (!failed() && m_pos < m_bytes.size()) {
        if (m_bytes.size() - m_pos < kItemHeader) {
            fail("an item is cut short");
            return;
        }
        const std::uint32_t tag = LoadLe32(m_bytes.data() + m_pos);
        const std::uint32_t length = LoadLe32(m_bytes.data() + m_pos + 4);
        m_pos += kItemHeader;
        if (length > m_bytes.size() - m_pos) {
            fail("an item runs past the end of its record");
            return;
        }
        ItemReader item(m_bytes.subspan(m_pos, length), *m_error, m_depth, m_repairs);
        m_pos += length;
        visit(tag, item);
    }
}

std::uint64_t ItemReader::fixed(std::size_t width) {
    if (m_bytes.size() != width) {
        fail("a value has the wrong size");
        return 0;
    }
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        value |= static_cast<std::uint64_t>(m_bytes[i]) << (8 * i);
    }
    return value;
}

std::string ItemReader::text() const {
    return std::string(m_bytes.begin(), m_bytes.end());
}

std::span<const std::uint8_t> ItemReader::bytes(std::size_t size) {
    if (m_bytes.size() != size) {
        fail("a record has the wrong size");
        return {};
    }
    return m_bytes;
}

void ItemReader::into(std::span<std::uint8_t> target) {
    const auto source = bytes(target.size());
    std::copy(source.begin(), source.end(), target.begin());
}

std::unique_ptr<Object> ItemReader::object(std::uint32_t kind) {
    if (m_depth >= kMaxDepth) {
        fail("objects are nested too deeply");
        return nullptr;
    }
    std::unique_ptr<Object> made = CreateObject(kind);
    if (!made) {
        return nullptr;
    }
    ItemReader items(m_bytes, *m_error, m_depth + 1, m_repairs);
    items.forEach([&](std::uint32_t tag, ItemReader& item) { made->readItem(tag, item); });
    if (failed()) {
        return nullptr;
    }
    made->clearChanged();
    return made;
}

void ItemReader::fail(std::string_view why) {
    if (m_error->empty()) {
        *m_error = why;
    }
}

void ItemReader::repaired(std::string_view what) {
    if (m_repairs) {
        if (!m_repairs->empty()) {
            *m_repairs += "; ";
        }
        *m_repairs += what;
    }
}

} // namespace hb::tessary
