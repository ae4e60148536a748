// A page exported as DXF: the entities the plot items become, and an independent audit of
// whole exports by ezdxf.

#include "drawing_viewer/core/CMainDoc.h"
#include "drawing_viewer/core/CPlotArrow.h"
#include "drawing_viewer/core/CPlotCenterMark.h"
#include "drawing_viewer/core/CPlotCircle.h"
#include "drawing_viewer/core/CPlotDxfWriter.h"
#include "drawing_viewer/core/CPlotLine.h"
#include "drawing_viewer/core/CPlotPolygon.h"
#include "drawing_viewer/core/CPlotRectAngle.h"
#include "testsupport/DxfAudit.h"
#include "testsupport/Fixtures.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <utility>
#include <vector>

namespace zapho {
namespace {

using Groups = std::vector<std::pair<std::string, std::string>>;

// The groups of a section (ENTITIES unless named), codes without their blanks.
Groups EntityGroups(const std::string& dxf, const std::string& section = "ENTITIES") {
    std::istringstream in(dxf);
    Groups groups;
    std::string code;
    std::string value;
    bool inside = false;
    while (std::getline(in, code) && std::getline(in, value)) {
        auto trim = [](std::string text) {
            text.erase(0, text.find_first_not_of(" \r"));
            text.erase(text.find_last_not_of(" \r") + 1);
            return text;
        };
        code = trim(code);
        value = trim(value);
        if (code == "2" && value == section) {
            inside = true;
        } else if (inside && code == "0" && value == "ENDSEC") {
            break;
        } else if (inside) {
            groups.emplace_back(code, value);
        }
    }
    return groups;
}

// The value of the first group with this code after the n-th entity of the type; empty when none.
std::string ValueOf(const Groups& groups, const std::string& type, const std::string& code, int nth = 0) {
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (groups[i].first == "0" && groups[i].second == type && nth-- == 0) {
            for (std::size_t j = i + 1; j < groups.size() && groups[j].first != "0"; ++j) {
                if (groups[j].first == code) {
                    return groups[j].second;
                }
            }
            return "(no group " + code + ")";
        }
    }
    return "";
}

class DxfExportTest : public testsupport::TempDirTest {
protected:
    void SetUp() override {
        PlotDrawing& drawing = doc_.m_drawing;
        drawing.AddPage().m_values[PlotPage::kWidth] = 2970;
        drawing.Page(0).m_values[PlotPage::kHeight] = 2100;
        Add(new CPlotLine({100, 100}, {500, 100}, 0, 1), 9);
        Add(new CPlotCenterMark({300, 300}, 20, 9, 0, 3), 12);
        Add(new CPlotCenterMark({350, 300}, 20, 8, 0, 3), 12);
        const CPoint triangle[3] = {{0, 0}, {100, 0}, {50, 80}};
        Add(new CPlotPolygon(triangle, 3, 0, 1, kNoFill), 0);
        Add(new CPlotPolygon(triangle, 3, 0, 1, 2), 0);
        drawing.m_userColors[2] = RGB(250, 10, 10);
        Add(new CPlotArrow({400, 400}, {800, 400}, 1, 0, 25, 10, 24), 0);
        Add(new CPlotArrow({400, 500}, {800, 500}, 1, 0, 25, 0, 14), 0);
        Add(new CPlotArrow({400, 600}, {800, 600}, 1, 0, 25, 10, 21), 0);
        auto* arc = new CPlotCircle({1000, 1000}, 100, 0, 1);
        arc->m_arcStart = CPoint(1100, 1000);
        arc->m_arcEnd = CPoint(1000, 1100);
        Add(arc, 0);
        Add(new CPlotCircle({1000, 1000}, 50, 1, 3), 0);
        Add(new CPlotRectAngle({0, 2100}, {2970, 0}, 0, 5, 0), 0);
        Add(new CPlotRectAngle({100, 300}, {200, 200}, 0, 1, 2), 0);
        Add(new CPlotLine({100, 150}, {500, 150}, 4, 1), 0);
        Add(new CPlotLine({100, 200}, {500, 200}, 2, 0), 0);
        AddText("AB", 50, 0);
        AddText("\x93\xfa\x96\x7b\x8c\xea", 45, 900); // Japanese
    }
    void Add(CPlotData* item, int color) {
        doc_.m_drawing.AddPlotItem(std::unique_ptr<CPlotData>(item), 0, color, 0);
    }
    void AddText(const char* text, int height, int escapement) {
        PlotDrawing& drawing = doc_.m_drawing;
        auto item = std::make_unique<CPlotString>(600, 700, text,
                                                  drawing.GetNewFontIndex(height, 0, escapement, 0), 0);
        item->m_nEscapement = escapement;
        drawing.Page(0).m_texts.push_back(std::move(item));
    }
    Groups Export(CPlotDxfWriter& writer, const std::string& name) {
        EXPECT_TRUE(writer.ExportPage(Path(name).c_str(), doc_.m_drawing, 0));
        return EntityGroups(dir_.Read(name));
    }

