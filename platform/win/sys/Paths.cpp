#include "platform/win/sys/Paths.h"

#include <algorithm>

namespace hb::win {

namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

std::size_t LastSeparator(std::string_view path) {
    return path.find_last_of("/\\");
}

// Position of the extension's dot in a file name; a leading dot names a hidden file, not an
// extension.
std::size_t ExtensionDot(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    return (dot == std::string_view::npos || dot == 0) ? std::string_view::npos : dot;
}

} // namespace

std::string NativePath(std::string_view path) {
    std::string out(path);
    std::ranges::replace(out, '\\', '/');
    return out;
}

std::string PathFolder(std::string_view path) {
    const std::size_t sep = LastSeparator(path);
    if (sep == std::string_view::npos) {
        return {};
    }
    return sep == 0 ? std::string("/") : NativePath(path.substr(0, sep));
}

std::string PathFileName(std::string_view path) {
    const std::size_t sep = LastSeparator(path);
    return std::string(sep == std::string_view::npos ? path : path.substr(sep + 1));
}

std::string PathStem(std::string_view path) {
    const std::string name = PathFileName(path);
    return name.substr(0, ExtensionDot(name));
}

std::string PathExtension(std::string_view path) {
    const std::string name = PathFileName(path);
    const std::size_t dot = ExtensionDot(name);
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string PathJoin(std::string_view a, std::string_view b) {
    if (a.empty() || (!b.empty() && IsSeparator(b.front()))) {
        return NativePath(b);
    }
    if (b.empty()) {
        return NativePath(a);
    }
    std::string out = NativePath(a);
    if (out.back() != '/') {
        out += '/';
    }
    return out + NativePath(b);
}

bool PathHasExtension(std::string_view path, std::string_view extension) {
    return EqualNoCase(PathExtension(path), extension);
}

PathParts SplitPath(std::string_view path) {
    return {PathFolder(path), PathStem(path), PathExtension(path)};
}

} // namespace hb::win
