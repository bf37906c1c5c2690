#pragma once
// A settings (INI) file kept as its lines, so that comments, blank lines and the order of
// sections and keys survive an edit. Section and key names are matched without case; where a
// name occurs twice, the first occurrence counts.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hb::win {

class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(std::string_view text);

    std::string Text() const;

    std::vector<std::string> Sections() const;
    std::vector<std::string> Keys(std::string_view section) const;
    // The value with surrounding whitespace and one pair of surrounding quotes removed.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    // Replaces the key's line, or adds it at the end of its section, adding the section at the
    // end of the file when it is missing.
    void Set(std::string_view section, std::string_view key, std::string_view value);
    // True when something was removed.
    bool RemoveKey(std::string_view section, std::string_view key);
    // Removes the section's header and every line up to the next section.
    bool RemoveSection(std::string_view section);

private:
    enum class Kind { Other, Comment, Section, Entry }; // Comment: also blank lines
    struct Line {
        std::string text;
        Kind kind = Kind::Other;
        std::string name; // trimmed section or key name
        std::string value;
    };
    // The lines of one section: the header index and the end (the next header or the end).
    struct Span {
        std::size_t header;
        std::size_t end;
    };

    static Line Parse(std::string text);
    std::optional<Span> Find(std::string_view section) const;
    std::optional<std::size_t> FindKey(const Span& span, std::string_view key) const;

    std::vector<Line> m_lines;
    std::string m_eol = "\n";
};

} // namespace hb::win
