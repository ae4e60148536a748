// The section model file as the section model editor reads it (shared reader, the editor's
// own checks and limits), then saved again when it opened: the ground-line check, the
// refusal of values too wide for their columns and the writer.

#include "FuzzSupport.h"

#include "section_editor/core/CBlockDoc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::QuietMessages();
    const std::string path = fuzz::WriteInput("input.sec", data, size);
    merdok::CBlockDoc doc;
    if (doc.ReadSecFile(path.c_str())) {
        doc.OnSaveDocument((fuzz::ScratchDirectory() + "/saved.sec").c_str());
    }
    return 0;
}
