#include "platform/ui/ClosePreviewWindow.h"

#include "platform/core/MessageSink.h"
#include "platform/ui/CPrintInfo.h"
#include "platform/ui/CView.h"
#include "platform/ui/PreviewPages.h"
#include "platform/ui/QtText.h"

#include <QDialog>
#include <QGuiApplication>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace platform {

const char* const ClosePreviewWindow::kObjectName = "verrantClosePreview";

void ClosePreviewWindow::Run(CView* view, const CPrintInfo& prepared) {
    QWidget* owner = view->GetWidget() ? view->GetWidget()->window() : nullptr;
    QDialog window(owner);
    window.setObjectName(QString::fromLatin1(kObjectName));
    window.setWindowTitle(MessageCaption().IsEmpty() ? ToQString(u8"印刷プレビュー")
                                                     : ToQString(MessageCaption()));
    auto* layout = new QVBoxLayout(&window);
    auto* close = new QPushButton(ToQString(u8"閉じる"));
    close->setAutoDefault(false);
    close->setDefault(true);
    layout->addWidget(close, 0, Qt::AlignLeft);
    auto* pages = new QPrintPreviewWidget(prepared.m_pPrinter, &window);
    pages->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(pages, 1);
    QObject::connect(close, &QPushButton::clicked, &window, &QDialog::accept);
    PreviewPages::Attach(pages, view, prepared);
    pages->fitInView();
    if (const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen()) {
        const QSize available = screen->availableSize();
        window.resize(available.width() * 3 / 4, available.height() * 9 / 10);
    }
    close->setFocus();
    window.exec();
}

} // namespace platform
