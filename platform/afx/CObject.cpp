#include "platform/afx/CObject.h"

CRuntimeClass CObject::classCObject{"CObject", static_cast<int>(sizeof(CObject)), nullptr, nullptr};

namespace {
const hb::afx::ClassRegistration registration(RUNTIME_CLASS(CObject));
} // namespace

CRuntimeClass* CObject::GetRuntimeClass() const {
    return RUNTIME_CLASS(CObject);
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const {
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}
