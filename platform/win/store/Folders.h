#pragma once
// Where the program keeps its settings and documents. HALBRIDGE_HOME, when set, holds everything
// under one folder (tests and CI set it to a temporary folder).

#include <string>

namespace hb::win {

// $HALBRIDGE_HOME/config, else $XDG_CONFIG_HOME/halbridge-pro (default ~/.config/halbridge-pro).
std::string ConfigFolder();

// $HALBRIDGE_HOME/Documents, else ~/Documents/Halbridge Pro.
std::string DocumentsFolder();

// Creates the folder and any missing parents; true when it exists afterwards, else errno says
// why.
bool CreateFolders(const std::string& path);

} // namespace hb::win
