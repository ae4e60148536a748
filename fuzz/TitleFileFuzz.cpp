// The title registration file: read, a title added and the list written back.

#include "FuzzSupport.h"

#include "common/records/CTitleFile.h"
#include "platform/core/CException.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::QuietMessages();
    const std::string path = fuzz::WriteInput("title.idx", data, size);
    CTitleFile titles(path.c_str());
    try {
        titles.ReadTitles();
        titles.AddTitle("NEW TITLE");
        titles.WriteTitles(20);
    } catch (const CException&) {
        // file errors end with the framework's exception after their message
    }
    return 0;
}
