// A small companion library for the module tests. It records its attach and detach calls where a
// test can read them while the library stays mapped.

#include "platform/win/WinTypes.h"
#include "platform/win/sys/ModuleVersion.h"
#include "platform/win/sys/Modules.h"

#include <string>

HB_MODULE_VERSION(1, 2, 3, 4);

namespace {
std::string g_events;
std::uint32_t g_self = 0;
bool g_failAttach = false;
} // namespace

extern "C" BOOL DllMain(HMODULE self, DWORD reason, void*) {
    g_events += reason == DLL_PROCESS_ATTACH ? 'A' : 'D';
    g_self = self.id();
    return g_failAttach ? FALSE : TRUE;
}

// "A" for each attach and "D" for each detach, in order.
extern "C" const char* HbTestModuleEvents() {
    return g_events.c_str();
}

extern "C" std::uint32_t HbTestModuleSelf() {
    return g_self;
}

extern "C" void HbTestModuleFailAttach(bool fail) {
    g_failAttach = fail;
}

extern "C" int HbTestModuleAdd(int a, int b) {
    return a + b;
}
