// The figure file: its three versions read, the current one written, and the damaged files
// that must never open as a document.

#include "drawing_viewer/core/CMainDoc.h"
#include "drawing_viewer/core/CPlotArrow.h"
#include "drawing_viewer/core/CPlotCenterMark.h"
#include "drawing_viewer/core/CPlotCircle.h"
#include "drawing_viewer/core/CPlotLine.h"
#include "drawing_viewer/core/CPlotPolyLine.h"
#include "drawing_viewer/core/CPlotPolygon.h"
#include "drawing_viewer/core/CPlotRectAngle.h"
#include "testsupport/ChildProcess.h"
#include "testsupport/FileBytes.h"
#include "testsupport/Fixtures.h"

#include <climits>
#include <cstring>

namespace zapho {
namespace {

// Builds figure file bytes with 2-byte ints (versions 1.0 and 1.1) or 4-byte ints.
class FigureBytes {
public:
    explicit FigureBytes(const char* version) : shortInts_(std::strcmp(version, "Plot Ver.1.2") != 0) {
        String(version);
    }
    FigureBytes& Int(int value) { return Raw(&value, shortInts_ ? 2 : 4); }
    FigureBytes& Ints(std::initializer_list<int> values) {
        for (int value : values) {
            Int(value);
        }
        return *this;
    }
    FigureBytes& Color(unsigned value) { return Raw(&value, 4); }
    FigureBytes& String(const std::string& text) {
        unsigned short length = static_cast<unsigned short>(text.size());
        Raw(&length, 2);
        bytes_ += text;
        return *this;
    }
    const std::string& Bytes() const { return bytes_; }
    // The unset int as this version stores it.
    int Unset() const { return shortInts_ ? -32767 : INT_MIN; }

private:
    FigureBytes& Raw(const void* value, std::size_t size) {
        bytes_.append(static_cast<const char*>(value), size);
        return *this;
    }
    bool shortInts_;
    std::string bytes_;
};

// One page: a line (width unset in the old form), a filled polygon, a text in font 0; one
// font; user colour 3 given twice.
std::string SamplePage(FigureBytes& file, bool pageValues) {
    if (pageValues) {
        file.Ints({9, 2, 2970, 2100});
    }
    file.Ints({2, 1, 9, 4, 10, 20, 30, 40, file.Unset(), 1}); // line, colour 9, group 4
    file.Ints({8, 0, 0, 3, 0, 0, 100, 0, 100, 100, 1, 0, 3}); // polygon, fill 3
    file.Int(0);                                              // overflow list
    file.Ints({1, 5, 12, 0, 500, 600}).String("\x93\xfa\x96\x7b").Ints({1, 0, 6, 900}); // text
    file.Int(1).String("\x82\x6c\x82\x72 Gothic").Ints({128, 25, 0, 900, 3});           // font
    file.Int(2).Int(3).Color(0x0000FF).Int(3).Color(0x00FF00);                          // colours
    return file.Bytes();
}

class FigureFileTest : public testsupport::TempDirTest {
protected:
    BOOL Open(const std::string& bytes) {
        return doc_.OnOpenDocument(dir_.Write("in.pfg", bytes).c_str(), CMainDoc::kFigureExtension);
    }
    void ExpectSample(int pages) {
        const PlotDrawing& drawing = doc_.m_drawing;
        ASSERT_EQ(drawing.PageCount(), pages);
        const PlotPage& page = drawing.Page(pages - 1);
        EXPECT_EQ(page.m_values[0], 9);
        EXPECT_EQ(page.m_values[3], 2100);
        ASSERT_EQ(page.m_items.size(), 2u);
        auto* line = dynamic_cast<const CPlotLine*>(page.m_items[0].get());
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->m_end, CPoint(30, 40));
        EXPECT_EQ(line->m_nWidth, INT_MIN);
        EXPECT_EQ(line->m_nColor, 9);
        EXPECT_EQ(line->m_nGroup, 4);
        auto* polygon = dynamic_cast<const CPlotPolygon*>(page.m_items[1].get());
        ASSERT_NE(polygon, nullptr);
        EXPECT_EQ(polygon->m_points.size(), 3u);
        EXPECT_EQ(polygon->m_nFill, 3);
        ASSERT_EQ(page.m_texts.size(), 1u);
        EXPECT_EQ(page.m_texts[0]->m_text.str(), "\x93\xfa\x96\x7b");
        EXPECT_EQ(page.m_texts[0]->m_nEscapement, 900);
        ASSERT_EQ(drawing.m_fonts.size(), 1u);
        EXPECT_EQ(drawing.m_fonts[0]->m_nOrientation, 900);
        EXPECT_EQ(drawing.m_fonts[0]->m_nClipPrecision & 0x10, 0x10);
        ASSERT_EQ(drawing.m_userColors.size(), 1u);
        EXPECT_EQ(drawing.m_userColors.at(3), 0x0000FFu) << "a repeated colour keeps its first value";
    }
    // Saves, reads the save back and saves again: both saves are the same bytes.
    void ExpectStableSave() {
        ASSERT_TRUE(doc_.SaveFigureFile(Path("a.pfg").c_str()));
        CMainDoc again;
        ASSERT_TRUE(again.OnOpenDocument(Path("a.pfg").c_str(), CMainDoc::kFigureExtension));
        ASSERT_TRUE(again.SaveFigureFile(Path("b.pfg").c_str()));
        EXPECT_EQ(dir_.Read("a.pfg"), dir_.Read("b.pfg"));
    }

