#pragma once
// The editing and printing settings dialog ("ｼｽﾃﾑ設定(編集･印刷)"): count limits of
// ground-surface points, ground lines and measurement points, the distance and angle that
// decide when a new point or line is an existing one, and monochrome printing. Enter in a
// field moves on to the next one.

#include "section_editor/core/EditSettings.h"

#include "common/ui/edits/CIntegerEdit.h"
#include "common/ui/edits/CRealEdit.h"
#include "platform/ui/CDialog.h"

namespace merdok {

class CSystemSettingDlg : public CDialog {
    DECLARE_DYNAMIC(CSystemSettingDlg)
public:
    enum : UINT {
        kTemplateId = 217,
        kNodeLimit = 181,
        kLineLimit = 182,
        kSiteLimit = 183,
        kDistance = 185,
        kAngle = 186,
        kMonochrome = 112
    };

    explicit CSystemSettingDlg(CWnd* parent);

    int DoModal() override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    EditSettings m_settings; // in and out

protected:
    void CreateControls() override;

private:
    // Reads the fields; false (the focus on the field) when one holds no number.
    bool ReadFields(EditSettings& settings);
    void FocusField(UINT id);

    CIntegerEdit limitEdits_[3];
    CRealEdit distanceEdit_;
    CRealEdit angleEdit_;
};

} // namespace merdok
