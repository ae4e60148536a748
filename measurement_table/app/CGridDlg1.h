#pragma once
// The measurement data input dialog: one table row per survey date (year, month, day,
// hour, minute), then the values of a page of measurement points, whose names stand in the
// edits above their column groups. Two forms: two-dimensional (kind 800, three points of ds
// and dz a page) and three-dimensional (kind 801, two points of dx, dy, (ds) and dz, with
// the section direction angle; (ds) is computed from dx and dy). The dialog works on the
// run's point and date lists; OK takes the table into them and asks the owner to save.

#include "measurement_table/core/CMeasurementDocument.h"

#include "common/ui/table/CGridDlg.h"
#include "platform/ui/CMenu.h"

#include <array>
#include <functional>

class QLineEdit;

namespace quilmo {

class CEditTitle;

enum : int {
    IDD_GRID_2D = 137,
    IDD_GRID_3D = 138,
    IDC_POINT_NAME1 = 230,
    IDC_DATA_TITLE = 233,
    IDC_ANGLE = 234,
    IDC_TITLE_LABEL = 235,
    IDC_ANGLE_LABEL = 236,
};

class CGridDlg1 : public CGridDlg {
public:
    static constexpr int kTwoDimensional = 800;
    static constexpr int kThreeDimensional = 801;
    static constexpr int kRowLimit = 10000;
    static constexpr int kDateColumns = 5;

    CGridDlg1(CWnd* parent, int tableKind, PointList& points, DateList& dates);
    ~CGridDlg1() override;

    // Set before the dialog opens and read back after OK.
    CString m_strTitle;
    double m_dAngle = platform::kUnsetDouble;
    // Runs the save on OK after the table's own checks; true ends the dialog with OK.
    std::function<bool(CGridDlg1&)> m_confirm;

    int FirstShownPoint() const { return firstShown_; }
    bool IsThreeDimensional() const { return m_nTableKind == kThreeDimensional; }

    // Takes the rows and the name edits into the lists; false (after "地点名が未定義です")
    // when a point with values has no name.
    bool TakeTableData();
    void ShowPointPage();
    void EnableScrollButtons();
    void PageLeft();
    void PageRight();
    void DeletePoint(int index);
    void InsertPoint(int index);
    void HighlightPoint(int index, bool on);
    void RecomputeDsCell(int col, int row);
    void RecomputeAllDs();
    int TrimEmptyRows(int rows);
    void DropEmptyTailPoints();

    CEditTitle* NameEdit(int index) const;
    // Makes (row, col) the current cell as a click on it does.
    void ClickCellForTest(int row, int col) { SetCurrentCell(row, col); }
    QLineEdit* AngleEdit() const;

    BOOL OnInitDialog() override;
    void OnOK() override;
    void ShowCellEditor() override;
    void OnChangeCellEdit() override;
    int RemoveTrailingEmptyRows(int lastRow) override;
    void CutCurrentRow() override;
    void DeleteSelectedRows() override;
    void InsertBlankRows() override;
    void InsertSelectedRows() override {}
    void PasteRows() override {}
    void ArrangeButtons() override;

protected:
    void CreateControls() override;
    void LayoutControls() override;

private:
    void BuildMenus();
    void WatchTypedFields();
    void RefreshPage();
    // The angle edit lost the focus: a changed text is checked and taken.
    void OnAngleEditDone();
    bool ReadAngleEdit(double& angle);
    CDispData* PointAt(int index) const;
    // True when a cell of the shown point at index holds a value.
    bool HasPageValues(int index);
    void AddNewPoint(std::size_t position);
    void RemoveRowEverywhere(int row);
    // First grid column of the shown point at index (0-based).
    int PointColumn(int index) const { return 1 + kDateColumns + index * valuesPerPoint_; }

    PointList& points_;
    DateList& dates_;
    int pointsPerPage_;
    int valuesPerPoint_;
    int firstShown_ = 0;
    bool dsPending_ = false;
    bool highlighted_ = false;
    CMenu menuBar_;
    CMenu popupMenu_;
    QObject* angleHook_ = nullptr;
};

} // namespace quilmo
