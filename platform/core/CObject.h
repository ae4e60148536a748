#pragma once
// Base of the framework's objects with run-time class information.
//
// DECLARE_DYNAMIC / IMPLEMENT_DYNAMIC give a class its CRuntimeClass (name and base),
// DECLARE_DYNCREATE / IMPLEMENT_DYNCREATE add creation by class.

#include "platform/core/Types.h"

class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    CObject* (*m_pfnCreateObject)(); // null unless the class is dynamically creatable
    const CRuntimeClass* m_pBaseClass;

    // New object of this class; null when the class cannot be created dynamically.
    CObject* CreateObject() const;
    bool IsDerivedFrom(const CRuntimeClass* base) const;
};

class CObject {
public:
    virtual ~CObject() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const;
    bool IsKindOf(const CRuntimeClass* runtimeClass) const;

    static const CRuntimeClass classCObject;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                                                                          \
public:                                                                                                      \
    static const CRuntimeClass class##class_name;                                                            \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                                        \
    DECLARE_DYNAMIC(class_name)                                                                              \
    static CObject* CreateObject();

#define VERRANT_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, create)                                  \
    const CRuntimeClass class_name::class##class_name = {#class_name, create,                                \
                                                         RUNTIME_CLASS(base_class_name)};                    \
    const CRuntimeClass* class_name::GetRuntimeClass() const {                                               \
        return RUNTIME_CLASS(class_name);                                                                    \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                                       \
    VERRANT_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                                     \
    CObject* class_name::CreateObject() {                                                                    \
        return new class_name;                                                                               \
    }                                                                                                        \
    VERRANT_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, class_name::CreateObject)
