#pragma once
// Out-of-memory on demand for the tests of this directory: the test binary replaces the
// global operator new so that one chosen allocation fails with std::bad_alloc.

namespace recordstest {

// The count-th allocation from now on (1: the next one) fails, once; later ones succeed.
void FailAllocationAfter(int count);
// Disarms a failure that has not happened yet.
void StopFailingAllocations();

} // namespace recordstest
