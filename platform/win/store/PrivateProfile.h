#pragma once
// The private settings (INI) functions. Files are read and written through at once, each write
// replacing the file atomically; comments and order survive. Section and key names are matched
// without case ("Vela*Quin" is an ordinary name). A relative path is taken inside ConfigFolder()
// and both '\' and '/' separate folders.

#include "platform/win/WinTypes.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Unlike the Windows function, negative values are returned as such ("-5" gives -5). Only the
// leading digits count ("12ab" gives 12, "abc" 0); a missing or empty value gives `defaultValue`.
int GetPrivateProfileInt(LPCSTR section, LPCSTR key, int defaultValue, LPCSTR path);

// Copies at most size - 1 characters and a NUL, and returns the number copied. With no key, the
// section's key names are listed, and with no section the section names: each name ends in a NUL
// and the list in one more.
DWORD GetPrivateProfileString(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer,
                              DWORD size, LPCSTR path);

// No value deletes the key, no key deletes the section. Fails (FALSE, with the reason in
// GetLastError) on names or values that would not read back, and when the file cannot be written,
// which then keeps its previous content.
BOOL WritePrivateProfileString(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR path);

namespace hb::win::ini {

// Reads and writes the files themselves; a file changed on disk is read again. The default.
void UseFiles();
// Keeps each file's content in memory, never touching the disk: a file not known yet is empty
// (whatever is on disk) and writes stay in memory.
void UseMemory();
// Memory mode with nothing known and the journal cleared.
void ResetForTests();

// Sets a file's whole content (written through in file mode); false when it cannot be written.
bool Seed(const std::string& path, std::string_view text);
std::string Dump(const std::string& path);

struct Write {
    std::string section;
    std::optional<std::string> key;   // none: the section was deleted
    std::optional<std::string> value; // none: the key was deleted
};

// The writes made to one file, in order.
std::vector<Write> Journal(const std::string& path);

} // namespace hb::win::ini
