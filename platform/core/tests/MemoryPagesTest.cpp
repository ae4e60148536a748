#include "platform/core/MemoryPages.h"

#include <cstddef>
#include <gtest/gtest.h>
#include <memory>

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

} // namespace
