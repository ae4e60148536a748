#pragma once
// The model-size dialog (template 101, "モデルの大きさ"): the area that "view all" fits, as X and
// Y ranges in metres (each pair maximum first). A button fills the fields from the current
// drawing area, which the dialog also shows. OK needs all four values with maximum >= minimum;
// Enter in a field moves to the next one.

#include "common/ui/edits/CRealEdit.h"
#include "common/view/Viewport.h"
#include "platform/ui/CDialog.h"

class CModelSizeDlg : public CDialog {
    DECLARE_DYNAMIC(CModelSizeDlg)
public:
    enum : UINT {
        kTemplateId = 101,
        kXMax = 103,
        kXMin = 104,
        kYMax = 105,
        kYMin = 106,
        kCurrentX = 161,
        kCurrentY = 162
    };

    // currentAreaButton: the id of the "現在の描画域に設定" button (the programs differ).
    CModelSizeDlg(UINT currentAreaButton, CWnd* parent);

    int DoModal() override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    section::WorldRange m_size;    // in and out
    section::WorldRange m_current; // the current drawing area; unset when nothing is drawn

protected:
    void CreateControls() override;

private:
    void OnCurrentArea();

    UINT currentAreaButton_;
    CRealEdit edits_[4]; // X max, X min, Y max, Y min
};
