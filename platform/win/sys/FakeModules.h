#pragma once
// A table of stand-in modules for tests: a listed module answers version reads and loads from
// here instead of from its file.

#include "platform/win/sys/ModuleVersion.h"

#include <optional>
#include <string>

namespace hb::win {

struct FakeModule {
    std::optional<ModuleVersion> version; // none: the file has no version record
    bool loadFails = false;
};

// `windowsName` is mapped with ModulePathFor when looked up, so the entry follows the
// application folder.
void SetFakeModule(const std::string& windowsName, std::optional<ModuleVersion> version,
                   bool loadFails);
void ClearFakeModules();
// The fake module whose mapped path is `path`, if any.
const FakeModule* FindFakeModule(const std::string& path);

} // namespace hb::win
