// section-import-dxf: imports a DXF file into an empty section model with the settings of
// the import dialog and saves the model as the save command does, every question answered
// Yes. Every message box text goes to standard output, one per line in UTF-8 (a line break
// inside a text as the two characters \ and n).
//
// Usage: section-import-dxf <file.dxf> <settings.json> <out.sec>. The settings are those of
// dxf-import-dump plus "clear_current_data". Exit status 0 when the import ran (whether or
// not it found data) and the model was saved, 1 when nothing could be saved, 2 for a usage
// or settings error (told on standard error).

#include "DxfImportSettingsJson.h"
#include "common/process/ChildCommandLine.h"
#include "platform/core/FileSizeSignal.h"
#include "platform/core/MemoryPages.h"

#include "platform/core/MessageSink.h"
#include "platform/core/StdoutMessageSink.h"
#include "platform/core/Unset.h"
#include "section_editor/core/CBlockDoc.h"
#include "section_editor/core/CDxfImport.h"

#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>

namespace {

// The document's settings as the import dialog leaves them: an empty region bound is the
// largest single-precision value.
void TakeSettings(merdok::CBlockDoc& doc, const dxftest::JsonImportSettings& json, const CString& dxfPath) {
    const CDxfImportSettings& settings = json.settings;
    doc.m_strDxfFile = dxfPath;
    for (int i = 0; i < 3; ++i) {
        doc.m_listDxfLayers[i] = settings.layerLists[i];
    }
    doc.m_dDxfFactorX = settings.xFactor;
    doc.m_dDxfFactorY = settings.yFactor;
    doc.m_dDxfSnap = settings.samePointDistance;
    for (int i = 0; i < 4; ++i) {
        const double unbounded = i % 2 == 0 ? -platform::kExtentLimit : platform::kExtentLimit;
        doc.m_dDxfRegion[i] = platform::IsUnsetDouble(settings.region[i]) ? unbounded : settings.region[i];
    }
    doc.m_nDxfNewRead = json.clearCurrentData ? 1 : 0;
    doc.m_nLimit[merdok::CBlockDoc::kNodeLimit] = json.pointLimit;
    doc.m_nLimit[merdok::CBlockDoc::kLineLimit] = json.lineLimit;
}

// The suite's name of a path argument, as the window programs take their arguments.
CString PathArgument(const char* diskName, const char* what) {
    std::optional<CString> name = process::SuiteArgument(diskName);
    if (!name) {
        throw dxftest::SettingsError(std::string(what) + " cannot be written in CP932: " + diskName);
    }
    return *name;
}

} // namespace

int main(int argc, char** argv) {
    platform::IgnoreFileSizeSignal();
    platform::KeepFreedMemoryForReuse();
    if (argc != 4) {
        std::cerr << "usage: section-import-dxf <file.dxf> <settings.json> <out.sec>\n";
        return 2;
    }
    merdok::CBlockDoc doc;
    try {
        TakeSettings(doc, dxftest::ReadImportSettingsJson(argv[2]), PathArgument(argv[1], "the DXF path"));
        const CString outPath = PathArgument(argv[3], "the output path");
        doc.m_promptSavePath = [outPath](CString& path) {
            path = outPath;
            return true;
        };
    } catch (const dxftest::SettingsError& error) {
        std::cerr << "section-import-dxf: " << error.what() << '\n';
        return 2;
    }
    platform::StdoutMessageSink sink;
    platform::SetMessageSink(&sink);
    merdok::CDxfImport import(doc);
    if (import.Confirm()) {
        import.Run(nullptr);
    }
    const BOOL saved = doc.OnFileSave();
    platform::SetMessageSink(nullptr);
    // Out without taking the model apart: the system takes its memory back at once, where
    // freeing a hundred thousand points and lines one by one cost a tenth of the run.
    std::exit(saved ? 0 : 1);
}
