// The section editor's start and end beside a stand-in base menu: the command line's new file
// drawn with the mouse, saved under its name and handed back to the section model slot; a
// second start bringing the running copy forward; the settings file written at exit; files
// opened through the open dialog and by dropping, at the settings' limits, and a new
// document's name in the closing question and the save dialog; the boundary buttons' colours
// and the focus a DXF import gives back.

#include "FakeBaseMenu.h"
#include "RunningCopy.h"

#include "section_editor/app/CBlockView.h"
#include "section_editor/app/CDxfFileDlg.h"
#include "section_editor/app/CMainFrame.h"
#include "section_editor/app/CMerdokApp.h"
#include "section_editor/app/CMerdokDoc.h"
#include "section_editor/app/MerdokIds.h"
#include "section_editor/app/ViewSettings.h"

#include "common/process/BaseMenuExchange.h"
#include "common/ui/dialogs/CFileMyDialog.h"
#include "common/ui/section/CNumberPropDlg.h"
#include "platform/core/CodePage.h"
#include "platform/core/RecordingSink.h"
#include "platform/ui/CClientDC.h"
#include "platform/ui/CDocTemplate.h"
#include "platform/ui/DialogScript.h"
#include "section_editor/core/CBlockDoc.h"
#include "section_editor/core/EditSettings.h"
#include "testsupport/TempDir.h"
#include "testsupport/ui/SpinUntil.h"
#include "testsupport/ui/TestApplication.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QListWidget>
#include <QMimeData>
#include <QToolBar>
#include <QUrl>
#include <QWidget>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <initializer_list>
#include <sstream>
#include <utility>

using section::PointKind;

namespace merdok {
namespace {

CMerdokApp& TheApp() {
    testsupport::TestApplication();
    static CMerdokApp app;
    return app;
}

std::string Utf8(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

class MerdokAppTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("XDG_RUNTIME_DIR", runtime_.Path().c_str(), 1);
        TheApp();
        // The program's settings folder lies in its directory: "<program>/verrant/MERDOK.INI".
        ::setenv("XDG_CONFIG_HOME", program_.Path().c_str(), 1);
        sink_ = std::make_unique<platform::RecordingSink>();
        TheApp().SetProgramDirectory(CString(program_.Slash().c_str()), "MERDOK");
        baseMenu_ = std::make_unique<process_test::FakeBaseMenu>();
        ASSERT_TRUE(baseMenu_->Start());
        baseMenu_->SetSlot(process::kSectionModelSlot, CString("/d/old.sec"));
    }
    void TearDown() override {
        if (!closed_) {
            Close();
        }
        baseMenu_.reset();
        sink_.reset();
    }
    bool Start(const std::vector<std::string>& args) {
        TheApp().m_args.clear();
        for (const std::string& arg : args) {
            TheApp().m_args.emplace_back(platform::Utf8ToCp932(arg));
        }
        closed_ = false;
        return TheApp().InitInstance() != FALSE;
    }
    int Close() {
        closed_ = true;
        if (CWnd* frame = TheApp().m_pMainWnd) {
            frame->GetWidget()->close();
        }
        testsupport::SpinUntil([] { return TheApp().m_pMainWnd == nullptr; }, 5000);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return TheApp().ExitInstance();
    }
    CMerdokDoc* Document() const {
        for (const auto& docTemplate : TheApp().Templates()) {
            for (CDocument* document : docTemplate->Documents()) {
                if (auto* merdokDoc = dynamic_cast<CMerdokDoc*>(document)) {
                    return merdokDoc;
                }
            }
        }
        return nullptr;
    }
    CBlockView* View() const {
        auto* frame = dynamic_cast<CMainFrame*>(TheApp().m_pMainWnd);
        return frame ? frame->ActiveBlockView() : nullptr;
    }
    void Click(CBlockView* view, double x, double y) {
        CPoint p = view->WorldToLogical(x, y);
        CClientDC dc(view);
        view->OnPrepareDC(&dc);
        dc.LPtoDP(&p);
        view->OnMouseMove(0, p);
        view->OnLButtonDown(0, p);
        view->OnLButtonUp(0, p);
    }
    // One run of the continuous-line tool through the given model points, ended by a right click.
    void DrawRun(CBlockView* view, std::initializer_list<std::pair<double, double>> points) {
        view->OnCmdMsg(ID_DRAW_CONTINUOUS_LINE, CN_COMMAND, nullptr);
        for (const auto& [x, y] : points) {
            Click(view, x, y);
        }
        view->OnRButtonUp(0, CPoint(5, 5));
    }
    std::string Slot() { return platform::Cp932ToUtf8(baseMenu_->Slot(process::kSectionModelSlot).str()); }

