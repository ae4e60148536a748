#pragma once
// What every fuzz harness shares: quiet message boxes, a private scratch directory for the
// files the readers open, and the one entry point each harness defines.

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fuzz {

// Installs a message sink that shows nothing (once per process): the readers' messages are
// their normal answers to bad input, and a recording sink would grow without end.
void QuietMessages();

// A directory of this process, removed when it ends.
const std::string& ScratchDirectory();

// Writes the input to a file of that name in the scratch directory; its UTF-8 path.
std::string WriteInput(const std::string& name, const std::uint8_t* data, std::size_t size);

// Copies a file into the scratch directory under its own name (reference files that a
// harness's input may name).
void CopyIntoScratch(const std::string& sourcePath);

} // namespace fuzz
