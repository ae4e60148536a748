#include "platform/ui/SuiteIdentity.h"

#include "platform/ui/CWnd.h"
#include "platform/ui/QtText.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QTranslator>

// The icon lives in a resource of this static library: nothing else pulls it in.
static void LoadSuiteResources() {
    Q_INIT_RESOURCE(suite);
}

namespace platform {
namespace {

QPixmap IconPixmap(QSvgRenderer& renderer, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

} // namespace

const char* SuiteVersion() {
    return VERRANT_VERSION;
}

QIcon SuiteIcon() {
    LoadSuiteResources();
    QSvgRenderer renderer(QStringLiteral(":/verrant/suite-icon.svg"));
    QIcon icon;
    if (!renderer.isValid()) {
        return icon;
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(IconPixmap(renderer, size));
    }
    return icon;
}

void ShowAboutBox(CWnd* owner, const CString& programName) {
    QWidget* parent = owner && owner->GetWidget() ? owner->GetWidget()->window() : nullptr;
    QMessageBox box(parent);
    box.setWindowTitle(ToQString(u8"ﾊﾞｰｼﾞｮﾝ情報"));
    box.setIconPixmap(SuiteIcon().pixmap(64, 64));
    box.setText(ToQString(programName) + QStringLiteral("\n") + ToQString(u8"バージョン ") +
                QString::fromLatin1(SuiteVersion()));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

bool InstallToolkitJapanese() {
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

void ApplySuiteIdentity() {
    QApplication::setWindowIcon(SuiteIcon());
    QApplication::setApplicationVersion(QString::fromLatin1(SuiteVersion()));
}

} // namespace platform
