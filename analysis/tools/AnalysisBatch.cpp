// analysis-batch: runs one analysis of an analysis file without a window, for tests.
//
//   analysis-batch ANALYSIS.slo [--method N --option M] --save OUT.slo
//   analysis-batch ANALYSIS.slo --no-run --save OUT.slo
//   analysis-batch ANALYSIS.slo [--method N --option M | --no-run] [--settings FILE.INI] --plot
//                  [--save OUT.slo]
//
// Opens the analysis file with the files it names, runs the stored (or the given) method
// and two-point option as the analysis command does after the method dialog's OK, and
// saves to OUT.slo as the save command does. Every message box text goes to standard
// output, one UTF-8 line each; questions are answered with Yes. --plot writes the drawing
// run's plot index and page file beside the analysis file (no viewer is started) with the
// plot parameters and display settings of the analysis program's settings file given with
// --settings (its displacement-vector mode also applies to the run), else with the
// program's defaults. The settings file is only read; one that is not a regular file or
// is larger than a settings file may be is refused (on standard error) before anything runs.
// Paths are UTF-8 names on disk, taken as the suite's names as the window programs take them.
// Exit status: 0 when the file opened, the run (when asked for) made its slip line and the
// plot files and OUT.slo were written; 1 when the file did not open (nothing saved), the
// run was refused (OUT.slo is still saved) or a write failed; 2 on bad usage, a path that
// CP932 cannot hold or a settings file refused.

#include "platform/core/DiskNames.h"
#include "platform/core/FileSizeSignal.h"
#include "platform/core/ProfileFile.h"
#include "platform/core/StdoutMessageSink.h"

#include "analysis/core/AnalysisRun.h"
#include "analysis/core/CBlockDoc.h"
#include "analysis/core/PlotProfile.h"
#include "analysis/core/SolverLibrary.h"
#include "common/process/ChildCommandLine.h"
#include "platform/core/Unset.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/stat.h>

#ifndef KALIPE_LIBRARY_PATH
#define KALIPE_LIBRARY_PATH ""
#endif

namespace {

// Paths as the suite's names (CP932).
struct Arguments {
    CString analysis;
    CString output;
    CString settings;
    std::optional<int> method;
    std::optional<int> option;
    bool noRun = false;
    bool plot = false;
};

int Usage() {
    std::fputs("usage: analysis-batch ANALYSIS.slo [--method N --option M | --no-run] [--settings FILE.INI]\n"
               "                      [--plot] [--save OUT.slo]\n",
               stderr);
    return 2;
}

// A small choice given as one digit from 0 to last.
std::optional<int> Choice(const char* text, int last) {
    if (std::strlen(text) == 1 && text[0] >= '0' && text[0] <= '0' + last) {
        return text[0] - '0';
    }
    return std::nullopt;
}

// The suite's name of a path argument; false (told on standard error) when CP932 cannot
// hold it: an altered name would open or write another file.
bool TakePath(const char* diskName, CString& path) {
    std::optional<CString> name = process::SuiteArgument(diskName);
    if (!name) {
        std::fprintf(stderr, "analysis-batch: the path cannot be written in CP932: %s\n", diskName);
        return false;
    }
    path = *name;
    return !path.IsEmpty();
}

bool Parse(int argc, char** argv, Arguments& args) {
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        bool hasValue = i + 1 < argc;
        if (word == "--no-run") {
            args.noRun = true;
        } else if (word == "--plot") {
            args.plot = true;
        } else if (word == "--settings" && hasValue && args.settings.IsEmpty()) {
            if (!TakePath(argv[++i], args.settings)) {
                return false;
            }
        } else if (word == "--save" && hasValue && args.output.IsEmpty()) {
            if (!TakePath(argv[++i], args.output)) {
                return false;
            }
        } else if (word == "--method" && hasValue && !args.method) {
            args.method = Choice(argv[++i], 2);
            if (!args.method) {
                return false;
            }
        } else if (word == "--option" && hasValue && !args.option) {
            args.option = Choice(argv[++i], 1);
            if (!args.option) {
                return false;
            }
        } else if (word.rfind("--", 0) != 0 && args.analysis.IsEmpty()) {
            if (!TakePath(argv[i], args.analysis)) {
                return false;
            }
        } else {
            return false;
        }
    }
    bool chosen = args.method || args.option;
    return !args.analysis.IsEmpty() && (!args.output.IsEmpty() || args.plot) && !(args.noRun && chosen);
}

