#ifndef MOPOSITION_H
#define MOPOSITION_H

#include "MCSPoint.h"
#include "MCString.h"

// What a positioner answers: a point in the memory's pitch frame and an
// error code, 0 for a valid point and -1 when an input was missing.
class MOPosition
{
public:
    MOPosition() : error(0) {}
    explicit MOPosition(int e) : error(e) {}
    MOPosition(const MCSPoint &p) : error(0), point(p) {}
    MOPosition(const MOPosition &other) : error(other.error), point(other.point) {}
    MOPosition &operator=(const MOPosition &other)
    {
        error = other.error;
        point = other.point;
        return *this;
    }

    // "(Point:(X:1,Y:2))", or "ERR(-1),(Point:(X:0,Y:0))" for an error.
    MCString Display() const;

    int error;
    MCSPoint point;
};

#endif
