// Test-support program for the table dialog on a real desktop (run it under xvfb-run):
//   grid_table_tool write   copies rows 2..3 of a sample table, says "ready", serves the
//                           clipboard until its standard input closes
//   grid_table_tool read    pastes the clipboard's rows into an empty table and prints them
//   grid_table_tool pair    runs a writer and then a reader, prints what the reader printed
//   grid_table_tool demo F  shows a sample table with Japanese captions and saves it as F (PNG)

#include "TestTable.h"

#include "platform/core/CString.h"
#include "platform/ui/QtText.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPixmap>
#include <QProcess>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

void SampleRows(TestTable& table) {
    table.AddRow("1", "120.5", "1.5e3", u8"地点A");
    table.AddRow("2", "-35.25", "2.25e-4", u8"地点Ｂ");
    table.AddRow("3", "0.75", "", u8"観測点");
    table.AddRow("4", "99999", "9.9e4", u8"ｷｬﾝﾌﾟ");
}

void UseDesktop() {
    if (qEnvironmentVariableIsSet("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
}

int Write(int argc, char** argv) {
    UseDesktop();
    QApplication app(argc, argv);
    TestTable table;
    SampleRows(table);
    table.Open();
    table.SelectRows(2, 3);
    table.GridKey(Qt::Key_C, Qt::ControlModifier);
    std::printf("ready\n");
    std::fflush(stdout);
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&app] {
        char buffer[64];
        if (read(STDIN_FILENO, buffer, sizeof buffer) <= 0) {
            app.quit();
        }
    });
    QTimer::singleShot(30000, &app, &QApplication::quit);
    return app.exec();
}

int Read(int argc, char** argv) {
    UseDesktop();
    QApplication app(argc, argv);
    TestTable table;
    table.Open();
    table.Key(Qt::Key_P, Qt::ControlModifier);
    for (const std::string& row : table.RowsAsText()) {
        std::printf("%s\n", row.c_str());
    }
    return 0;
}

int Pair(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    QProcess writer;
    writer.start(self, {QStringLiteral("write")});
    if (!writer.waitForStarted(10000)) {
        return 2;
    }
    QElapsedTimer clock;
    clock.start();
    while (!writer.canReadLine() && clock.elapsed() < 20000) {
        writer.waitForReadyRead(500);
    }
    if (writer.readLine().trimmed() != "ready") {
        return 3;
    }
    QProcess reader;
    reader.start(self, {QStringLiteral("read")});
    const bool done = reader.waitForFinished(20000);
    writer.closeWriteChannel();
    writer.waitForFinished(10000);
    if (!done) {
        return 4;
    }
    const QByteArray rows = reader.readAllStandardOutput();
    std::fwrite(rows.constData(), 1, static_cast<std::size_t>(rows.size()), stdout);
    return reader.exitCode();
}

int Demo(int argc, char** argv, const char* path) {
    UseDesktop();
    QApplication app(argc, argv);
    TestTable table;
    SampleRows(table);
    table.Open();
    table.ClickCell(2, 2);
    QApplication::processEvents();
    QTimer::singleShot(300, &app, &QApplication::quit);
    app.exec();
    const bool saved = table.Dialog()->grab().save(QString::fromLocal8Bit(path), "PNG");
    return saved ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const char* mode = argc > 1 ? argv[1] : "";
    if (std::strcmp(mode, "write") == 0) {
        return Write(argc, argv);
    }
    if (std::strcmp(mode, "read") == 0) {
        return Read(argc, argv);
    }
    if (std::strcmp(mode, "pair") == 0) {
        return Pair(argc, argv);
    }
    if (std::strcmp(mode, "demo") == 0 && argc > 2) {
        return Demo(argc, argv, argv[2]);
    }
    std::fprintf(stderr, "usage: grid_table_tool write|read|pair|demo <png>\n");
    return 2;
}
