// The plot index and page files as the analysis program writes them, and the reading
// decisions for damaged or unusual files.

#include "drawing_viewer/core/CMainDoc.h"
#include "drawing_viewer/core/CPlotArrow.h"
#include "drawing_viewer/core/CPlotCircle.h"
#include "drawing_viewer/core/CPlotLine.h"
#include "drawing_viewer/core/CPlotPolyLine.h"
#include "drawing_viewer/core/CPlotPolygon.h"
#include "drawing_viewer/core/CPlotRectAngle.h"
#include "testsupport/ChildProcess.h"
#include "testsupport/DamagedTextFile.h"
#include "testsupport/FileBytes.h"
#include "testsupport/Fixtures.h"

#include <climits>
#include <cstdint>
#include <filesystem>
#include <map>

namespace zapho {
namespace {

class PlotReaderTest : public testsupport::TempDirTest {
protected:
    // Writes an index naming one page file per text and opens it.
    BOOL OpenPages(const std::vector<std::string>& pages) {
        std::string index;
        for (std::size_t i = 0; i < pages.size(); ++i) {
            std::string name = "page" + std::to_string(i) + ".p01";
            dir_.Write(name, pages[i]);
            index += name + " 2970 2100 0.1 8\n";
        }
        return Open(index);
    }
    BOOL Open(const std::string& index) {
        return doc_.OnOpenDocument(dir_.Write("plot.p00", index).c_str(), CMainDoc::kPlotExtension);
    }
    PlotPage& Page(int page = 0) { return doc_.m_drawing.Page(page); }
    template <typename Item> Item& ItemAt(int index, int page = 0) {
        auto* item = dynamic_cast<Item*>(Page(page).m_items.at(static_cast<std::size_t>(index)).get());
        EXPECT_NE(item, nullptr);
        return *item;
    }