    CMainDoc doc_;
};

TEST_F(FigureFileTest, VersionOneZeroSharesItsPageValues) {
    FigureBytes file("Plot Ver.1.0");
    file.Ints({9, 2, 2970, 2100}).Int(2);
    file.Ints({0, 0, 0}); // page 0 empty
    ASSERT_TRUE(Open(SamplePage(file, false)));
    ExpectSample(2);
    EXPECT_EQ(doc_.m_drawing.Page(0).m_values[0], 9);
    ExpectStableSave();
}

TEST_F(FigureFileTest, VersionOneOneAndOneTwoRoundTrip) {
    for (const char* version : {"Plot Ver.1.1", "Plot Ver.1.2"}) {
        FigureBytes file(version);
        file.Int(1);
        ASSERT_TRUE(Open(SamplePage(file, true))) << version;
        ExpectSample(1);
        ExpectStableSave();
    }
}

// Every item kind, repeated until the file is ten times the reading and writing buffer, so
// that items straddle the buffer's end at many offsets: each field is read into its place
// and the file is written back byte for byte.
TEST_F(FigureFileTest, EveryItemKindRoundTripsAcrossBufferEnds) {
    constexpr int kRepeats = 2000;
    FigureBytes file("Plot Ver.1.2");
    file.Ints({1, 9, 2, 2970, 2100, 7 * kRepeats});
    for (int i = 0; i < kRepeats; ++i) {
        file.Ints({1, 1, i, 10, 11, 12, 13, 14, 15});                // line
        file.Ints({2, 2, i, 2, 20, 21, 22, 23, 24, 25});             // polyline of 2 points
        file.Ints({3, 3, i, 30, 31, 32, 33, 34, 35, 36, 37, 38});    // arrow
        file.Ints({4, 4, i, 40, 41, 42, 43, 44, 45});                // centre mark
        file.Ints({6, 5, i, 60, 61, 62, 63, 64, 65, 66, 67, 68});    // arc
        file.Ints({7, 6, i, 70, 71, 72, 73, 74, 75, 76});            // rectangle
        file.Ints({8, 7, i, 3, 80, 81, 82, 83, 84, 85, 86, 87, 88}); // polygon of 3 points
    }
    file.Ints({0, kRepeats});
    for (int i = 0; i < kRepeats; ++i) {
        file.Ints({5, 8, i, 90, 91}).String("text").Ints({92, 0, 93, 94});
    }
    file.Int(1).String("font").Ints({128, 25, 0, 900, 3}).Int(0);
    ASSERT_TRUE(Open(file.Bytes()));

    const PlotPage& page = doc_.m_drawing.Page(0);
    ASSERT_EQ(page.m_items.size(), 7u * kRepeats);
    const auto* last = &page.m_items[7 * (kRepeats - 1)];
    auto* line = dynamic_cast<const CPlotLine*>(last[0].get());
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->m_nGroup, kRepeats - 1);
    EXPECT_EQ(line->m_end, CPoint(12, 13));
    EXPECT_EQ(line->m_nLineType, 15);
    auto* polyline = dynamic_cast<const CPlotPolyLine*>(last[1].get());
    ASSERT_NE(polyline, nullptr);
    EXPECT_EQ(polyline->m_points.at(1), CPoint(22, 23));
    EXPECT_EQ(polyline->m_nLineType, 25);
    auto* arrow = dynamic_cast<const CPlotArrow*>(last[2].get());
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(arrow->m_end, CPoint(32, 33));
    EXPECT_EQ(arrow->m_nHeadLength, 36);
    EXPECT_EQ(arrow->m_nStyle, 38);
    auto* mark = dynamic_cast<const CPlotCenterMark*>(last[3].get());
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->m_nSize, 42);
    EXPECT_EQ(mark->m_nKind, 44);
    EXPECT_EQ(mark->m_nWidth, 45);
    auto* arc = dynamic_cast<const CPlotCircle*>(last[4].get());
    ASSERT_NE(arc, nullptr);
    EXPECT_EQ(arc->m_arcEnd, CPoint(62, 63));
    EXPECT_EQ(arc->m_centre, CPoint(64, 65));
    EXPECT_EQ(arc->m_nRadius, 66);
    EXPECT_EQ(arc->m_nLineType, 68);
    auto* rectangle = dynamic_cast<const CPlotRectAngle*>(last[5].get());
    ASSERT_NE(rectangle, nullptr);
    EXPECT_EQ(rectangle->m_rect, CRect(70, 72, 71, 73)) << "stored left, right, top, bottom";
    EXPECT_EQ(rectangle->m_nFill, 76);
    auto* polygon = dynamic_cast<const CPlotPolygon*>(last[6].get());
    ASSERT_NE(polygon, nullptr);
    EXPECT_EQ(polygon->m_points.at(2), CPoint(84, 85));
    EXPECT_EQ(polygon->m_nFill, 88);
    ASSERT_EQ(page.m_texts.size(), static_cast<std::size_t>(kRepeats));
    EXPECT_EQ(page.m_texts.back()->m_y, 91);
    EXPECT_EQ(page.m_texts.back()->m_text.str(), "text");
    EXPECT_EQ(page.m_texts.back()->m_nAlign, 93);

    ASSERT_TRUE(doc_.SaveFigureFile(Path("out.pfg").c_str()));
    EXPECT_TRUE(dir_.Read("out.pfg") == file.Bytes()) << "the save differs from what was read";
}