    CMainDoc doc_;
};

TEST_F(DxfExportTest, ItemsBecomeTheirEntities) {
    CPlotDxfWriter plain;
    Groups groups = Export(plain, "plain.dxf");
    EXPECT_EQ(ValueOf(groups, "LINE", "10"), "10.0") << "width code 1 in monochrome is a LINE";
    EXPECT_EQ(ValueOf(groups, "INSERT", "2"), "CENTER-9");
    EXPECT_EQ(ValueOf(groups, "INSERT", "2", 1), "CENTER-8");
    EXPECT_EQ(ValueOf(groups, "INSERT", "2", 2), "ARROW-1") << "an open head of width 0 is a block";
    EXPECT_EQ(ValueOf(groups, "HATCH", "62", 1), "") << "only the filled polygon is written";
    EXPECT_NE(ValueOf(groups, "HATCH", "62"), "0");
    EXPECT_EQ(ValueOf(groups, "ARC", "51"), "90.000");
    EXPECT_EQ(ValueOf(groups, "TEXT", "40"), "4.0") << "single-byte text of height 50";
    EXPECT_EQ(ValueOf(groups, "TEXT", "41"), "1.250");
    EXPECT_EQ(ValueOf(groups, "TEXT", "50", 1), "270.0");
    EXPECT_EQ(ValueOf(groups, "TEXT", "41", 1), "(no group 41)") << "double-byte text at half-width scale 1";
    const int widthColors[4] = {5, 8, 1, 6};
    CPlotDxfWriter byWidth(0.5, 1.0, CPlotDxfWriter::kWidthColors, widthColors);
    groups = Export(byWidth, "width.dxf");
    EXPECT_EQ(ValueOf(groups, "LINE", "10"), "");
    EXPECT_EQ(ValueOf(groups, "POLYLINE", "40"), "0.15");
    EXPECT_EQ(ValueOf(groups, "POLYLINE", "62"), "5");
}

// Lines keep the type they are drawn with, and a coloured centre mark keeps its colour in
// every part of its block.
TEST_F(DxfExportTest, LinesKeepTheirTypesAndMarksTheirColours) {
    const int widthColors[4] = {5, 8, 1, 6};
    CPlotDxfWriter colored(0.5, 1.0, CPlotDxfWriter::kCurrentColors, widthColors);
    const Groups groups = Export(colored, "colored.dxf");
    const auto lineTypeAt = [&groups](const std::string& y) {
        for (int nth = 0; !ValueOf(groups, "LINE", "20", nth).empty(); ++nth) {
            if (ValueOf(groups, "LINE", "20", nth) == y) {
                return ValueOf(groups, "LINE", "6", nth);
            }
        }
        return std::string("(no line)");
    };
    EXPECT_EQ(lineTypeAt("15.0"), "DASHDOTDOT");
    EXPECT_EQ(lineTypeAt("20.0"), "DOT") << "a dotted line of width code 0";
    EXPECT_EQ(ValueOf(groups, "INSERT", "62"), "5") << "the mark's colour on its INSERT";
    const Groups tables = EntityGroups(dir_.Read("colored.dxf"), "TABLES");
    EXPECT_NE(
        std::find(tables.begin(), tables.end(), std::make_pair(std::string("2"), std::string("DASHDOTDOT"))),
        tables.end());
    const Groups blocks = EntityGroups(dir_.Read("colored.dxf"), "BLOCKS");
    int parts = 0;
    for (const char* type : {"LINE", "SOLID", "CIRCLE"}) {
        for (int nth = 0; !ValueOf(blocks, type, "62", nth).empty(); ++nth, ++parts) {
            EXPECT_EQ(ValueOf(blocks, type, "62", nth), "0") << type << " " << nth << ": BYBLOCK";
        }
    }
    EXPECT_GT(parts, 10);
}

TEST_F(DxfExportTest, ItemsPastTheDrawingListsLimitAreExportedToo) {
    while (doc_.m_drawing.Page(0).m_items.size() < PlotDrawing::kPrimaryListLimit) {
        Add(new CPlotLine({100, 900}, {500, 900}, 0, 1), 0);
    }
    Add(new CPlotLine({100, 1900}, {500, 1900}, 0, 1), 0);
    ASSERT_EQ(doc_.m_drawing.Page(0).m_overflow.size(), 1u);
    CPlotDxfWriter plain;
    const Groups groups = Export(plain, "full.dxf");
    EXPECT_NE(
        std::find(groups.begin(), groups.end(), std::make_pair(std::string("20"), std::string("190.0"))),
        groups.end());
}

TEST_F(DxfExportTest, ExportsAuditClean) {
    ASSERT_TRUE(testsupport::EzdxfAvailable())
        << "ezdxf is not installed for /usr/bin/python3 (Debian package "
           "python3-ezdxf; scripts/install-deps.sh)";
    const int widthColors[4] = {5, 8, 1, 6};
    for (int method = 0; method < 3; ++method) {
        for (int version : {0, 14}) {
            CPlotDxfWriter writer(0.5, 0.8, method, widthColors);
            writer.m_nVersion = version;
            ASSERT_TRUE(writer.ExportPage(
                Path("page-" + std::to_string(method) + "-" + std::to_string(version) + ".dxf").c_str(),
                doc_.m_drawing, 0));
        }
    }
    const std::string script = dir_.Write("audit.py", R"(
import glob, sys, ezdxf
bad = 0
for path in sorted(glob.glob(sys.argv[1] + '/*.dxf')):
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    for item in auditor.errors + auditor.fixes:
        print(path, item.code, item.message); bad += 1
    if not doc.modelspace().query('TEXT').first:
        print(path, 'no text'); bad += 1
sys.exit(1 if bad else 0)
)");
    const std::string command = "/usr/bin/python3 " + script + " " + dir_.Path().string() + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string report;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) {
        report += buffer;
    }
    EXPECT_EQ(::pclose(pipe), 0) << report;
}

} // namespace
} // namespace zapho
