#ifndef SHAPETESTSUPPORT_H
#define SHAPETESTSUPPORT_H

#include "MCSIntersections.h"
#include "MCSPoint.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

// Checks an intersection set against the expected points, in order, each
// coordinate within tol.
inline testing::AssertionResult PointsAre(const MCSIntersections &set,
                                          const std::vector<std::pair<double, double>> &expected,
                                          double tol = 1e-9)
{
    std::ostringstream got;
    for (int i = 0; i < set.points(); ++i)
        got << " (" << set[i].x << ", " << set[i].y << ")";
    if (set.points() != static_cast<int>(expected.size()))
        return testing::AssertionFailure() << "got" << got.str() << ", expected " << expected.size()
                                           << " points";
    for (int i = 0; i < set.points(); ++i) {
        if (std::abs(set[i].x - expected[i].first) > tol || std::abs(set[i].y - expected[i].second) > tol)
            return testing::AssertionFailure() << "got" << got.str() << ", point " << i << " differs";
    }
    return testing::AssertionSuccess();
}

inline testing::AssertionResult Near(const MCSPoint &p, double x, double y, double tol = 1e-9)
{
    if (std::abs(p.x - x) <= tol && std::abs(p.y - y) <= tol)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "got (" << p.x << ", " << p.y << "), expected (" << x << ", " << y
                                       << ")";
}

inline std::string Text(const MCString &s)
{
    return static_cast<const char *>(s);
}

#endif
