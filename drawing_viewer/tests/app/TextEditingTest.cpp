// Strings on a drawing as a user edits them: placed and edited by clicks with the string
// input dialog, drawn turned the way their boxes say, selected by click, Ctrl-click and
// rectangle, moved by dragging, resized and deleted; the dialog's refusals; the font face;
// the system settings.

#include "drawing_viewer/tests/app/ViewerFixture.h"

#include "drawing_viewer/app/CStringInputDlg.h"
#include "drawing_viewer/app/CStringSizeDlg.h"
#include "drawing_viewer/app/CSystemSettingDlg.h"
#include "drawing_viewer/app/ZaphoIds.h"

#include "platform/ui/CFontDialog.h"
#include "platform/ui/QtText.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QValidator>

#include <utility>

namespace zapho {
namespace {

using TextEditingTest = ViewerFixture;

QComboBox* TextCombo(CDialog& dialog) {
    return qobject_cast<QComboBox*>(dialog.GetDlgItemWidget(CStringInputDlg::kText));
}

CString Field(CDialog& dialog, UINT id) {
    CString text;
    dialog.GetDlgItemText(static_cast<int>(id), text);
    return text;
}

// Pixels that are not white inside a client rectangle.
int InkIn(const QImage& canvas, CRect rect) {
    if (rect.left > rect.right) {
        std::swap(rect.left, rect.right);
    }
    if (rect.top > rect.bottom) {
        std::swap(rect.top, rect.bottom);
    }
    int ink = 0;
    for (int y = std::max(0, rect.top); y <= std::min(canvas.height() - 1, rect.bottom); ++y) {
        for (int x = std::max(0, rect.left); x <= std::min(canvas.width() - 1, rect.right); ++x) {
            ink += canvas.pixelColor(x, y) != QColor(Qt::white) ? 1 : 0;
        }
    }
    return ink;
}

CRect ClientRect(const CMainView& view, double x1, double y1, double x2, double y2) {
    const CPoint a = view.PaperToClient(x1, y1), b = view.PaperToClient(x2, y2);
    return CRect(a.x, a.y, b.x, b.y);
}

TEST_F(TextEditingTest, AClickPlacesATurnedStringAndAClickOnItEditsIt) {
    view_->RouteCommand(ID_STRING_INPUT);
    AnswerWithOk([](CDialog& dialog) {
        TextCombo(dialog)->setEditText(platform::ToQString(u8"地すべり"));
        dialog.SetDlgItemText(CStringInputDlg::kSize, "5.0");
        dialog.SetDlgItemText(CStringInputDlg::kAngle, "90");
    });
    Click(1000, 1500);
    ASSERT_EQ(view_->PageTexts().size(), 1U);
    const CPlotString& text = *view_->PageTexts()[0];
    const CPlotFont& font = *view_->Data().m_drawing.m_fonts[static_cast<std::size_t>(text.m_nFont)];
    EXPECT_NEAR(text.m_x, 1000, 5);
    EXPECT_NEAR(text.m_y, 1500, 5);
    EXPECT_EQ(font.m_nHeight, 50);
    EXPECT_EQ(text.m_nEscapement, 2700) << "90 degrees";
    EXPECT_TRUE(Modified());

    // Turned anticlockwise: the text runs up from its anchor, to the left of it, as its box says.
    view_->Invalidate();
    view_->UpdateWindow();
    const int w = text.m_nTextWidth, h = text.m_nTextHeight;
    ASSERT_GT(w, 150);
    const QImage& canvas = view_->Canvas();
    EXPECT_GT(InkIn(canvas, ClientRect(*view_, text.m_x - h, text.m_y + 10, text.m_x, text.m_y + w)), 20);
    EXPECT_EQ(InkIn(canvas, ClientRect(*view_, text.m_x, text.m_y - w, text.m_x + h, text.m_y - 10)), 0)
        << "nothing where a clockwise turn would have put it";
    const CRect box = text.BoundingRect(text.m_x, text.m_y);
    EXPECT_EQ(box.bottom - box.top, w);

    // A click on the string opens the dialog filled from it.
    CString shownAngle, shownText;
    AnswerWithOk([&](CDialog& dialog) {
        shownAngle = Field(dialog, CStringInputDlg::kAngle);
        shownText = platform::FromQStringLossy(TextCombo(dialog)->currentText());
        dialog.SetDlgItemText(CStringInputDlg::kSize, "3.0");
    });
    Click(text.m_x - h / 2.0, text.m_y + w / 2.0);
    EXPECT_EQ(shownAngle, "90.0");
    EXPECT_EQ(shownText, CString(u8"地すべり"));
    ASSERT_EQ(view_->PageTexts().size(), 1U);
    const CPlotFont& edited = *view_->Data().m_drawing.m_fonts[static_cast<std::size_t>(text.m_nFont)];
    EXPECT_EQ(edited.m_nHeight, 30);
    EXPECT_EQ(edited.m_nEscapement, 2700);
}

// A drawing of plot files with an added text asks before closing or reading the plot files
// again: Cancel keeps the text, No drops it and leaves the drawing unmodified.
TEST_F(TextEditingTest, ClosingOrReopeningAnEditedDrawingAsksFirst) {
    const auto typeText = [this] {
        view_->RouteCommand(ID_STRING_INPUT);
        AnswerWithOk([](CDialog& dialog) { TextCombo(dialog)->setEditText(platform::ToQString(u8"追加")); });
        Click(1000, 1500);
        ASSERT_TRUE(Modified());
    };
    const std::string question = index_ + platform::Utf8(u8" に行った変更を保存しますか?");
    const auto command = [this](UINT id, int answer) {
        sink_->Clear();
        sink_->QueueAnswer(answer);
        view_->RouteCommand(id);
        Events();
    };
    typeText();
    for (const UINT id : {UINT(ID_FILE_CLOSE), UINT(ID_PLOT_REOPEN)}) {
        SCOPED_TRACE(id);
        command(id, IDCANCEL);
        EXPECT_EQ(sink_->LastMessageUtf8(), question);
        ASSERT_EQ(FindView(), view_);
        EXPECT_EQ(view_->PageTexts().size(), 1U);
        EXPECT_TRUE(Modified());
    }
    command(ID_PLOT_REOPEN, IDNO);
    EXPECT_EQ(sink_->LastMessageUtf8(), question);
    EXPECT_EQ(view_->PageTexts().size(), 0U);
    EXPECT_FALSE(Modified());
    typeText();
    command(ID_FILE_CLOSE, IDNO);
    EXPECT_EQ(sink_->LastMessageUtf8(), question);
    EXPECT_EQ(FindView(), nullptr);
}

TEST_F(TextEditingTest, StringsAreSelectedByClickCtrlAndRectangleMovedResizedAndDeleted) {
    CPlotString& a = AddString(500, 1500, u8"AAAA", 50);
    CPlotString& b = AddString(1500, 1500, u8"測線", 50, 900);
    CPlotString& c = AddString(2300, 500, u8"CC", 50);
    auto middle = [](const CPlotString& text) {
        const CRect box = text.BoundingRect(text.m_x, text.m_y);
        return std::pair((box.left + box.right) / 2.0, (box.top + box.bottom) / 2.0);
    };
    auto selected = [&] { return std::vector{a.m_nSelect, b.m_nSelect, c.m_nSelect}; };
    view_->RouteCommand(ID_STRING_SELECT);
    Click(middle(a).first, middle(a).second);
    EXPECT_EQ(selected(), (std::vector{1, 0, 0}));
    Click(middle(b).first, middle(b).second, MK_CONTROL);
    EXPECT_EQ(selected(), (std::vector{1, 1, 0})) << "Ctrl adds";
    Click(middle(c).first, middle(c).second);
    EXPECT_EQ(selected(), (std::vector{0, 0, 1})) << "a plain click selects only that one";
    Drag(300, 2000, 2000, 1000);
    EXPECT_EQ(selected(), (std::vector{1, 1, 0})) << "wholly inside the rectangle";
    EXPECT_FALSE(Modified());

    const int ax = a.m_x, ay = a.m_y, bx = b.m_x, by = b.m_y;
    Drag(middle(a).first, middle(a).second, middle(a).first + 300, middle(a).second - 200);
    EXPECT_NEAR(a.m_x - ax, 300, 5);
    EXPECT_NEAR(a.m_y - ay, -200, 5);
    EXPECT_EQ(b.m_x - bx, a.m_x - ax) << "every selected string moves by the same offset";
    EXPECT_EQ(b.m_y - by, a.m_y - ay);
    EXPECT_TRUE(Modified());

    // Several selected strings propose 2.5 mm; each keeps its turn.
    CString proposed;
    AnswerWithOk([&](CDialog& dialog) {
        proposed = Field(dialog, CStringSizeDlg::kSize);
        dialog.SetDlgItemText(CStringSizeDlg::kSize, "4.0");
    });
    view_->RouteCommand(ID_STRING_SIZE);
    EXPECT_EQ(proposed, "2.5");
    const auto& fonts = view_->Data().m_drawing.m_fonts;
    EXPECT_EQ(fonts[static_cast<std::size_t>(a.m_nFont)]->m_nHeight, 40);
    EXPECT_EQ(fonts[static_cast<std::size_t>(b.m_nFont)]->m_nHeight, 40);
    EXPECT_EQ(fonts[static_cast<std::size_t>(b.m_nFont)]->m_nEscapement, 900);
    EXPECT_EQ(fonts[static_cast<std::size_t>(c.m_nFont)]->m_nHeight, 50) << "not selected";

    // Deleting is a change that a close must ask about.
    view_->GetDocument()->SetModifiedFlag(FALSE);
    view_->RouteCommand(ID_STRING_DELETE);
    ASSERT_EQ(view_->PageTexts().size(), 1U);
    EXPECT_EQ(view_->PageTexts()[0]->m_text, "CC");
    EXPECT_TRUE(Modified());
}

TEST_F(TextEditingTest, TheInputDialogRefusesWhatTheDrawingCannotHold) {
    struct Case {
        const char8_t* text;
        const char* x;
        const char* size;
        const char* angle;
        const char8_t* message; // null: accepted
    };
    const std::u8string eightyOne(81, u8'A');
    const std::u8string fortyKanji = [] {
        std::u8string text;
        for (int i = 0; i < 40; ++i) {
            text += u8"測";
        }
        return text;
    }();
    const Case cases[] = {
        {eightyOne.c_str(), "10", "2.5", "0", u8"文字入力エラー"},
        {u8"한글", "10", "2.5", "0", u8"文字入力エラー"},
        {u8"", "10", "2.5", "0", u8"文字入力エラー"},
        {u8"A", "10", "2.5", "360.1", u8"回転角の範囲は0～360です"},
        {u8"A", "29.71", "2.5", "0", u8"用紙の外側の座標は入力できません"},
        {u8"A", "10", "0", "0", u8"入力は 0.100000 以上です"},
        {u8"A", "10", "-1", "0", u8"入力は 0.100000 以上です"},
        {fortyKanji.c_str(), "29.70", "2.5", "360", nullptr},
    };
    for (const Case& c : cases) {
        sink_->Clear();
        const std::size_t before = view_->PageTexts().size();
        AnswerWithOk([&](CDialog& dialog) {
            TextCombo(dialog)->setEditText(platform::ToQString(c.text));
            dialog.SetDlgItemText(CStringInputDlg::kX, c.x);
            dialog.SetDlgItemText(CStringInputDlg::kSize, c.size);
            dialog.SetDlgItemText(CStringInputDlg::kAngle, c.angle);
        });
        view_->AddStringData(1000, 1000);
        const std::string label =
            platform::Utf8(c.text).substr(0, 12) + " " + c.x + " " + c.size + " " + c.angle;
        if (c.message) {
            EXPECT_EQ(sink_->LastMessageUtf8(), platform::Utf8(c.message)) << label;
            EXPECT_EQ(view_->PageTexts().size(), before) << label;
        } else {
            EXPECT_EQ(sink_->MessageCount(), 0) << label;
            ASSERT_EQ(view_->PageTexts().size(), before + 1) << label;
            EXPECT_EQ(view_->PageTexts().back()->m_text.GetLength(), 80);
            EXPECT_EQ(view_->PageTexts().back()->m_x, 2970);
            EXPECT_EQ(view_->PageTexts().back()->m_nEscapement, 0) << "360 degrees";
        }
    }
    // Typing stops at 80 bytes: a double-byte character counts twice.
    platform::DialogScript::Queue([&](CDialog& dialog) {
        const QValidator* limit = TextCombo(dialog)->lineEdit()->validator();
        ASSERT_NE(limit, nullptr);
        QString text = platform::ToQString(fortyKanji.c_str());
        int position = 0;
        EXPECT_EQ(limit->validate(text, position), QValidator::Acceptable);
        text += QStringLiteral("A");
        EXPECT_EQ(limit->validate(text, position), QValidator::Invalid);
        dialog.OnCancel();
    });
    view_->AddStringData(1000, 1000);
}

TEST_F(TextEditingTest, TheFontFaceChangesEveryFontOfTheDrawingAndMarksItModified) {
    AddString(500, 1500, u8"AAAA", 50);
    AddString(500, 1200, u8"BB", 30);
    QString chosen;
    AnswerWithOk([&](CDialog& dialog) {
        auto* faces = qobject_cast<QListWidget*>(dialog.GetDlgItemWidget(CFontDialog::kFaceList));
        ASSERT_NE(faces, nullptr);
        ASSERT_GT(faces->count(), 0) << "the system's scalable faces";
        faces->setCurrentRow(faces->count() - 1);
        chosen = faces->currentItem()->text();
    });
    view_->RouteCommand(ID_STRING_FONT);
    EXPECT_TRUE(Modified());
    for (const auto& font : view_->Data().m_drawing.m_fonts) {
        EXPECT_EQ(platform::ToQString(font->m_faceName), chosen);
    }
    EXPECT_EQ(platform::ToQString(CString(view_->m_logfont.lfFaceName)), chosen);
}

TEST_F(TextEditingTest, SystemSettingsTakeAStringListNamedDotIdAndRefuseBlanksSilently) {
    plots_.Write("list.idx", "");
    plots_.Write("list.ida", "");
    struct Case {
        std::string name;
        int answer; // to the creation question; 0 when none is asked
        bool accepted;
    };
    const Case cases[] = {
        {plots_.File("list.idx"), 0, true},     {plots_.File("list.ida"), 0, true},
        {plots_.File("my list.idx"), 0, false}, {plots_.File("list.txt"), 0, false},
        {plots_.File("new.idx"), IDNO, false},  {plots_.File("New.idx"), IDYES, true},
    };
    for (const Case& c : cases) {
        sink_->Clear();
        app_->State().settings.titleFile = "unchanged";
        if (c.answer != 0) {
            sink_->QueueAnswer(c.answer);
        }
        AnswerWithOk([&](CDialog& dialog) {
            dialog.SetDlgItemText(CSystemSettingDlg::kFile, CString(c.name));
            dialog.SetDlgItemText(CSystemSettingDlg::kMaxCount, "12");
        });
        view_->RouteCommand(ID_SYSTEM_SETTINGS);
        EXPECT_EQ(sink_->MessageCount(), c.answer != 0 ? 1 : 0) << c.name;
        EXPECT_EQ(app_->State().settings.titleFile, c.accepted ? CString(c.name) : CString("unchanged"))
            << c.name;
    }
    EXPECT_EQ(app_->State().settings.maxCount, 12);
}

} // namespace
} // namespace zapho
