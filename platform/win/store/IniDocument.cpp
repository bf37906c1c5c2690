#include "platform/win/store/IniDocument.h"

#include "platform/win/store/StoreText.h"

namespace hb::win {
namespace {

std::string_view Unquote(std::string_view s) {
    if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front()) {
        return s.substr(1, s.size() - 2);
    }
    return s;
}

} // namespace

IniDocument::IniDocument(std::string_view text) {
    if (const std::size_t nl = text.find('\n');
        nl != std::string_view::npos && nl > 0 && text[nl - 1] == '\r') {
        m_eol = "\r\n";
    }
    while (!text.empty()) {
        const std::size_t nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        m_lines.push_back(Parse(std::string(line)));
        text = nl == std::string_view::npos ? std::string_view() : text.substr(nl + 1);
    }
}

IniDocument::Line IniDocument::Parse(std::string text) {
    Line line;
    const std::string_view t = TrimSpace(text);
    if (t.empty() || t.front() == ';') {
        line.kind = Kind::Comment;
    } else if (t.front() == '[') {
        line.kind = Kind::Section;
        line.name = TrimSpace(t.substr(1, t.find(']') - 1));
    } else if (const std::size_t eq = t.find('='); eq != std::string_view::npos) {
        line.kind = Kind::Entry;
        line.name = TrimSpace(t.substr(0, eq));
        line.value = Unquote(TrimSpace(t.substr(eq + 1)));
    }
    line.text = std::move(text);
    return line;
}

std::string IniDocument::Text() const {
    std::string out;
    for (const Line& line : m_lines) {
        out += line.text;
        out += m_eol;
    }
    return out;
}

std::optional<IniDocument::Span> IniDocument::Find(std::string_view section) const {
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind == Kind::Section && EqualNoCase(m_lines[i].name, section)) {
            std::size_t end = i + 1;
            while (end < m_lines.size() && m_lines[end].kind != Kind::Section) {
                ++end;
            }
            return Span{i, end};
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::FindKey(const Span& span, std::string_view key) const {
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        if (m_lines[i].kind == Kind::Entry && EqualNoCase(m_lines[i].name, key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::vector<std::string> IniDocument::Sections() const {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind == Kind::Section && Find(m_lines[i].name)->header == i) {
            names.push_back(m_lines[i].name);
        }
    }
    return names;
}

std::vector<std::string> IniDocument::Keys(std::string_view section) const {
    std::vector<std::string> names;
    if (const auto span = Find(section)) {
        for (std::size_t i = span->header + 1; i < span->end; ++i) {
            if (m_lines[i].kind == Kind::Entry && FindKey(*span, m_lines[i].name) == i) {
                names.push_back(m_lines[i].name);
            }
        }
    }
    return names;
}

std::optional<std::string> IniDocument::Value(std::string_view section,
                                              std::string_view key) const {
    const auto span = Find(section);
    const auto at = span ? FindKey(*span, key) : std::nullopt;
    return at ? std::optional<std::string>(m_lines[*at].value) : std::nullopt;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    auto span = Find(section);
    if (!span) {
        if (!m_lines.empty() && !TrimSpace(m_lines.back().text).empty()) {
            m_lines.push_back(Parse(""));
        }
        m_lines.push_back(Parse("[" + std::string(section) + "]"));
        span = Span{m_lines.size() - 1, m_lines.size()};
    }
    if (const auto at = FindKey(*span, key)) {
        m_lines[*at] = Parse(m_lines[*at].name + "=" + std::string(value));
        return;
    }
    // After the section's last entry, so that blank lines and comments before the next section
    // stay where they are.
    std::size_t insert = span->header + 1;
    for (std::size_t i = insert; i < span->end; ++i) {
        if (m_lines[i].kind == Kind::Entry) {
            insert = i + 1;
        }
    }
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(insert),
                   Parse(std::string(key) + "=" + std::string(value)));
}

bool IniDocument::RemoveKey(std::string_view section, std::string_view key) {
    const auto span = Find(section);
    const auto at = span ? FindKey(*span, key) : std::nullopt;
    if (!at) {
        return false;
    }
    m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(*at));
    return true;
}

bool IniDocument::RemoveSection(std::string_view section) {
    const auto span = Find(section);
    if (!span) {
        return false;
    }
    // Comments and blank lines after the last line of the section belong to the next one.
    std::size_t end = span->header + 1;
    for (std::size_t i = end; i < span->end; ++i) {
        if (m_lines[i].kind != Kind::Comment) {
            end = i + 1;
        }
    }
    m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(span->header),
                  m_lines.begin() + static_cast<std::ptrdiff_t>(end));
    return true;
}

} // namespace hb::win
