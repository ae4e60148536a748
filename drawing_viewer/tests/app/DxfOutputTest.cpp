// The DXF output command end to end: the dialog's names for a page range, one file per page
// with its own paper in its header, the texts' heights and widths, an independent audit,
// the overwrite question for generated names and a directory that cannot take the files.
// Also the zoom by right-dragging and the copy of a dragged range.

#include "drawing_viewer/tests/app/ViewerFixture.h"

#include "drawing_viewer/app/CCoordInputDlg.h"
#include "drawing_viewer/app/CDxfOutputDlg.h"
#include "drawing_viewer/app/DxfPageFiles.h"
#include "drawing_viewer/app/ZaphoIds.h"
#include "drawing_viewer/core/CPlotPolygon.h"

#include "testsupport/DxfAudit.h"
#include "testsupport/FileBytes.h"

#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <tuple>

namespace zapho {
namespace {

namespace fs = std::filesystem;

using DxfOutputTest = ViewerFixture;

// The value after the first group of this code following the marker value (a variable name
// or an entity type) at or after the given occurrence.
std::string ValueAfter(const std::string& dxf, const std::string& marker, const std::string& code,
                       int nth = 0) {
    std::istringstream in(dxf);
    std::string group, value;
    bool found = false;
    auto trim = [](std::string text) {
        text.erase(0, text.find_first_not_of(" \r"));
        text.erase(text.find_last_not_of(" \r") + 1);
        return text;
    };
    while (std::getline(in, group) && std::getline(in, value)) {
        group = trim(group);
        value = trim(value);
        if (!found && value == marker && nth-- == 0) {
            found = true;
        } else if (found && group == code) {
            return value;
        } else if (found && group == "0") {
            return "(none)";
        }
    }
    return "(none)";
}

void AnswerDxf(const std::string& name, const char* first, const char* last) {
    platform::DialogScript::Queue([=](CDialog& dialog) {
        dialog.SetDlgItemText(CDxfOutputDlg::kFile, CString(name));
        dialog.SetDlgItemText(CDxfOutputDlg::kFirstPage, first);
        dialog.SetDlgItemText(CDxfOutputDlg::kLastPage, last);
        dialog.GetDlgItemWidget(IDOK)->setFocus();
        dialog.OnOK();
    });
}

TEST_F(DxfOutputTest, EachPageGoesToItsOwnFileWithItsOwnPaperAndAuditsClean) {
    AddString(600, 700, u8"地すべり", 50);
    AddString(600, 900, u8"AB", 50);
    AnswerDxf(plots_.File("Drawing"), "1", "5");
    view_->RouteCommand(ID_DXF_OUTPUT);
    EXPECT_EQ(sink_->MessageCount(), 0) << sink_->LastMessageUtf8();
    const char* names[3] = {"Drawin01.dxf", "Drawin02.dxf", "Drawin03.dxf"};
    const char* papers[3][2] = {{"297.000", "210.000"}, {"210.000", "297.000"}, {"420.000", "297.000"}};
    for (int page = 0; page < 3; ++page) {
        ASSERT_TRUE(fs::exists(plots_.File(names[page]))) << names[page] << ": the case of the name is kept";
        const std::string dxf = testsupport::ReadBytes(plots_.File(names[page]));
        EXPECT_EQ(ValueAfter(dxf, "$LIMMAX", "10"), papers[page][0]) << names[page];
        EXPECT_EQ(ValueAfter(dxf, "$LIMMAX", "20"), papers[page][1]) << names[page];
    }
    EXPECT_FALSE(fs::exists(plots_.File("Drawin04.dxf"))) << "the range ends at the last page";
    // 5 mm texts: the double-byte one full height at the wide scale, the single-byte one at
    // 0.8 of the height and the narrow scale over 0.8.
    const std::string first = testsupport::ReadBytes(plots_.File(names[0]));
    EXPECT_EQ(ValueAfter(first, "TEXT", "40", 0), "5.0");
    EXPECT_EQ(ValueAfter(first, "TEXT", "41", 0), "0.800");
    EXPECT_EQ(ValueAfter(first, "TEXT", "40", 1), "4.0");
    EXPECT_EQ(ValueAfter(first, "TEXT", "41", 1), "0.625");

    ASSERT_TRUE(testsupport::EzdxfAvailable()) << "ezdxf is not installed for /usr/bin/python3 (Debian "
                                                  "package python3-ezdxf; scripts/install-deps.sh)";
    EXPECT_EQ(testsupport::EzdxfAuditProblems(plots_.Path().string()), "");

    // Generated names that exist are asked about too; No writes nothing.
    plots_.Write(names[1], "kept");
    sink_->QueueAnswer(IDNO);
    AnswerDxf(plots_.File("Drawing.dxf"), "1", "3");
    view_->RouteCommand(ID_DXF_OUTPUT);
    EXPECT_EQ(sink_->LastMessageUtf8(),
              platform::Utf8(u8"既に指定ﾌｧｲﾙが存在します。\n上書きされますがよろしいですか？"));
    EXPECT_EQ(testsupport::ReadBytes(plots_.File(names[1])), "kept");
}

// A page with a filled polygon needs the later form; the pages after it keep their own.
TEST_F(DxfOutputTest, EachPageTakesTheDxfFormOfItsOwnContents) {
    const CPoint triangle[3] = {{0, 0}, {100, 0}, {50, 80}};
    view_->Data().m_drawing.m_userColors[2] = RGB(250, 10, 10);
    view_->Data().m_drawing.AddPlotItem(std::make_unique<CPlotPolygon>(triangle, 3, 0, 1, 2), 0, 0, 0);
    AnswerDxf(plots_.File("Both"), "1", "2");
    view_->RouteCommand(ID_DXF_OUTPUT);
    AnswerDxf(plots_.File("Alone.dxf"), "2", "2");
    view_->RouteCommand(ID_DXF_OUTPUT);
    EXPECT_EQ(ValueAfter(testsupport::ReadBytes(plots_.File("Both01.dxf")), "$ACADVER", "1"), "AC1014");
    EXPECT_EQ(ValueAfter(testsupport::ReadBytes(plots_.File("Both02.dxf")), "$ACADVER", "1"), "AC1009");
    EXPECT_EQ(ValueAfter(testsupport::ReadBytes(plots_.File("Alone.dxf")), "$ACADVER", "1"), "AC1009");
}

TEST_F(DxfOutputTest, TheDialogRefusesBadNamesPagesAndScalesAndADirectoryThatCannotTakeTheFile) {
    struct Case {
        std::string name;
        const char* first;
        const char* last;
        const char* wide;
        const char8_t* message;
    };
    const Case cases[] = {
        {"", "1", "1", "0.8", u8"ﾌｧｲﾙ名が未入力です !!!"},
        {plots_.File("a.txt"), "1", "1", "0.8", u8"ﾌｧｲﾙ名の拡張子 ｴﾗｰ !!!"},
        {plots_.File("a.dxf"), "2", "1", "0.8", u8"ﾍﾟｰｼﾞ番号 ｴﾗｰ !!!"},
        {plots_.File("a.dxf"), "1", "1", "5.01", u8"文字列横方向のｻｲｽﾞ調整 ｴﾗｰ !!!"},
        {plots_.File("a.dxf"), "1", "1", "0", u8"文字列横方向のｻｲｽﾞ調整 ｴﾗｰ !!!"},
        {plots_.File("missing/a.dxf"), "1", "1", "5", u8"DXFﾌｧｲﾙをｵｰﾌﾟﾝできません"},
    };
    for (const Case& c : cases) {
        sink_->Clear();
        platform::DialogScript::Queue([&](CDialog& dialog) {
            dialog.SetDlgItemText(CDxfOutputDlg::kFile, CString(c.name));
            dialog.SetDlgItemText(CDxfOutputDlg::kFirstPage, c.first);
            dialog.SetDlgItemText(CDxfOutputDlg::kLastPage, c.last);
            dialog.SetDlgItemText(CDxfOutputDlg::kScaleWide, c.wide);
            dialog.GetDlgItemWidget(IDOK)->setFocus();
            dialog.OnOK();
        });
        view_->RouteCommand(ID_DXF_OUTPUT);
        EXPECT_EQ(sink_->LastMessageUtf8(), platform::Utf8(c.message)) << c.name << " " << c.wide;
    }
    EXPECT_FALSE(fs::exists(plots_.File("a.dxf")));
}

TEST(DxfPageFilesTest, TheStemKeepsSixBytesWithoutSplittingACharacter) {
    struct Case {
        const char8_t* name;
        int first, last;
        const char8_t* firstFile;
    };
    const Case cases[] = {
        {u8"/d/Drawing.dxf", 1, 3, u8"/d/Drawin01.dxf"}, {u8"/d/図面ABCD.dxf", 2, 3, u8"/d/図面AB02.dxf"},
        {u8"/d/a図面図.dxf", 1, 2, u8"/d/a図面01.dxf"},  {u8"/d/x.dxf", 9, 10, u8"/d/x09.dxf"},
        {u8"/d/Single.dxf", 4, 4, u8"/d/Single.dxf"},
    };
    for (const Case& c : cases) {
        const std::vector<CString> files = DxfPageFiles(CString(c.name), c.first, c.last);
        ASSERT_EQ(files.size(), static_cast<std::size_t>(c.last - c.first + 1));
        EXPECT_EQ(files.front(), CString(c.firstFile)) << platform::Utf8(c.name);
    }
}

// The dragged rectangle comes out whole in the middle of the room the scroll bars leave.
TEST_F(DxfOutputTest, AZoomedRectangleIsCentredBesideTheScrollBarsItBrings) {
    for (const auto& [x1, y1, x2, y2] :
         {std::tuple{1000, 1000, 1400, 800}, std::tuple{200, 1900, 800, 1700}}) {
        view_->RouteCommand(ID_VIEW_ALL_MODEL);
        Events();
        view_->OnRButtonDown(MK_RBUTTON, At(x1, y1));
        view_->OnMouseMove(MK_RBUTTON, At(x2, y2));
        view_->OnRButtonUp(0, At(x2, y2));
        Events();
        CRect client;
        view_->GetClientRect(&client);
        const CPoint a = At(x1, y1), b = At(x2, y2);
        SCOPED_TRACE(testing::Message() << a.x << "," << a.y << " " << b.x << "," << b.y << " in "
                                        << client.Width() << "x" << client.Height());
        EXPECT_TRUE(a.x >= -1 && a.y >= -1 && b.x <= client.Width() + 1 && b.y <= client.Height() + 1);
        EXPECT_NEAR((a.x + b.x) / 2.0, client.Width() / 2.0, 3.0);
        EXPECT_NEAR((a.y + b.y) / 2.0, client.Height() / 2.0, 3.0);
    }
}

TEST_F(DxfOutputTest, ARightDragZoomsAndADraggedRangeIsCopiedOnTheConfirmingClick) {
    const double fit = view_->Scale();
    const CPoint a = At(1000, 1000);
    view_->OnRButtonDown(MK_RBUTTON, a);
    view_->OnRButtonUp(0, a);
    EXPECT_EQ(view_->Scale(), fit) << "a release at the press leaves the range open";
    view_->OnMouseMove(MK_RBUTTON, At(1200, 900));
    view_->OnRButtonUp(0, At(1400, 800));
    EXPECT_GT(view_->Scale(), fit * 3);
    view_->RouteCommand(ID_VIEW_ALL_MODEL);
    EXPECT_DOUBLE_EQ(view_->Scale(), fit);

    QApplication::clipboard()->clear();
    view_->RouteCommand(ID_COPY_RANGE);
    Drag(500, 1500, 1500, 1000);
    EXPECT_EQ(view_->Mode(), CMainView::kCopyRangeMode) << "waits for the confirming click";
    const QMimeData* before = QApplication::clipboard()->mimeData();
    EXPECT_TRUE(!before || !before->hasImage());
    Click(100, 100);
    EXPECT_EQ(view_->Mode(), CMainView::kNoMode);
    const QImage image = qvariant_cast<QImage>(QApplication::clipboard()->mimeData()->imageData());
    EXPECT_NEAR(double(image.width()) / image.height(), 2.0, 0.05) << "the range, not the page";

    // TAB: the second corner without X and Y is refused; only Y makes a vertical edge.
    view_->RouteCommand(ID_COPY_RANGE);
    AnswerWithOk([](CDialog& dialog) {
        dialog.SetDlgItemText(CCoordInputDlg::kX, "5");
        dialog.SetDlgItemText(CCoordInputDlg::kY, "5");
    });
    view_->OnKeyDown(VK_TAB, 1, 0);
    sink_->Clear();
    AnswerWithOk([](CDialog& dialog) {
        dialog.SetDlgItemText(CCoordInputDlg::kX, ""); // shown: the last range's corner
        dialog.SetDlgItemText(CCoordInputDlg::kY, "");
    });
    view_->OnKeyDown(VK_TAB, 1, 0);
    EXPECT_EQ(sink_->LastMessageUtf8(), platform::Utf8(u8"ＸとＹの座標が共に入力されていません"));
    AnswerWithOk([](CDialog& dialog) {
        dialog.SetDlgItemText(CCoordInputDlg::kX, "");
        dialog.SetDlgItemText(CCoordInputDlg::kY, "15");
    });
    view_->OnKeyDown(VK_TAB, 1, 0);
    Click(100, 100);
    const QImage edge = qvariant_cast<QImage>(QApplication::clipboard()->mimeData()->imageData());
    EXPECT_LE(edge.width(), 2) << "x taken from the first corner";
}

} // namespace
} // namespace zapho
