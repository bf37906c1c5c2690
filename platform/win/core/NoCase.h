#pragma once
// Names that Windows treats without case (classes, registry and profile names, module names) are
// compared and ordered here; they keep the case they were written with.

#include <algorithm>
#include <string_view>

namespace hb::win {

inline char FoldCase(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

inline bool EqualNoCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return FoldCase(x) == FoldCase(y); });
}

// Orders by upper-cased characters, which is how registry sub-keys are listed.
struct LessNoCase {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const {
        return std::ranges::lexicographical_compare(a, b, [](char x, char y) {
            return static_cast<unsigned char>(FoldCase(x)) <
                   static_cast<unsigned char>(FoldCase(y));
        });
    }
};

} // namespace hb::win
