#pragma once
// The analysis command after the method dialog's OK, without a window: the polygon
// methods build the blocks and trace one slip line at once; the polynomial method takes
// the document's block lines into the block-line table, and the table's OK checks them,
// makes them vertical, asks whether to go on and runs the solver. Messages and the
// question go through the message sink.

#include "analysis/core/CBlockDoc.h"

namespace torvan {

class AnalysisRun {
public:
    // solver may be null when the solver library is missing.
    AnalysisRun(CBlockDoc& doc, CBlockDoc::SolverEntry solver) : doc_(doc), solver_(solver) {}

    // The whole run for the chosen method and two-point option, the block-line table
    // confirmed as it opens. 1 when a slip line was added.
    int Run(int method, int option);

    // The polygon methods: stores the choice, divides the section and traces the line.
    // A division that fails stops the run with its one message. Replaced block lines mark
    // the document modified here and in ConfirmBlockLineTable.
    int RunPolygonMethod(int method, int option);
    // The polynomial method up to the opened table: 0 (nothing stored) without a ground-
    // surface boundary point, else 1 with the table's rows filled from the block lines.
    int OpenPolynomialMethod();
    // The table's OK: no rows, a refused check or the user's No stop the run; otherwise
    // the block lines become the table's vertical lines and the solver runs.
    int ConfirmBlockLineTable();
    // True after ConfirmBlockLineTable refused the rows (none usable, or the block-line
    // check failed), before anything of the document's block lines was replaced.
    bool RowsRefused() const { return rowsRefused_; }

private:
    // The block-line check of the table's rows; false after its message.
    bool CheckTableLines();

    CBlockDoc& doc_;
    CBlockDoc::SolverEntry solver_;
    bool rowsRefused_ = false;
};

} // namespace torvan
