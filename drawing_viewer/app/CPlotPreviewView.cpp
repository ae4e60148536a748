#include "drawing_viewer/app/CPlotPreviewView.h"

#include "platform/core/MessageSink.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CPrintInfo.h"
#include "platform/ui/CView.h"
#include "platform/ui/PreviewPages.h"
#include "platform/ui/QtText.h"

#include <QDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace zapho {

namespace {

constexpr double kZoomStep = 1.25;

// The letter in a label's parentheses answers Alt as it does on the menus.
QPushButton* AddButton(QHBoxLayout* bar, int id, const char8_t* text) {
    auto* button = new QPushButton(CMenu::QtLabel(CString(text)));
    button->setObjectName(QString::number(id));
    button->setAutoDefault(false);
    bar->addWidget(button);
    return button;
}

} // namespace

bool CPlotPreviewView::Run(CView* view) {
    QPrinter printer(QPrinter::HighResolution);
    CPrintInfo prepared;
    prepared.m_bPreview = TRUE;
    prepared.m_pPrinter = &printer;
    if (!view->OnPreparePrinting(&prepared)) {
        return false;
    }
    QWidget* owner = view->GetWidget() ? view->GetWidget()->window() : nullptr;
    QDialog window(owner);
    window.setObjectName(QString::fromLatin1(kObjectName));
    window.setWindowTitle(platform::MessageCaption().IsEmpty()
                              ? platform::ToQString(u8"印刷ﾌﾟﾚﾋﾞｭｰ")
                              : platform::ToQString(platform::MessageCaption()));
    auto* layout = new QVBoxLayout(&window);
    auto* bar = new QHBoxLayout;
    QPushButton* print = AddButton(bar, kPrint, u8"印刷(P)...");
    QPushButton* next = AddButton(bar, kNext, u8"次ﾍﾟｰｼﾞ(N)");
    QPushButton* previous = AddButton(bar, kPrevious, u8"前ﾍﾟｰｼﾞ(V)");
    QPushButton* zoomIn = AddButton(bar, kZoomIn, u8"拡大(I)");
    QPushButton* zoomOut = AddButton(bar, kZoomOut, u8"縮小(O)");
    QPushButton* close = AddButton(bar, kClose, u8"閉じる(C)");
    bar->addStretch(1);
    layout->addLayout(bar);
    auto* pages = new QPrintPreviewWidget(&printer, &window);
    pages->setViewMode(QPrintPreviewWidget::SinglePageView);
    pages->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(pages, 1);
    platform::PreviewPages::Attach(pages, view, prepared);
    auto updateButtons = [=] {
        next->setEnabled(pages->currentPage() < pages->pageCount());
        previous->setEnabled(pages->currentPage() > 1);
    };
    // The pages exist once the preview has drawn them: it opens on the page shown.
    bool opened = false;
    const int shown = static_cast<int>(prepared.m_nCurPage);
    QObject::connect(pages, &QPrintPreviewWidget::previewChanged, &window, [=, &opened] {
        if (!opened && pages->pageCount() > 0) {
            opened = true;
            pages->setCurrentPage(shown);
        }
        updateButtons();
    });
    QObject::connect(next, &QPushButton::clicked, &window, [=] {
        pages->setCurrentPage(pages->currentPage() + 1);
        updateButtons();
    });
    QObject::connect(previous, &QPushButton::clicked, &window, [=] {
        pages->setCurrentPage(pages->currentPage() - 1);
        updateButtons();
    });
    QObject::connect(zoomIn, &QPushButton::clicked, pages, [pages] { pages->zoomIn(kZoomStep); });
    QObject::connect(zoomOut, &QPushButton::clicked, pages, [pages] { pages->zoomOut(kZoomStep); });
    QObject::connect(close, &QPushButton::clicked, &window, &QDialog::reject);
    QObject::connect(print, &QPushButton::clicked, &window, &QDialog::accept);
    pages->fitInView();
    if (const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen()) {
        const QSize available = screen->availableSize();
        window.resize(available.width() * 3 / 4, available.height() * 9 / 10);
    }
    close->setFocus();
    return window.exec() == QDialog::Accepted;
}

} // namespace zapho
