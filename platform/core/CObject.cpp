#include "CObject.h"

#include <cstring>
#include <map>
#include <string>

namespace {

// Classes creatable by name. Filled during static initialisation only.
std::map<std::string, const CRuntimeClass*>& Registry() {
    static std::map<std::string, const CRuntimeClass*> registry;
    return registry;
}

} // namespace

const CRuntimeClass CObject::classCObject = {"CObject", nullptr, nullptr};

const CRuntimeClass* CObject::GetRuntimeClass() const {
    return &classCObject;
}

bool CObject::IsKindOf(const CRuntimeClass* runtimeClass) const {
    return GetRuntimeClass()->IsDerivedFrom(runtimeClass);
}

CObject* CRuntimeClass::CreateObject() const {
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const {
    for (const CRuntimeClass* cls = this; cls != nullptr; cls = cls->m_pBaseClass) {
        if (cls == base) {
            return true;
        }
    }
    return false;
}

const CRuntimeClass* CRuntimeClass::FromName(const char* className) {
    auto it = Registry().find(className);
    return it == Registry().end() ? nullptr : it->second;
}

void CRuntimeClass::Register(const CRuntimeClass* runtimeClass) {
    Registry()[runtimeClass->m_lpszClassName] = runtimeClass;
}
