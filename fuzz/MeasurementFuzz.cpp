// The measurement displacement file as the analysis program reads it.

#include "FuzzSupport.h"

#include "analysis/core/CBlockDoc.h"
#include "platform/core/CException.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::QuietMessages();
    const std::string path = fuzz::WriteInput("input.dis", data, size);
    torvan::CBlockDoc doc;
    try {
        doc.ReadDisFile(path.c_str());
        doc.CalcMaxDisplacement();
    } catch (const CException&) {
        // a read error ends with the framework's exception after its message
    }
    return 0;
}
