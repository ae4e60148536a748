// Printing of the section editor's view: black-only printing leaves no colour on the page and
// the window's colours and scale as they were; without a printer the print command writes one
// PDF page beside the document, named in the question and after it, under the job name cut to
// 31 bytes.

#include "MerdokViewProgram.h"

#include "section_editor/app/CBlockView.h"
#include "section_editor/app/CMerdokDoc.h"

#include "platform/core/CodePage.h"
#include "platform/ui/AfxRes.h"
#include "platform/ui/CClientDC.h"
#include "platform/ui/CPrintDialog.h"
#include "platform/ui/CPrintInfo.h"
#include "section_editor/core/CBlockDoc.h"
#include "testsupport/FileBytes.h"
#include "testsupport/Fixtures.h"
#include "testsupport/ui/PrintedPage.h"

#include <QApplication>
#include <QColor>
#include <QImage>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace merdok {
namespace {

class MerdokPrintTest : public MerdokWindowTest<testsupport::TempDirTest> {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(ProgramViewTest::SetUp());
        ASSERT_TRUE(document_->OnOpenDocument(VERRANT_SOURCE_DIR "/data/sample.sec"));
        ASSERT_EQ(sink_.MessageCount(), 0) << sink_.LastMessageUtf8();
        InitialUpdate();
        Redraw();
    }
};

int Spread(const QColor& c) {
    return std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()});
}

// Every kind of mark in its own colour, a line and a point marked in the third colour: on the
// black-only page none of them keeps a colour, and the window draws them as before.
TEST_F(MerdokPrintTest, BlackOnlyPrintHasNoColourAndTheWindowKeepsItsColours) {
    ASSERT_GT(Model().m_mapNode.GetCount(), 2);
    for (section::NumberStyle& number : view_->m_display.numbers) {
        number.draw = 1;
    }
    view_->m_display.line.color = RGB(0, 160, 0);
    const COLORREF groundColour = RGB(0, 0, 200);
    view_->m_display.points[kPointNode].color = groundColour;
    Model().m_LineList.begin()->second->SetState(4);
    Model().m_mapNode.Lookup(Model().m_mapNode.MaxKey())->SetState(CNode::kRed);
    const CNode* ground = Model().m_mapNode.Lookup(1);
    Redraw();
    ASSERT_EQ(Pixel(ground->GetX(), ground->GetY()), groundColour);

    ProgramViewSettings().monochromePrint = 1;
    const section::Viewport before = view_->Plane();
    const CPoint scroll = view_->GetScrollPosition();
    const QImage page = testsupport::PrintedA4Page(*view_);
    ASSERT_FALSE(page.isNull());
    int dark = 0;
    int coloured = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            coloured += Spread(c) > 24 ? 1 : 0;
            dark += c.lightness() < 64 ? 1 : 0;
        }
    }
    EXPECT_EQ(coloured, 0);
    EXPECT_GT(dark, 2000);

    EXPECT_EQ(view_->GetScrollPosition(), scroll);
    EXPECT_DOUBLE_EQ(view_->Plane().ScaleXY(), before.ScaleXY());
    EXPECT_DOUBLE_EQ(view_->Plane().OriginX(), before.OriginX());
    EXPECT_EQ(view_->RedColour(), RGB(255, 0, 0));
    EXPECT_EQ(view_->m_display.line.color, RGB(0, 160, 0));
    EXPECT_EQ(view_->m_display.numbers[kNumberSite].color,
              DefaultViewSettings(CString()).display.numbers[kNumberSite].color);
    Redraw();
    EXPECT_EQ(Pixel(ground->GetX(), ground->GetY()), groundColour);
}

// The PDF's document title as Qt writes it: UTF-16 big-endian after a byte-order mark, in
// parentheses.
std::string PdfTitleBytes(const QString& title) {
    std::string bytes = "(\xfe\xff";
    for (const char16_t unit : title.toStdU16String()) {
        bytes += static_cast<char>(unit >> 8);
        bytes += static_cast<char>(unit & 0xff);
    }
    return bytes;
}

TEST_F(MerdokPrintTest, WithoutAPrinterOnePdfPageIsWrittenUnderTheCutJobName) {
    if (CPrintDialog::HavePrinter()) {
        GTEST_SKIP() << "a printer is installed";
    }
    // 30 bytes and then a double-byte character that would end at byte 32.
    const std::string start = std::string(29, 'a') + "b";
    const std::string path = Path(start + platform::Utf8(u8"断面.sec"));
    document_->SetPathName(CString(platform::Utf8ToCp932(path)), FALSE);
    sink_.QueueAnswer(IDYES);
    view_->OnCmdMsg(ID_FILE_PRINT, CN_COMMAND, nullptr);

    const std::string pdf = path + ".pdf";
    const std::vector<std::string> messages = sink_.MessagesUtf8();
    ASSERT_EQ(messages.size(), 2U);
    EXPECT_EQ(messages[0],
              platform::Utf8(u8"現在のプリンタ → ") + pdf + platform::Utf8(u8"\n印刷してもよろしいですか？"));
    EXPECT_NE(messages[1].find(pdf), std::string::npos) << messages[1];
    const std::string bytes = testsupport::ReadBytes(pdf);
    ASSERT_FALSE(bytes.empty()) << pdf;
    int pages = 0;
    for (std::size_t at = bytes.find("/Type /Page"); at != std::string::npos;
         at = bytes.find("/Type /Page", at + 1)) {
        pages += bytes.compare(at, 12, "/Type /Pages") == 0 ? 0 : 1;
    }
    EXPECT_EQ(pages, 1);
    EXPECT_NE(bytes.find(PdfTitleBytes(QString::fromStdString(start)) + ")"), std::string::npos);
}

} // namespace
} // namespace merdok
