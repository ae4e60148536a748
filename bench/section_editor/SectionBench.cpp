// The section model file of 10,000 ground points: ground-line check plus write with the
// line keys in reverse order of the walk, and the read against reading its lines alone.

#include "common/records/CTextFile.h"
#include "section_editor/core/CBlockDoc.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <unistd.h>

namespace {

constexpr int kPoints = 10000;

std::string BenchPath(const char* name) {
    return (std::filesystem::temp_directory_path() / ("merdok_bench_" + std::to_string(::getpid()) + name))
        .string();
}

// Points 1 .. n along a slope; line key k joins the points n - 1 - k and n - k, so the
// walk from point 1 meets the lines in reverse key order.
void FillDocument(merdok::CBlockDoc& doc) {
    for (int& limit : doc.m_nLimit) {
        limit = kPoints;
    }
    for (int i = 0; i < kPoints; ++i) {
        auto point = std::make_unique<merdok::CNode>(i + 1, i * 0.5, 100.0 - i * 0.01, 0);
        doc.m_mapNode.SetAt(i, std::move(point));
    }
    doc.m_nNodeCount = kPoints;
    for (int key = 0; key < kPoints - 1; ++key) {
        auto line = std::make_unique<merdok::CLine>(kPoints - 2 - key, kPoints - 1 - key);
        line->SetNumber(key + 1);
        line->SetKey(key);
        doc.m_LineList.SetAt(key, std::move(line));
    }
    doc.m_nLineCount = kPoints - 1;
}

void BM_CheckAndWriteGroundLine(benchmark::State& state) {
    merdok::CBlockDoc doc;
    FillDocument(doc);
    std::string path = BenchPath(".sec");
    for (auto _ : state) {
        std::vector<const merdok::CNode*> order;
        doc.CheckGroundLine(order, false);
        doc.WriteSecFile(path.c_str(), order);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_CheckAndWriteGroundLine)->Unit(benchmark::kMillisecond);

class ReadFixture : public benchmark::Fixture {
public:
    void SetUp(const benchmark::State&) override {
        path_ = BenchPath("_read.sec");
        merdok::CBlockDoc doc;
        FillDocument(doc);
        std::vector<const merdok::CNode*> order;
        doc.CheckGroundLine(order, false);
        doc.WriteSecFile(path_.c_str(), order);
    }
    void TearDown(const benchmark::State&) override { std::filesystem::remove(path_); }

protected:
    std::string path_;
};

BENCHMARK_DEFINE_F(ReadFixture, ReadSectionModel)(benchmark::State& state) {
    for (auto _ : state) {
        merdok::CBlockDoc doc;
        for (int& limit : doc.m_nLimit) {
            limit = kPoints;
        }
        benchmark::DoNotOptimize(doc.ReadSecFile(path_.c_str()));
    }
}
BENCHMARK_REGISTER_F(ReadFixture, ReadSectionModel)->Unit(benchmark::kMillisecond);

// The yardstick: the same file's lines read and nothing else done.
BENCHMARK_DEFINE_F(ReadFixture, ReadLinesOnly)(benchmark::State& state) {
    for (auto _ : state) {
        CTextFile file;
        file.Open(path_.c_str(), CFile::modeRead);
        char buffer[82];
        int status = 0;
        int count = 0;
        while (file.ReadLineStatus(buffer, sizeof buffer, status)) {
            ++count;
        }
        benchmark::DoNotOptimize(count);
        file.Close();
    }
}
BENCHMARK_REGISTER_F(ReadFixture, ReadLinesOnly)->Unit(benchmark::kMillisecond);

} // namespace
