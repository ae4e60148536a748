// A settings file: the keys the programs read, then one key written back into it.

#include "FuzzSupport.h"

#include "platform/core/ProfileFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::QuietMessages();
    const std::string path = fuzz::WriteInput("input.INI", data, size);
    const platform::ProfileFile profile(path.c_str());
    for (const char* key : {"FileName1", "FileName2", "FileName3", "FileName4"}) {
        profile.GetString("Input File", key, "");
    }
    profile.GetInt("System", "Count Limit", 0);
    profile.GetString("Title", "Font", "default");
    profile.WriteString("Input File", "FileName2", "/d/written.sec");
    profile.WriteInt("System", "Count Limit", 12);
    return 0;
}
