// plot-convert: reads a drawing as the viewer's open does and saves it as the viewer's
// save does, without a window, for tests.
//
//   plot-convert INPUT OUTPUT.pfg
//
// INPUT is a plot index file (".p00", its page files beside it) or a figure file (".pfg"),
// chosen by its extension in any case. Every message the open shows goes to standard
// output as one UTF-8 line. No settings are read. Exit status: 0 when OUTPUT was written,
// 1 when the open failed or OUTPUT could not be written (no output file then), 2 on bad
// usage (also when OUTPUT names an input file). The input files are never changed.

#include "drawing_viewer/core/CMainDoc.h"
#include "platform/core/FileSizeSignal.h"
#include "platform/core/StdoutMessageSink.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <strings.h>
#include <system_error>

namespace {

int Usage() {
    std::fputs("usage: plot-convert INPUT.p00|INPUT.pfg OUTPUT.pfg\n", stderr);
    return 2;
}

bool HasExtension(const std::string& path, const char* extension) {
    std::string ext = std::filesystem::path(path).extension().string();
    return strcasecmp(ext.c_str(), extension) == 0;
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    if (std::filesystem::equivalent(a, b, error)) {
        return true;
    }
    return std::filesystem::weakly_canonical(a, error) == std::filesystem::weakly_canonical(b, error);
}

} // namespace

int main(int argc, char** argv) {
    platform::IgnoreFileSizeSignal();
    if (argc != 3) {
        return Usage();
    }
    const std::string input = argv[1];
    const std::string output = argv[2];
    const char* extension = HasExtension(input, ".p00")   ? zapho::CMainDoc::kPlotExtension
                            : HasExtension(input, ".pfg") ? zapho::CMainDoc::kFigureExtension
                                                          : nullptr;
    if (!extension || SameFile(input, output)) {
        return Usage();
    }
    platform::StdoutMessageSink sink;
    platform::SetMessageSink(&sink);
    zapho::CMainDoc doc;
    int status = 1;
    if (doc.OnOpenDocument(input.c_str(), extension)) {
        status = 0;
        for (const CString& page : doc.PageFiles()) {
            if (SameFile(page.GetString(), output)) {
                status = 2;
            }
        }
        if (status == 0 && !doc.WriteFigureFile(output.c_str())) {
            status = 1;
        }
    }
    doc.ReleasePlotFiles();
    platform::SetMessageSink(nullptr);
    // Out without taking the drawing apart: the system takes its memory back at once, where
    // dropping a million items one by one cost a tenth of the conversion.
    std::exit(status == 2 ? Usage() : status);
}
