// The DXF import into the section model and the model's DXF output: a failed or empty
// import leaves the model as it was, a limit keeps what was read, every imported point is a
// ground-surface point, the output shows what the view shows and audits clean, and the
// test-support program that other checks call.

#include "section_editor/core/CBlockDoc.h"
#include "section_editor/core/CDxfImport.h"
#include "section_editor/core/DxfLayerTable.h"
#include "section_editor/core/SectionDxfOutput.h"

#include "DxfTestFiles.h"
#include "platform/core/RecordingSink.h"
#include "testsupport/DxfAudit.h"
#include "testsupport/Fixtures.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>

using section::PointKind;

using merdok::CBlockDoc;
using merdok::CDxfImport;
using merdok::CNode;
using platform::Utf8;

namespace {

const std::vector<std::string> kGroundDrawing = {"0",  "LINE", "8",  "GL",   "10", "0.0",        "20", "0.0",
                                                 "11", "10.0", "21", "5.0",  "0",  "LWPOLYLINE", "8",  "GL2",
                                                 "90", "3",    "10", "10.0", "20", "5.0",        "10", "20.0",
                                                 "20", "5.0",  "10", "30.0", "20", "0.0"};

// Everything an import may change, as text.
std::string Contents(const CBlockDoc& doc) {
    std::ostringstream out;
    for (const merdok::RecordMap<CNode>* map : {&doc.m_mapNode, &doc.m_mapSite, &doc.m_mapBound}) {
        for (const auto& [key, point] : *map) {
            out << key << ':' << point->GetNumber() << ',' << section::StoredPointKind(point->GetKind())
                << ',' << point->GetX() << ',' << point->GetY() << ' ';
        }
        out << "| ";
    }
    for (const auto& [key, line] : doc.m_LineList) {
        out << key << ':' << line->GetNode1() << '-' << line->GetNode2() << ' ';
    }
    out << "| " << doc.m_nNodeCount << ' ' << doc.m_nLineCount << ' ' << doc.m_mapAllPoints.size() << ' '
        << doc.m_strPath.GetString();
    return out.str();
}

class DxfImportTest : public testsupport::TempDirTest {
protected:
    DxfImportTest() {
        for (double x : {0.0, 10.0, 20.0}) {
            doc_.MakePoint(PointKind::kGround, x, 50.0)->SetState(CNode::kNormal);
        }
        doc_.MakePoint(PointKind::kMeasurement, 5.0, 45.0)->SetState(CNode::kNormal);
        doc_.m_nLineCount = doc_.AddLine(0, 1, 0);
        doc_.m_nLineCount = doc_.AddLine(1, 2, doc_.m_nLineCount);
        doc_.SetLineStates(0);
        doc_.m_strPath = "/data/model.sec";
        doc_.m_nLimit[CBlockDoc::kNodeLimit] = doc_.m_nLimit[CBlockDoc::kLineLimit] = 5000;
    }
    CDxfImport::Result Import(const std::string& dxf, int clear) {
        doc_.m_strDxfFile = Path("drawing.dxf").c_str();
        if (!dxf.empty()) {
            dir_.Write("drawing.dxf", dxf);
        }
        doc_.m_nDxfNewRead = clear;
        return CDxfImport(doc_).Run(nullptr);
    }
    int Count(const char8_t* message) const {
        const std::vector<std::string> messages = sink_.MessagesUtf8();
        return static_cast<int>(std::count(messages.begin(), messages.end(), Utf8(message)));
    }

