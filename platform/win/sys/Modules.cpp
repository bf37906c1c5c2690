#include "platform/win/sys/Modules.h"

#include "platform/win/core/LastError.h"
#include "platform/win/sys/FakeModules.h"
#include "platform/win/sys/Paths.h"
#include "platform/win/sys/ProgramPath.h"

#include <dlfcn.h>
#include <link.h>

#include <algorithm>
#include <cstring>
#include <map>

namespace {

using DllEntry = BOOL (*)(HMODULE, DWORD, LPVOID);

constexpr HMODULE kProgramModule{1};

struct CompanionName {
    const char* windowsName;
    const char* file;
};

constexpr CompanionName kCompanions[] = {
    {"iPlotLibrary.ocx", "libiPlotLibrary.so"},
    {"iProfessionalLibrary.ocx", "libiProfessionalLibrary.so"},
    {"isAnalogLibrary.ocx", "libisAnalogLibrary.so"},
    {"isDigitalLibrary.ocx", "libisDigitalLibrary.so"},
    {"Tessary.DLL", "libTessary.so"},
    {"ENGINE.DLL", "libEngine.so"},
    {"xtp.dll", "libxtp.so"},
    {"Brisko.DLL", "libBrisko.so"},
    {"Pellam.DLL", "libPellam.so"},
};

struct LoadedModule {
    std::string path;
    void* library = nullptr; // null for a fake module
    int loads = 0;           // 0 while its detach runs
};

// Keyed by handle id; ids are never reused, so a stale handle is simply unknown.
std::map<std::uint32_t, LoadedModule>& Loaded() {
    static std::map<std::uint32_t, LoadedModule> modules;
    return modules;
}

std::uint32_t g_nextModuleId = kProgramModule.id() + 1;

LoadedModule* FindLoaded(HMODULE module) {
    auto it = Loaded().find(module.id());
    return it == Loaded().end() || it->second.loads == 0 ? nullptr : &it->second;
}

HMODULE FindLoadedBy(auto matches) {
    for (auto& [id, entry] : Loaded()) {
        if (entry.loads > 0 && matches(entry)) {
            return HMODULE(id);
        }
    }
    return {};
}

// dlsym also searches the libraries a module depends on; keep only symbols of the module itself.
void* OwnSymbol(void* library, const char* name) {
    void* symbol = dlsym(library, name);
    link_map* own = nullptr;
    if (symbol == nullptr || dlinfo(library, RTLD_DI_LINKMAP, &own) != 0) {
        return nullptr;
    }
    Dl_info info{};
    link_map* where = nullptr;
    if (dladdr1(symbol, &info, reinterpret_cast<void**>(&where), RTLD_DL_LINKMAP) == 0 ||
        where != own) {
        return nullptr;
    }
    return symbol;
}

// Runs the module's entry, if it has one; a module without one attaches successfully.
BOOL CallEntry(void* library, HMODULE module, DWORD reason) {
    void* entry = library ? OwnSymbol(library, "DllMain") : nullptr;
    return entry ? reinterpret_cast<DllEntry>(entry)(module, reason, nullptr) : TRUE;
}

HMODULE Fail(DWORD code) {
    SetLastError(code);
    return {};
}

} // namespace

std::string hb::win::ModulePathFor(const std::string& windowsName) {
    if (windowsName.find_first_of("/\\") != std::string::npos) {
        return NativePath(windowsName);
    }
    const auto known = std::ranges::find_if(kCompanions, [&](const CompanionName& c) {
        return EqualNoCase(c.windowsName, windowsName);
    });
    if (known != std::end(kCompanions)) {
        return PathJoin(ApplicationFolder(), known->file);
    }
    const std::string extension = PathExtension(windowsName);
    if (extension.empty() || EqualNoCase(extension, ".dll") || EqualNoCase(extension, ".ocx")) {
        return PathJoin(ApplicationFolder(), "lib" + PathStem(windowsName) + ".so");
    }
    return PathJoin(ApplicationFolder(), windowsName);
}

void hb::win::UnloadAllModules() {
    while (!Loaded().empty()) {
        auto last = std::prev(Loaded().end());
        last->second.loads = 1;
        FreeLibrary(HMODULE(last->first));
    }
}

HMODULE LoadLibrary(LPCSTR name) {
    if (name == nullptr || *name == '\0') {
        return Fail(ERROR_MOD_NOT_FOUND);
    }
    const std::string path = hb::win::ModulePathFor(name);
    if (HMODULE known = FindLoadedBy([&](const LoadedModule& m) { return m.path == path; })) {
        ++FindLoaded(known)->loads;
        return known;
    }
    void* library = nullptr;
    if (const hb::win::FakeModule* fake = hb::win::FindFakeModule(path)) {
        if (fake->loadFails) {
            return Fail(ERROR_MOD_NOT_FOUND);
        }
    } else {
        library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr) {
            return Fail(ERROR_MOD_NOT_FOUND);
        }
        // Another name for a module that is already loaded: count it there.
        if (HMODULE same =
                FindLoadedBy([&](const LoadedModule& m) { return m.library == library; })) {
            dlclose(library);
            ++FindLoaded(same)->loads;
            return same;
        }
    }
    const HMODULE module(g_nextModuleId++);
    Loaded()[module.id()] = LoadedModule{path, library, 1};
    if (!CallEntry(library, module, DLL_PROCESS_ATTACH)) {
        Loaded().erase(module.id());
        dlclose(library);
        return Fail(ERROR_DLL_INIT_FAILED);
    }
    return module;
}

BOOL FreeLibrary(HMODULE module) {
    LoadedModule* entry = FindLoaded(module);
    if (entry == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (--entry->loads > 0) {
        return TRUE;
    }
    void* library = entry->library;
    CallEntry(library, module, DLL_PROCESS_DETACH);
    Loaded().erase(module.id());
    if (library != nullptr) {
        dlclose(library);
    }
    return TRUE;
}

FARPROC GetProcAddress(HMODULE module, LPCSTR name) {
    const LoadedModule* entry = FindLoaded(module);
    if (entry == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    void* symbol = (entry->library && name) ? OwnSymbol(entry->library, name) : nullptr;
    if (symbol == nullptr) {
        SetLastError(ERROR_PROC_NOT_FOUND);
    }
    return reinterpret_cast<FARPROC>(symbol);
}

HMODULE GetModuleHandle(LPCSTR name) {
    if (name == nullptr) {
        return kProgramModule;
    }
    const std::string path = hb::win::ModulePathFor(name);
    const HMODULE found = FindLoadedBy([&](const LoadedModule& m) { return m.path == path; });
    return found ? found : Fail(ERROR_MOD_NOT_FOUND);
}

DWORD GetModuleFileName(HMODULE module, LPSTR buffer, DWORD size) {
    std::string path;
    if (!module || module == kProgramModule) {
        path = hb::win::ProgramFilePath();
    } else if (const LoadedModule* entry = FindLoaded(module)) {
        path = entry->path;
    } else {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return 0;
    }
    if (buffer == nullptr || size == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    if (path.size() < size) {
        std::memcpy(buffer, path.c_str(), path.size() + 1);
        return static_cast<DWORD>(path.size());
    }
    std::memcpy(buffer, path.data(), size - 1);
    buffer[size - 1] = '\0';
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return size;
}
