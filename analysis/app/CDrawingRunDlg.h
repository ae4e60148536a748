#pragma once
// The drawing settings of a plotted sheet: model scale, paper, titles, displacement scale,
// centring, positions of the model, the axes and the displacement legend. Its "作図実行"
// button ends it with kRunDrawing after the same checks as OK. The title fields offer the
// registered titles, and both ends register the two titles.

#include "analysis/app/ViewSettings.h"

#include "common/ui/dialogs/TitleRegistration.h"
#include "common/ui/edits/CRealEdit.h"
#include "platform/ui/CDialog.h"

namespace torvan {

class CDrawingRunDlg : public CDialog {
public:
    enum : UINT {
        kTemplateId = 360,
        kRunDrawing = 6, // the end code of the "作図実行" button
        kModelScale = 181,
        kPositionX = 182,
        kPositionY = 183,
        kDispScale = 184,
        kAxisBottom = 185,
        kAxisLeft = 186,
        kLegendX = 187,
        kLegendY = 188,
        kPaper = 175,
        kTitle1 = 176,
        kTitle2 = 177,
        kDrawAxes = 193,
        kCenterX = 195,
        kCenterY = 196,
        kRunButton = 150,
    };

    explicit CDrawingRunDlg(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    PlotParameters m_plot;
    TitleRegistration m_titles; // the program's title registration settings

protected:
    void CreateControls() override;

private:
    // The checks of OK and of the run button; false after the message.
    bool TakeValues();
    void OnRunDrawing();

    static constexpr int kRealFields = 8;
    CRealEdit edits_[kRealFields];
};

} // namespace torvan