    testsupport::TempDir runtime_{"merdok-runtime"};
    testsupport::TempDir program_{"merdok-program"};
    testsupport::TempDir data_{"merdok-data"};
    std::unique_ptr<platform::RecordingSink> sink_;
    std::unique_ptr<process_test::FakeBaseMenu> baseMenu_;
    bool closed_ = true;
};

TEST_F(MerdokAppTest, ANewFileDrawnWithTheMouseIsSavedUnderItsNameAndHandedBack) {
    const std::string created = data_.File(Utf8(u8"新しい 断面.sec"));
    ASSERT_TRUE(Start({"@", created}));
    CMerdokDoc* document = Document();
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->GetPathName(), CString(platform::Utf8ToCp932(created).c_str()));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::u8path(created)));
    CBlockView* view = View();
    ASSERT_NE(view, nullptr);
    QApplication::processEvents();

    DrawRun(view, {{10.0, 80.0}, {90.0, 60.0}, {180.0, 30.0}});
    ASSERT_EQ(document->Model().m_mapNode.GetCount(), 3);

    TheApp().m_pMainWnd->RouteCommand(ID_FILE_SAVE);
    ASSERT_TRUE(std::filesystem::exists(std::filesystem::u8path(created))) << sink_->LastMessageUtf8();
    EXPECT_EQ(Close(), 0);
    EXPECT_EQ(Slot(), created);
    EXPECT_EQ(sink_->LastMessageUtf8(), Utf8(u8"基本ﾒﾆｭｰの参照ﾌｧｲﾙ名を変更します"));

    // The settings file beside the program, with the defaults of a first run.
    std::ifstream settings(program_.File("verrant/MERDOK.INI"), std::ios::binary);
    std::stringstream text;
    text << settings.rdbuf();
    EXPECT_NE(text.str().find("Count Limit=5000 5000 1000 10"), std::string::npos);
    EXPECT_NE(text.str().find("New Point=0.010000"), std::string::npos);
    EXPECT_NE(text.str().find(platform::Utf8ToCp932(Utf8(u8"ＭＳ 明朝"))), std::string::npos);
}

