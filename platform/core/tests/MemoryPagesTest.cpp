#include "platform/core/MemoryPages.h"

#include "platform/core/AddressSanitizerBuild.h"

#include <cstddef>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <sys/resource.h>

namespace {

// Providing the pages of a range changes no byte of it nor of its neighbours, whatever its
// start, length and alignment: a block already written keeps what it holds.
TEST(MemoryPagesTest, ProvidedPagesKeepWhatTheyHold) {
    constexpr std::size_t kBytes = 3 * 1024 * 1024 + 123;
    auto block = std::make_unique<unsigned char[]>(kBytes);
    for (std::size_t i = 0; i < kBytes; ++i) {
        block[i] = static_cast<unsigned char>(i * 7 + 1);
    }
    platform::ProvidePagesForWriting(block.get() + 5, kBytes - 10);
    platform::ProvidePagesForWriting(block.get() + 100, 200);
    platform::ProvidePagesForWriting(block.get(), 0);
    for (std::size_t i = 0; i < kBytes; ++i) {
        ASSERT_EQ(block[i], static_cast<unsigned char>(i * 7 + 1)) << "byte " << i;
    }
}

// The sanitizer's allocator takes no setting to keep freed memory, so its build has no such test.
#if !VERRANT_ADDRESS_SANITIZER
long MinorFaults() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// A block of 8 MiB written page by page, through volatile stores the compiler keeps.
void* WrittenBlock(std::size_t bytes) {
    auto* block = static_cast<volatile char*>(std::malloc(bytes));
    for (std::size_t i = 0; block && i < bytes; i += 4096) {
        block[i] = 1;
    }
    return const_cast<char*>(block);
}

// Once freed blocks are kept, a large block freed and asked for again comes back without
// fresh pages: the save after an import reuses the import's tables.
TEST(MemoryPagesTest, AFreedLargeBlockComesBackWithoutFreshPages) {
    platform::KeepFreedMemoryForReuse();
    constexpr std::size_t kBytes = 8 * 1024 * 1024;
    std::free(WrittenBlock(kBytes));
    const long before = MinorFaults();
    void* again = WrittenBlock(kBytes);
    const long faults = MinorFaults() - before;
    std::free(again);
    EXPECT_LT(faults, 200) << "fresh pages would be " << kBytes / 4096;
}
#endif

} // namespace
