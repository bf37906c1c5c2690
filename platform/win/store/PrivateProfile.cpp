#include "platform/win/store/PrivateProfile.h"

#include "platform/win/core/LastError.h"
#include "platform/win/store/IniStore.h"
#include "platform/win/store/StoreText.h"

#include <algorithm>
#include <climits>
#include <cstring>

using hb::win::IniDocument;
using hb::win::IniPath;
using hb::win::IniStore;
using hb::win::TrimSpace;

namespace {

// Copies a NUL-separated list ending in an extra NUL; a list that does not fit is cut and still
// ends in two NULs, and the count is then size - 2.
DWORD CopyList(const std::vector<std::string>& names, LPSTR buffer, DWORD size) {
    std::string list;
    for (const std::string& name : names) {
        list += name;
        list += '\0';
    }
    if (list.size() + 1 <= size) {
        std::memcpy(buffer, list.data(), list.size());
        buffer[list.size()] = '\0';
        return static_cast<DWORD>(list.size());
    }
    const DWORD kept = size >= 2 ? size - 2 : 0;
    std::memcpy(buffer, list.data(), kept);
    std::fill(buffer + kept, buffer + size, '\0');
    return kept;
}

DWORD CopyText(std::string_view text, LPSTR buffer, DWORD size) {
    const auto kept = static_cast<DWORD>(std::min<std::size_t>(text.size(), size - 1));
    std::memcpy(buffer, text.data(), kept);
    buffer[kept] = '\0';
    return kept;
}

bool HasLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

// Whether the names and value would read back as written.
bool Writable(std::string_view section, LPCSTR key, LPCSTR value) {
    if (HasLineBreak(section) || section.find(']') != std::string_view::npos) {
        return false;
    }
    if (key) {
        const std::string_view k = TrimSpace(key);
        if (k.empty() || HasLineBreak(k) || k.find('=') != std::string_view::npos ||
            k.front() == '[' || k.front() == ';') {
            return false;
        }
    }
    return !value || !HasLineBreak(value);
}

} // namespace

int GetPrivateProfileInt(LPCSTR section, LPCSTR key, int defaultValue, LPCSTR path) {
    if (!section || !key || !path) {
        return defaultValue;
    }
    const auto value =
        IniStore::Get().Read(IniPath(path)).Value(TrimSpace(section), TrimSpace(key));
    if (!value || value->empty()) {
        return defaultValue;
    }
    std::string_view digits = *value;
    const bool negative = digits.front() == '-';
    if (negative || digits.front() == '+') {
        digits.remove_prefix(1);
    }
    long long n = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            break;
        }
        n = std::min<long long>(n * 10 + (c - '0'), 1LL + INT_MAX);
    }
    n = negative ? -n : n;
    return static_cast<int>(std::clamp<long long>(n, INT_MIN, INT_MAX));
}

DWORD GetPrivateProfileString(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer,
                              DWORD size, LPCSTR path) {
    if (!buffer || size == 0) {
        return 0;
    }
    if (!path) {
        buffer[0] = '\0';
        return 0;
    }
    const IniDocument& doc = IniStore::Get().Read(IniPath(path));
    if (!section) {
        return CopyList(doc.Sections(), buffer, size);
    }
    if (!key) {
        return CopyList(doc.Keys(TrimSpace(section)), buffer, size);
    }
    const auto value = doc.Value(TrimSpace(section), TrimSpace(key));
    return CopyText(value ? std::string_view(*value) : (defaultValue ? defaultValue : ""), buffer,
                    size);
}

BOOL WritePrivateProfileString(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR path) {
    if (!section || !path || !Writable(TrimSpace(section), key, value)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const std::string file = IniPath(path);
    const std::string_view sectionName = TrimSpace(section);
    IniStore& store = IniStore::Get();
    IniDocument doc = store.Read(file);
    bool changed = true;
    if (!key) {
        changed = doc.RemoveSection(sectionName);
    } else if (!value) {
        changed = doc.RemoveKey(sectionName, TrimSpace(key));
    } else {
        doc.Set(sectionName, TrimSpace(key), value);
    }
    if (changed && !store.Write(file, std::move(doc))) {
        SetLastError(ERROR_WRITE_FAULT);
        return FALSE;
    }
    store.Record(file, {std::string(sectionName),
                        key ? std::optional<std::string>(TrimSpace(key)) : std::nullopt,
                        value ? std::optional<std::string>(value) : std::nullopt});
    return TRUE;
}

namespace hb::win::ini {

void UseFiles() {
    IniStore::Get().UseFiles();
}
void UseMemory() {
    IniStore::Get().UseMemory();
}

void ResetForTests() {
    IniStore::Get().UseMemory();
    IniStore::Get().ClearJournal();
}

bool Seed(const std::string& path, std::string_view text) {
    return IniStore::Get().Write(IniPath(path), IniDocument(text));
}

std::string Dump(const std::string& path) {
    return IniStore::Get().Read(IniPath(path)).Text();
}

std::vector<Write> Journal(const std::string& path) {
    return IniStore::Get().Journal(IniPath(path));
}

} // namespace hb::win::ini