// The command line's file to be made, in a folder that is not there: each Ctrl+S asks for the
// name instead of failing to open the file, through a save refused for its ground line and a
// point deleted, up to the save that writes it.
TEST_F(MerdokAppTest, ANewFileWhoseFolderIsMissingIsSavedThroughSaveAs) {
    const std::string named = data_.File(Utf8(u8"未作成/再保存.sec"));
    const std::string chosen = data_.File(Utf8(u8"再保存.sec"));
    ASSERT_TRUE(Start({"@", named}));
    CMerdokDoc* document = Document();
    CBlockView* view = View();
    ASSERT_NE(document, nullptr);
    ASSERT_NE(view, nullptr);
    QApplication::processEvents();
    DrawRun(view, {{10.0, 80.0}, {90.0, 60.0}, {180.0, 30.0}});
    DrawRun(view, {{40.0, 40.0}, {80.0, 35.0}});
    ASSERT_EQ(document->Model().m_LineList.GetCount(), 3);
    int asked = 0;
    auto saveAnsweringTheDialog = [&] {
        platform::DialogScript::Queue([&](CDialog& dialog) {
            ++asked;
            auto& files = dynamic_cast<CFileMyDialog&>(dialog);
            files.SetFileNameText(CString(platform::Utf8ToCp932(chosen).c_str()));
            files.OnOK();
            if (files.GetWidget()->isVisible()) {
                ADD_FAILURE() << "the dialog refused the name";
                files.OnCancel();
            }
        });
        TheApp().m_pMainWnd->RouteCommand(ID_FILE_SAVE);
        platform::DialogScript::Clear();
    };
    saveAnsweringTheDialog();
    EXPECT_EQ(sink_->LastMessageUtf8(), Utf8(u8"地表線が不連続のため、保存できません"));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::u8path(chosen)));

    // The second run's points go; the ground line is whole again.
    view->OnCmdMsg(ID_EDIT_SELECT, CN_COMMAND, nullptr);
    for (const DPoint& point : {DPoint{80.0, 35.0}, DPoint{40.0, 40.0}}) {
        view->UpdateWindow();
        Click(view, point.x, point.y);
        ASSERT_FALSE(view->Selection().IsEmpty());
        sink_->QueueAnswer(IDYES);
        view->OnCmdMsg(ID_EDIT_DELETE, CN_COMMAND, nullptr);
    }
    ASSERT_EQ(document->Model().m_LineList.GetCount(), 2);
    sink_->Clear();
    saveAnsweringTheDialog();
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(sink_->MessageCount(), 0) << sink_->LastMessageUtf8();
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::u8path(chosen)));
    EXPECT_FALSE(document->Model().IsModified());
    EXPECT_EQ(document->GetPathName(), CString(platform::Utf8ToCp932(chosen).c_str()));
    EXPECT_EQ(Close(), 0);
    EXPECT_EQ(Slot(), chosen);
}

// Named relative to the shell's folder, the file to be made is saved there after the working
// directory changed, and the window names it in full.
TEST_F(MerdokAppTest, ANewFileNamedRelativeIsSavedInTheFolderItWasNamedIn) {
    const std::filesystem::path started = std::filesystem::current_path();
    std::filesystem::current_path(data_.Path());
    const std::string created =
        (std::filesystem::current_path() / std::filesystem::u8path(u8"相対.sec")).string();
    const bool begun = Start({"@", Utf8(u8"相対.sec")});
    std::filesystem::current_path(started);
    ASSERT_TRUE(begun);
    CMerdokDoc* document = Document();
    CBlockView* view = View();
    ASSERT_NE(document, nullptr);
    ASSERT_NE(view, nullptr);
    QApplication::processEvents();
    DrawRun(view, {{10.0, 80.0}, {90.0, 60.0}, {180.0, 30.0}});
    TheApp().m_pMainWnd->RouteCommand(ID_FILE_SAVE);
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::u8path(created))) << sink_->LastMessageUtf8();
    EXPECT_EQ(document->GetPathName(), CString(platform::Utf8ToCp932(created).c_str()));
    EXPECT_EQ(Close(), 0);
}

TEST_F(MerdokAppTest, ClosingWithoutSavingLeavesTheSlotAlone) {
    std::filesystem::copy_file(std::filesystem::path(VERRANT_SOURCE_DIR) / "data" / "sample.sec",
                               data_.Path() / "sample.sec");
    ASSERT_TRUE(Start({data_.File("sample.sec")}));
    ASSERT_NE(Document(), nullptr);
    EXPECT_EQ(Document()->Model().m_mapNode.GetCount(), 45);
    EXPECT_EQ(Close(), 0);
    EXPECT_EQ(Slot(), "/d/old.sec");
    EXPECT_EQ(sink_->MessageCount(), 0) << sink_->LastMessageUtf8();
}

TEST_F(MerdokAppTest, ASecondStartBringsTheRunningCopyForward) {
    process_test::RunningCopy copy;
    process::WindowClassServer server(copy);
    ASSERT_TRUE(server.Register("VerrantSection"));
    EXPECT_FALSE(Start({"-e"}));
    EXPECT_EQ(copy.raised, 1);
    EXPECT_EQ(TheApp().m_pMainWnd, nullptr);
    closed_ = true;
}

