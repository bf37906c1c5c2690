#pragma once
#include "platform/win/WinTypes.h"

class CObject;

// The class of an object, known by name at run time: documents, frames and views are created from
// it, and every module registers its classes while it is loaded.
struct CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    CRuntimeClass* m_pBaseClass;
    CObject* (*m_pfnCreateObject)();

    // A new object of the class, or null for a class without DECLARE_DYNCREATE.
    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    // The registered class of exactly that name, or null.
    static CRuntimeClass* FromName(LPCSTR lpszClassName);
    static CObject* CreateObject(LPCSTR lpszClassName);
};

namespace hb::afx {

// Keeps one class in the by-name registry for as long as the module that defines it is loaded.
// When two loaded modules define a class of the same name, the one registered first is found.
class ClassRegistration {
public:
    explicit ClassRegistration(CRuntimeClass* runtimeClass);
    ~ClassRegistration();
    ClassRegistration(const ClassRegistration&) = delete;
    ClassRegistration& operator=(const ClassRegistration&) = delete;

private:
    CRuntimeClass* m_class;
};

} // namespace hb::afx

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                                                                \
public:                                                                                            \
    static CRuntimeClass class##class_name;                                                        \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                              \
    DECLARE_DYNAMIC(class_name)                                                                    \
    static CObject* CreateObject();

#define HB_AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, pfnNew)                         \
    CRuntimeClass class_name::class##class_name {                                                  \
#class_name, static_cast < int>(sizeof(class_name)), RUNTIME_CLASS(base_class_name),       \
            pfnNew                                                                                 \
    };                                                                                             \
    CRuntimeClass* class_name::GetRuntimeClass() const {                                           \
        return RUNTIME_CLASS(class_name);                                                          \
    }                                                                                              \
    static const ::hb::afx::ClassRegistration hbAfxRegistration##class_name(                       \
        RUNTIME_CLASS(class_name));

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                             \
    HB_AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                           \
    CObject* class_name::CreateObject() {                                                          \
        return new class_name;                                                                     \
    }                                                                                              \
    HB_AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, &class_name::CreateObject)
