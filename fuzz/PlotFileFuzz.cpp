// The drawing viewer's plot files: the input is a page file, named by an index whose
// second line is the input's first line (so index lines are tried as well).

#include "FuzzSupport.h"

#include "drawing_viewer/core/CMainDoc.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::QuietMessages();
    const std::string text(reinterpret_cast<const char*>(data), size);
    fuzz::WriteInput("page.p01", data, size);
    const std::string index = "page.p01 2970 2100 0.1 8\n" + text.substr(0, text.find('\n')) + "\n";
    const std::string path =
        fuzz::WriteInput("plot.p00", reinterpret_cast<const std::uint8_t*>(index.data()), index.size());
    zapho::CMainDoc doc;
    doc.OnOpenDocument(path.c_str(), zapho::CMainDoc::kPlotExtension);
    return 0;
}
