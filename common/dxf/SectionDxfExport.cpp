#include "common/dxf/SectionDxfExport.h"

#include "common/records/CTextFile.h"
#include "platform/core/MessageSink.h"
#include "platform/core/SafeFileWriter.h"

namespace {

const char8_t kCannotOpen[] = u8"出力ﾌｧｲﾙをｵｰﾌﾟﾝできません";
const char8_t kExportFailed[] = u8"DXFﾌｧｲﾙ出力に失敗しました !!!";

void WriteDrawing(CDxfWriter& writer, const DxfExtent& extent, const CDxfColorPalette& palette,
                  const DxfEntityFiller& fill) {
    writer.WriteHeaderSection(extent.minX, extent.minY, extent.maxX, extent.maxY);
    writer.WriteTablesSection(FALSE, FALSE);
    writer.WriteBlocksSection(FALSE, FALSE);
    writer.WriteGroupString(" 0", "SECTION");
    writer.WriteGroupString(" 2", "ENTITIES");
    writer.SetLayerName("0");
    fill(writer, palette);
    writer.SetLayerName("0");
    writer.WriteGroupString(" 0", "ENDSEC");
    writer.WriteObjectsSection();
    writer.WriteGroupString(" 0", "EOF");
}

} // namespace

bool ExportSectionDxf(const char* path, const DxfExtent& extent, const DxfEntityFiller& fill) {
    CDxfWriter writer;
    platform::SafeFileWriter safeWriter(path);
    CTextFile file;
    if (!file.Open(safeWriter, CFile::modeCreate | CFile::modeWrite | CFile::typeText)) {
        AfxMessageBox(kCannotOpen);
        return false;
    }
    writer.m_pFile = &file;
    CDxfColorPalette palette;
    if (!palette.LoadColorPalette()) {
        palette.BuildDefaultPalette(4.0);
    }
    try {
        WriteDrawing(writer, extent, palette, fill);
        file.Close();
    } catch (const CFileException&) {
        AfxMessageBox(kExportFailed);
        return false; // the temporary goes with the safe writer
    }
    if (!CommitWithMessage(safeWriter)) {
        AfxMessageBox(kExportFailed);
        return false;
    }
    return true;
}
