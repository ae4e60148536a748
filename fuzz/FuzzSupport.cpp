#include "FuzzSupport.h"

#include "platform/core/MessageSink.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <unistd.h>

namespace fuzz {

namespace {

class QuietSink : public platform::MessageSink {
public:
    int ShowMessage(const CString&, const CString&, UINT type) override {
        return platform::DefaultButton(type);
    }
    void Beep(UINT) override {}
};

struct Scratch {
    Scratch() {
        // Memory-backed /dev/shm when there is one: every run writes its input as a file.
        const char* base = std::getenv("TMPDIR");
        std::string root = base && base[0] ? base : ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::string pattern = root + "/verrant-fuzz-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        path = pattern;
    }
    ~Scratch() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string path;
};

} // namespace

void QuietMessages() {
    static QuietSink sink;
    static bool installed = (platform::SetMessageSink(&sink), true);
    (void)installed;
}

const std::string& ScratchDirectory() {
    static Scratch scratch;
    return scratch.path;
}

std::string WriteInput(const std::string& name, const std::uint8_t* data, std::size_t size) {
    const std::string path = ScratchDirectory() + "/" + name;
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

void CopyIntoScratch(const std::string& sourcePath) {
    const std::filesystem::path source(sourcePath);
    std::filesystem::copy_file(source, std::filesystem::path(ScratchDirectory()) / source.filename(),
                               std::filesystem::copy_options::overwrite_existing);
}

} // namespace fuzz
