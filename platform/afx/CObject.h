#pragma once
#include "platform/afx/CRuntimeClass.h"

// The root of the class library's objects: every object knows its runtime class.
class CObject {
public:
    static CRuntimeClass classCObject;

    virtual ~CObject() = default;
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;

    virtual CRuntimeClass* GetRuntimeClass() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

protected:
    CObject() = default;
};

namespace hb::afx {

// `object` when its runtime class is `runtimeClass` or derives from it; null otherwise.
inline CObject* DynamicDowncast(const CRuntimeClass* runtimeClass, CObject* object) {
    return object && object->IsKindOf(runtimeClass) ? object : nullptr;
}

} // namespace hb::afx

#define DYNAMIC_DOWNCAST(class_name, object)                                                       \
    (static_cast<class_name*>(::hb::afx::DynamicDowncast(RUNTIME_CLASS(class_name), (object))))
