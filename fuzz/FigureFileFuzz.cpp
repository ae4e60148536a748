// The drawing viewer's figure file as its open reads it, and its save of what was read.

#include "FuzzSupport.h"

#include "drawing_viewer/core/CMainDoc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::QuietMessages();
    const std::string path = fuzz::WriteInput("input.pfg", data, size);
    zapho::CMainDoc doc;
    if (doc.OnOpenDocument(path.c_str(), zapho::CMainDoc::kFigureExtension)) {
        doc.WriteFigureFile((fuzz::ScratchDirectory() + "/saved.pfg").c_str());
    }
    return 0;
}
