#pragma once
// A fixed-size record kept as bytes and read through field descriptors. Integers are little-endian
// whatever the host; a field that does not fit the record fails to compile, and an index outside an
// array field stops the program.

#include "platform/records/FixedText.h"
#include "platform/records/RecordBounds.h"
#include "platform/records/RecordFields.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace hb::records {

template <class Derived, std::size_t N>
class ByteRecord {
public:
    static constexpr std::size_t kSize = N;

    template <class T, std::size_t O>
    T get(Field<T, O>) const {
        Fits<O, sizeof(T)>();
        return Load<T>(O);
    }
    template <class T, std::size_t O>
    void set(Field<T, O>, std::type_identity_t<T> value) {
        Fits<O, sizeof(T)>();
        Store<T>(O, value);
    }

    template <class T, std::size_t O, std::size_t C>
    T get(ArrayField<T, O, C> f, std::size_t index) const {
        Fits<O, decltype(f)::kSize>();
        return Load<T>(O + Checked(index, C) * sizeof(T));
    }
    template <class T, std::size_t O, std::size_t C>
    void set(ArrayField<T, O, C> f, std::size_t index, std::type_identity_t<T> value) {
        Fits<O, decltype(f)::kSize>();
        Store<T>(O + Checked(index, C) * sizeof(T), value);
    }

    template <std::size_t O, std::size_t W, TextPad P>
    std::string text(TextField<O, W, P>) const {
        Fits<O, W>();
        return ReadFixedText(bytes(), O, W);
    }
    template <std::size_t O, std::size_t W, TextPad P>
    void setText(TextField<O, W, P>, std::string_view value) {
        Fits<O, W>();
        WriteText(P, O, W, value);
    }

    template <std::size_t O, std::size_t W, std::size_t C, TextPad P>
    std::string text(TextArrayField<O, W, C, P>, std::size_t index) const {
        Fits<O, W * C>();
        return ReadFixedText(bytes(), O + Checked(index, C) * W, W);
    }
    template <std::size_t O, std::size_t W, std::size_t C, TextPad P>
    void setText(TextArrayField<O, W, C, P>, std::size_t index, std::string_view value) {
        Fits<O, W * C>();
        WriteText(P, O + Checked(index, C) * W, W, value);
    }

    template <class R, std::size_t O>
    R get(RecordField<R, O>) const {
        Fits<O, R::kSize>();
        R record;
        std::memcpy(record.data(), m_bytes.data() + O, R::kSize);
        return record;
    }
    template <class R, std::size_t O>
    void set(RecordField<R, O>, const R& record) {
        Fits<O, R::kSize>();
        std::memcpy(m_bytes.data() + O, record.data(), R::kSize);
    }

    template <class R, std::size_t O, std::size_t C>
    R get(RecordArrayField<R, O, C>, std::size_t index) const {
        Fits<O, R::kSize * C>();
        R record;
        std::memcpy(record.data(), m_bytes.data() + O + Checked(index, C) * R::kSize, R::kSize);
        return record;
    }
    template <class R, std::size_t O, std::size_t C>
    void set(RecordArrayField<R, O, C>, std::size_t index, const R& record) {
        Fits<O, R::kSize * C>();
        std::memcpy(m_bytes.data() + O + Checked(index, C) * R::kSize, record.data(), R::kSize);
    }

    // The bytes of any field, for byte-wise copies and compares.
    template <class F>
    std::span<const std::uint8_t, F::kSize> view(F) const {
        Fits<F::kOffset, F::kSize>();
        return std::span<const std::uint8_t, F::kSize>(m_bytes.data() + F::kOffset, F::kSize);
    }
    template <class F>
    std::span<std::uint8_t, F::kSize> view(F) {
        Fits<F::kOffset, F::kSize>();
        return std::span<std::uint8_t, F::kSize>(m_bytes.data() + F::kOffset, F::kSize);
    }
    template <class F>
    void clear(F field) {
        std::ranges::fill(view(field), std::uint8_t{0});
    }
    void clear() { m_bytes.fill(0); }

    std::uint8_t* data() { return m_bytes.data(); }
    const std::uint8_t* data() const { return m_bytes.data(); }
    std::span<std::uint8_t, N> bytes() { return m_bytes; }
    std::span<const std::uint8_t, N> bytes() const { return m_bytes; }

    // A stored record (a registry value, a file) is taken only at exactly the record size;
    // otherwise the record keeps its value.
    bool loadExact(std::span<const std::uint8_t> stored) {
        if (stored.size() != N) {
            return false;
        }
        std::ranges::copy(stored, m_bytes.begin());
        return true;
    }
    // Caller buffers must hold at least the record.
    void copyFrom(std::span<const std::uint8_t> source) {
        if (source.size() < N) {
            FailRecordBounds("source buffer", source.size(), N);
        }
        std::memcpy(m_bytes.data(), source.data(), N);
    }
    void copyTo(std::span<std::uint8_t> target) const {
        if (target.size() < N) {
            FailRecordBounds("target buffer", target.size(), N);
        }
        std::memcpy(target.data(), m_bytes.data(), N);
    }

    friend bool operator==(const Derived& a, const Derived& b) {
        return std::ranges::equal(a.bytes(), b.bytes());
    }

private:
    template <std::size_t Offset, std::size_t Size>
    static constexpr void Fits() {
        static_assert(Offset + Size <= N, "field lies outside the record");
    }

    static std::size_t Checked(std::size_t index, std::size_t count) {
        if (index >= count) {
            FailRecordBounds("index", index, count);
        }
        return index;
    }

    template <class T>
    T Load(std::size_t offset) const {
        using U = std::make_unsigned_t<T>;
        U value = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            value = static_cast<U>(value | static_cast<U>(U{m_bytes[offset + i]} << (8 * i)));
        }
        return static_cast<T>(value);
    }

    template <class T>
    void Store(std::size_t offset, T value) {
        const auto bits = static_cast<std::make_unsigned_t<T>>(value);
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            m_bytes[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
        }
    }

    void WriteText(TextPad pad, std::size_t offset, std::size_t width, std::string_view value) {
        switch (pad) {
        case TextPad::Blank:
            WriteFixedText(bytes(), offset, width, value, ' ');
            break;
        case TextPad::Nul:
            WriteFixedText(bytes(), offset, width, value, '\0');
            break;
        case TextPad::Terminated:
            WriteZText(bytes(), offset, width, value);
            break;
        }
    }

    std::array<std::uint8_t, N> m_bytes{};
};

} // namespace hb::records
