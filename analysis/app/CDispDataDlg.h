#pragma once
// The displacement data settings ("変位ﾃﾞｰﾀの設定", template 123): which measurement points
// (list 107) and which of the selected point's readings (list 108) the analysis uses, and
// each point's β (181). The use and exclude buttons act on the selected rows (Ctrl adds
// rows to the selection); a double click toggles a row. The dialog works on its own copy
// of the points, which the caller takes back on OK.

#include "common/ui/edits/CRealEdit.h"
#include "platform/ui/CDialog.h"

#include <vector>

namespace torvan {

class CDispDataDlg : public CDialog {
public:
    enum : UINT {
        kTemplateId = 123,
        kPointList = 107,
        kReadingList = 108,
        kUsePoint = 150,
        kExcludePoint = 151,
        kUseReading = 153,
        kExcludeReading = 154,
        kBeta = 181,
    };

    // One measurement point: its name, whether it is used, β and its readings (the text
    // shown for each, and whether it is used).
    struct Point {
        CString name;
        int use = 1;
        double beta = 1.0;
        std::vector<CString> readings;
        std::vector<int> readingUsed;
    };

    explicit CDispDataDlg(CWnd* parent = nullptr);

    int DoModal() override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    std::vector<Point> m_points;

protected:
    void CreateControls() override;

private:
    void ShowPoints();
    void ShowReadings();
    // β of the current point from its field; false (after the message) when it does not read.
    bool TakeBeta();
    void OnPointChange(int row);
    void SetSelectedPoints(int use);
    void SetSelectedReadings(int use);
    void TogglePoint(int row);
    void ToggleReading(int row);
    Point* CurrentPoint();

    CRealEdit beta_;
    int current_ = -1;
};

} // namespace torvan
