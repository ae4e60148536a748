#pragma once
// The framework's exceptions. They are thrown by value and caught by reference:
//   try { ... } catch (const CFileException& e) { ... }

#include "platform/core/CObject.h"

#include <exception>

class CException : public CObject, public std::exception {
    DECLARE_DYNAMIC(CException)

public:
    const char* what() const noexcept override { return GetRuntimeClass()->m_lpszClassName; }
};

// Out of memory. The programs report it with their own message and stop the operation.
class CMemoryException : public CException {
    DECLARE_DYNAMIC(CMemoryException)
};

// An operation that has already told the user what went wrong and is abandoned.
class CUserException : public CException {
    DECLARE_DYNAMIC(CUserException)
};

[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowUserException();
