#include "DxfTestFiles.h"
#include "RecordingDocument.h"

#include "common/dxf/CDxfReader.h"
#include "common/ui/dxf/CDxfReadProgressDlg.h"
#include "platform/core/RecordingSink.h"
#include "platform/ui/QtText.h"

#include "testsupport/ui/TestApplication.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

std::string LabelText(CDxfReadProgressDlg& dialog, int id) {
    return qobject_cast<QLabel*>(dialog.GetDlgItemWidget(id))->text().toStdString();
}

// A drawing of many separate lines on layer 0.
std::string ManyLines(int count) {
    std::vector<std::string> groups;
    for (int i = 0; i < count; ++i) {
        const std::string x = std::to_string(i * 10);
        groups.insert(groups.end(), {"0", "LINE", "8", "0", "10", x, "20", "0", "11", x, "21", "5"});
    }
    return dxftest::EntitiesDxf(groups);
}

TEST(DxfReadProgressDlgTest, ShowsPathAndCountsAndClosesWhenTheImportEnds) {
    testsupport::TestApplication();
    platform::RecordingSink sink;
    const std::string path = dxftest::OutputPath("progress-counts.dxf");
    dxftest::WriteBytes(path, ManyLines(3));
    dxftest::RecordingDocument document;
    document.settings.samePointDistance = 0.01;
    CDxfReadProgressDlg dialog;
    CDxfReader reader(document);
    EXPECT_EQ(reader.ImportDxf(path.c_str(), &dialog), 1);
    EXPECT_EQ(document.points.size(), 6u);
    EXPECT_EQ(LabelText(dialog, CDxfReadProgressDlg::kPathId), path);
    EXPECT_EQ(LabelText(dialog, CDxfReadProgressDlg::kCountsId),
              std::string(reinterpret_cast<const char*>(u8"個数： 点(6) 線(3)")));
    EXPECT_FALSE(dialog.Dialog()->isVisible());
    EXPECT_EQ(dialog.GetTemplateId(), 119u);
}

TEST(DxfReadProgressDlgTest, CancelButtonStopsTheImportKeepingWhatWasRead) {
    testsupport::TestApplication();
    platform::RecordingSink sink;
    const std::string path = dxftest::OutputPath("progress-cancel.dxf");
    dxftest::WriteBytes(path, ManyLines(2000));
    dxftest::RecordingDocument document;
    document.settings.samePointDistance = 0.01;
    CDxfReadProgressDlg dialog;
    // The click arrives as a waiting event, which the reader hands to the dialog between groups.
    QTimer::singleShot(0,
                       [&dialog] { qobject_cast<QPushButton*>(dialog.GetDlgItemWidget(IDCANCEL))->click(); });
    CDxfReader reader(document);
    EXPECT_EQ(reader.ImportDxf(path.c_str(), &dialog), 1);
    EXPECT_TRUE(dialog.IsCancelled());
    EXPECT_LT(document.lines.size(), 2000u);
    EXPECT_FALSE(dialog.Dialog()->isVisible());
}

} // namespace
