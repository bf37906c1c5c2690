// Feeds arbitrary text to the settings-file parsers: the registry file format and the private
// settings (INI) file. The first byte picks the parser. Whatever the registry parser takes must
// dump to text that parses again to the same dump; an INI file of any shape must answer reads and
// survive a write of every key it lists.

#include "platform/win/store/PrivateProfile.h"
#include "platform/win/store/Registry.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void FuzzRegistry(std::string_view text) {
    hb::win::registry::ResetForTests();
    if (!hb::win::registry::Seed(HKEY_CURRENT_USER, text)) {
        return;
    }
    const std::string first = hb::win::registry::Dump(HKEY_CURRENT_USER);
    hb::win::registry::ResetForTests();
    if (!hb::win::registry::Seed(HKEY_CURRENT_USER, first) ||
        hb::win::registry::Dump(HKEY_CURRENT_USER) != first) {
        std::abort();
    }
}

void FuzzIni(std::string_view text) {
    const char* path = "/fuzz/settings.ini";
    hb::win::ini::ResetForTests();
    if (!hb::win::ini::Seed(path, text)) {
        return;
    }
    char sections[4096];
    const DWORD length =
        GetPrivateProfileString(nullptr, nullptr, "", sections, sizeof sections, path);
    for (const char* section = sections; section < sections + length && *section != '\0';
         section += std::string_view(section).size() + 1) {
        char keys[4096];
        const DWORD keysLength =
            GetPrivateProfileString(section, nullptr, "", keys, sizeof keys, path);
        for (const char* key = keys; key < keys + keysLength && *key != '\0';
             key += std::string_view(key).size() + 1) {
            char value[256];
            GetPrivateProfileString(section, key, "", value, sizeof value, path);
            GetPrivateProfileInt(section, key, -1, path);
            WritePrivateProfileString(section, key, value, path);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    if (data[0] & 1) {
        FuzzRegistry(text);
    } else {
        FuzzIni(text);
    }
    return 0;
}
