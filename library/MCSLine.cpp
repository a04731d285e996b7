#include "MCSLine.h"

#include "MCSCircle.h"
#include "MCSIntersections.h"
#include "MCSRectangle.h"

#include <cmath>
#include <iostream>

MCSLineEqn::MCSLineEqn(const MCSPoint &p1, const MCSPoint &p2)
{
    // A threshold of its own, finer than the shapes' tolerance.
    double dx = p2.x - p1.x;
    if (std::fabs(dx) < 0.0001) {
        a = 1;
        b = 0;
    } else {
        a = -(p2.y - p1.y) / dx;
        b = 1;
    }
    c = -(a * p2.x + b * p2.y);
}

// The tolerance is an angle seen from the start, so the sideways tolerance
// grows along the segment.
bool MCSLine::contains(const MCSPoint &p) const
{
    MCSPoint toP = (p - start).polar();
    MCSPoint toEnd = (end - start).polar();
    double dtheta = std::fabs(MCSMath::frnormalise(toEnd.y - toP.y));
    return toP.x <= toEnd.x && (dtheta < MCShape::MCSAccuracy || toP.x < MCShape::MCSAccuracy);
}

bool MCSLine::contains(const MCSLine &l) const
{
    return contains(l.start) && contains(l.end);
}

bool MCSLine::online(const MCSPoint &p) const
{
    MCSPoint toP = (p - start).polar();
    MCSPoint toEnd = (end - start).polar();
    double d = std::fabs(toEnd.y - toP.y);
    return d < MCShape::MCSAccuracy || std::fabs(d - M_PI) < MCShape::MCSAccuracy;
}

bool MCSLine::parallel(const MCSLine &l) const
{
    double theta1 = (end - start).polar().y;
    double theta2 = (l.end - l.start).polar().y;
    double d = std::fabs(MCSMath::frnormalise(theta2 - theta1));
    double opposite = std::fabs(MCSMath::frnormalise(d - M_PI));
    return d < MCShape::MCSAccuracy || opposite < MCShape::MCSAccuracy;
}

MCSPoint MCSLine::intersection(const MCSLine &l) const
{
    if (parallel(l)) {
        if (online(l.start))
            return l.start;
        std::cerr << "MCSLine::intersection, lines parallel." << std::endl;
        return start;
    }
    MCSLineEqn e1(start, end);
    MCSLineEqn e2(l.start, l.end);
    double x;
    double y;
    if (e1.b == 0) {
        x = -e1.c / e1.a;
        y = e2.y(x);
    } else if (e2.b == 0) {
        x = -e2.c / e2.a;
        y = e1.y(x);
    } else {
        x = (e1.c * e2.b - e1.b * e2.c) / (e2.a * e1.b - e1.a * e2.b);
        y = e1.y(x);
    }
    return MCSPoint(x, y);
}

MCSLine MCSLine::perpendicular(const MCSPoint &p) const
{
    MCSPoint v = (end - start).polar();
    v.y += M_PI / 2;
    return MCSLine(p, p + v.frompolar());
}

MCSPoint MCSLine::closestpoint(const MCSPoint &p) const
{
    return closestpoint(perpendicular(p));
}

MCSPoint MCSLine::closestpoint(const MCSLine &l) const
{
    if (parallel(l))
        return start;
    MCSPoint p = intersection(l);
    MCSPoint toP = (p - start).polar();
    MCSPoint toEnd = (end - start).polar();
    if (std::fabs(toEnd.y - toP.y) > MCShape::MCSAccuracy)
        std::cerr << "MCSLine::closest point Intersection point not on line." << std::endl;
    MCSPoint along = end - start;
    MCSPoint offset = p - start;
    if (along.x * offset.x + along.y * offset.y < 0)
        return start;
    if (toP.x > toEnd.x)
        return end;
    return p;
}

double MCSLine::Left() const
{
    return MCSMath::fmin(start.x, end.x);
}

double MCSLine::Right() const
{
    return MCSMath::fmax(start.x, end.x);
}

double MCSLine::Top() const
{
    return MCSMath::fmax(start.y, end.y);
}

double MCSLine::Bottom() const
{
    return MCSMath::fmin(start.y, end.y);
}

double MCSLine::CentreX() const
{
    return Centre().x;
}

double MCSLine::CentreY() const
{
    return Centre().y;
}

MCSPoint MCSLine::Centre() const
{
    return (start + end) / 2;
}

MCSIntersections MCSLine::intersect(const MCShape &s) const
{
    return s.intersect(*this);
}

MCSIntersections MCSLine::intersect(const MCSPoint &p) const
{
    MCSIntersections result;
    if (contains(p))
        result.addis(p);
    return result;
}

// Parallel segments never cross here, not even when they overlap.
MCSIntersections MCSLine::intersect(const MCSLine &l) const
{
    MCSIntersections result;
    if (parallel(l))
        return result;
    MCSPoint p = intersection(l);
    if (contains(p) && l.contains(p))
        result.addis(p);
    return result;
}

MCSIntersections MCSLine::intersect(const MCSRectangle &s) const
{
    return s.intersect(*this);
}

MCSIntersections MCSLine::intersect(const MCSCircle &s) const
{
    return s.intersect(*this);
}

// The end further right (up) moves out by the right (top) amount; on a tie
// the start counts as that end.
void MCSLine::resize(double left, double top, double right, double bottom)
{
    if (start.x < end.x) {
        start.x -= left;
        end.x += right;
    } else {
        start.x += right;
        end.x -= left;
    }
    if (start.y < end.y) {
        start.y -= bottom;
        end.y += top;
    } else {
        start.y += top;
        end.y -= bottom;
    }
}

void MCSLine::move(double dx, double dy)
{
    start.move(dx, dy);
    end.move(dx, dy);
}

MCSPoint MCSLine::closestpoint(const MCShape &s) const
{
    return closestpoint(s.Centre());
}

MCShape *MCSLine::clone() const
{
    return new MCSLine(start, end);
}

MCString MCSLine::Display() const
{
    return "(Line:(X0:" + MCString(start.x) + ",Y0:" + MCString(start.y) + ",X1:" + MCString(end.x) +
           ",Y1:" + MCString(end.y) + "))";
}

MCString MCSLine::MemDump() const
{
    return "DLINE GX: " + MCString(start.x) + "\nDLINE GY: " + MCString(start.y) + "\nDLINE EX: " +
           MCString(end.x) + "\nDLINE EY: " + MCString(end.y) + "\n";
}
