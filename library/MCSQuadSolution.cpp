#include "MCSQuadSolution.h"

#include "MCShape.h"

#include <cmath>

int MCSQuadSolution::SolveQuadratic(double a, double b, double c)
{
    double d = b * b - 4 * a * c;
    if (std::fabs(d) < MCShape::MCSAccuracy) {
        root1 = -b / (2 * a);
        count = 1;
    } else if (!(d >= 0)) {
        // Also a discriminant that is not a number: no root rather than NaN ones.
        count = 0;
    } else {
        double s = std::sqrt(d);
        root1 = (s - b) / (2 * a);
        root2 = (-b - s) / (2 * a);
        count = 2;
    }
    return count;
}
