#include "common/dxf/CDxfPointIndex.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

struct Point {
    double x;
    double y;
};

int BruteForceNearest(const std::vector<Point>& points, double x, double y, double squared) {
    for (std::size_t i = 0; i < points.size(); ++i) {
        double dx = points[i].x - x;
        double dy = points[i].y - y;
        if (dx * dx + dy * dy <= squared) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// The grid must give exactly what a scan of every point gives: the lowest index within
// the distance, on cell borders and across the growth of its table.
TEST(DxfPointIndex, AgreesWithAScanOfEveryPoint) {
    std::mt19937 random(7);
    for (double distance : {0.0, 0.001, 0.5, 3.0}) {
        std::uniform_real_distribution<double> coordinate(-20.0, 20.0);
        std::vector<Point> points;
        CDxfPointIndex index(distance);
        for (int i = 0; i < 3000; ++i) {
            // Coordinates on a 0.25 lattice put many points on cell borders and at exact distances.
            Point p{std::round(coordinate(random) * 4.0) / 4.0, std::round(coordinate(random) * 4.0) / 4.0};
            double squared = distance * distance;
            ASSERT_EQ(index.FindNearest(p.x, p.y, squared), BruteForceNearest(points, p.x, p.y, squared))
                << "distance " << distance << " point " << i;
            if (index.FindNearest(p.x, p.y, squared) < 0) {
                index.Add(static_cast<int>(points.size()), p.x, p.y);
                points.push_back(p);
            }
        }
        EXPECT_EQ(index.GetCount(), static_cast<int>(points.size()));
    }
}

// A polyline's import reserves room for its points, however few, before the index has any.
TEST(DxfPointIndex, ReservationsOfAnySizeKeepTheSearch) {
    for (std::size_t reserved : {1, 2, 3, 5, 40, 1000}) {
        CDxfPointIndex index(0.5);
        for (int i = 0; i < 200; ++i) {
            if (i % 50 == 0) {
                index.Reserve(reserved);
            }
            index.Add(i, i * 2.0, 0.0);
        }
        for (int i = 0; i < 200; ++i) {
            EXPECT_EQ(index.FindNearest(i * 2.0 + 0.1, 0.0, 0.25), i) << "reserved " << reserved;
        }
        EXPECT_EQ(index.FindNearest(1.0, 0.0, 0.25), -1) << "reserved " << reserved;
    }
}

TEST(DxfPointIndex, HugeAndNonFiniteCoordinates) {
    CDxfPointIndex index(1.0);
    index.Add(0, 1e300, -1e300);
    index.Add(1, NAN, 0.0);
    index.Add(2, 0.0, INFINITY);
    EXPECT_EQ(index.GetCount(), 1);
    EXPECT_EQ(index.FindNearest(1e300, -1e300, 1.0), 0);
    EXPECT_EQ(index.FindNearest(NAN, 0.0, 1.0), -1);
    EXPECT_EQ(index.FindNearest(-1e300, 1e300, 1.0), -1);

    CDxfPointIndex wide(1e308); // four distances overflow: still a bounded search
    wide.Add(0, 0.0, 0.0);
    EXPECT_EQ(wide.FindNearest(5e307, 5e307, 1e308 * 1e308), 0);
}

} // namespace