// A new document's window is captioned "新規" and its number, and takes the name it is saved
// under (in small single-byte letters).
TEST_F(MerdokAppTest, ANewWindowIsCaptionedNewUntilSavedUnderAName) {
    ASSERT_TRUE(Start({}));
    TheApp().m_pMainWnd->RouteCommand(ID_FILE_NEW);
    CMerdokDoc* document = Document();
    ASSERT_NE(document, nullptr);
    CBlockView* view = View();
    ASSERT_NE(view, nullptr);
    QWidget* child = view->GetParentFrame()->GetWidget();
    const std::string title = platform::Cp932ToUtf8(document->GetTitle().str());
    EXPECT_EQ(title.substr(0, Utf8(u8"新規").size()), Utf8(u8"新規"));
    EXPECT_EQ(child->windowTitle().toStdString(), title);

    const std::string path = data_.File(Utf8(u8"Saved 断面.SEC"));
    platform::DialogScript::Queue([path](CDialog& dialog) {
        auto& files = dynamic_cast<CFileMyDialog&>(dialog);
        files.SetFileNameText(CString(platform::Utf8ToCp932(path).c_str()));
        files.OnOK();
    });
    TheApp().m_pMainWnd->RouteCommand(ID_FILE_SAVE_AS);
    ASSERT_TRUE(std::filesystem::exists(std::filesystem::u8path(path))) << sink_->LastMessageUtf8();
    EXPECT_EQ(child->windowTitle().toStdString(), path) << "the path as it is, never in other letters";
    EXPECT_EQ(Close(), 0);
}

// File > Open starts in the current document's folder; with a document that has none, in the
// folder used last.
TEST_F(MerdokAppTest, TheOpenDialogStartsInTheDocumentsFolderElseTheLastUsed) {
    std::filesystem::create_directory(data_.Path() / "inner");
    std::filesystem::copy_file(std::filesystem::path(VERRANT_SOURCE_DIR) / "data" / "sample.sec",
                               data_.Path() / "inner" / "sample.sec");
    const std::string inner = (data_.Path() / "inner").string();
    ASSERT_TRUE(Start({inner + "/sample.sec"}));
    auto startFolderOfOpen = [](const std::string& goTo) {
        std::string folder;
        platform::DialogScript::Queue([&](CDialog& dialog) {
            auto& files = dynamic_cast<CFileMyDialog&>(dialog);
            folder = files.FileDialog()->directory().absolutePath().toStdString();
            if (!goTo.empty()) {
                // As the user's moving to another folder reports it.
                files.FileDialog()->setDirectory(QString::fromStdString(goTo));
                emit files.FileDialog()->directoryEntered(QString::fromStdString(goTo));
            }
            files.OnCancel();
        });
        TheApp().m_pMainWnd->RouteCommand(ID_FILE_OPEN);
        platform::DialogScript::Clear();
        return folder;
    };
    EXPECT_EQ(startFolderOfOpen(data_.Path().string()), inner);
    EXPECT_EQ(startFolderOfOpen(""), inner) << "the document's folder, not the one used last";
    TheApp().m_pMainWnd->RouteCommand(ID_FILE_NEW);
    EXPECT_EQ(startFolderOfOpen(""), data_.Path().string());
    EXPECT_EQ(Close(), 0);
}

// File > Open takes section models and refuses files of the other programs; a file dropped on
// the window opens as well.
TEST_F(MerdokAppTest, TheOpenDialogTakesSectionModelsAndDroppedFilesOpen) {
    for (const char* name : {"sample.sec", "sample.slo"}) {
        std::filesystem::copy_file(std::filesystem::path(VERRANT_SOURCE_DIR) / "data" / name,
                                   data_.Path() / name);
    }
    ASSERT_TRUE(Start({}));
    const std::string analysis = data_.File("sample.slo");
    const std::string model = data_.File("sample.sec");
    bool refusedStaysOpen = false;
    platform::DialogScript::Queue([&](CDialog& dialog) {
        auto& files = dynamic_cast<CFileMyDialog&>(dialog);
        files.SetFileNameText(CString(analysis.c_str()));
        files.OnOK();
        refusedStaysOpen = files.GetWidget()->isVisible();
        files.SetFileNameText(CString(model.c_str()));
        files.OnOK();
    });
    TheApp().m_pMainWnd->RouteCommand(ID_FILE_OPEN);
    EXPECT_TRUE(refusedStaysOpen);
    EXPECT_EQ(sink_->MessagesUtf8(), std::vector<std::string>{Utf8(u8"断面ﾃﾞｰﾀﾌｧｲﾙではありません")});
    ASSERT_NE(Document(), nullptr);
    EXPECT_EQ(Document()->GetPathName(), CString(model.c_str()));
    EXPECT_EQ(Document()->Model().m_mapNode.GetCount(), 45);
    Document()->OnCloseDocument();
    ASSERT_EQ(Document(), nullptr);

    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(QString::fromStdString(model))});
    QWidget* window = TheApp().m_pMainWnd->GetWidget();
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    QApplication::sendEvent(window, &drop);
    ASSERT_NE(Document(), nullptr);
    EXPECT_EQ(Document()->Model().m_mapNode.GetCount(), 45);
    EXPECT_EQ(Close(), 0);
}

