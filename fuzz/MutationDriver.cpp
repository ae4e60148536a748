// Drives a harness without libFuzzer (a compiler other than clang): every seed once, then
// deterministic mutations of the seeds until the time or run limit. It takes the libFuzzer
// options the scripts use, so both builds run the same way:
//
//   <harness> [-max_total_time=S] [-runs=N] [-seed=N] [-max_len=B] SEED_FILE_OR_DIRECTORY...
//
// The same seed gives the same inputs, so a failure repeats with the same command. When a
// sanitizer stops the process, the input it ran is saved as "crash-<harness>" in the
// working directory.

#include "FuzzSupport.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

extern "C" void __sanitizer_set_death_callback(void (*callback)()) __attribute__((weak));

namespace {

struct Options {
    double seconds = 0;  // 0: no time limit
    long long runs = -1; // mutated runs; -1: no limit
    unsigned long long seed = 1;
    std::size_t maxLength = 1 << 20;
    std::vector<std::string> seedPaths;
};

// The input being run, for the death callback.
std::string currentInput;
std::string crashFile;

void SaveCurrentInput() {
    const int fd = ::open(crashFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd >= 0) {
        (void)!::write(fd, currentInput.data(), currentInput.size());
        ::close(fd);
        static const char note[] = "the failing input is saved in the working directory as crash-<harness>\n";
        (void)!::write(2, note, sizeof note - 1);
    }
}

bool TakeOption(const char* argument, const char* name, std::string& value) {
    const std::size_t length = std::strlen(name);
    if (std::strncmp(argument, name, length) != 0 || argument[length] != '=') {
        return false;
    }
    value = argument + length + 1;
    return true;
}

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        std::string value;
        if (TakeOption(argv[i], "-max_total_time", value)) {
            std::from_chars(value.data(), value.data() + value.size(), options.seconds);
        } else if (TakeOption(argv[i], "-runs", value)) {
            std::from_chars(value.data(), value.data() + value.size(), options.runs);
        } else if (TakeOption(argv[i], "-seed", value)) {
            std::from_chars(value.data(), value.data() + value.size(), options.seed);
        } else if (TakeOption(argv[i], "-max_len", value)) {
            std::from_chars(value.data(), value.data() + value.size(), options.maxLength);
        } else if (argv[i][0] == '-') {
            // libFuzzer's other options (-timeout, -rss_limit_mb, ...) mean nothing here
        } else {
            options.seedPaths.push_back(argv[i]);
        }
    }
    return options;
}

void AddSeedFile(const std::filesystem::path& path, std::vector<std::string>& corpus) {
    std::ifstream in(path, std::ios::binary);
    corpus.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> LoadSeeds(const std::vector<std::string>& paths) {
    std::vector<std::string> corpus;
    for (const std::string& path : paths) {
        if (std::filesystem::is_directory(path)) {
            std::vector<std::filesystem::path> files;
            for (const auto& entry : std::filesystem::directory_iterator(path)) {
                if (entry.is_regular_file()) {
                    files.push_back(entry.path());
                }
            }
            std::sort(files.begin(), files.end()); // the same order on every run
            for (const auto& file : files) {
                AddSeedFile(file, corpus);
            }
        } else if (std::filesystem::is_regular_file(path)) {
            AddSeedFile(path, corpus);
        }
    }
    if (corpus.empty()) {
        corpus.emplace_back();
    }
    return corpus;
}

// xorshift64*: small, fast and the same everywhere.
class Random {
public:
    explicit Random(unsigned long long seed) : state_(seed ? seed : 0x9E3779B97F4A7C15ull) {}
    unsigned long long Next() {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return state_ * 2685821657736338717ull;
    }
    std::size_t Below(std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(Next() % n); }

private:
    unsigned long long state_;
};

// Texts that tend to reach the corners of fixed-column numeric and keyword readers.
const char* const kTokens[] = {"0",          "-1",        "99999",  "2147483648", "-2147483649", "1e308",
                               "nan",        "inf",       "-0.000", "9999999999", ".",           "END",
                               "\r\n",       "\n",        " ",      "\t",         "\x81",        "\x82\xa0",
                               "TITLE     ", "POINT    ", "NODE ",  "DISP ",      "BLOCK",       "EOF"};

void Mutate(std::string& input, const std::vector<std::string>& corpus, Random& random,
            std::size_t maxLength) {
    const int steps = 1 + static_cast<int>(random.Below(4));
    for (int step = 0; step < steps; ++step) {
        const std::size_t at = random.Below(input.size() + 1);
        switch (random.Below(8)) {
        case 0: // one bit
            if (!input.empty()) {
                input[random.Below(input.size())] ^= static_cast<char>(1u << random.Below(8));
            }
            break;
        case 1: // one byte of any value
            if (!input.empty()) {
                input[random.Below(input.size())] = static_cast<char>(random.Below(256));
            }
            break;
        case 2: // a token put in
            input.insert(at, kTokens[random.Below(std::size(kTokens))]);
            break;
        case 3: // a token written over
            if (at < input.size()) {
                const std::string token = kTokens[random.Below(std::size(kTokens))];
                input.replace(at, std::min(token.size(), input.size() - at), token);
            }
            break;
        case 4: // a piece dropped
            input.erase(at, random.Below(64) + 1);
            break;
        case 5: // a piece repeated
            if (at < input.size()) {
                const std::string piece = input.substr(at, random.Below(256) + 1);
                input.insert(random.Below(input.size() + 1), piece);
            }
            break;
        case 6: // cut short
            input.resize(at);
            break;
        default: { // a piece of another seed
            const std::string& other = corpus[random.Below(corpus.size())];
            const std::size_t from = random.Below(other.size() + 1);
            input.insert(at, other.substr(from, random.Below(512) + 1));
            break;
        }
        }
    }
    if (input.size() > maxLength) {
        input.resize(maxLength);
    }
}

void Run(const std::string& input) {
    currentInput = input;
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(currentInput.data()), currentInput.size());
}

} // namespace

int main(int argc, char** argv) {
    const Options options = ParseOptions(argc, argv);
    crashFile = "crash-" + std::filesystem::path(argv[0]).filename().string();
    if (__sanitizer_set_death_callback) {
        __sanitizer_set_death_callback(SaveCurrentInput);
    }
    const std::vector<std::string> corpus = LoadSeeds(options.seedPaths);
    for (const std::string& seed : corpus) {
        Run(seed);
    }
    Random random(options.seed);
    const auto start = std::chrono::steady_clock::now();
    long long runs = 0;
    for (; options.runs < 0 || runs < options.runs; ++runs) {
        if (options.seconds > 0 && (runs & 15) == 0 &&
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() >=
                options.seconds) {
            break;
        }
        if (options.seconds <= 0 && options.runs < 0) {
            break; // no limit given: the seeds alone
        }
        std::string input = corpus[random.Below(corpus.size())];
        Mutate(input, corpus, random, options.maxLength);
        Run(input);
    }
    std::printf("Done %lld mutated runs of %zu seeds (seed %llu)\n", runs, corpus.size(), options.seed);
    return 0;
}
