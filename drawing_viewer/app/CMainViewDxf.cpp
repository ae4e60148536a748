// The view's system settings and DXF output commands.

#include "drawing_viewer/app/CDxfOutputDlg.h"
#include "drawing_viewer/app/CMainView.h"
#include "drawing_viewer/app/CSystemSettingDlg.h"
#include "drawing_viewer/app/CViewerDoc.h"
#include "drawing_viewer/app/CZaphoApp.h"
#include "drawing_viewer/app/DxfPageFiles.h"
#include "drawing_viewer/core/CPlotDxfWriter.h"

#include "common/records/TextHelpers.h"
#include "platform/core/DiskNames.h"
#include "platform/core/MessageSink.h"
#include "platform/ui/CWaitCursor.h"

#include <algorithm>
#include <unistd.h>

namespace zapho {

namespace {

// A page with a filled polygon needs the later DXF release; each page's form follows from
// that page alone.
bool HasPolygon(const PlotPage& page) {
    for (const PlotItemList* list : {&page.m_items, &page.m_overflow}) {
        for (const auto& item : *list) {
            if (item->m_nType == kPlotPolygon) {
                return true;
            }
        }
    }
    return false;
}

bool CanCreateIn(const CString& path) {
    CString directory;
    SplitPath(path.GetString(), &directory, nullptr, nullptr);
    if (directory.IsEmpty()) {
        directory = ".";
    }
    return platform::IsWritableDirectory(directory);
}

} // namespace

void CMainView::OnSystemSettings() {
    ViewerSettings& settings = ZaphoApp().State().settings;
    CSystemSettingDlg dialog(this);
    dialog.m_strTitleFile = settings.titleFile;
    dialog.m_nAutomatic = settings.automatic;
    dialog.m_nMaxCount = settings.maxCount;
    dialog.m_nMonochrome = settings.monochromePrint;
    dialog.m_nReverse = settings.reverseAnglePrint;
    if (dialog.DoModal() != IDOK) {
        return;
    }
    settings.titleFile = dialog.m_strTitleFile;
    settings.automatic = dialog.m_nAutomatic;
    settings.maxCount = dialog.m_nMaxCount;
    settings.monochromePrint = dialog.m_nMonochrome;
    settings.reverseAnglePrint = dialog.m_nReverse;
}

void CMainView::OnDxfOutput() {
    const int pageCount = Data().m_drawing.PageCount();
    if (pageCount == 0) {
        return;
    }
    CDxfOutputDlg dialog(this);
    dialog.m_strFile = m_strDxfFile;
    dialog.m_nFirstPage = dialog.m_nLastPage = m_nPage + 1;
    dialog.m_nPageCount = pageCount;
    dialog.m_dScaleWide = m_dDxfScaleWide;
    dialog.m_dScaleNarrow = m_dDxfScaleNarrow;
    dialog.m_nColorMode = m_nDxfColorMode;
    std::copy(m_nDxfWidthColor, m_nDxfWidthColor + 4, dialog.m_nWidthColor);
    if (dialog.DoModal() != IDOK) {
        return;
    }
    m_strDxfFile = dialog.m_strFile;
    m_dDxfScaleWide = dialog.m_dScaleWide;
    m_dDxfScaleNarrow = dialog.m_dScaleNarrow;
    m_nDxfColorMode = dialog.m_nColorMode;
    std::copy(dialog.m_nWidthColor, dialog.m_nWidthColor + 4, m_nDxfWidthColor);
    const int first = std::min(dialog.m_nFirstPage, pageCount);
    const int last = std::min(dialog.m_nLastPage, pageCount);
    const std::vector<CString> files = DxfPageFiles(m_strDxfFile, first, last);

    CWaitCursor wait;
    CPlotDxfWriter writer(m_dDxfScaleWide, m_dDxfScaleNarrow, m_nDxfColorMode, m_nDxfWidthColor);
    const PlotDrawing& drawing = Data().m_drawing;
    for (int page = first; page <= last; ++page) {
        const CString& file = files[static_cast<std::size_t>(page - first)];
        if (!CanCreateIn(file)) {
            AfxMessageBox(u8"DXFﾌｧｲﾙをｵｰﾌﾟﾝできません");
            return;
        }
        writer.m_nVersion = HasPolygon(drawing.Page(page - 1)) ? 14 : 0;
        // Each page's header carries that page's own paper.
        if (!writer.ExportPage(file.GetString(), drawing, page - 1)) {
            AfxMessageBox(u8"DXFﾌｧｲﾙ出力に失敗しました !!!");
            return;
        }
    }
}

} // namespace zapho
