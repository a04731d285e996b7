#ifndef MCSLINE_H
#define MCSLINE_H

#include "MCSPoint.h"

// The line a*x + b*y + c = 0 through two points; b is exactly 1, or exactly 0
// for a line too near the vertical to have a slope (then a is 1).
class MCSLineEqn
{
public:
    MCSLineEqn(const MCSPoint &p1, const MCSPoint &p2);

    // For lines with b = 1 only.
    double y(double x) const { return (-a * x - c) / b; }

    double a;
    double b;
    double c;
};

// A segment from start to end; its direction matters to the on-segment test
// and to the perpendicular.
class MCSLine : public MCShape
{
public:
    MCSLine() {}
    MCSLine(double x0, double y0, double x1, double y1) : start(x0, y0), end(x1, y1) {}
    MCSLine(MCSPoint s, MCSPoint e) : start(s), end(e) {}
    MCSLine(const MCSLine &l) : MCShape(l), start(l.start), end(l.end) {}
    MCSLine &operator=(const MCSLine &l)
    {
        start = l.start;
        end = l.end;
        return *this;
    }

    MCSPoint Start() const { return start; }
    MCSPoint End() const { return end; }

    // On the segment, within an angle of the shapes' tolerance seen from the
    // start.
    bool contains(const MCSPoint &p) const;
    bool contains(const MCSLine &l) const;
    // On the infinite line through the segment.
    bool online(const MCSPoint &p) const;
    // Pointing the same or the opposite way.
    bool parallel(const MCSLine &l) const;
    // Where the two infinite lines cross.
    MCSPoint intersection(const MCSLine &l) const;
    // The segment from p along this one's vector turned a right angle
    // anticlockwise.
    MCSLine perpendicular(const MCSPoint &p) const;
    // The foot of the perpendicular from p, kept within the segment.
    MCSPoint closestpoint(const MCSPoint &p) const;
    MCSPoint closestpoint(const MCSLine &l) const;

    double Left() const override;
    double Right() const override;
    double Top() const override;
    double Bottom() const override;
    double CentreX() const override;
    double CentreY() const override;
    MCSPoint Centre() const override;

    MCSIntersections intersect(const MCShape &s) const override;
    MCSIntersections intersect(const MCSPoint &p) const override;
    MCSIntersections intersect(const MCSLine &l) const override;
    MCSIntersections intersect(const MCSRectangle &s) const override;
    MCSIntersections intersect(const MCSCircle &s) const override;

    using MCShape::resize;
    void resize(double left, double top, double right, double bottom) override;
    void move(double dx, double dy) override;
    bool contains(const MCShape &) const override { return false; }
    MCSPoint closestpoint(const MCShape &s) const override;
    MCShape *clone() const override;
    MCString Display() const override;
    MCString MemDump() const override;

    MCSPoint start;
    MCSPoint end;
};

#endif
