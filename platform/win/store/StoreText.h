#pragma once
// Text helpers of the settings stores. Names are compared without ASCII case; they keep the case
// they were written with, only lookups and ordering ignore it.

#include <algorithm>
#include <cctype>
#include <string_view>

namespace hb::win {

inline char FoldCase(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

inline bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return FoldCase(x) == FoldCase(y);
           });
}

// Orders by upper-cased characters, which is how sub-keys are listed.
struct LessNoCase {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](char x, char y) {
                                                return static_cast<unsigned char>(FoldCase(x)) <
                                                       static_cast<unsigned char>(FoldCase(y));
                                            });
    }
};

// Without surrounding spaces, tabs and carriage returns.
inline std::string_view TrimSpace(std::string_view s) {
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && space(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && space(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

} // namespace hb::win
