#pragma once
// Path helpers. Input may use '\' or '/' as separators; every path they build uses '/'. They never
// change the case of a path: only the extension test and EqualNoCase compare without case.

#include "platform/win/core/NoCase.h"

#include <string>
#include <string_view>

namespace hb::win {

struct PathParts {
    std::string folder; // as PathFolder
    std::string stem;
    std::string extension; // with its dot, or empty
};

std::string NativePath(std::string_view path);
// Everything before the last separator ("/" for a file at the root, "" when there is none).
std::string PathFolder(std::string_view path);
std::string PathFileName(std::string_view path);
std::string PathStem(std::string_view path);
// The file name's last ".xxx", as written; empty when there is none.
std::string PathExtension(std::string_view path);
// b alone when it is absolute (or a is empty); otherwise a and b with one separator between.
std::string PathJoin(std::string_view a, std::string_view b);
bool PathHasExtension(std::string_view path, std::string_view extension);
PathParts SplitPath(std::string_view path);

} // namespace hb::win