TEST_F(FigureFileTest, EmptyPageIs54Bytes) {
    doc_.m_drawing.AddPage();
    ASSERT_TRUE(doc_.SaveFigureFile(Path("empty.pfg").c_str()));
    std::string expected =
        FigureBytes("Plot Ver.1.2").Ints({1, INT_MIN, INT_MIN, 0, 0, 0, 0, 0, 0, 0}).Bytes();
    EXPECT_EQ(dir_.Read("empty.pfg"), expected);
    EXPECT_EQ(expected.size(), 54u);
}

TEST_F(FigureFileTest, DamagedFilesNeverOpen) {
    const std::string kData = platform::Utf8(u8"[図面ﾌｧｲﾙ ｴﾗｰ] ﾃﾞｰﾀを読み込めません");
    FigureBytes valid("Plot Ver.1.2");
    valid.Int(1);
    const std::string sample = SamplePage(valid, true);
    struct Case {
        std::string name;
        std::string bytes;
        std::string message;
    } cases[] = {
        {"51 pages", FigureBytes("Plot Ver.1.2").Int(51).Bytes(), kData},
        {"-1 pages", FigureBytes("Plot Ver.1.2").Int(-1).Bytes(), kData},
        {"text type in a drawing list", FigureBytes("Plot Ver.1.2").Ints({1, 0, 0, 0, 0, 1, 5, 0, 0}).Bytes(),
         kData},
        {"unknown type", FigureBytes("Plot Ver.1.2").Ints({1, 0, 0, 0, 0, 1, 9, 0, 0}).Bytes(), kData},
        {"font index outside",
         FigureBytes("Plot Ver.1.2")
             .Ints({1, 0, 0, 0, 0, 0, 0, 1, 5, 0, 0, 0, 0})
             .String("a")
             .Ints({0, 0, 8, 0, 0, 0, 0})
             .Bytes(),
         kData},
        {"129-byte text",
         FigureBytes("Plot Ver.1.2")
             .Ints({1, 0, 0, 0, 0, 0, 0, 1, 5, 0, 0, 0, 0})
             .String(std::string(129, 'a'))
             .Bytes(),
         kData},
        {"unknown version", FigureBytes("Plot Ver.2.0").Int(0).Bytes(),
         platform::Utf8(u8"[図面ﾌｧｲﾙ ｴﾗｰ] 形式ｴﾗｰのため、読み込みできません")},
        {"empty file", "", platform::Utf8(u8"図面ﾌｧｲﾙのｴﾗｰのため、読み込みできません")},
    };
    for (const Case& c : cases) {
        sink_.Clear();
        EXPECT_FALSE(Open(c.bytes)) << c.name;
        EXPECT_EQ(sink_.LastMessageUtf8(), c.message) << c.name;
        EXPECT_EQ(doc_.m_drawing.PageCount(), 0) << c.name;
    }
    for (std::size_t length = 14; length < sample.size(); ++length) {
        sink_.Clear();
        EXPECT_FALSE(Open(sample.substr(0, length))) << length;
        EXPECT_EQ(sink_.LastMessageUtf8(), kData) << length;
    }
}

TEST_F(FigureFileTest, FailedSaveKeepsTheOldFile) {
    doc_.m_drawing.AddPage();
    for (int i = 0; i < 1000; ++i) {
        doc_.m_drawing.AddPlotItem(std::make_unique<CPlotLine>(CPoint(i, i), CPoint(0, 0), 0, 1), 0, 0, 0);
    }
    const std::string old = dir_.Write("keep.pfg", "old contents");
    // A write past the file-size limit is a write error, not a full disk.
    const std::string writeError = platform::Utf8(u8"ﾌｧｲﾙ書き込みｴﾗｰです");
    int status = testsupport::RunInChildWithFileSizeLimit(4096, [&] {
        return doc_.SaveFigureFile(old.c_str()) ? 0 : sink_.LastMessageUtf8() == writeError ? 1 : 2;
    });
    EXPECT_EQ(status, 1);
    EXPECT_EQ(dir_.Read("keep.pfg"), "old contents");
    EXPECT_EQ(dir_.EntryCount(), 1) << "no temporary stays";
}

} // namespace
} // namespace zapho