// A model made up to the limits the settings allow is saved and opens again (the file is read
// before a view hands the model those limits).
TEST_F(MerdokAppTest, AModelAtTheSettingsLimitsOpensAgain) {
    ASSERT_TRUE(Start({}));
    for (int limit : {5000, EditSettings::kHighestLimit}) {
        ViewSettings& settings = ProgramViewSettings();
        std::fill(settings.countLimit, settings.countLimit + 3, limit);
        CBlockDoc model;
        std::fill(model.m_nLimit, model.m_nLimit + 3, limit);
        for (int i = 0; i < limit; ++i) {
            model.MakePoint(PointKind::kGround, i * 0.5, 50.0 + (i % 7))->SetState(CNode::kNormal);
            model.MakePoint(PointKind::kMeasurement, i * 0.5, 40.0)->SetState(CNode::kNormal);
        }
        for (int i = 0; i + 1 < limit; ++i) {
            model.m_nLineCount = model.AddLine(i, i + 1, model.m_nLineCount);
        }
        model.SetLineStates(0);
        const std::string path = data_.File("limit" + std::to_string(limit) + ".sec");
        ASSERT_TRUE(model.OnSaveDocument(path.c_str())) << sink_->LastMessageUtf8();
        auto* document = dynamic_cast<CMerdokDoc*>(TheApp().OpenDocumentFile(path.c_str()));
        ASSERT_NE(document, nullptr) << limit << ": " << sink_->LastMessageUtf8();
        EXPECT_EQ(document->Model().m_mapNode.GetCount(), limit);
        EXPECT_EQ(document->Model().m_mapSite.GetCount(), limit);
        EXPECT_EQ(document->Model().m_LineList.GetCount(), limit - 1);
        document->OnCloseDocument();
    }
    EXPECT_EQ(sink_->MessageCount(), 0) << sink_->LastMessageUtf8();
    EXPECT_EQ(Close(), 0);
}

// A new document's closing question names its window, and Save As proposes its title as the
// file name.
TEST_F(MerdokAppTest, ANewDocumentIsNamedInTheQuestionAndProposedForSaving) {
    ASSERT_TRUE(Start({}));
    TheApp().m_pMainWnd->RouteCommand(ID_FILE_NEW);
    CMerdokDoc* document = Document();
    ASSERT_NE(document, nullptr);
    const std::string title = platform::Cp932ToUtf8(document->GetTitle().str());
    document->Model().MakePoint(PointKind::kGround, 10.0, 50.0)->SetState(CNode::kNormal);
    document->Model().SetModifiedFlag();
    sink_->QueueAnswer(IDCANCEL);
    EXPECT_FALSE(document->SaveModified());
    EXPECT_EQ(sink_->LastMessageUtf8(), title + Utf8(u8" に行った変更を保存しますか?"));

    std::string proposed;
    platform::DialogScript::Queue([&proposed](CDialog& dialog) {
        auto& files = dynamic_cast<CFileMyDialog&>(dialog);
        const QStringList selected = files.FileDialog()->selectedFiles();
        proposed = selected.isEmpty() ? std::string() : QFileInfo(selected.front()).fileName().toStdString();
        files.OnCancel();
    });
    TheApp().m_pMainWnd->RouteCommand(ID_FILE_SAVE_AS);
    EXPECT_EQ(proposed, title + ".sec");
    document->Model().SetModifiedFlag(false);
    EXPECT_EQ(Close(), 0);
}

