// What a desktop user expects of every program on the layer: the wheel scrolls views, MDI
// windows cascade at a usable size and are listed in the window menu, menus open from the
// keyboard.
#include "TestViews.h"
#include "platform/core/RecordingSink.h"
#include "testsupport/TempDir.h"
#include "testsupport/ui/TestApplication.h"
#include "testsupport/ui/WheelEvent.h"

#include "platform/ui/AreaFilling.h"
#include "platform/ui/CMDIChildWnd.h"
#include "platform/ui/CMDIFrameWnd.h"
#include "platform/ui/CMultiDocTemplate.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/CommandPrompts.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

// Records the scroll codes it gets and scrolls by its own steps, as the list views do.
class StepView : public TestView {
    DECLARE_DYNCREATE(StepView)
public:
    void OnVScroll(UINT code, UINT position) override {
        codes.push_back(code);
        TestView::OnVScroll(code, position);
    }
    std::vector<UINT> codes;
};
IMPLEMENT_DYNCREATE(StepView, TestView)

class WheelTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::TestApplication();
        frame_ = new CFrameWnd;
        frame_->m_bAutoDelete = FALSE;
        ASSERT_TRUE(frame_->Create("WHEEL"));
        ASSERT_TRUE(frame_->LoadFrame(nullptr, RUNTIME_CLASS(StepView), nullptr));
        view_ = static_cast<StepView*>(frame_->GetActiveView());
        frame_->GetWidget()->resize(200, 150);
        frame_->ShowWindow(SW_SHOW);
        view_->SetScrollSizes(MM_TEXT, CSize(1000, 1000), CSize(100, 100), CSize(10, 10));
    }
    void TearDown() override {
        delete frame_->GetWidget();
        delete frame_;
    }
    CFrameWnd* frame_ = nullptr;
    StepView* view_ = nullptr;
};

TEST_F(WheelTest, ANotchScrollsThreeArrowStepsThroughTheViewsOwnHandler) {
    QWidget* canvas = view_->GetCanvasWidget();
    testsupport::TurnWheel(canvas, -120);
    EXPECT_EQ(view_->GetScrollPosition().y, 30);
    EXPECT_EQ(view_->codes, (std::vector<UINT>{SB_LINEDOWN, SB_LINEDOWN, SB_LINEDOWN}));
    testsupport::TurnWheel(canvas, 60); // half notches add up
    EXPECT_EQ(view_->GetScrollPosition().y, 30);
    testsupport::TurnWheel(canvas, 60);
    EXPECT_EQ(view_->GetScrollPosition().y, 0);
    testsupport::TurnWheel(canvas, -120, Qt::ShiftModifier); // sideways
    EXPECT_EQ(view_->GetScrollPosition(), CPoint(30, 0));
}

class MdiTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::TestApplication();
        main_ = new CMDIFrameWnd;
        main_->m_bAutoDelete = FALSE;
        ASSERT_TRUE(main_->Create("MDI"));
        app_.m_pMainWnd = main_;
        app_.AddDocTemplate(new CMultiDocTemplate(1, RUNTIME_CLASS(TestDocument), RUNTIME_CLASS(CMDIChildWnd),
                                                  RUNTIME_CLASS(TestView), ".log"));
        main_->GetWidget()->resize(800, 600);
        main_->ShowWindow(SW_SHOW);
        auto* popup = new CMenu;
        popup->AppendMenu(MF_STRING, ID_WINDOW_CASCADE, CString(u8"重ねて表示(Cｶ)"));
        popup->AppendMenu(MF_STRING, ID_WINDOW_TILE_HORZ, CString(u8"並べて表示(Tﾅ)"));
        menu_.AppendMenu(MF_POPUP, popup, CString(u8"ｳｨﾝﾄﾞｳ(Wｳ)"));
        main_->SetMenu(&menu_);
    }
    void TearDown() override {
        app_.CloseAllDocuments(FALSE);
        delete main_->GetWidget();
        delete main_;
    }
    QList<QMdiSubWindow*> Windows() const { return main_->MdiArea()->subWindowList(); }
    QMenu* WindowMenu() const { return menu_.GetSubMenu(0)->Menu(); }

    CWinApp app_{"MDI"};
    CMDIFrameWnd* main_ = nullptr;
    CMenu menu_;
    testsupport::TempDir dir_{"verrant-mdi"};
};

