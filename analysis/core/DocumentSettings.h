#pragma once
// The analysis document's settings, extents, look-up distances and data-count limits,
// grouped as the window side reads and edits them. The fields keep the names the
// design gives them.

#include "common/records/CountLimits.h"
#include "platform/core/Unset.h"

namespace torvan {

// The analysis settings that the analysis file holds and the method dialog edits.
struct AnalysisSettings {
    int m_nMethod = platform::kUnsetInt; // CBlockDoc::Method
    int m_nMethodOption = 0;
    int m_nVectorMode = 0; // 0: vectors from the first to the last reading, 1: joined readings
    double m_dGamma = platform::kUnsetDouble;
    double m_dCohesion = platform::kUnsetDouble;
    double m_dPhi = platform::kUnsetDouble;
    double m_dVectorScale = platform::kUnsetDouble;
};

// Extents of the model in metres: the section model's size record (min x, min y, max x,
// max y), the extent of the points and the largest displacement; unset when unknown.
struct ModelExtents {
    double m_dModelSize[4] = {platform::kUnsetDouble, platform::kUnsetDouble, platform::kUnsetDouble,
                              platform::kUnsetDouble};
    double m_dMinX = platform::kUnsetDouble;
    double m_dMaxX = platform::kUnsetDouble;
    double m_dMinY = platform::kUnsetDouble;
    double m_dMaxY = platform::kUnsetDouble;
    double m_dMaxDisp = platform::kUnsetDouble;
};

// Distances of the geometric look-ups, in metres (m_dSnap2 is a squared distance).
struct SnapDistances {
    double m_dSnap = 0.01;
    double m_dSnap2 = 0.0001;
    double m_dSecondDistance = 0.01;
};

// Data-count limits, indexed by CBlockDoc::LimitIndex (points, ground-surface lines,
// measurement points, boundary points).
struct DataLimits {
    int m_nLimit[kCountLimitKinds] = {kAnalysisReadLimits[0], kAnalysisReadLimits[1], kAnalysisReadLimits[2],
                                      kAnalysisReadLimits[3]};
};

} // namespace torvan
