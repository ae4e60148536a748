// The list and log files as the list viewer indexes them, for each document type, and the
// rows of every page read back.

#include "FuzzSupport.h"

#include "list_viewer/core/CLineIndex.h"
#include "list_viewer/core/PageRows.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::QuietMessages();
    const std::string path = fuzz::WriteInput("input.log", data, size);
    for (int type : {wenux::kResultList, wenux::kCalculationLog, wenux::kDrawingLog, wenux::kEditErrorLog}) {
        wenux::CLineIndex index;
        if (index.OpenListFile(path.c_str(), wenux::LinesPerPageOf(type))) {
            std::vector<std::string> rows;
            for (int page = 0; page < index.PageCount(); ++page) {
                wenux::ReadPageRows(index, type, page, rows);
            }
        }
        index.CloseListFiles();
    }
    return 0;
}
