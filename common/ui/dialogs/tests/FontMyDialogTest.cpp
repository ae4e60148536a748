#include "testsupport/TempDir.h"
#include "testsupport/ui/TestApplication.h"

#include "common/ui/dialogs/CFontMyDialog.h"
#include "platform/ui/CDC.h"
#include "platform/ui/DialogScript.h"
#include "platform/ui/QtText.h"

#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QWidget>
#include <cstring>
#include <gtest/gtest.h>

namespace {

using platform::DialogScript;

LOGFONT GothicFont(int height) {
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    const CString face(u8"ＭＳ ゴシック");
    std::strncpy(lf.lfFaceName, face.GetString(), sizeof lf.lfFaceName - 1);
    return lf;
}

QString Current(CDialog& dialog, int listId) {
    auto* list = qobject_cast<QListWidget*>(dialog.GetDlgItemWidget(listId));
    return list && list->currentItem() ? list->currentItem()->text() : QString();
}

class FontDialogTest : public ::testing::Test {
protected:
    void SetUp() override { testsupport::TestApplication(); }
    testsupport::TempDir files_;
};

TEST_F(FontDialogTest, AJapaneseFaceIsShownAsItsNotoFamilyAndKeptWhenUnchanged) {
    const LOGFONT initial = GothicFont(-16);
    CFontMyDialog dialog(&initial, CF_SCREENFONTS | CF_FIXEDPITCHONLY | CF_INITTOLOGFONTSTRUCT);
    QString shownFace, shownSize;
    DialogScript::Queue([&](CDialog& open) {
        shownFace = Current(open, CFontDialog::kFaceList);
        shownSize = Current(open, CFontDialog::kSizeList);
        open.OnOK();
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(shownFace, "Noto Sans Mono CJK JP");
    EXPECT_EQ(shownSize, "12"); // 16 pixels at 96 dpi
    LOGFONT chosen;
    dialog.GetCurrentFont(&chosen);
    EXPECT_EQ(CString(chosen.lfFaceName), CString(u8"ＭＳ ゴシック"));
    EXPECT_EQ(chosen.lfHeight, -16);
    EXPECT_EQ(CString(dialog.m_lf.lfFaceName), CString(u8"ＭＳ ゴシック"));
    EXPECT_EQ(dialog.m_cf.iPointSize, 120);
}

TEST_F(FontDialogTest, AnotherInstalledFamilyIsHandedBackByItsName) {
    const LOGFONT initial = GothicFont(-12);
    CFontMyDialog dialog(&initial, CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT);
    DialogScript::Queue([&](CDialog&) {
        ASSERT_TRUE(dialog.SelectFace("Noto Serif CJK JP"));
        dialog.SelectSize(14);
        dialog.SelectColor(RGB(255, 0, 0));
        dialog.CheckDlgButton(CFontDialog::kUnderline, 1);
        dialog.OnOK();
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(CString(dialog.m_lf.lfFaceName), CString("Noto Serif CJK JP"));
    EXPECT_EQ(dialog.m_lf.lfHeight, -19); // 14 points at 96 dpi
    EXPECT_EQ(dialog.m_lf.lfUnderline, 1);
    EXPECT_EQ(dialog.GetColor(), RGB(255, 0, 0));
    EXPECT_EQ(dialog.m_cf.rgbColors, RGB(255, 0, 0));
    EXPECT_EQ(dialog.CurrentQFont().family(), "Noto Serif CJK JP");
}

TEST_F(FontDialogTest, APrinterFontWithoutSizeSelectionKeepsItsHeightInPrinterUnits) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(files_.File("font.pdf")));
    CDC printerDC;
    ASSERT_TRUE(printerDC.AttachDevice(&printer, true));
    const LOGFONT initial = GothicFont(-100);
    CFontMyDialog dialog(
        &initial, CF_PRINTERFONTS | CF_FIXEDPITCHONLY | CF_NOSIZESEL | CF_INITTOLOGFONTSTRUCT, &printerDC);
    dialog.m_nMode = 2;
    dialog.m_strCaption = CString(u8"印刷フォント");
    bool sizeShown = true;
    DialogScript::Queue([&](CDialog& open) {
        sizeShown = open.GetDlgItemWidget(CFontDialog::kSizeList)->isVisible();
        open.OnOK();
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    printerDC.Detach();
    EXPECT_FALSE(sizeShown);
    EXPECT_EQ(dialog.m_lf.lfHeight, -100);
    EXPECT_EQ(CString(dialog.m_lf.lfFaceName), CString(u8"ＭＳ ゴシック"));
    EXPECT_EQ(dialog.m_cf.iPointSize, 100 * 720 / printer.logicalDpiY());
}

TEST_F(FontDialogTest, FixedPitchOnlyOffersNoProportionalFamily) {
    const LOGFONT initial = GothicFont(-12);
    CFontMyDialog dialog(&initial, CF_SCREENFONTS | CF_FIXEDPITCHONLY);
    dialog.EnsureCreated();
    const QStringList faces = dialog.Faces();
    EXPECT_TRUE(faces.contains("Noto Sans Mono CJK JP"));
    EXPECT_FALSE(faces.contains("Noto Serif CJK JP"));
    EXPECT_FALSE(faces.contains("Noto Sans CJK JP"));
}

TEST_F(FontDialogTest, ALimitedSizeRangeIsOfferedAndClamped) {
    const LOGFONT initial = GothicFont(-40); // 30 points: outside the range
    CFontMyDialog dialog(&initial, CF_SCREENFONTS | CF_LIMITSIZE);
    dialog.m_cf.nSizeMin = 4;
    dialog.m_cf.nSizeMax = 15;
    DialogScript::Queue([](CDialog& open) { open.OnOK(); });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    auto* sizes = qobject_cast<QListWidget*>(dialog.GetDlgItemWidget(CFontDialog::kSizeList));
    EXPECT_EQ(sizes->item(0)->text(), "4");
    EXPECT_EQ(sizes->item(sizes->count() - 1)->text(), "15");
    EXPECT_EQ(dialog.m_cf.iPointSize, 150);
}

TEST_F(FontDialogTest, ModesHideRowsAndModeThreeLeavesOnlyTheFaceList) {
    const int rows[] = {CFontMyDialog::kCheck1,   CFontMyDialog::kCheck2,  CFontDialog::kColorBox,
                        CFontDialog::kColorLabel, CFontDialog::kSizeList,  CFontDialog::kSizeLabel,
                        CFontDialog::kStyleList,  CFontDialog::kStyleLabel};
    const int hiddenCount[] = {1, 4, 6, 8}; // rows hidden by modes 0..3, in the order above
    for (int mode = 0; mode <= 3; ++mode) {
        CFontMyDialog dialog(nullptr, CF_SCREENFONTS | CF_EFFECTS);
        dialog.m_nMode = mode;
        dialog.m_strCaption = CString(u8"表示フォント");
        std::vector<bool> visible;
        bool faceVisible = false;
        QString caption;
        DialogScript::Queue([&](CDialog& open) {
            for (int id : rows) {
                visible.push_back(open.GetDlgItemWidget(id)->isVisible());
            }
            faceVisible = open.GetDlgItemWidget(CFontDialog::kFaceList)->isVisible();
            caption = open.GetWidget()->windowTitle();
            open.OnCancel();
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        ASSERT_EQ(visible.size(), 8u);
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(visible[static_cast<std::size_t>(i)], i >= hiddenCount[mode])
                << "mode " << mode << " row " << i;
        }
        EXPECT_TRUE(faceVisible);
        EXPECT_EQ(caption, QString::fromUtf8(reinterpret_cast<const char*>(u8"表示フォント")));
        EXPECT_EQ(dialog.GetWidget()->objectName(), "1542");
    }
}

TEST_F(FontDialogTest, CheckBoxesExchangeTheirStatesAndTheSampleShowsTheChosenFont) {
    CFontMyDialog dialog(nullptr, CF_SCREENFONTS | CF_EFFECTS);
    dialog.m_nCheck1 = 1;
    dialog.m_nCheck2 = 0;
    QString sampleText;
    DialogScript::Queue([&](CDialog& open) {
        EXPECT_EQ(open.IsDlgButtonChecked(CFontMyDialog::kCheck1), 1u); // hidden in mode 0, state kept
        EXPECT_EQ(open.IsDlgButtonChecked(CFontMyDialog::kCheck2), 0u);
        open.CheckDlgButton(CFontMyDialog::kCheck2, 1);
        dialog.SelectFace("Noto Serif CJK JP");
        auto* sample = qobject_cast<QLabel*>(open.GetDlgItemWidget(CFontMyDialog::kSampleBox));
        sampleText = sample->text();
        EXPECT_EQ(sample->font().family(), "Noto Serif CJK JP");
        open.OnOK();
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(sampleText, "12345678");
    EXPECT_EQ(dialog.m_nCheck1, 1);
    EXPECT_EQ(dialog.m_nCheck2, 1);
}

} // namespace
