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
// program's defaults. The settings file is only read.
// Exit status: 0 when the file opened (and the plot files and OUT.slo were written), 1 when
// it did not (nothing saved) or a write failed, 2 on bad usage.

#include "platform/core/FileSizeSignal.h"
#include "platform/core/StdoutMessageSink.h"

#include "analysis/core/AnalysisRun.h"
#include "analysis/core/CBlockDoc.h"
#include "analysis/core/PlotProfile.h"
#include "analysis/core/SolverLibrary.h"
#include "platform/core/Unset.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

#ifndef KALIPE_LIBRARY_PATH
#define KALIPE_LIBRARY_PATH ""
#endif

namespace {

struct Arguments {
    std::string analysis;
    std::string output;
    std::string settings;
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

bool Parse(int argc, char** argv, Arguments& args) {
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        bool hasValue = i + 1 < argc;
        if (word == "--no-run") {
            args.noRun = true;
        } else if (word == "--plot") {
            args.plot = true;
        } else if (word == "--settings" && hasValue && args.settings.empty()) {
            args.settings = argv[++i];
        } else if (word == "--save" && hasValue && args.output.empty()) {
            args.output = argv[++i];
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
        } else if (word.rfind("--", 0) != 0 && args.analysis.empty()) {
            args.analysis = word;
        } else {
            return false;
        }
    }
    bool chosen = args.method || args.option;
    return !args.analysis.empty() && (!args.output.empty() || args.plot) && !(args.noRun && chosen);
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    if (std::filesystem::equivalent(a, b, error)) {
        return true;
    }
    return std::filesystem::weakly_canonical(a, error) == std::filesystem::weakly_canonical(b, error) &&
           !error;
}

} // namespace

int main(int argc, char** argv) {
    platform::IgnoreFileSizeSignal();
    Arguments args;
    if (!Parse(argc, argv, args) || (!args.output.empty() && SameFile(args.analysis, args.output))) {
        return Usage();
    }
    platform::StdoutMessageSink sink;
    platform::SetMessageSink(&sink);
    torvan::CBlockDoc doc;
    if (!doc.OnOpenDocument(args.analysis.c_str())) {
        return 1;
    }
    for (const CString& reference :
         {doc.ResolveReferencePath(doc.SectionFile()), doc.ResolveReferencePath(doc.DispFile())}) {
        if (!args.output.empty() && SameFile(reference.GetString(), args.output)) {
            return Usage(); // the input files are never written
        }
    }
    torvan::SheetParameters sheet;
    torvan::PlotStyle style = torvan::DefaultPlotStyle();
    if (!args.settings.empty()) {
        torvan::ReadPlotProfile(CString(args.settings), sheet, style);
        if (style.vectorMode <= 2) { // as the view's initial update: other modes leave it
            doc.Settings().m_nVectorMode = style.vectorMode;
        }
    }
    doc.Sheet() = sheet;
    if (!args.noRun) {
        // The method dialog starts at the polynomial method when none is stored.
        int method = args.method.value_or(doc.Settings().m_nMethod == platform::kUnsetInt
                                              ? torvan::CBlockDoc::kPolynomial
                                              : doc.Settings().m_nMethod);
        int option = args.option.value_or(doc.Settings().m_nMethodOption);
        torvan::SolverLibrary solver;
        solver.Load(KALIPE_LIBRARY_PATH);
        torvan::AnalysisRun(doc, solver.Entry()).Run(method, option);
    }
    int status = 0;
    if (args.plot) {
        doc.CalcMaxDisplacement();
        CString index;
        if (!doc.WritePlotFile(index, style)) {
            status = 1;
        }
    }
    if (!args.output.empty()) {
        doc.UpdatePathAndTitles(args.output.c_str());
        if (!doc.OnFileSave()) {
            status = 1;
        }
    }
    platform::SetMessageSink(nullptr);
    return status;
}
