#pragma once
// Where the running program lives. Its companion libraries are looked for in the same folder.

#include <string>

namespace hb::win {

// The program's file path: the override when one is set, else /proc/self/exe.
std::string ProgramFilePath();
// Folder of ProgramFilePath().
std::string ApplicationFolder();
// Makes the program appear to live at `path` (tests); an empty path restores the real one.
void SetModuleFileNameOverride(const std::string& path);

} // namespace hb::win
