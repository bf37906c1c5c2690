// The resource library: it joins the resource chain while it is loaded and does nothing else.
#include "platform/afx/res/CDynLinkLibrary.h"
#include "platform/win/sys/ModuleVersion.h"
#include "platform/win/sys/Modules.h"
#include "resources/pellam/PellamTables.h"

HB_MODULE_VERSION(9, 1, 4, 17);

namespace {

const hb::afx::ResourceModule kResources{"Pellam", hb::resources::PellamTables()};

AFX_EXTENSION_MODULE g_extension{.pResources = &kResources};

} // namespace

// Exported so that the library has an entry of its own; nothing calls it.
extern "C" void Pellam() {}

extern "C" BOOL DllMain(HMODULE module, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(g_extension, module)) {
            return FALSE;
        }
        new CDynLinkLibrary(g_extension);
    } else if (reason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(g_extension);
    }
    return TRUE;
}
