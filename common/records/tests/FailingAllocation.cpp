#include "FailingAllocation.h"

#include <cstdlib>
#include <new>

namespace {

// Allocations left before the one that fails; 0 when none is to fail.
thread_local int allocationsBeforeFailure = 0;

// The block, or null when this allocation is the one to fail or memory is out.
void* TryAllocate(std::size_t size) noexcept {
    if (allocationsBeforeFailure > 0 && --allocationsBeforeFailure == 0) {
        return nullptr;
    }
    return std::malloc(size == 0 ? 1 : size);
}

void* Allocate(std::size_t size) {
    if (void* block = TryAllocate(size)) {
        return block;
    }
    throw std::bad_alloc();
}

} // namespace

namespace recordstest {

void FailAllocationAfter(int count) {
    allocationsBeforeFailure = count;
}

void StopFailingAllocations() {
    allocationsBeforeFailure = 0;
}

} // namespace recordstest

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return TryAllocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return TryAllocate(size);
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete[](void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}
