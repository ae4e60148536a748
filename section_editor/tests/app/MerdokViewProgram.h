#pragma once
// The section editor's side of the view fixture: its document, its view, its frame title and
// its default view settings (no settings file).

#include "section_editor/app/CBlockView.h"
#include "section_editor/app/CMerdokDoc.h"
#include "section_editor/app/ViewSettings.h"
#include "testsupport/Fixtures.h"
#include "testsupport/ui/ProgramViewTest.h"

namespace merdok {

struct MerdokViewProgram {
    using Document = CMerdokDoc;
    using View = CBlockView;
    static constexpr const char* kTitle = "MERDOK";
    static const CRuntimeClass* ViewClass() { return RUNTIME_CLASS(CBlockView); }
    static void ResetSettings() { ProgramViewSettings() = DefaultViewSettings(CString()); }
};

template <class Base = testsupport::RecordingSinkTest>
using MerdokWindowTest = testsupport::ProgramViewTest<MerdokViewProgram, Base>;

} // namespace merdok
