#include "platform/afx/res/CDynLinkLibrary.h"

#include "platform/afx/res/ResourceChain.h"

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule) {
    if (!state.pResources || !hModule) {
        return FALSE;
    }
    state.hModule = hModule;
    state.bInitialized = TRUE;
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL) {
    for (CDynLinkLibrary* library : hb::afx::detail::LibrariesOf(state.hModule)) {
        delete library;
    }
    state.bInitialized = FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state)
    : m_hModule(state.hModule), m_pResources(state.pResources) {
    hb::afx::detail::JoinChain(this);
}

CDynLinkLibrary::~CDynLinkLibrary() {
    hb::afx::detail::LeaveChain(this);
}
