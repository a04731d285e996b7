#ifndef MCSINTERSECTIONS_H
#define MCSINTERSECTIONS_H

#include "MCSPoint.h"

// The points where two shapes meet, in the order found: at most 16, never
// two exactly equal. A fixed array, so that intersecting never allocates.
class MCSIntersections
{
public:
    static constexpr int MaxPoints = 16;

    MCSIntersections() : count(0) {}

    // Drops, silently, a point already held and any point beyond the 16th.
    void addis(MCSPoint p);
    void addis(const MCSIntersections &other);
    int points() const { return count; }
    // (0, 0) outside the points held.
    MCSPoint operator[](int i) const;

private:
    MCSPoint pts[MaxPoints];
    int count;
};

#endif
