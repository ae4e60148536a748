// The solver input file, through a whole run of the solver (reading, checks, estimation,
// result and log).

#include "FuzzSupport.h"

#include "solver/SolverRun.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzz::WriteInput("input.qel", data, size);
    kalipe::SolverRun().Run(path);
    return 0;
}
