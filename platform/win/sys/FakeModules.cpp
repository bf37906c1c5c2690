#include "platform/win/sys/FakeModules.h"

#include "platform/win/sys/Modules.h"

#include <map>

namespace hb::win {

namespace {

std::map<std::string, FakeModule>& Table() {
    static std::map<std::string, FakeModule> table;
    return table;
}

} // namespace

void SetFakeModule(const std::string& windowsName, std::optional<ModuleVersion> version,
                   bool loadFails) {
    Table()[windowsName] = FakeModule{version, loadFails};
}

void ClearFakeModules() {
    Table().clear();
}

const FakeModule* FindFakeModule(const std::string& path) {
    for (const auto& [name, fake] : Table()) {
        if (ModulePathFor(name) == path) {
            return &fake;
        }
    }
    return nullptr;
}

} // namespace hb::win
