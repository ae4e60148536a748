// plot-convert: reads a drawing as the viewer's open does and saves it as the viewer's
// save does, without a window, for tests.
//
//   plot-convert INPUT OUTPUT.pfg
//
// INPUT is a plot index file (".p00", its page files beside it) or a figure file (".pfg"),
// chosen by its extension in any case. Both paths are UTF-8 names on disk, taken as the
// suite's names as the window programs take them. Every message the open shows goes to
// standard output as one UTF-8 line. No settings are read. Exit status: 0 when OUTPUT was
// written, 1 when the open failed or OUTPUT could not be written (no output file then), 2 on
// bad usage (also when OUTPUT names an input file, or a path CP932 cannot hold). The input
// files are never changed.

#include "common/process/ChildCommandLine.h"
#include "drawing_viewer/core/CMainDoc.h"
#include "platform/core/DiskNames.h"
#include "platform/core/FileSizeSignal.h"
#include "platform/core/StdoutMessageSink.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace {

int Usage() {
    std::fputs("usage: plot-convert INPUT.p00|INPUT.pfg OUTPUT.pfg\n", stderr);
    return 2;
}

// Paths are the suite's names (CP932), compared as the files on disk they name.
bool SameFile(const CString& a, const CString& b) {
    const std::filesystem::path diskA = platform::DiskName(a.GetString());
    const std::filesystem::path diskB = platform::DiskName(b.GetString());
    std::error_code error;
    if (std::filesystem::equivalent(diskA, diskB, error)) {
        return true;
    }
    return std::filesystem::weakly_canonical(diskA, error) == std::filesystem::weakly_canonical(diskB, error);
}

} // namespace

int main(int argc, char** argv) {
    platform::IgnoreFileSizeSignal();
    if (argc != 3) {
        return Usage();
    }
    const std::optional<CString> inputName = process::SuiteArgument(argv[1]);
    const std::optional<CString> outputName = process::SuiteArgument(argv[2]);
    if (!inputName || !outputName) {
        std::fprintf(stderr, "plot-convert: the path cannot be written in CP932: %s\n",
                     argv[inputName ? 2 : 1]);
        return Usage();
    }
    const CString& input = *inputName;
    const CString& output = *outputName;
    const char* extension = process::HasExtension(input, ".p00")   ? zapho::CMainDoc::kPlotExtension
                            : process::HasExtension(input, ".pfg") ? zapho::CMainDoc::kFigureExtension
                                                                   : nullptr;
    if (!extension || SameFile(input, output)) {
        return Usage();
    }
    platform::StdoutMessageSink sink;
    platform::SetMessageSink(&sink);
    zapho::CMainDoc doc;
    int status = 1;
    if (doc.OnOpenDocument(input, extension)) {
        status = 0;
        for (const CString& page : doc.PageFiles()) {
            if (SameFile(page, output)) {
                status = 2;
            }
        }
        if (status == 0 && !doc.WriteFigureFile(output)) {
            status = 1;
        }
    }
    doc.ReleasePlotFiles();
    platform::SetMessageSink(nullptr);
    // Out without taking the drawing apart: the system takes its memory back at once, where
    // dropping a million items one by one cost a tenth of the conversion.
    std::exit(status == 2 ? Usage() : status);
}
