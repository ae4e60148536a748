// The section model editor's DXF reading: the layer table for the import dialog, and the
// import into a model that holds points and lines, adding and then emptying it first.

#include "FuzzSupport.h"

#include "section_editor/core/CBlockDoc.h"
#include "section_editor/core/CDxfImport.h"
#include "section_editor/core/DxfLayerTable.h"

#include <vector>

using section::PointKind;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::QuietMessages();
    const std::string path = fuzz::WriteInput("input.dxf", data, size);
    std::vector<CString> layers;
    merdok::ReadDxfLayerNames(path.c_str(), layers);
    merdok::CBlockDoc doc;
    doc.MakePoint(PointKind::kGround, 0.0, 0.0);
    doc.MakePoint(PointKind::kGround, 10.0, 0.0);
    doc.m_nLineCount = doc.AddLine(0, 1, 0);
    doc.m_strDxfFile = path.c_str();
    doc.m_nLimit[merdok::CBlockDoc::kNodeLimit] = doc.m_nLimit[merdok::CBlockDoc::kLineLimit] = 500;
    for (int clear : {0, 1}) {
        doc.m_nDxfNewRead = clear;
        merdok::CDxfImport(doc).Run(nullptr);
    }
    return 0;
}
