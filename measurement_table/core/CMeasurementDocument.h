#pragma once
// The data of one editing run of the table editor: the points of the section model it was
// started with (its measurement points give the table its columns) and the measurement
// displacement series of the measurement file. The table dialog works on the point list
// and the date list directly.

#include "measurement_table/core/CDispData.h"
#include "measurement_table/core/CLine.h"
#include "measurement_table/core/CNode.h"

#include "common/records/MeasurementFile.h"
#include "platform/core/CString.h"
#include "platform/core/Unset.h"

#include <map>
#include <memory>
#include <vector>

namespace quilmo {

using PointList = std::vector<std::unique_ptr<CDispData>>;
using DateList = std::vector<ReadingDate>;

inline constexpr int kMaxTitleBytes = 50;

// A date record with no field set.
ReadingDate UnsetDate();
bool IsUnsetDate(const ReadingDate& date);

class CMeasurementDocument {
public:
    // Empties every map and list and the titles.
    void Clear();

    // Reads the section model file into the point maps, the lines, the section title and the
    // model size; false after a message. Points read before a failure stay.
    bool ReadSecFile(const char* path);
    // Reads the measurement file into the title, the angle, the dates and the points; false
    // after a message (nothing is taken then). Only a file read whole to its "END" with
    // every line taken is accepted: one cut short, or with a line that does not read as its
    // record, would lose data when written back. Points whose form differs from the file's
    // (two-dimensional without an angle, three-dimensional with one) are converted.
    bool ReadDisFile(const char* path);
    // Writes the title, the angle, the dates and the points; false after a message (the
    // file under the name is left as it was).
    bool WriteDisFile(const char* path) const;
    // Completes the point list from the section model's measurement points before the table
    // opens: stored series first in file order, then each further point in number order.
    void MatchPoints(int flag);

    // The table's form: 1 when an angle is set (three-dimensional data).
    int Dimension() const { return platform::IsUnsetDouble(m_angle) ? 0 : 1; }

    CString m_strDisFile;
    std::map<int, CNode> m_nodes; // by number - 1
    std::map<int, CNode> m_sites;
    std::map<int, CNode> m_bounds;
    std::vector<CLine> m_lines;
    PointList m_points;
    DateList m_dates;
    CString m_sectionTitle;
    CString m_dataTitle;
    double m_modelSize[4] = {0, 0, 0, 0};
    double m_angle = platform::kUnsetDouble;
};

} // namespace quilmo
