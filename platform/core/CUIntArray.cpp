#include "CUIntArray.h"

#include "platform/core/CException.h"

#include <new>
#include <stdexcept>

IMPLEMENT_DYNAMIC(CUIntArray, CObject)

void CUIntArray::SetSize(int newSize) {
    try {
        values_.resize(static_cast<std::size_t>(newSize < 0 ? 0 : newSize), 0);
    } catch (const std::bad_alloc&) {
        AfxThrowMemoryException();
    } catch (const std::length_error&) {
        AfxThrowMemoryException();
    }
}
