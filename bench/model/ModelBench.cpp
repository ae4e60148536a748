// Block division and slip-line construction at the count limits: 2000 ground-surface
// points and 1000 measurement points, read from files laid out as the editors write them.

#include "analysis/core/AnalysisRun.h"
#include "analysis/core/CBlockDoc.h"
#include "analysis/core/CVerrant.h"
#include "platform/core/CodePage.h"
#include "platform/core/MessageSink.h"
#include "platform/core/NumberFormat.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

constexpr int kGroundPoints = 2000;
constexpr int kSites = 1000;
constexpr double kLength = 1000.0;

// Keeps only the last message, for the error report of a run that made no slip line.
class SilentSink : public platform::MessageSink {
public:
    int ShowMessage(const CString& text, const CString&, UINT) override {
        last = platform::Cp932ToUtf8(text.GetString());
        return IDYES;
    }
    void Beep(UINT) override {}
    std::string last;
};

double GroundY(double x) {
    return 400.0 - 0.3 * x + 4.0 * std::sin(x / 37.0);
}

std::string Title(const char* tag) {
    return "TITLE     limits" + std::string(44, ' ') + tag + "\r\n";
}

std::string Point(int number, int kind, double x, double y, const std::string& name) {
    return platform::FormatC("%5d%5d%10.3f%10.3f", number, kind, x, y) +
           (name.empty() ? "" : "     " + name) + "\r\n";
}

void WriteSection(const std::filesystem::path& path) {
    std::string text = Title("MERDOK001") +
                       platform::FormatC("MSIZE     %10.3f%10.3f%10.3f%10.3f\r\n", 0.0, kLength, 0.0, 500.0) +
                       "NODE\r\n";
    for (int i = 0; i < kGroundPoints; ++i) {
        double x = i * kLength / (kGroundPoints - 1);
        text += Point(i + 1, 0, x, GroundY(x), "");
    }
    text += "LINE\r\n";
    for (int i = 0; i < kGroundPoints; i += 10) {
        for (int j = i; j < i + 10 && j < kGroundPoints; ++j) {
            text += platform::FormatC("%5d", j + 1);
        }
        text += "\r\n";
    }
    text += "SITE\r\n";
    for (int i = 0; i < kSites; ++i) {
        double x = 2.0 + i * (kLength - 4.0) / kSites;
        text += Point(i + 1, 1, x, GroundY(x), "S" + std::to_string(i + 1));
    }
    text += "BOUND\r\n" + Point(1, 3, 1.0, GroundY(1.0), "L") + Point(2, 4, 999.0, GroundY(999.0), "R") +
            "END\r\n";
    std::ofstream(path, std::ios::binary) << text;
}

// The direction turns slowly from 5 degrees down to 5 up, so that the normals of neighbouring
// vectors meet kilometres away and the nearly vertical block lines stay inside the frame.
void WriteMeasurements(const std::filesystem::path& path) {
    std::string text =
        Title("GOLMIR001") + "ANGLE               \r\nDATE\r\n2026,4,1,0,0\r\n2026,10,1,0,0\r\n";
    for (int i = 0; i < kSites; ++i) {
        double t = static_cast<double>(i) / (kSites - 1);
        double angle = (-5.0 + 10.0 * t) * std::acos(-1.0) / 180.0;
        text += "DISP          0S" + std::to_string(i + 1) + "\r\n";
        text += platform::FormatC("%10.2f%10.2f\r\n", 1.0, 1.0);
        text += platform::FormatC("%10.2f%10.2f\r\n", 5000.0 * std::cos(angle) + 1.0,
                                  5000.0 * std::sin(angle) + 1.0);
    }
    std::ofstream(path, std::ios::binary) << (text + "END\r\n");
}

class LimitModel {
public:
    LimitModel() {
        dir_ = std::filesystem::temp_directory_path() / ("model_bench_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        WriteSection(dir_ / "limits.sec");
        WriteMeasurements(dir_ / "limits.dis");
        // Reloading the references takes the section model's boundary points as well.
        doc_.SetSectionFile((dir_ / "limits.sec").c_str());
        doc_.SetDispFile((dir_ / "limits.dis").c_str());
        doc_.ReloadReferenceFiles();
    }
    ~LimitModel() { std::filesystem::remove_all(dir_); }
    torvan::CBlockDoc& Doc() { return doc_; }

private:
    std::filesystem::path dir_;
    torvan::CBlockDoc doc_;
};

void RunMethod(benchmark::State& state, int method) {
    SilentSink sink;
    platform::SetMessageSink(&sink);
    LimitModel model;
    torvan::CBlockDoc& doc = model.Doc();
    for (auto _ : state) {
        int made = torvan::AnalysisRun(doc, nullptr).Run(method, 0);
        if (made != 1 || doc.Blocks().GetCount() != kSites) {
            std::string error = "no slip line at the limits: " + sink.last;
            state.SkipWithError(error.c_str());
            break;
        }
        delete static_cast<torvan::CVerrant*>(doc.SlipLines().RemoveTail());
    }
    platform::SetMessageSink(nullptr);
}

void BM_ParallelMethodAtTheLimits(benchmark::State& state) {
    RunMethod(state, torvan::CBlockDoc::kParallel);
}
void BM_RotationMethodAtTheLimits(benchmark::State& state) {
    RunMethod(state, torvan::CBlockDoc::kRotation);
}

} // namespace

BENCHMARK(BM_ParallelMethodAtTheLimits)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RotationMethodAtTheLimits)->Unit(benchmark::kMillisecond);