// The boundary point buttons take the colour chosen for their points in the display properties.
TEST_F(MerdokAppTest, BoundaryButtonsTakeTheColourChosenForTheirPoints) {
    ASSERT_TRUE(Start({}));
    TheApp().m_pMainWnd->RouteCommand(ID_FILE_NEW);
    CBlockView* view = View();
    ASSERT_NE(view, nullptr);
    constexpr int kUnderBoundaryRow = 7;
    platform::DialogScript::Queue([](CDialog& dialog) {
        qobject_cast<QListWidget*>(dialog.GetDlgItemWidget(CNumberPropDlg::kItemList))
            ->setCurrentRow(kUnderBoundaryRow);
        qobject_cast<QComboBox*>(dialog.GetDlgItemWidget(CNumberPropDlg::kColorCombo))->setCurrentIndex(9);
        dialog.OnOK();
    });
    view->OnCmdMsg(ID_VIEW_PROPERTIES, CN_COMMAND, nullptr);
    const COLORREF chosen = view->m_display.points[kPointUnder].color;
    ASSERT_NE(chosen, DefaultViewSettings(CString()).display.points[kPointUnder].color);
    shell::CComboToolBar& bar = dynamic_cast<CMainFrame*>(TheApp().m_pMainWnd)->EditBar();
    const QImage image =
        bar.Bar()->actions().at(bar.CommandToIndex(ID_DRAW_UNDER_BOUND_POINT))->icon().pixmap(24).toImage();
    bool found = false;
    for (int y = 0; y < image.height() && !found; ++y) {
        for (int x = 0; x < image.width() && !found; ++x) {
            const QColor pixel = image.pixelColor(x, y);
            found = pixel.alpha() == 255 &&
                    RGB(pixel.red(), pixel.green(), pixel.blue()) == static_cast<COLORREF>(chosen);
        }
    }
    EXPECT_TRUE(found);
    EXPECT_EQ(Close(), 0);
}

// A DXF import gives the keyboard focus back to its own window, so that the main window, active
// again after the progress window, brings that document to the front and not another.
TEST_F(MerdokAppTest, ADxfImportLeavesTheFocusInItsWindow) {
    const std::string drawing = data_.File("ground.dxf");
    std::ofstream(drawing, std::ios::binary)
        << "0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nLINE\r\n8\r\nGL\r\n10\r\n0.0\r\n20\r\n50.0\r\n"
           "11\r\n100.0\r\n21\r\n40.0\r\n0\r\nENDSEC\r\n0\r\nEOF\r\n";
    ASSERT_TRUE(Start({}));
    TheApp().m_pMainWnd->RouteCommand(ID_FILE_NEW);
    TheApp().m_pMainWnd->RouteCommand(ID_FILE_NEW);
    CBlockView* importing = View();
    ASSERT_NE(importing, nullptr);
    importing->GetCanvasWidget()->setFocus();
    ASSERT_EQ(TheApp().m_pMainWnd->GetWidget()->focusWidget(), importing->GetCanvasWidget());
    platform::DialogScript::Queue([&drawing](CDialog& dialog) {
        dialog.SetDlgItemText(CDxfFileDlg::kFileEdit, CString(drawing.c_str()));
        dialog.GetDlgItemWidget(IDOK)->setFocus();
        dialog.OnOK();
    });
    sink_->QueueAnswer(IDYES);
    TheApp().m_pMainWnd->RouteCommand(ID_FILE_INPUT_DXF);
    ASSERT_EQ(importing->GetDocument()->Model().m_mapNode.GetCount(), 2) << sink_->LastMessageUtf8();
    EXPECT_EQ(TheApp().m_pMainWnd->GetWidget()->focusWidget(), importing->GetCanvasWidget());
    importing->GetDocument()->Model().SetModifiedFlag(false);
    EXPECT_EQ(Close(), 0);
}

} // namespace
} // namespace merdok