TEST_F(MdiTest, NewWindowsOpenStaggeredAndCascadeAtAUsableSize) {
    for (const char* name : {"a.log", "b.log", "c.log"}) {
        ASSERT_NE(app_.OpenDocumentFile(dir_.File(name).c_str()), nullptr);
    }
    ASSERT_EQ(Windows().size(), 3);
    EXPECT_NE(Windows()[0]->pos(), Windows()[1]->pos());
    EXPECT_NE(Windows()[1]->pos(), Windows()[2]->pos());

    main_->RouteCommand(ID_WINDOW_CASCADE);
    const QSize area = main_->MdiArea()->viewport()->size();
    const int step = main_->CascadeStep();
    QList<QMdiSubWindow*> stacked = main_->MdiArea()->subWindowList(QMdiArea::StackingOrder);
    for (qsizetype i = 0; i < stacked.size(); ++i) {
        EXPECT_EQ(stacked[i]->geometry(), QRect(QPoint(step, step) * static_cast<int>(i), area * 3 / 4));
    }
}

TEST_F(MdiTest, AFileOpenAlreadyComesForwardInsteadOfASecondWindow) {
    testsupport::TempDir dir("verrant-mdi");
    const std::string a = dir.Write("a.log", "a");
    const std::string b = dir.Write("b.log", "b");
    CDocument* first = app_.OpenDocumentFile(a.c_str());
    ASSERT_NE(first, nullptr);
    ASSERT_NE(app_.OpenDocumentFile(b.c_str()), nullptr);
    ASSERT_EQ(Windows().size(), 2);

    // The same file under another spelling of its name is the same document.
    const std::string again = dir.Slash() + "./a.log";
    EXPECT_EQ(app_.OpenDocumentFile(again.c_str()), first);
    EXPECT_EQ(Windows().size(), 2);
    EXPECT_EQ(main_->MdiArea()->activeSubWindow(), Windows()[0]);
}

TEST_F(MdiTest, OneWindowCascadesAtThreeQuartersOfTheArea) {
    ASSERT_NE(app_.OpenDocumentFile(dir_.File("a.log").c_str()), nullptr);
    main_->RouteCommand(ID_WINDOW_CASCADE);
    EXPECT_EQ(Windows()[0]->geometry(), QRect(QPoint(0, 0), main_->MdiArea()->viewport()->size() * 3 / 4));
}

TEST_F(MdiTest, WindowMenuListsTheDocumentsAndSwitchesBetweenThem) {
    ASSERT_NE(app_.OpenDocumentFile(dir_.File("a.log").c_str()), nullptr);
    ASSERT_NE(app_.OpenDocumentFile(dir_.File("b.log").c_str()), nullptr);
    main_->MdiArea()->setActiveSubWindow(Windows()[1]);
    auto entries = [this] {
        emit WindowMenu()->aboutToShow();
        QStringList texts;
        for (QAction* action : WindowMenu()->actions()) {
            if (CMenu::ActionId(action) >= AFX_IDM_FIRST_MDICHILD) {
                texts << action->text() + (action->isChecked() ? "*" : "");
            }
        }
        return texts;
    };
    EXPECT_EQ(entries(), (QStringList{"&1 a.log", "&2 b.log*"}));
    EXPECT_EQ(entries().size(), 2); // listed once however often the menu opens
    for (QAction* action : WindowMenu()->actions()) {
        if (CMenu::ActionId(action) == AFX_IDM_FIRST_MDICHILD) {
            action->trigger();
        }
    }
    EXPECT_EQ(main_->MdiArea()->activeSubWindow(), Windows()[0]);
}

TEST_F(MdiTest, TheMainCaptionNamesNoDocumentOnceTheLastWindowIsClosed) {
    CDocument* document = app_.OpenDocumentFile(dir_.File("a.log").c_str());
    ASSERT_NE(document, nullptr);
    QApplication::processEvents();
    EXPECT_EQ(main_->GetWidget()->windowTitle(), QString("MDI - a.log"));
    document->OnCloseDocument();
    QApplication::processEvents();
    EXPECT_EQ(main_->GetWidget()->windowTitle(), QString("MDI"));
}

