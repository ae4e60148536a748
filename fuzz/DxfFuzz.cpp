// The DXF import into a section model document, on every layer and then on chosen layers
// with a region and a same-point distance.

#include "FuzzSupport.h"

#include "RecordingDocument.h"
#include "common/dxf/CDxfReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::QuietMessages();
    const std::string path = fuzz::WriteInput("input.dxf", data, size);
    {
        dxftest::RecordingDocument document;
        CDxfReader(document).ImportDxf(path.c_str());
    }
    dxftest::RecordingDocument chosen;
    chosen.settings.layerLists[0].push_back("0");
    chosen.settings.layerLists[1].push_back("GROUND");
    chosen.settings.samePointDistance = 0.5;
    chosen.settings.region[0] = -1000.0;
    chosen.settings.region[1] = 1000.0;
    chosen.pointLimit = 500;
    chosen.lineLimit = 500;
    CDxfReader(chosen).ImportDxf(path.c_str());
    return 0;
}
