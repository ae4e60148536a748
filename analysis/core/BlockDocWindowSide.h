#pragma once
// What the analysis document asks of the window side: views, the point change dialog,
// the registered slip-line tree dialog and frame captions. The program implements it;
// tests implement it with a recorder. Message boxes and questions go through the
// message sink instead.

#include "platform/core/CString.h"

namespace torvan {

class CNode;
class CVerrant;

class BlockDocWindowSide {
public:
    virtual ~BlockDocWindowSide() = default;

    virtual void UpdateAllViews() = 0;
    // Shows the point change dialog of the analysis view for a new boundary point, which
    // the user may renumber, rename, move and weight. False when there is no analysis view
    // or the dialog was not confirmed.
    virtual bool EditNewBoundaryPoint(CNode& point) = 0;
    // The registered slip-line tree dialog, while it is open.
    virtual bool IsTreeDialogOpen() const = 0;
    virtual void DeleteTreeItem(int key, int branch) = 0;
    virtual void UpdateTreeItem(int key, CNode* point) = 0;
    virtual void UpdateSlipLineItem(int key, CVerrant* line) = 0;
    // Captions of the document's child frames after its path changed.
    virtual void SetFrameCaptions(const CString& path) = 0;
    // The program's file prompt for saving under a new name; false when cancelled.
    virtual bool PromptSavePath(CString& path) = 0;
    // A save or save-as command saved the document under path: from now on the name the
    // program reports to the control program.
    virtual void ReportSavedFile(const CString& path) = 0;
    // The reference file choice when the command line names another file than the
    // analysis file: 0 takes the command line's name ("基本ﾒﾆｭｰの参照ﾌｧｲﾙ", preselected),
    // 1 the analysis file's ("解析ﾌｧｲﾙの定義ﾌｧｲﾙ").
    virtual int ChooseReferenceFile(const CString& caption, const CString& commandLineName,
                                    const CString& fileName) = 0;
};

} // namespace torvan
