#pragma once
// Extension libraries join the resource chain from their entry point:
//
//     static const hb::afx::ResourceModule kResources{"Forms", {...}};
//     static AFX_EXTENSION_MODULE extensionModule{&kResources};
//
//     extern "C" BOOL DllMain(HMODULE module, DWORD reason, LPVOID) {
//         if (reason == DLL_PROCESS_ATTACH) {
//             if (!AfxInitExtensionModule(extensionModule, module)) {
//                 return FALSE;
//             }
//             new CDynLinkLibrary(extensionModule);
//         } else if (reason == DLL_PROCESS_DETACH) {
//             AfxTermExtensionModule(extensionModule);
//         }
//         return TRUE;
//     }
#include "platform/afx/CCmdTarget.h"
#include "platform/afx/res/ResourceModule.h"

struct AFX_EXTENSION_MODULE {
    const hb::afx::ResourceModule* pResources = nullptr;
    BOOL bInitialized = FALSE;
    HMODULE hModule{};
};

// FALSE for a module without resources.
BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// The module's libraries leave the chain and are deleted.
void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// One extension module's place in the resource chain, from construction to deletion.
class CDynLinkLibrary : public CCmdTarget {
    DECLARE_DYNAMIC(CDynLinkLibrary)

public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state);
    ~CDynLinkLibrary() override;

    HMODULE m_hModule;
    const hb::afx::ResourceModule* m_pResources = nullptr;
};
