#include "platform/afx/CRuntimeClass.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

std::vector<CRuntimeClass*>& Registry() {
    static std::vector<CRuntimeClass*> registry;
    return registry;
}

} // namespace

CObject* CRuntimeClass::CreateObject() const {
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
    for (const CRuntimeClass* c = this; c; c = c->m_pBaseClass) {
        if (c == pBaseClass) {
            return TRUE;
        }
    }
    return FALSE;
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR lpszClassName) {
    if (!lpszClassName) {
        return nullptr;
    }
    for (CRuntimeClass* c : Registry()) {
        if (std::strcmp(c->m_lpszClassName, lpszClassName) == 0) {
            return c;
        }
    }
    return nullptr;
}

CObject* CRuntimeClass::CreateObject(LPCSTR lpszClassName) {
    const CRuntimeClass* c = FromName(lpszClassName);
    return c ? c->CreateObject() : nullptr;
}

namespace hb::afx {

ClassRegistration::ClassRegistration(CRuntimeClass* runtimeClass) : m_class(runtimeClass) {
    Registry().push_back(runtimeClass);
}

ClassRegistration::~ClassRegistration() {
    auto& registry = Registry();
    registry.erase(std::remove(registry.begin(), registry.end(), m_class), registry.end());
}

} // namespace hb::afx
