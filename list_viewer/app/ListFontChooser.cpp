#include "list_viewer/app/ListFontChooser.h"

#include "list_viewer/app/ListFontConvert.h"

#include "common/ui/dialogs/CFontMyDialog.h"
#include "platform/core/MessageSink.h"
#include "platform/ui/CDC.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

namespace wenux {

namespace {

constexpr int kSmallestDisplayPoints = 4;
constexpr int kLargestDisplayPoints = 15;
constexpr int kDisplayMode = 1;
constexpr int kPrintMode = 2;

bool RunFontDialog(CFontMyDialog& dialog, const char8_t* caption, int mode, ListFont& font) {
    dialog.m_strCaption = CString(caption);
    dialog.m_nMode = mode;
    if (dialog.DoModal() != IDOK) {
        return false;
    }
    LOGFONT chosen = dialog.m_lf;
    // The viewer lays text out in Japanese character cells whatever the face says.
    chosen.lfCharSet = SHIFTJIS_CHARSET;
    chosen.lfPitchAndFamily = FIXED_PITCH;
    chosen.lfUnderline = 0;
    chosen.lfStrikeOut = 0;
    font = FromLogFont(chosen);
    return true;
}

} // namespace

bool ChooseDisplayFont(CWnd* parent, ListFont& font) {
    const LOGFONT initial = ToLogFont(font);
    CFontMyDialog dialog(&initial, CF_SCREENFONTS | CF_FIXEDPITCHONLY | CF_LIMITSIZE | CF_INITTOLOGFONTSTRUCT,
                         nullptr, parent);
    dialog.m_cf.nSizeMin = kSmallestDisplayPoints;
    dialog.m_cf.nSizeMax = kLargestDisplayPoints;
    return RunFontDialog(dialog, u8"表示フォント", kDisplayMode, font);
}

bool ChoosePrintFont(CWnd* parent, ListFont& font) {
    // Without an installed printer the pages go to a PDF writer, which stands in for it.
    QPrinter printer(QPrinter::HighResolution);
    QTemporaryDir scratch;
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(scratch.filePath(QStringLiteral("font.pdf")));
    }
    if (!printer.isValid()) {
        AfxMessageBox(u8"プリンタ設定値獲得不能");
        return false;
    }
    CDC printerDC;
    if (!printerDC.AttachDevice(&printer, true)) {
        AfxMessageBox(u8"プリンタ DC 獲得不能");
        return false;
    }
    const LOGFONT initial = ToLogFont(font);
    CFontMyDialog dialog(&initial,
                         CF_PRINTERFONTS | CF_FIXEDPITCHONLY | CF_NOSIZESEL | CF_INITTOLOGFONTSTRUCT,
                         &printerDC, parent);
    const int keptHeight = font.height;
    const bool chosen = RunFontDialog(dialog, u8"印刷フォント", kPrintMode, font);
    // The paper decides the print height; the dialog offers no size.
    font.height = keptHeight;
    printerDC.Detach();
    return chosen;
}

} // namespace wenux