bool SameFile(const CString& a, const CString& b) {
    const std::filesystem::path diskA = platform::DiskName(a.GetString());
    const std::filesystem::path diskB = platform::DiskName(b.GetString());
    std::error_code error;
    if (std::filesystem::equivalent(diskA, diskB, error)) {
        return true;
    }
    return std::filesystem::weakly_canonical(diskA, error) ==
               std::filesystem::weakly_canonical(diskB, error) &&
           !error;
}

// A settings file is read as the suite reads its own: a missing one gives the defaults, and
// anything but a regular file of at most a settings file's size is refused (a FIFO would
// hold the run, a directory or a damaged file of gigabytes would be taken for defaults).
bool SettingsReadable(const CString& path) {
    const platform::DiskEntry entry = platform::EntryAt(path);
    struct stat info {};
    if (entry == platform::DiskEntry::Missing) {
        return true;
    }
    if (entry == platform::DiskEntry::RegularFile &&
        ::stat(platform::DiskName(path.GetString()).c_str(), &info) == 0 &&
        info.st_size <= static_cast<off_t>(platform::ProfileFile::kLargestFile)) {
        return true;
    }
    std::fprintf(stderr, "analysis-batch: the settings file is not a settings file that can be read: %s\n",
                 platform::DiskName(path.GetString()).c_str());
    return false;
}

} // namespace

int main(int argc, char** argv) {
    platform::IgnoreFileSizeSignal();
    Arguments args;
    if (!Parse(argc, argv, args) || (!args.output.IsEmpty() && SameFile(args.analysis, args.output))) {
        return Usage();
    }
    if (!args.settings.IsEmpty() && !SettingsReadable(args.settings)) {
        return 2;
    }
    platform::StdoutMessageSink sink;
    platform::SetMessageSink(&sink);
    torvan::CBlockDoc doc;
    if (!doc.OnOpenDocument(args.analysis)) {
        return 1;
    }
    for (const CString& reference :
         {doc.ResolveReferencePath(doc.SectionFile()), doc.ResolveReferencePath(doc.DispFile())}) {
        if (!args.output.IsEmpty() && SameFile(reference, args.output)) {
            return Usage(); // the input files are never written
        }
    }
    torvan::SheetParameters sheet;
    torvan::PlotStyle style = torvan::DefaultPlotStyle();
    if (!args.settings.IsEmpty()) {
        torvan::ReadPlotProfile(args.settings, sheet, style);
        if (style.vectorMode <= 2) { // as the view's initial update: other modes leave it
            doc.Settings().m_nVectorMode = style.vectorMode;
        }
    }
    doc.Sheet() = sheet;
    int status = 0;
    if (!args.noRun) {
        // The method dialog starts at the polynomial method when none is stored.
        int method = args.method.value_or(doc.Settings().m_nMethod == platform::kUnsetInt
                                              ? torvan::CBlockDoc::kPolynomial
                                              : doc.Settings().m_nMethod);
        int option = args.option.value_or(doc.Settings().m_nMethodOption);
        torvan::SolverLibrary solver;
        solver.Load(KALIPE_LIBRARY_PATH);
        // A refused run (its message told) still saves what the document holds, as the
        // window program keeps it, but is no success.
        if (!torvan::AnalysisRun(doc, solver.Entry()).Run(method, option)) {
            status = 1;
        }
    }
    if (args.plot) {
        doc.CalcMaxDisplacement();
        CString index;
        if (!doc.WritePlotFile(index, style)) {
            status = 1;
        }
    }
    if (!args.output.IsEmpty()) {
        doc.UpdatePathAndTitles(args.output);
        if (!doc.OnFileSave()) {
            status = 1;
        }
    }
    platform::SetMessageSink(nullptr);
    return status;
}
