#pragma once
// The analysis program's side of the view fixture: its document, its view, its frame title and
// its default view settings (no settings file).

#include "analysis/app/CBlockView.h"
#include "analysis/app/CTorvanDoc.h"
#include "analysis/app/ViewSettings.h"
#include "testsupport/Fixtures.h"
#include "testsupport/TempDir.h"
#include "testsupport/ui/ProgramViewTest.h"

#include <filesystem>
#include <string>

namespace torvan {

struct TorvanViewProgram {
    using Document = CTorvanDoc;
    using View = CBlockView;
    static constexpr const char* kTitle = "TORVAN";
    static const CRuntimeClass* ViewClass() { return RUNTIME_CLASS(CBlockView); }
    static void ResetSettings() { ProgramViewSettings() = DefaultViewSettings(CString()); }
    // The sample's analysis, section and boundary files copied into dir, opened from there.
    static bool OpenSampleCopy(CTorvanDoc& document, const testsupport::TempDir& dir) {
        for (const char* name : {"sample.slo", "sample.sec", "sample.dis"}) {
            std::filesystem::copy_file(std::string(VERRANT_SOURCE_DIR "/data/") + name, dir.File(name));
        }
        return document.OnOpenDocument(dir.File("sample.slo").c_str()) != FALSE;
    }
};

template <class Base = testsupport::RecordingSinkTest>
using TorvanWindowTest = testsupport::ProgramViewTest<TorvanViewProgram, Base>;

} // namespace torvan
