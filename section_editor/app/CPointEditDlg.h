#pragma once
// The point dialog (template 218): one point's number or name and its coordinates. A ground
// point keeps its name field closed and needs a number no other ground point has; the other
// kinds keep their number and need a name no other point of their map has (a measurement
// point always a name). A boundary point on the ground surface keeps its height.

#include "section_editor/core/RecordMap.h"

#include "common/ui/edits/CIntegerEdit.h"
#include "common/ui/edits/CRealEdit.h"
#include "platform/ui/CDialog.h"

namespace merdok {

class CNode;

class CPointEditDlg : public CDialog {
    DECLARE_DYNAMIC(CPointEditDlg)
public:
    enum : UINT { kTemplateId = 218, kName = 181, kX = 182, kY = 183, kNumber = 184 };

    // map: where names and numbers must stay unique; null for no check.
    CPointEditDlg(const CNode& point, const RecordMap<CNode>* map, CWnd* parent);

    int DoModal() override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    int m_nNumber = 0; // out
    double m_dX = 0.0; // out
    double m_dY = 0.0; // out
    CString m_strName; // out

protected:
    void CreateControls() override;

private:
    bool NameIsFree(const CString& name) const;
    bool CheckName(CString& name) const;
    bool CheckNumber(int number) const;

    const CNode& point_;
    const RecordMap<CNode>* map_;
    CRealEdit xEdit_;
    CRealEdit yEdit_;
    CIntegerEdit numberEdit_;
};

} // namespace merdok