    CBlockDoc doc_;
};

TEST_F(DxfImportTest, AFailedOrEmptyImportLeavesTheModelAsItWas) {
    const std::string whole = dxftest::EntitiesDxf(kGroundDrawing);
    // A long polyline, cut inside for one case.
    std::vector<std::string> polyline = {"0", "POLYLINE", "8", "0"};
    for (int i = 0; i < 20000; ++i) {
        polyline.insert(polyline.end(), {"0", "VERTEX", "10", std::to_string(i * 0.5), "20", "3.0"});
    }
    const std::string longPolyline = dxftest::EntitiesDxf(polyline);
    const struct {
        const char* what;
        std::string dxf;
        std::vector<CString> layers;
        int clear;
        const char8_t* message;
    } cases[] = {
        {"truncated, adding", whole.substr(0, whole.size() / 2), {}, 0, u8"DXFﾌｧｲﾙの読み込みエラーです"},
        {"truncated, clearing", whole.substr(0, whole.size() / 2), {}, 1, u8"DXFﾌｧｲﾙの読み込みエラーです"},
        {"no chosen layer, clearing", whole, {"NONE"}, 1, u8"DXFﾌｧｲﾙには読み込めるデータがありません"},
        {"long polyline truncated, adding",
         longPolyline.substr(0, longPolyline.size() * 3 / 4),
         {},
         0,
         u8"DXFﾌｧｲﾙの読み込みエラーです"},
        {"binary",
         "AutoCAD Binary DXF\r\n\x1a" + std::string(40, '\0'),
         {},
         1,
         u8"DXFﾌｧｲﾙの読み込みエラーです"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        sink_.Clear();
        doc_.m_listDxfLayers[0] = c.layers;
        const std::string before = Contents(doc_);
        EXPECT_NE(Import(c.dxf, c.clear), CDxfImport::Result::kImported);
        EXPECT_EQ(Contents(doc_), before);
        EXPECT_EQ(Count(c.message), 1);
        EXPECT_EQ(doc_.m_dSnap, 0.01) << "the document's own same-point distance is back";
    }
}

// Added to a model with a gap in its keys and its next number above its highest key, a
// long polyline and a short one joined to the model's points: every line joins the points
// its segment ends at.
TEST_F(DxfImportTest, AddedPolylinesJoinTheirOwnPointsInAModelWithGapsInItsKeys) {
    doc_.DeleteContents();
    for (int& limit : doc_.m_nLimit) {
        limit = 10000;
    }
    for (double x : {0.0, 10.0, 20.0, 30.0}) {
        doc_.MakePoint(PointKind::kGround, x, 50.0);
    }
    doc_.m_mapNode.Lookup(1)->SetState(CNode::kSelected);
    doc_.DeletePointsInState(PointKind::kGround, CNode::kSelected);
    doc_.m_nNodeCount += 7;
    std::vector<std::string> groups = {"0", "POLYLINE", "8", "0"};
    for (int i = 0; i < 6000; ++i) {
        groups.insert(groups.end(), {"0", "VERTEX", "10", std::to_string(i * 0.5), "20", "100.0"});
    }
    groups.insert(groups.end(),
                  {"0",  "SEQEND", "0",  "LWPOLYLINE", "8",  "0",    "90", "3",      "10", "20.0",
                   "20", "50.0",   "10", "25.0",       "20", "60.0", "10", "2999.5", "20", "100.0"});
    ASSERT_EQ(Import(dxftest::EntitiesDxf(groups), 0), CDxfImport::Result::kImported);
    ASSERT_EQ(doc_.m_mapNode.GetCount(), 3 + 6000 + 1);
    std::vector<std::pair<double, double>> spans; // of every line, |dx| and |dy|
    for (const auto& [key, line] : doc_.m_LineList) {
        const CNode* a = doc_.m_mapNode.Lookup(line->GetNode1());
        const CNode* b = doc_.m_mapNode.Lookup(line->GetNode2());
        ASSERT_TRUE(a && b) << "line " << key;
        spans.emplace_back(std::abs(a->GetX() - b->GetX()), std::abs(a->GetY() - b->GetY()));
    }
    std::vector<std::pair<double, double>> expected(5999, {0.5, 0.0});
    expected.insert(expected.end(), {{5.0, 10.0}, {2974.5, 40.0}}); // from the model's (20, 50) on
    EXPECT_EQ(spans, expected);
}

TEST_F(DxfImportTest, EveryImportedPointIsAGroundPointJoinedToTheModel) {
    doc_.m_listDxfLayers[1] = {"GL"};
    doc_.m_listDxfLayers[2] = {"gl2"};
    ASSERT_EQ(Import(dxftest::EntitiesDxf(kGroundDrawing), 0), CDxfImport::Result::kImported);
    EXPECT_EQ(doc_.m_mapNode.GetCount(), 3 + 4) << "(10, 5) is read once";
    EXPECT_EQ(doc_.m_mapSite.GetCount(), 1);
    EXPECT_TRUE(doc_.m_mapBound.IsEmpty());
    for (const auto& [key, point] : doc_.m_mapNode) {
        EXPECT_EQ(point->GetKind(), PointKind::kGround);
        EXPECT_EQ(point->GetState(), CNode::kNormal);
    }
    EXPECT_EQ(doc_.m_LineList.GetCount(), 2 + 3);
    EXPECT_EQ(doc_.m_mapAllPoints.size(), 3U + 4U + 1U);
}

TEST_F(DxfImportTest, ALineDrawnAgainOrOverTheModelIsAddedOnce) {
    // One new line drawn twice and once backwards, a second line from its first point drawn
    // twice, and the model's line from 0 to 10.
    const std::vector<std::string> drawing = {
        "0", "LINE", "8", "GL", "10", "40.0", "20", "50.0", "11", "50.0", "21", "50.0",
        "0", "LINE", "8", "GL", "10", "40.0", "20", "50.0", "11", "50.0", "21", "50.0",
        "0", "LINE", "8", "GL", "10", "50.0", "20", "50.0", "11", "40.0", "21", "50.0",
        "0", "LINE", "8", "GL", "10", "40.0", "20", "50.0", "11", "40.0", "21", "60.0",
        "0", "LINE", "8", "GL", "10", "40.0", "20", "60.0", "11", "40.0", "21", "50.0",
        "0", "LINE", "8", "GL", "10", "10.0", "20", "50.0", "11", "0.0",  "21", "50.0"};
    ASSERT_EQ(Import(dxftest::EntitiesDxf(drawing), 0), CDxfImport::Result::kImported);
    EXPECT_EQ(doc_.m_mapNode.GetCount(), 3 + 3);
    EXPECT_EQ(doc_.m_LineList.GetCount(), 2 + 2);
}

TEST_F(DxfImportTest, ALimitPartWayKeepsWhatWasRead) {
    doc_.m_nLimit[CBlockDoc::kNodeLimit] = 5;
    ASSERT_EQ(Import(dxftest::EntitiesDxf(kGroundDrawing), 1), CDxfImport::Result::kImported);
    EXPECT_GT(doc_.m_mapNode.GetCount(), 0);
    EXPECT_EQ(Count(u8"点ﾃﾞｰﾀ制限を越えたため読み込みを中止します"), 1);
    EXPECT_EQ(Count(u8"DXFﾌｧｲﾙには読み込めるデータがありません"), 0);
    EXPECT_STREQ(doc_.m_strPath.GetString(), "/data/model.sec") << "emptying the model keeps its file";
}

TEST_F(DxfImportTest, TheLayerTableGivesTheDialogItsNames) {
    const std::string table = dxftest::DxfText(
        {"0",      "SECTION", "2",     "HEADER", "0",     "ENDSEC", "0",     "SECTION", "2",
         "TABLES", "0",       "TABLE", "2",      "LTYPE", "0",      "LTYPE", "2",       "DASHED",
         "0",      "ENDTAB",  "0",     "TABLE",  "2",     "LAYER",  "70",    "2",       "0",
         "LAYER",  "2",       "GL",    "70",     "0",     "0",      "LAYER", "2",       "\x92\x6e\x95\x5c",
         "0",      "ENDTAB",  "0",     "ENDSEC", "0",     "EOF"});
    // Entities on layers the table lacks ("GROUND", 基盤), one of them again in other
    // letters, and on the table's "GL" in small letters.
    const std::string entitiesOnFourLayers = dxftest::EntitiesDxf(
        {"0",  "LINE", "8",  "GROUND", "10", "0",    "20", "0",      "11", "1",
         "21", "0",    "0",  "LINE",   "8",  "gl",   "10", "1",      "20", "0",
         "11", "2",    "21", "0",      "0",  "LINE", "8",  "Ground", "10", "2",
         "20", "0",    "11", "3",      "21", "0",    "0",  "LINE",   "8",  "\x8a\xee\x94\xd5",
         "10", "3",    "20", "0",      "11", "4",    "21", "0"});
    const struct {
        const char* what;
        std::string text;
        BOOL result;
        std::vector<std::string> names;
        const char8_t* message; // null: none
    } cases[] = {
        {"whole table", table, TRUE, {"GL", "\x92\x6e\x95\x5c"}, nullptr},
        {"no tables: the entities' layers",
         dxftest::EntitiesDxf(kGroundDrawing),
         TRUE,
         {"GL", "GL2"},
         nullptr},
        {"layers the table lacks follow it, each once, as the import compares names",
         table.substr(0, table.rfind("0\r\nEOF")) + entitiesOnFourLayers,
         TRUE,
         {"GL", "\x92\x6e\x95\x5c", "GROUND", "\x8a\xee\x94\xd5"},
         nullptr},
        {"the last group's line holds a NUL: damage, not the end",
         table.substr(0, table.rfind("EOF") + 3) + std::string("\0\r\n", 3),
         FALSE,
         {"GL", "\x92\x6e\x95\x5c"},
         u8"ファイルが途中で終了しているため、読み込みできません"},
        {"ends inside a group",
         table.substr(0, table.find("\r\nENDTAB", table.find("LAYER")) + 2),
         FALSE,
         {"GL", "\x92\x6e\x95\x5c"},
         u8"ファイルが途中で終了しているため、読み込みできません"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        sink_.Clear();
        dir_.Write("layers.dxf", c.text);
        std::vector<CString> names;
        EXPECT_EQ(merdok::ReadDxfLayerNames(Path("layers.dxf").c_str(), names), c.result);
        std::vector<std::string> got;
        for (const CString& name : names) {
            got.emplace_back(name.GetString());
        }
        EXPECT_EQ(got, c.names);
        EXPECT_EQ(sink_.MessagesUtf8(),
                  c.message ? std::vector<std::string>{Utf8(c.message)} : std::vector<std::string>{});
    }
}

TEST_F(DxfImportTest, TheOutputShowsWhatTheViewShowsAndAuditsClean) {
    const DxfExtent box{0.0, 50.0, 20.0, 50.0};
    merdok::SectionDxfLook look;
    ASSERT_TRUE(merdok::WriteSectionDxf(doc_, Path("all.dxf").c_str(), box, look));
    look.lines = false;
    ASSERT_TRUE(merdok::WriteSectionDxf(doc_, Path("numbers.dxf").c_str(), box, look));
    look.lines = true;
    look.pointNumbers = false;
    ASSERT_TRUE(merdok::WriteSectionDxf(doc_, Path("lines.dxf").c_str(), box, look));
    CBlockDoc empty;
    ASSERT_TRUE(merdok::WriteSectionDxf(empty, Path("empty.dxf").c_str(), box, look));
    const auto count = [this](const std::string& name, const std::string& entity) {
        const std::string text = dir_.Read(name);
        int found = 0;
        for (std::size_t at = text.find("\n" + entity + "\r"); at != std::string::npos;
             at = text.find("\n" + entity + "\r", at + 1)) {
            ++found;
        }
        return found;
    };
    EXPECT_EQ(count("all.dxf", "LINE"), 2);
    EXPECT_EQ(count("all.dxf", "TEXT"), 3);
    EXPECT_EQ(count("numbers.dxf", "LINE"), 0);
    EXPECT_EQ(count("lines.dxf", "TEXT"), 0);
    EXPECT_NE(dir_.Read("empty.dxf").find("ENTITIES\r\n 0\r\nENDSEC"), std::string::npos);
    ASSERT_TRUE(testsupport::EzdxfAvailable()) << "ezdxf is not installed for /usr/bin/python3 (Debian "
                                                  "package python3-ezdxf; scripts/install-deps.sh)";
    EXPECT_EQ(testsupport::EzdxfAuditProblems(dir_.Path().string()), "");
}

TEST_F(DxfImportTest, TheTestSupportProgramImportsSavesAndPrintsItsMessages) {
    dir_.Write("drawing.dxf", dxftest::EntitiesDxf(kGroundDrawing));
    dir_.Write("settings.json",
               R"({"layer_lists": [["GL", "GL2"], [], []], "region": [null, 25.0, null, null],
                                    "clear_current_data": false})");
    const std::string command = std::string(SECTION_IMPORT_DXF) + " " + Path("drawing.dxf") + " " +
                                Path("settings.json") + " " + Path("out.sec");
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) {
        output += buffer;
    }
    EXPECT_EQ(::pclose(pipe), 0);
    EXPECT_EQ(output, Utf8(u8"DXFﾌｧｲﾙを新規に読み込みます。\\n開始してもよろしいですか？\n"));
    CBlockDoc saved;
    ASSERT_TRUE(saved.ReadSecFile(Path("out.sec").c_str()));
    EXPECT_EQ(saved.m_mapNode.GetCount(), 4) << "(0,0) (10,5) (20,5) and the cut at x = 25";
    EXPECT_EQ(std::system((std::string(SECTION_IMPORT_DXF) + " >/dev/null 2>&1").c_str()), 2 << 8);
}

} // namespace
