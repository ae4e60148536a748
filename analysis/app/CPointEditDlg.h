#pragma once
// The point dialog ("点変更"): name, X, Y, weight beta and slope alpha of one point. Mode 0
// enters a new point, 1 changes one, 2 only shows a point that a slip line uses, 3 keeps the
// coordinates of a point the section model defines, 4 only shows a point that both fix. The
// name must be set and unique among the points of the map given.

#include "common/ui/edits/CRealEdit.h"
#include "platform/core/CMapWordToOb.h"
#include "platform/core/Unset.h"
#include "platform/ui/CDialog.h"

namespace torvan {

class CNode;

class CPointEditDlg : public CDialog {
public:
    enum : UINT {
        kTemplateId = 218,
        kName = 181,
        kX = 182,
        kY = 183,
        kBeta = 184,
        kAlpha = 185,
        kNote = 161
    };
    enum Mode { kNew = 0, kChange = 1, kViewUsed = 2, kFixedBySection = 3, kViewFixedUsed = 4 };

    CPointEditDlg(const CMapWordToOb& points, const CNode& point, int mode, CWnd* parent);

    BOOL OnInitDialog() override;
    void OnOK() override;

    CString m_strName;
    double m_dX = platform::kUnsetDouble;
    double m_dY = platform::kUnsetDouble;
    double m_dBeta = platform::kUnsetDouble;
    double m_dAlpha = platform::kUnsetDouble;

protected:
    void CreateControls() override;

private:
    bool IsReadOnly(UINT id) const;
    bool NameTakenByAnother(const CString& name) const;

    const CMapWordToOb& points_;
    const CNode& point_;
    int mode_;
    CRealEdit edits_[4]; // X, Y, beta, alpha
    bool attached_ = false;
};

} // namespace torvan
