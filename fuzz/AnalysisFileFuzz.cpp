// The analysis file, opened as the analysis program opens a document: with the section
// model and measurement files it names (the bundled samples lie beside it).

#include "FuzzSupport.h"

#include "analysis/core/CBlockDoc.h"
#include "platform/core/CException.h"

namespace {

void PlaceReferenceFiles() {
    static const bool placed = [] {
        for (const char* file :
             {VERRANT_FUZZ_SAMPLE_DIR "/sample.sec", VERRANT_FUZZ_SAMPLE_DIR "/sample.dis",
              VERRANT_FUZZ_MODEL_DATA_DIR "/small.sec", VERRANT_FUZZ_MODEL_DATA_DIR "/small.dis"}) {
            fuzz::CopyIntoScratch(file);
        }
        return true;
    }();
    (void)placed;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::QuietMessages();
    PlaceReferenceFiles();
    const std::string path = fuzz::WriteInput("input.slo", data, size);
    torvan::CBlockDoc doc;
    try {
        doc.OnOpenDocument(path.c_str());
    } catch (const CException&) {
        // a read error ends with the framework's exception after its message
    }
    return 0;
}