    CMainDoc doc_;
};

TEST_F(PlotReaderTest, IndexLineGivesPageValuesPaperAndOrientation) {
    EXPECT_FALSE(Open("\"my page.p01\" 2970 2100 0.1 8\r\n")) << "the page file is missing";
    dir_.Write("my page.p01", "L0,0,10,10");
    ASSERT_TRUE(Open("  \"my page.p01\"   2970 2100 0.1 8"));
    EXPECT_EQ(Page().m_values[0], 9);
    EXPECT_EQ(Page().m_values[1], 2);
    EXPECT_EQ(Page().m_values[2], 2970);
    EXPECT_EQ(Page().m_values[3], 2100);
    EXPECT_EQ(Page().m_items.size(), 1u) << "a last line without a line feed counts";
}

// An index whose whole lines are followed by NUL bytes to 2 GB or by a line over 64 KiB is
// damaged, not an index of fewer pages: it is refused with the read error where it turns, and
// the rest is never read.
TEST_F(PlotReaderTest, AnIndexThatTurnsToNulsOrAnOverlongLineIsRefusedAsDamaged) {
    dir_.Write("a.p01", "L0,0,10,10");
    dir_.Write("b.p01", "L0,0,20,20");
    const std::string index = dir_.File("plot.p00");
    for (const auto& damaged :
         testsupport::DamagedTextFiles("a.p01 2970 2100 0.1 8\r\n", "b.p01 2970 2100 0.1 8\r\n")) {
        SCOPED_TRACE(damaged.name);
        testsupport::WriteDamagedTextFile(index, damaged);
        sink_.Clear();
        const long long before = testsupport::BytesReadByProcess();
        EXPECT_FALSE(doc_.OnOpenDocument(index.c_str(), CMainDoc::kPlotExtension));
        EXPECT_LT(testsupport::BytesReadByProcess() - before, 1LL << 20) << "bytes read";
        EXPECT_EQ(sink_.MessagesUtf8(), std::vector<std::string>{platform::Utf8(u8"ﾌｧｲﾙ読み込みｴﾗｰです")});
        EXPECT_EQ(doc_.m_drawing.PageCount(), 0);
    }
}

TEST_F(PlotReaderTest, RefusedIndexes) {
    struct Case {
        std::string index;
        const char8_t* message; // null: no message
    } cases[] = {
        {"", u8"/plot.p00\n作図出力ﾌｧｲﾙにﾍﾟｰｼﾞがありません"},
        {"../secret.p01 2970 2100 0.1 8\n",
         u8"作図出力ﾌｧｲﾙのﾍﾟｰｼﾞ名が正しくありません\n../secret.p01 2970 2100 0.1 8"},
        {"sub/a.p01 2970 2100 0.1 8\n",
         u8"作図出力ﾌｧｲﾙのﾍﾟｰｼﾞ名が正しくありません\nsub/a.p01 2970 2100 0.1 8"},
    };
    for (const Case& c : cases) {
        sink_.Clear();
        EXPECT_FALSE(Open(c.index)) << c.index;
        EXPECT_EQ(doc_.m_drawing.PageCount(), 0);
        ASSERT_EQ(sink_.MessageCount(), c.message ? 1 : 0) << c.index;
        if (c.message) {
            const std::string expected = platform::Utf8(c.message);
            const std::string shown = sink_.LastMessageUtf8();
            EXPECT_TRUE(shown == expected || shown == dir_.Path().string() + expected) << shown;
        }
    }
    sink_.Clear();
    EXPECT_FALSE(Open("gone.p01 2970 2100 0.1 8\n"));
    EXPECT_EQ(sink_.LastMessageUtf8(),
              platform::Utf8(u8"ﾌｧｲﾙを開く際にｴﾗｰが発生しました(ｴﾗｰ番号2)\n ") + Path("gone.p01"));
}

// A damaged page or index line is named and left out; the other pages open.
TEST_F(PlotReaderTest, DamagedPartsAreReportedAndTheOtherPagesOpen) {
    struct Case {
        const char* what;
        std::string index;
        std::string page; // the bytes of bad.p01 (absent when empty)
        std::string message;
    } cases[] = {
        {"an index line cut short", "good.p01 2970 2100 0.1 8\nbad.p01 2970 21\n", "",
         Path("plot.p00") + platform::Utf8(u8"\n作図出力ﾌｧｲﾙの行が正しくありません\nbad.p01 2970 21")},
        {"a missing page", "bad.p01 2970 2100 0.1 8\ngood.p01 2970 2100 0.1 8\n", "",
         platform::Utf8(u8"ﾌｧｲﾙを開く際にｴﾗｰが発生しました(ｴﾗｰ番号2)\n ") + Path("bad.p01")},
        {"a page of binary bytes", "bad.p01 2970 2100 0.1 8\ngood.p01 2970 2100 0.1 8\n",
         std::string("L0,0,1,1\n\x00\x01\x02\xff", 13),
         Path("bad.p01") + platform::Utf8(u8"\n作図ｺﾏﾝﾄﾞﾌｧｲﾙではありません")},
        {"a page of other text", "good.p01 2970 2100 0.1 8\nbad.p01 2970 2100 0.1 8\n",
         "TITLE  section\n    1   10.0   20.0\n",
         Path("bad.p01") + platform::Utf8(u8"\n作図ｺﾏﾝﾄﾞﾌｧｲﾙではありません")},
    };
    dir_.Write("good.p01", "S30\nP text\nL0,0,10,10\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(Path("bad.p01"));
        if (!c.page.empty()) {
            dir_.Write("bad.p01", c.page);
        }
        sink_.Clear();
        ASSERT_TRUE(Open(c.index));
        ASSERT_EQ(doc_.m_drawing.PageCount(), 1);
        EXPECT_EQ(Page().m_values[PlotPage::kHeight], 2100);
        EXPECT_EQ(Page().m_items.size(), 1u);
        EXPECT_EQ(Page().m_texts.size(), 1u);
        EXPECT_EQ(doc_.m_drawing.m_fonts.size(), 1u);
        ASSERT_EQ(sink_.MessageCount(), 1);
        EXPECT_EQ(sink_.LastMessageUtf8(), c.message);
    }
}

// An index line of a megabyte is damage, cut as it is read (the index is refused with the
// read error), and a page of a gigabyte is left out after its first part, never held whole
// (the child has 256 MB to spare); the good page opens.
TEST_F(PlotReaderTest, HugeIndexLinesAndPagesAreCutOrLeftOutAsTheyAreRead) {
    dir_.Write("good.p01", "S30\nP text\nL0,0,10,10\n");
    EXPECT_FALSE(Open("good.p01 2970 2100 0.1 8\n" + std::string(1 << 20, 'x') + "\n"));
    EXPECT_EQ(doc_.m_drawing.PageCount(), 0);
    EXPECT_EQ(sink_.MessagesUtf8(), std::vector<std::string>{platform::Utf8(u8"ﾌｧｲﾙ読み込みｴﾗｰです")});

    const std::string huge = Path("huge.p01");
    dir_.Write("huge.p01", "L0,0,10,10\n");
    std::filesystem::resize_file(huge, std::uintmax_t{1} << 30);
    const int result = testsupport::RunInChildWithMemoryLimit(256 << 20, [this, &huge] {
        sink_.Clear();
        if (!Open("huge.p01 2970 2100 0.1 8\ngood.p01 2970 2100 0.1 8\n") ||
            doc_.m_drawing.PageCount() != 1) {
            return 10;
        }
        return sink_.MessageCount() == 1 &&
                       sink_.LastMessageUtf8() == huge + platform::Utf8(u8"\n作図ｺﾏﾝﾄﾞﾌｧｲﾙではありません")
                   ? 0
                   : 11;
    });
    EXPECT_EQ(result, 0);
}

// Lines the reader ignores leave the argument arrays to the commands that follow.
TEST_F(PlotReaderTest, IgnoredLinesLeaveTheArgumentsAsTheyWere) {
    for (const char* ignored :
         {"E5,7", "F5,7", "H5,7", "I5,7", "J5,7", "K5,7", "R5,7", "U5,7", "X5,7", "#5,7", "l5,7", "55,7"}) {
        SCOPED_TRACE(ignored);
        ASSERT_TRUE(OpenPages({std::string("T1,3\n") + ignored + "\nT2\nL0,0,10,10\n"}));
        EXPECT_EQ(ItemAt<CPlotLine>(0).m_nWidth, 5) << "T 2 still reads the width 3 of T 1,3";
    }
}

TEST_F(PlotReaderTest, SixtyIndexLinesReadFiftyPages) {
    dir_.Write("a.p01", "");
    std::string index;
    for (int i = 0; i < 60; ++i) {
        index += "a.p01 100 200 0.1 " + std::to_string(i % 12) + "\n";
    }
    ASSERT_TRUE(Open(index));
    EXPECT_EQ(doc_.m_drawing.PageCount(), 50);
    EXPECT_EQ(Page(0).m_values[0], -1) << "kind 0 is no paper";
    EXPECT_EQ(Page(5).m_values[0], 8);
    EXPECT_EQ(Page(5).m_values[1], 1);
}

TEST_F(PlotReaderTest, ArgumentsStartAtZeroOnEveryPageAndKeepWithinIt) {
    // Page 1's "T 2" still sees width 3 from T 1,3; page 2's "L" sees nothing of page 1.
    ASSERT_TRUE(OpenPages({"T1,3\nT2\nL0,0,10,10\n", "L5,6\nD7,8\n"}));
    EXPECT_EQ(ItemAt<CPlotLine>(0).m_nLineType, 2);
    EXPECT_EQ(ItemAt<CPlotLine>(0).m_nWidth, 5);
    EXPECT_EQ(Page(1).m_items.size(), 1u) << "L with one pair draws nothing";
    EXPECT_EQ(ItemAt<CPlotLine>(0, 1).m_start, CPoint(0, 0));
    EXPECT_EQ(ItemAt<CPlotLine>(0, 1).m_nWidth, 1);
}

TEST_F(PlotReaderTest, PenAndColourCommands) {
    ASSERT_TRUE(OpenPages({"T0,5\nL0,0,1,1\nT0,-1\nL0,0,1,1\nV-1\nV20,255,0,0\nV5,1,2,3\nV7\n"
                           "Y0,0,10,0,10,10,1\nY0,0,10,0,10,10,0\n"}));
    EXPECT_EQ(ItemAt<CPlotLine>(0).m_nWidth, 7);
    EXPECT_EQ(ItemAt<CPlotLine>(1).m_nWidth, INT_MIN);
    EXPECT_EQ(ItemAt<CPlotPolygon>(2).m_nFill, -17) << "V-1 sets only the fill colour";
    EXPECT_EQ(ItemAt<CPlotPolygon>(2).m_nColor, 7);
    EXPECT_EQ(ItemAt<CPlotPolygon>(3).m_nFill, kNoFill);
    ASSERT_EQ(doc_.m_drawing.m_userColors.size(), 1u);
    EXPECT_EQ(doc_.m_drawing.m_userColors.at(4), RGB(255, 0, 0));
}

TEST_F(PlotReaderTest, PolylineArcRectangleArrowAndCountedPolygon) {
    ASSERT_TRUE(OpenPages({"O1\nM10,10\nD20,20\nD30,10\nM50,50\nD60,60\n"
                           "C100,100,50,0,1,50,0,-50,0\nB0,0,40,30,1\nA0,0,100,0,25,10,24\n"
                           "Y99999999,1\n0,0\n10,0\n10,10\n"}));
    auto& polyline = ItemAt<CPlotPolyLine>(0);
    EXPECT_EQ(polyline.m_points, (std::vector<CPoint>{{10, 10}, {20, 20}, {30, 10}}));
    EXPECT_EQ(ItemAt<CPlotLine>(1).m_start, CPoint(50, 50)) << "M ended the polyline";
    auto& arc = ItemAt<CPlotCircle>(2);
    EXPECT_EQ(arc.m_arcStart, CPoint(150, 100));
    EXPECT_EQ(arc.m_arcEnd, CPoint(50, 100));
    EXPECT_EQ(ItemAt<CPlotRectAngle>(3).m_rect, CRect(0, 30, 40, 0));
    EXPECT_EQ(ItemAt<CPlotArrow>(4).m_nStyle, 24);
    EXPECT_EQ(ItemAt<CPlotPolygon>(5).m_points.size(), 3u) << "the count stops at the end of the file";
}

// An arc's ends lie off its centre by both offsets, the y offsets taken downwards; a start
// angle below the end's swaps the ends.
TEST_F(PlotReaderTest, ArcEndsTakeBothOffsetsFromTheCentre) {
    ASSERT_TRUE(OpenPages({"C100,100,50,0,1,30,40,-30,-40\nC100,100,50,5,1,30,40,-30,-40\n"}));
    auto& forward = ItemAt<CPlotCircle>(0);
    EXPECT_EQ(forward.m_arcStart, CPoint(130, 60));
    EXPECT_EQ(forward.m_arcEnd, CPoint(70, 140));
    auto& backward = ItemAt<CPlotCircle>(1);
    EXPECT_EQ(backward.m_arcStart, CPoint(70, 140));
    EXPECT_EQ(backward.m_arcEnd, CPoint(130, 60));
}

TEST_F(PlotReaderTest, TextsFontsAndLimits) {
    std::string longText(129, 'a');
    std::string kanjiAtCut = std::string(127, 'b') + "\x82\xa0"; // a double-byte character across byte 128
    ASSERT_TRUE(OpenPages({"S30,0,0,6\nQ1\nM5,6\nP" + longText + "\nW" + kanjiAtCut +
                           "\nS30,2,-3,8\nQ7\nPab\n"
                           "L2147483648,-99999999999,1,1\n"}));
    auto& texts = Page().m_texts;
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0]->m_text.GetLength(), 128);
    EXPECT_EQ(texts[0]->m_nAlign, 6);
    EXPECT_EQ(texts[0]->m_nEscapement, 2700);
    EXPECT_EQ(texts[0]->m_x, 5);
    EXPECT_EQ(texts[1]->m_text.GetLength(), 127);
    EXPECT_EQ(texts[1]->m_nOpaque, 1);
    EXPECT_EQ(texts[2]->m_text.str(), "\x82\x81\x82\x82") << "text kind 2 is full width";
    const auto& fonts = doc_.m_drawing.m_fonts;
    ASSERT_EQ(fonts.size(), 2u);
    EXPECT_EQ(fonts[1]->m_nSpacing, 10) << "a negative spacing divides the height";
    EXPECT_EQ(fonts[0]->m_nCharSet, 128);
    EXPECT_EQ(fonts[0]->m_faceName, CString(u8"ＭＳ ゴシック"));
    EXPECT_EQ(ItemAt<CPlotLine>(0).m_start, CPoint(INT_MAX, INT_MIN));
}

