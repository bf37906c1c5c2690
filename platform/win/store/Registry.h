#pragma once
// The registry subset the program uses, kept as one tree per root. Changes are written through
// to the root's settings file at once: HKEY_CURRENT_USER in user.reg and HKEY_LOCAL_MACHINE in
// machine.reg of the configuration folder; HKEY_CLASSES_ROOT lives in memory only and is filled
// by the program at start. Functions return Windows error codes; access rights and security
// arguments are accepted and ignored.

#include "platform/win/WinTypes.h"
#include "platform/win/core/LastError.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr HKEY HKEY_CLASSES_ROOT{0x80000000u};
inline constexpr HKEY HKEY_CURRENT_USER{0x80000001u};
inline constexpr HKEY HKEY_LOCAL_MACHINE{0x80000002u};

inline constexpr DWORD REG_NONE = 0;
inline constexpr DWORD REG_SZ = 1;
inline constexpr DWORD REG_BINARY = 3;
inline constexpr DWORD REG_DWORD = 4;

inline constexpr DWORD REG_CREATED_NEW_KEY = 1;
inline constexpr DWORD REG_OPENED_EXISTING_KEY = 2;
inline constexpr DWORD REG_OPTION_NON_VOLATILE = 0;

inline constexpr DWORD KEY_READ = 0x20019;
inline constexpr DWORD KEY_WRITE = 0x20006;
inline constexpr DWORD KEY_ALL_ACCESS = 0xF003F;

DWORD RegOpenKeyEx(HKEY key, LPCSTR subKey, DWORD options, DWORD sam, HKEY* result);
// Creates the sub-key and any missing keys above it; `disposition` tells whether it was new.
DWORD RegCreateKeyEx(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR keyClass, DWORD options,
                     DWORD sam, void* security, HKEY* result, DWORD* disposition);
DWORD RegCloseKey(HKEY key);

// Reports the type and the size; copies the data only when `data` is given and large enough,
// else returns ERROR_MORE_DATA with the needed size and copies nothing.
DWORD RegQueryValueEx(HKEY key, LPCSTR name, DWORD* reserved, DWORD* type, BYTE* data, DWORD* size);
// REG_SZ is stored up to its first NUL with exactly one terminating NUL; REG_DWORD takes 4 bytes.
DWORD RegSetValueEx(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data,
                    DWORD size);

// Sub-keys in case-insensitive alphabetical order; ERROR_NO_MORE_ITEMS past the last one.
DWORD RegEnumKey(HKEY key, DWORD index, LPSTR name, DWORD nameSize);
DWORD RegEnumKeyEx(HKEY key, DWORD index, LPSTR name, DWORD* nameSize, DWORD* reserved,
                   LPSTR keyClass, DWORD* classSize, FILETIME* lastWrite);
// Values in the order they were first written.
DWORD RegEnumValue(HKEY key, DWORD index, LPSTR name, DWORD* nameSize, DWORD* reserved, DWORD* type,
                   BYTE* data, DWORD* dataSize);

DWORD RegDeleteValue(HKEY key, LPCSTR name);
// Refuses a key that still has sub-keys (ERROR_ACCESS_DENIED).
DWORD RegDeleteKey(HKEY key, LPCSTR subKey);
// Deletes the sub-key with everything below it; with no sub-key, empties `key` itself.
DWORD RegDeleteTree(HKEY key, LPCSTR subKey);

namespace hb::win::registry {

// Where the roots are kept. The program starts with UseFiles(ConfigFolder()) on first use.
void UseFiles(const std::string& folder);
// Empty roots and no files: the mode for tests.
void UseMemory();
// Memory mode, empty roots, open handles forgotten, journal and pending faults cleared.
void ResetForTests();

// Adds keys and values in the settings-file text form; false (and nothing added) on bad text.
bool Seed(HKEY root, std::string_view text);
std::string Dump(HKEY root);

enum class Change { CreateKey, SetValue, DeleteValue, DeleteKey, DeleteTree };

struct JournalEntry {
    Change change;
    HKEY root;
    std::string keyPath;
    std::string valueName;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

// Every change in the order it was made.
const std::vector<JournalEntry>& Journal();
void ClearJournal();

struct SaveFailure {
    std::string path;
    std::string reason;
};

// The settings file whose write failed last, and why, taken: nothing when no write has failed
// since the last call.
std::optional<SaveFailure> TakeSaveFailure();

enum class Op { Set, Query, Open, Create, Delete };

// The next call of that kind fails with `error` and changes nothing. Query covers the value
// query and the enumerations; Delete covers the three delete calls.
void FailNext(Op op, DWORD error);

} // namespace hb::win::registry
