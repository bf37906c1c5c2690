// An extension library that carries forms and joins the resource chain while it is loaded, as the
// program's resource library does.

#include "platform/afx/res/CDynLinkLibrary.h"
#include "platform/win/sys/Modules.h"
#include "tests/platform/afx/forms/TestFormIds.h"

namespace {

using hb::afx::DialogControl;

const hb::afx::ResourceModule kResources{
    "HbTestForms",
    {
        .dialogs = {{
            .id = kFormId,
            .style = WS_CHILD,
            .cx = 200,
            .cy = 80,
            .controls =
                {
                    DialogControl{.id = kFormEditId,
                                  .className = "Edit",
                                  .text = "start",
                                  .style = WS_VISIBLE | WS_TABSTOP,
                                  .x = 4,
                                  .y = 4,
                                  .cx = 60,
                                  .cy = 12},
                    DialogControl{.id = kFormComboId,
                                  .className = "ComboBox",
                                  .style = WS_VISIBLE | WS_TABSTOP,
                                  .x = 4,
                                  .y = 20,
                                  .cx = 60,
                                  .cy = 40,
                                  .strings = {"25 µs", "50 µs", "75 µs", "750 µs"}},
                },
        }},
        .strings = {{kSharedStringId, "from the library"}, {kLibraryStringId, "library only"}},
        .icons = {{kLibraryIconId, {{16, 16}}}},
        .version = hb::afx::VersionResource{.fileVersion = {{9, 1, 4, 17}},
                                            .productVersion = {{9, 1, 4, 17}},
                                            .fileDescription = "Test forms",
                                            .productName = "Test forms"},
    }};

AFX_EXTENSION_MODULE g_extension{.pResources = &kResources};

} // namespace

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
