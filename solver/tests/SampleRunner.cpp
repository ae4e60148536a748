// Loads the solver library as the analysis program does (dlopen, then the symbol HOBRINT) and
// runs it on sample inputs. Each input is copied into the work directory and solved twice in
// this one process; both runs must leave a result file, no list file, and the same bytes.
// A file "<input name>.expected.slf" beside an input holds the result it must give.
//
// Usage: kalipe_run_samples LIBRARY WORKDIR INPUT.qel...

#include <dlfcn.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

using Entry = void (*)(const char*, int);

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

struct RunFiles {
    std::string result;
    std::string log;
};

bool SolveOnce(Entry solve, const fs::path& input, RunFiles& files) {
    const std::string path = input.string();
    solve(path.data(), static_cast<int>(path.size()));
    fs::path result = input;
    fs::path log = input;
    fs::path list = input;
    result.replace_extension(".slf");
    log.replace_extension(".log");
    list.replace_extension(".lst");
    if (fs::exists(list)) {
        std::fprintf(stderr, "%s: list file left behind\n", path.c_str());
        return false;
    }
    if (!fs::exists(result) || !fs::exists(log)) {
        std::fprintf(stderr, "%s: no result or no log\n", path.c_str());
        return false;
    }
    files = {Slurp(result), Slurp(log)};
    return true;
}

bool RunSample(Entry solve, const fs::path& source, const fs::path& workDir) {
    const fs::path input = workDir / source.filename();
    fs::copy_file(source, input, fs::copy_options::overwrite_existing);
    RunFiles first;
    RunFiles second;
    if (!SolveOnce(solve, input, first) || !SolveOnce(solve, input, second)) {
        return false;
    }
    if (first.result != second.result || first.log != second.log) {
        std::fprintf(stderr, "%s: the second run differs from the first\n", input.c_str());
        return false;
    }
    fs::path expected = source;
    expected.replace_extension(".expected.slf");
    if (fs::exists(expected) && Slurp(expected) != first.result) {
        std::fprintf(stderr, "%s: result differs from %s\n", input.c_str(), expected.c_str());
        return false;
    }
    std::printf("%s: solved\n", source.filename().c_str());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s LIBRARY WORKDIR INPUT.qel...\n", argv[0]);
        return 2;
    }
    void* library = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        std::fprintf(stderr, "dlopen: %s\n", dlerror());
        return 1;
    }
    const auto solve = reinterpret_cast<Entry>(dlsym(library, "HOBRINT"));
    int failures = 0;
    if (!solve) {
        std::fprintf(stderr, "dlsym: HOBRINT not found\n");
        ++failures;
    } else {
        const fs::path workDir = argv[2];
        fs::create_directories(workDir);
        for (int i = 3; i < argc; ++i) {
            if (!RunSample(solve, argv[i], workDir)) {
                ++failures;
            }
        }
    }
    dlclose(library);
    return failures == 0 ? 0 : 1;
}
