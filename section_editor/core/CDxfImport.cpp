#include "section_editor/core/CDxfImport.h"

#include "section_editor/core/CBlockDoc.h"
#include "section_editor/core/CDocumentSnapshot.h"
#include "section_editor/core/CDxfImportTarget.h"

#include "common/dxf/CDxfReader.h"
#include "platform/core/MessageSink.h"

namespace merdok {

bool CDxfImport::Confirm() const {
    const char8_t* question = u8"DXFﾌｧｲﾙを新規に読み込みます。\n開始してもよろしいですか？";
    if (!doc_.m_mapNode.IsEmpty()) {
        question = doc_.m_nDxfNewRead
                       ? u8"編集ﾃﾞｰﾀをｸﾘｱして、DXFﾌｧｲﾙを読み込みます。\n開始してもよろしいですか？"
                       : u8"編集ﾃﾞｰﾀはそのままで、DXFﾃﾞｰﾀを追加します。\n開始してもよろしいですか？";
    }
    return AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

CDxfImport::Result CDxfImport::Run(CDxfImportProgress* progress) {
    CDocumentSnapshot before(doc_);
    if (doc_.m_nDxfNewRead) {
        // The model is emptied, not the document's file: a save still goes where it came from.
        const CString directory = doc_.m_strDir;
        const CString path = doc_.m_strPath;
        const CString name = doc_.m_strDocName;
        doc_.DeleteContents();
        doc_.m_strDir = directory;
        doc_.m_strPath = path;
        doc_.m_strDocName = name;
    }
    CDxfImportTarget target(doc_);
    CDxfReader reader(target);
    if (!reader.ImportDxf(doc_.m_strDxfFile, progress)) {
        AfxMessageBox(u8"DXFﾌｧｲﾙの読み込みエラーです");
        before.RestoreInto(doc_);
        return Result::kFailed;
    }
    if (target.MadePoints() == 0 && target.MadeLines() == 0) {
        AfxMessageBox(u8"DXFﾌｧｲﾙには読み込めるデータがありません");
        before.RestoreInto(doc_);
        return Result::kNothingFound;
    }
    return Result::kImported;
}

} // namespace merdok
