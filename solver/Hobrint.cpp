// The one entry point of the solver library.

#include "solver/SolverRun.h"

#include <string_view>

// Runs the solver on the input file whose path (CP932, not NUL-terminated) is given by its
// first `length` bytes. The outcome is only in the files the run leaves beside the input.
extern "C" __attribute__((visibility("default"))) void HOBRINT(const char* path, int length) {
    if (path == nullptr || length <= 0) {
        return;
    }
    kalipe::SolverRun().Run(std::string_view(path, static_cast<std::size_t>(length)));
}
