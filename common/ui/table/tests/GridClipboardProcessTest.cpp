// Rows copied in one process and pasted in another, through the desktop clipboard of a
// virtual X server.

#include "platform/core/RecordingSink.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

TEST(GridClipboardProcessTest, RowsTravelBetweenTwoProgramsUnderThePrivateFormat) {
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    ASSERT_FALSE(xvfb.isEmpty()) << "xvfb-run is not installed (scripts/install-deps.sh installs it)";
    QProcess pair;
    pair.start(xvfb, {QStringLiteral("-a"), QStringLiteral(GRID_TABLE_TOOL), QStringLiteral("pair")});
    ASSERT_TRUE(pair.waitForFinished(60000));
    const QString rows = QString::fromUtf8(pair.readAllStandardOutput());
    EXPECT_EQ(pair.exitCode(), 0) << pair.readAllStandardError().toStdString();
    EXPECT_EQ(rows.toStdString(), platform::Utf8(u8"2|-35.25|2.250E-04|地点Ｂ\n3|0.75||観測点\n"));
}

} // namespace
