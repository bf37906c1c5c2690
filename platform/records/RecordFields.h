#pragma once
// Field descriptors: each names a place in a byte record (offset, width, how it is read). They
// carry no data; ByteRecord checks them against the record size when they are used.

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace hb::records {

// An integer stored little-endian at a fixed offset.
template <class T, std::size_t Offset>
struct Field {
    static_assert(std::is_integral_v<T> && !std::is_same_v<T, bool>);
    using Type = T;
    static constexpr std::size_t kOffset = Offset;
    static constexpr std::size_t kSize = sizeof(T);
    template <std::size_t Base>
    using At = Field<T, Base + Offset>;
};

// Count integers of one type, one after the other.
template <class T, std::size_t Offset, std::size_t Count>
struct ArrayField {
    static_assert(std::is_integral_v<T> && !std::is_same_v<T, bool>);
    using Type = T;
    static constexpr std::size_t kOffset = Offset;
    static constexpr std::size_t kCount = Count;
    static constexpr std::size_t kSize = sizeof(T) * Count;
    template <std::size_t Base>
    using At = ArrayField<T, Base + Offset, Count>;
};

// How a text field is filled when it is written. Readers never rely on a terminator.
enum class TextPad {
    Blank,      // padded with blanks to the full width, like "%-16.16s"
    Nul,        // padded with NULs; a text of full width has no NUL
    Terminated, // at most width - 1 characters, then NULs
};

template <std::size_t Offset, std::size_t Width, TextPad Pad>
struct TextField {
    static_assert(Width > 0);
    static constexpr std::size_t kOffset = Offset;
    static constexpr std::size_t kWidth = Width;
    static constexpr std::size_t kSize = Width;
    static constexpr TextPad kPad = Pad;
    template <std::size_t Base>
    using At = TextField<Base + Offset, Width, Pad>;
};

// Count text fields of one width, one after the other.
template <std::size_t Offset, std::size_t Width, std::size_t Count, TextPad Pad>
struct TextArrayField {
    static_assert(Width > 0);
    static constexpr std::size_t kOffset = Offset;
    static constexpr std::size_t kWidth = Width;
    static constexpr std::size_t kCount = Count;
    static constexpr std::size_t kSize = Width * Count;
    static constexpr TextPad kPad = Pad;
    template <std::size_t Base>
    using At = TextArrayField<Base + Offset, Width, Count, Pad>;
};

// A whole record of type R embedded at a fixed offset.
template <class R, std::size_t Offset>
struct RecordField {
    using Type = R;
    static constexpr std::size_t kOffset = Offset;
    static constexpr std::size_t kSize = R::kSize;
    template <std::size_t Base>
    using At = RecordField<R, Base + Offset>;
};

// Count records of type R, one after the other.
template <class R, std::size_t Offset, std::size_t Count>
struct RecordArrayField {
    using Type = R;
    static constexpr std::size_t kOffset = Offset;
    static constexpr std::size_t kCount = Count;
    static constexpr std::size_t kSize = R::kSize * Count;
};

// The field `inner` of the record embedded at `outer`, addressed from the outer record's start.
template <class R, std::size_t Offset, class Inner>
constexpr auto Within(RecordField<R, Offset>, Inner) {
    static_assert(Inner::kOffset + Inner::kSize <= R::kSize, "field lies outside the record");
    return typename Inner::template At<Offset>{};
}

} // namespace hb::records