TEST(MenuKeys, LettersInParenthesesAreMnemonicsAndF10OpensTheBar) {
    struct Case {
        const char8_t* label;
        const char8_t* shown;
    };
    const Case cases[] = {
        {u8"ﾌｧｲﾙ(Fﾌ)", u8"ﾌｧｲﾙ(&Fﾌ)"},
        {u8"ｼﾞｬﾝﾌﾟ(J)", u8"ｼﾞｬﾝﾌﾟ(&J)"},
        {u8"開く(Oﾋ)...\tCtrl+O", u8"開く(&Oﾋ)...\tCtrl+O"},
        {u8"次頁へｼﾞｬﾝﾌﾟ(N)  \tf･5", u8"次頁へｼﾞｬﾝﾌﾟ(&N)  \tf･5"},
        {u8"ﾊﾞｰｼﾞｮﾝ情報", u8"ﾊﾞｰｼﾞｮﾝ情報"},
        {u8"印刷(&P)", u8"印刷(&P)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CMenu::QtLabel(CString(c.label)),
                  QString::fromUtf8(reinterpret_cast<const char*>(c.shown)));
    }

    testsupport::TestApplication();
    CFrameWnd frame;
    frame.m_bAutoDelete = FALSE;
    ASSERT_TRUE(frame.Create("KEYS"));
    CMenu menu;
    auto* file = new CMenu;
    file->AppendMenu(MF_STRING, ID_APP_EXIT, CString(u8"終了(Xﾘ)"));
    menu.AppendMenu(MF_POPUP, file, CString(u8"ﾌｧｲﾙ(Fﾌ)"));
    frame.SetMenu(&menu);
    frame.ShowWindow(SW_SHOW);
    QMenuBar* bar = frame.MainWindow()->menuBar();
    EXPECT_EQ(bar->actions()[0]->text(), QString::fromUtf8(reinterpret_cast<const char*>(u8"ﾌｧｲﾙ(&Fﾌ)")));
    QAction* f10 = nullptr;
    for (QAction* action : frame.MainWindow()->actions()) {
        if (action->shortcut() == QKeySequence(Qt::Key_F10)) {
            f10 = action;
        }
    }
    ASSERT_NE(f10, nullptr);
    f10->trigger();
    EXPECT_EQ(bar->activeAction(), bar->actions()[0]);
    file->Menu()->hide();
    delete frame.GetWidget();
}

// A frame with one command that has a handler; the others show disabled.
class KeyFrame : public CFrameWnd {
public:
    KeyFrame() {
        MapCommand(ID_FILE_OPEN, [this] { ++opened; });
    }
    int opened = 0;
};

TEST(AcceleratorKeys, RunOnlyEnabledCommandsAndBeepOnlyWhereAsked) {
    testsupport::TestApplication();
    platform::RecordingSink sink;
    KeyFrame frame;
    frame.m_bAutoDelete = FALSE;
    ASSERT_TRUE(frame.Create("KEYS"));
    platform::InstallAccelerators(frame,
                                  {{Qt::CTRL | Qt::Key_O, ID_FILE_OPEN},
                                   {Qt::CTRL | Qt::Key_S, ID_FILE_SAVE},
                                   {QKeyCombination(Qt::Key_F5), ID_FILE_PRINT}},
                                  {ID_FILE_PRINT});
    auto press = [&frame](const QKeySequence& key) {
        for (QAction* action : frame.MainWindow()->actions()) {
            if (action->shortcut() == key) {
                action->trigger();
            }
        }
    };
    press(QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(frame.opened, 1);
    press(QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(sink.BeepCount(), 0);
    press(QKeySequence(Qt::Key_F5));
    EXPECT_EQ(sink.BeepCount(), 1);
    EXPECT_EQ(frame.opened, 1);
    delete frame.GetWidget();
}

} // namespace

namespace {

// A window filled into the area before the main window took its final size (the window
// manager's frame, tool bars) follows the area: a zoomed view then shows one pair of scroll
// bars, its own, not the area's beside them.
TEST_F(MdiTest, AFilledWindowFollowsTheAreaSoThatAZoomedViewHasOnePairOfScrollBars) {
    ASSERT_NE(app_.OpenDocumentFile(dir_.File("a.log").c_str()), nullptr);
    QMdiSubWindow* window = Windows()[0];
    platform::AreaFilling::Of(main_->MdiArea()).Fill(window, 10);
    QApplication::processEvents();
    main_->GetWidget()->resize(700, 520);
    QApplication::processEvents();
    auto* view = dynamic_cast<CScrollView*>(main_->GetActiveFrame()->GetActiveView());
    ASSERT_NE(view, nullptr);
    view->SetScrollSizes(MM_TEXT, CSize(5000, 4000));
    QApplication::processEvents();
    EXPECT_TRUE(view->HorizontalBar()->isVisible());
    EXPECT_TRUE(view->VerticalBar()->isVisible());
    EXPECT_FALSE(main_->MdiArea()->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(main_->MdiArea()->verticalScrollBar()->isVisible());
    const QSize area = main_->MdiArea()->viewport()->size();
    EXPECT_EQ(window->geometry(), QRect(0, 0, area.width() - 10, area.height() - 10));

    // Once the user sized it, the window keeps its size.
    window->resize(300, 200);
    main_->GetWidget()->resize(760, 560);
    QApplication::processEvents();
    EXPECT_EQ(window->size(), QSize(300, 200));
}

} // namespace
