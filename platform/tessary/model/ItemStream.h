#pragma once
// The tagged items of the scanning-file format (see ScanFile.h): writing them into a byte string,
// and reading them back from a byte range that may be damaged. A reader never reads outside its
// range; the first fault it meets is kept as the error of the whole read.

#include "platform/records/ObjectKind.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

class Object;

namespace hb::tessary {

// The little-endian 32-bit value at p.
inline std::uint32_t LoadLe32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

class ItemWriter {
public:
    void u8(std::uint32_t tag, std::uint8_t value) { fixed(tag, value, 1); }
    void u16(std::uint32_t tag, std::uint16_t value) { fixed(tag, value, 2); }
    void u32(std::uint32_t tag, std::uint32_t value) { fixed(tag, value, 4); }
    void u64(std::uint32_t tag, std::uint64_t value) { fixed(tag, value, 8); }
    void i64(std::uint32_t tag, std::int64_t value) { u64(tag, static_cast<std::uint64_t>(value)); }
    void text(std::uint32_t tag, std::string_view value);
    void bytes(std::uint32_t tag, std::span<const std::uint8_t> value);
    // An object record: its kind tag, then its items.
    void object(const Object& object);

    // A nested item written by the caller between begin and end.
    std::size_t begin(std::uint32_t tag);
    void end(std::size_t start);

    void raw32(std::uint32_t value) { put(value, 4); }
    void raw(std::string_view bytes) { m_out.append(bytes); }
    std::string& data() { return m_out; }

private:
    void fixed(std::uint32_t tag, std::uint64_t value, std::size_t width);
    void put(std::uint64_t value, std::size_t width);

    std::string m_out;
};

class ItemReader {
public:
    // Reads the items of `bytes`; `error` receives the first fault found, and `repairs` (when
    // given) a line for each damaged part that was mended instead.
    ItemReader(std::span<const std::uint8_t> bytes, std::string& error, int depth = 0,
               std::string* repairs = nullptr);

    // Calls `visit` with each item of the range in turn, until the end or the first fault.
    void forEach(const std::function<void(std::uint32_t tag, ItemReader& item)>& visit);

    // The value of this item. A value of the wrong width is a fault and reads as 0.
    std::uint8_t u8() { return static_cast<std::uint8_t>(fixed(1)); }
    std::uint16_t u16() { return static_cast<std::uint16_t>(fixed(2)); }
    std::uint32_t u32() { return static_cast<std::uint32_t>(fixed(4)); }
    std::uint64_t u64() { return fixed(8); }
    std::int64_t i64() { return static_cast<std::int64_t>(u64()); }
    std::string text() const;
    std::span<const std::uint8_t> bytes() const { return m_bytes; }
    // Exactly `size` bytes, else a fault.
    std::span<const std::uint8_t> bytes(std::size_t size);
    // Copies the item into `target`, which it must fill exactly, else a fault.
    void into(std::span<std::uint8_t> target);

    // The object record of kind `kind` held by this item, or null after a fault. Objects of kinds
    // this program does not know are not read (null, no fault).
    std::unique_ptr<Object> object(std::uint32_t kind);
    template <class T>
    std::unique_ptr<T> objectAs(std::uint32_t kind) {
        std::unique_ptr<Object> read = object(kind);
        if (auto* typed = dynamic_cast<T*>(read.get())) {
            read.release();
            return std::unique_ptr<T>(typed);
        }
        return nullptr;
    }

    void fail(std::string_view why);
    bool failed() const { return !m_error->empty(); }
    // A damaged part that the reader replaced: the read goes on.
    void repaired(std::string_view what);

private:
    std::uint64_t fixed(std::size_t width);

    std::span<const std::uint8_t> m_bytes;
    std::size_t m_pos = 0;
    std::string* m_error;
    int m_depth;
    std::string* m_repairs;
};

// A new, empty object of a kind the files hold; null for any other tag.
std::unique_ptr<Object> CreateObject(std::uint32_t kind);

} // namespace hb::tessary