TEST_F(PlotReaderTest, EachTextTurnGivesItsAngle) {
    const struct {
        const char* turn;
        int escapement;
    } cases[] = {{"Q0", 0}, {"Q1", 2700}, {"Q2", 1800}, {"Q3", 900}, {"Q4", 0}, {"Q-1", 0}};
    std::string page = "S30,0,0,6\n";
    for (const auto& c : cases) {
        page += std::string(c.turn) + "\nPa\n";
    }
    ASSERT_TRUE(OpenPages({page}));
    const auto& texts = Page().m_texts;
    ASSERT_EQ(texts.size(), std::size(cases));
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i]->m_nEscapement, cases[i].escapement) << cases[i].turn;
    }
}

// Pages large enough to be read on several threads at once: the drawing still has one font
// list in the order the texts first use them, each text in its own font, the colours as the
// last page to set them gave them, and nothing of a page left out.
TEST_F(PlotReaderTest, LargePagesReadTogetherShareOneFontListAndColours) {
    std::string lines;
    for (int i = 0; i < 40000; ++i) {
        lines += "D1,2\n";
    }
    ASSERT_TRUE(
        OpenPages({"S30,0,0,8\nPa\nV20,1,2,3\n" + lines, lines + "S40,0,0,8\nPb\nS30,0,0,8\nPc\nV20,4,5,6\n",
                   lines + "S50,0,0,8\nPx\nV21,7,7,7\n\x01", lines + "S50,0,0,8\nPd\n"}));
    ASSERT_EQ(doc_.m_drawing.PageCount(), 3);
    EXPECT_EQ(sink_.MessageCount(), 1) << "the page with a control byte is left out";
    const auto& fonts = doc_.m_drawing.m_fonts;
    ASSERT_EQ(fonts.size(), 3u);
    EXPECT_EQ(fonts[0]->m_nHeight, 30);
    EXPECT_EQ(fonts[1]->m_nHeight, 40);
    EXPECT_EQ(fonts[2]->m_nHeight, 50);
    const struct {
        int page;
        std::size_t text;
        const char* value;
        int font;
    } texts[] = {{0, 0, "a", 0}, {1, 0, "b", 1}, {1, 1, "c", 0}, {2, 0, "d", 2}};
    for (const auto& t : texts) {
        const CPlotString& text = *Page(t.page).m_texts.at(t.text);
        EXPECT_EQ(text.m_text.str(), t.value);
        EXPECT_EQ(text.m_nFont, t.font) << t.value;
    }
    const std::map<WORD, COLORREF> colors{{4, RGB(4, 5, 6)}};
    EXPECT_EQ(doc_.m_drawing.m_userColors, colors);
    EXPECT_EQ(Page(2).m_items.size() + Page(2).m_overflow.size(), 40000u);
}

TEST_F(PlotReaderTest, ClosingRemovesThePlotFilesOnlyWhenAsked) {
    ASSERT_TRUE(OpenPages({"L0,0,1,1\n"}));
    doc_.ReleasePlotFiles();
    EXPECT_EQ(dir_.EntryCount(), 2);
    ASSERT_TRUE(OpenPages({"L0,0,1,1\n"}));
    doc_.SetPlotFileCleanup(true);
    doc_.ReleasePlotFiles();
    EXPECT_EQ(dir_.EntryCount(), 0);
}

} // namespace
} // namespace zapho
