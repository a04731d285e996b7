#include "MCSIntersections.h"

void MCSIntersections::addis(MCSPoint p)
{
    if (count >= MaxPoints)
        return;
    for (int i = 0; i < count; ++i)
        if (pts[i] == p)
            return;
    pts[count++] = p;
}

void MCSIntersections::addis(const MCSIntersections &other)
{
    for (int i = 0; i < other.count; ++i)
        addis(other.pts[i]);
}

MCSPoint MCSIntersections::operator[](int i) const
{
    if (i < 0 || i >= count)
        return MCSPoint();
    return pts[i];
}
