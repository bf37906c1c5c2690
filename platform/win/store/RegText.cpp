#include "platform/win/store/RegText.h"

#include "platform/win/store/Registry.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>

namespace hb::win {
namespace {

constexpr std::string_view kHeader = "HalbridgeRegistry 1";
constexpr std::string_view kEnd = "End";
constexpr char kHex[] = "0123456789abcdef";

void AppendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (u < 0x20 || u == 0x7F) {
            out += "\\x";
            out += kHex[u >> 4];
            out += kHex[u & 15];
        } else {
            out += c;
        }
    }
    out += '"';
}

void AppendBytes(std::string& out, const std::vector<BYTE>& data) {
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (i) {
            out += ',';
        }
        out += kHex[data[i] >> 4];
        out += kHex[data[i] & 15];
    }
}

void AppendValue(std::string& out, const RegValue& v) {
    if (v.name.empty()) {
        out += '@';
    } else {
        AppendQuoted(out, v.name);
    }
    out += '=';
    if (v.type == REG_SZ) {
        out += "sz:";
        const auto end = std::find(v.data.begin(), v.data.end(), BYTE{0});
        AppendQuoted(out, std::string(v.data.begin(), end));
    } else if (v.type == REG_DWORD && v.data.size() == 4) {
        DWORD d = 0;
        std::memcpy(&d, v.data.data(), 4);
        char buf[16];
        std::snprintf(buf, sizeof buf, "dword:%08x", d);
        out += buf;
    } else {
        out += v.type == REG_NONE ? "none:" : "hex:";
        AppendBytes(out, v.data);
    }
    out += '\n';
}

void AppendKey(std::string& out, const RegKey& key) {
    if (key.Parent() || !key.Values().empty()) {
        out += '\n';
        out += '[';
        out += key.Path();
        out += "]\n";
    }
    for (const RegValue& v : key.Values()) {
        AppendValue(out, v);
    }
    for (const auto& [name, child] : key.SubKeys()) {
        AppendKey(out, *child);
    }
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Reads a quoted, escaped text from the start of `s` and removes it from `s`.
std::optional<std::string> TakeQuoted(std::string_view& s) {
    if (s.empty() || s.front() != '"') {
        return std::nullopt;
    }
    std::string text;
    for (std::size_t i = 1; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"') {
            s.remove_prefix(i + 1);
            return text;
        }
        if (c != '\\') {
            text += c;
            continue;
        }
        if (++i == s.size()) {
            return std::nullopt;
        }
        switch (s[i]) {
        case '\\':
        case '"':
            text += s[i];
            break;
        case 'n':
            text += '\n';
            break;
        case 'r':
            text += '\r';
            break;
        case 't':
            text += '\t';
            break;
        case 'x': {
            const int hi = i + 2 < s.size() ? HexDigit(s[i + 1]) : -1;
            const int lo = hi >= 0 ? HexDigit(s[i + 2]) : -1;
            if (lo < 0) {
                return std::nullopt;
            }
            text += static_cast<char>(hi * 16 + lo);
            i += 2;
            break;
        }
        default:
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<std::vector<BYTE>> ParseBytes(std::string_view s) {
    std::vector<BYTE> data;
    s = TrimSpace(s);
    while (!s.empty()) {
        const std::size_t comma = s.find(',');
        const std::string_view item = TrimSpace(s.substr(0, comma));
        if (item.size() != 2 || HexDigit(item[0]) < 0 || HexDigit(item[1]) < 0) {
            return std::nullopt;
        }
        data.push_back(static_cast<BYTE>(HexDigit(item[0]) * 16 + HexDigit(item[1])));
        if (comma == std::string_view::npos) {
            break;
        }
        s.remove_prefix(comma + 1);
        if (TrimSpace(s).empty()) {
            return std::nullopt;
        }
    }
    return data;
}

std::optional<DWORD> ParseDword(std::string_view s) {
    s = TrimSpace(s);
    if (s.empty() || s.size() > 8) {
        return std::nullopt;
    }
    DWORD d = 0;
    for (const char c : s) {
        const int digit = HexDigit(c);
        if (digit < 0) {
            return std::nullopt;
        }
        d = d * 16 + static_cast<DWORD>(digit);
    }
    return d;
}

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

// Parses `"Name"=type:data` (or `@=...`) into a value; false when the line is malformed.
bool ParseValueLine(std::string_view line, RegValue& v) {
    if (StartsWith(line, "@")) {
        line.remove_prefix(1);
        v.name.clear();
    } else if (auto name = TakeQuoted(line)) {
        v.name = std::move(*name);
    } else {
        return false;
    }
    line = TrimSpace(line);
    if (!StartsWith(line, "=")) {
        return false;
    }
    line = TrimSpace(line.substr(1));
    if (StartsWith(line, "sz:")) {
        line.remove_prefix(3);
        const auto text = TakeQuoted(line);
        if (!text || !TrimSpace(line).empty()) {
            return false;
        }
        v.type = REG_SZ;
        v.data = StringValueBytes(reinterpret_cast<const BYTE*>(text->data()), text->size());
        return true;
    }
    if (StartsWith(line, "dword:")) {
        const auto d = ParseDword(line.substr(6));
        if (!d) {
            return false;
        }
        v.type = REG_DWORD;
        v.data.resize(4);
        std::memcpy(v.data.data(), &*d, 4);
        return true;
    }
    const bool none = StartsWith(line, "none:");
    if (!none && !StartsWith(line, "hex:")) {
        return false;
    }
    auto bytes = ParseBytes(line.substr(none ? 5 : 4));
    if (!bytes) {
        return false;
    }
    v.type = none ? REG_NONE : REG_BINARY;
    v.data = std::move(*bytes);
    return true;
}

} // namespace

std::vector<BYTE> StringValueBytes(const BYTE* data, std::size_t size) {
    const BYTE* end = data ? std::find(data, data + size, BYTE{0}) : data;
    std::vector<BYTE> bytes(data, end);
    bytes.push_back(0);
    return bytes;
}

std::string FormatRegistry(const RegKey& root) {
    std::string out(kHeader);
    out += '\n';
    AppendKey(out, root);
    out += '\n';
    out += kEnd;
    out += '\n';
    return out;
}

bool ParseRegistry(std::string_view text, RegKey& root, std::string& error) {
    RegKey parsed;
    RegKey* current = nullptr;
    bool header = false;
    bool ended = false;
    int lineNo = 0;
    const auto fail = [&](const char* why) {
        error = "line " + std::to_string(lineNo) + ": " + why;
        return false;
    };
    while (!text.empty()) {
        ++lineNo;
        const std::size_t eol = text.find('\n');
        const std::string_view line = TrimSpace(text.substr(0, eol));
        text = eol == std::string_view::npos ? std::string_view() : text.substr(eol + 1);
        if (!header) {
            if (line != kHeader) {
                return fail("not a settings file of this program or version");
            }
            header = true;
        } else if (line.empty()) {
            continue;
        } else if (ended) {
            return fail("text after the end line");
        } else if (line == kEnd) {
            ended = true;
        } else if (line.front() == '[' && line.back() == ']') {
            current = &parsed;
            for (const std::string_view part : SplitKeyPath(line.substr(1, line.size() - 2))) {
                current = current->AddSubKey(part).get();
            }
        } else if (RegValue v; current && ParseValueLine(line, v)) {
            current->SetValue(v.name, v.type, std::move(v.data));
        } else {
            return fail("unreadable line");
        }
    }
    if (!ended) {
        return fail("the file ends early (no end line)");
    }
    root.Merge(parsed);
    return true;
}

} // namespace hb::win
