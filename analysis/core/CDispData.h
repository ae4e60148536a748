#pragma once
// One measurement point's dated displacement readings and the displacement vector made
// from them. Values in metres, cumulative from the first reading; unset where not measured.

#include "common/geometry/DPoint.h"
#include "common/geometry/Geometry.h"
#include "common/records/MeasurementFile.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <vector>

class CTextFile;

namespace torvan {

class CDispData : public CObject {
    DECLARE_DYNCREATE(CDispData)

public:
    enum VectorMode { kStartEnd = 0, kJoined = 1, kLeastSquares = 2 };

    CDispData();

    // Takes one DISP block of the measurement file: 0.0 becomes unset, set values are
    // divided by 1000 (millimetres to metres), a reading with an unset value is excluded,
    // and a block without any usable reading switches the point off. Returns 1.
    int ParseRecord(const MeasurementBlock& block);

    // Computes endX, endY, vectorKind and slope; 0 when no reading is usable. A least-
    // squares fit over readings whose dx are all zero is vertical (slope unset).
    int EvaluateVector(int vectorMode);
    // The vector as drawn, in model coordinates scaled by vectorScale: the base first.
    // Empty when no reading is usable or the least-squares foot cannot be found.
    std::vector<DPoint> VectorPolyline(int vectorMode, double vectorScale) const;
    // Writes the vector as plot commands (tenths of a millimetre on the sheet).
    void PlotVector(CTextFile& file, double drawingScale, const DPoint& sheetOffset,
                    const DPoint& modelOrigin, double vectorScale, int vectorMode) const;

    // The EXCPT group of the analysis file: header line, then one line per excluded reading
    // that has a reading date (the header counts those lines).
    void WriteExclusions(CTextFile& file, const std::vector<ReadingDate>& dates) const;
    // Reads an EXCPT group whose header line is given; the excluded readings' lines follow in the file.
    void ParseExclusions(const char* header, CTextFile& file, const std::vector<ReadingDate>& dates);
    // The solver-input DISP record after the caller's keyword and number (columns 1-10);
    // 0 and nothing written when no reading is used.
    int WriteSolverRecord(const char* keywordAndNumber, CTextFile& file) const;

    bool IsUsable(int reading) const;
    int UsableCount() const;

    int number;
    std::vector<double> col1; // dx
    std::vector<double> col2; // dy
    std::vector<double> col3;
    std::vector<double> col4;
    int count;
    int columnMode;
    CString name;
    std::vector<int> readingUsed;
    int reserved;
    int inUse;
    SegmentKind vectorKind; // the kind of the line along the vector
    double slope;
    double baseX;
    double baseY;
    double endX;
    double endY;
    double beta;
};

} // namespace torvan
