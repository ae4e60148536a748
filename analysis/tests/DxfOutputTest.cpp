// The analysis section as DXF: what reaches the file, the empty model's whole file, a
// failed write that leaves the older file, and the independent audit of what is written.

#include "analysis/core/AnalysisDxfOutput.h"
#include "analysis/core/CBlockDoc.h"
#include "analysis/core/CVerrant.h"

#include "platform/core/SafeFileWriter.h"
#include "testsupport/DxfAudit.h"
#include "testsupport/Fixtures.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace torvan {
namespace {

struct Group {
    std::string code;
    std::string value;
};

std::vector<Group> Groups(const std::string& text) {
    std::vector<Group> groups;
    std::istringstream in(text);
    auto trim = [](std::string s) {
        s.erase(0, s.find_first_not_of(" \r"));
        s.erase(s.find_last_not_of(" \r") + 1);
        return s;
    };
    for (std::string code, value; std::getline(in, code) && std::getline(in, value);) {
        groups.push_back({trim(code), trim(value)});
    }
    return groups;
}

// The layers of the POLYLINE entities in file order.
std::vector<std::string> PolylineLayers(const std::vector<Group>& groups) {
    std::vector<std::string> layers;
    for (std::size_t i = 0; i + 1 < groups.size(); ++i) {
        if (groups[i].code == "0" && groups[i].value == "POLYLINE") {
            for (std::size_t j = i + 1; j < groups.size() && groups[j].code != "0"; ++j) {
                if (groups[j].code == "8") {
                    layers.push_back(groups[j].value);
                }
            }
        }
    }
    return layers;
}

class DxfOutputTest : public testsupport::TempDirTest {
protected:
    void OpenSample() {
        for (const char* name : {"sample.slo", "sample.sec", "sample.dis"}) {
            std::filesystem::copy_file(std::string(VERRANT_SOURCE_DIR "/data/") + name, Path(name));
        }
        ASSERT_EQ(doc_.OnOpenDocument(Path("sample.slo").c_str()), 1);
    }
    void AddSlipLine(double y, bool shown) {
        auto* line = new CVerrant;
        line->x = {40.0, 80.0, 120.0};
        line->y = {y, y - 20.0, y};
        line->pointCount = 3;
        doc_.AddSlipLine(line);
        line->visible1 = shown ? 1 : 0;
    }
    bool Write(const std::string& name) {
        const AnalysisDxfColours colours{RGB(0, 0, 0), RGB(255, 0, 0)};
        return WriteAnalysisDxf(doc_, Path(name).c_str(), DxfExtent{0.0, 0.0, 200.0, 100.0}, colours);
    }

    CBlockDoc doc_;
};

TEST_F(DxfOutputTest, GroundLineAndShownSlipLinesOnTheirLayersOnly) {
    OpenSample();
    ASSERT_FALSE(doc_.GroundOrder().IsEmpty());
    AddSlipLine(70.0, true);
    AddSlipLine(66.6, false);
    ASSERT_TRUE(Write("section.dxf"));
    const std::string text = dir_.Read("section.dxf");
    EXPECT_EQ(PolylineLayers(Groups(text)), (std::vector<std::string>{"0", "1"}));
    EXPECT_EQ(text.find("66.6"), std::string::npos) << "the hidden slip line is left out";
}

TEST_F(DxfOutputTest, AnEmptyModelGivesAWholeFileWithNoEntities) {
    ASSERT_TRUE(Write("empty.dxf"));
    const std::vector<Group> groups = Groups(dir_.Read("empty.dxf"));
    ASSERT_GE(groups.size(), 3U);
    EXPECT_EQ(groups.back().value, "EOF");
    bool emptyEntities = false;
    for (std::size_t i = 0; i + 1 < groups.size(); ++i) {
        emptyEntities |= groups[i].value == "ENTITIES" && groups[i + 1].value == "ENDSEC";
    }
    EXPECT_TRUE(emptyEntities);
}

TEST_F(DxfOutputTest, AFailedWriteLeavesTheOlderFileAndSaysSo) {
    dir_.Write("old.dxf", "older drawing");
    platform::SafeFileWriter::SetStepHookForTesting([](platform::SafeWriteStep step) {
        return step == platform::SafeWriteStep::SyncTemporary ? EIO : 0;
    });
    EXPECT_FALSE(Write("old.dxf"));
    platform::SafeFileWriter::SetStepHookForTesting(nullptr);
    EXPECT_EQ(dir_.Read("old.dxf"), "older drawing");
    EXPECT_EQ(sink_.LastMessageUtf8(), platform::Utf8(u8"DXFﾌｧｲﾙ出力に失敗しました !!!"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.Path()), {}), 1)
        << "no temporary is left";
}

TEST_F(DxfOutputTest, AnOutputDirectoryThatCannotTakeTheFileIsReported) {
    dir_.Write("plain", "a file, not a directory");
    EXPECT_FALSE(Write("plain/section.dxf"));
    EXPECT_EQ(sink_.LastMessageUtf8(), platform::Utf8(u8"出力ﾌｧｲﾙをｵｰﾌﾟﾝできません"));
}

TEST_F(DxfOutputTest, WrittenFilesAuditClean) {
    ASSERT_TRUE(testsupport::EzdxfAvailable()) << "ezdxf is not installed for /usr/bin/python3 (Debian "
                                                  "package python3-ezdxf; scripts/install-deps.sh)";
    ASSERT_TRUE(Write("empty.dxf"));
    OpenSample();
    AddSlipLine(70.0, true);
    ASSERT_TRUE(Write("section.dxf"));
    EXPECT_EQ(testsupport::EzdxfAuditProblems(dir_.Path().string()), "");
}

} // namespace
} // namespace torvan
