#include "MCSRectangle.h"

#include "MCSCircle.h"
#include "MCSIntersections.h"
#include "MCSLine.h"

MCSRectangle::MCSRectangle(double x0, double y0, double x1, double y1)
{
    if (x0 < x1) {
        left = x0;
        right = x1;
    } else {
        left = x1;
        right = x0;
    }
    if (y0 < y1) {
        top = y1;
        bottom = y0;
    } else {
        top = y0;
        bottom = y1;
    }
}

MCSRectangle::MCSRectangle(MCSPoint a, MCSPoint b) : MCSRectangle(a.x, a.y, b.x, b.y)
{
}

MCSRectangle::MCSRectangle(MCShape &a, MCShape &b)
    : left(MCSMath::fmin(a.Left(), b.Left())), right(MCSMath::fmax(a.Right(), b.Right())),
      top(MCSMath::fmax(a.Top(), b.Top())), bottom(MCSMath::fmin(a.Bottom(), b.Bottom()))
{
}

MCSIntersections MCSRectangle::intersect(const MCSPoint &p) const
{
    MCSIntersections result;
    bool onSide = (p.x == left || p.x == right) && bottom <= p.y && p.y <= top;
    bool onEnd = (p.y == top || p.y == bottom) && left <= p.x && p.x <= right;
    if (onSide || onEnd)
        result.addis(p);
    return result;
}

MCSIntersections MCSRectangle::intersect(const MCShape &s) const
{
    return s.intersect(*this);
}

// Edges in the order top, right, bottom, left; a corner found on two edges
// is kept once.
template <class Shape> MCSIntersections MCSRectangle::outline(const Shape &other) const
{
    MCSIntersections result;
    result.addis(other.intersect(MCSLine(TopLeft(), TopRight())));
    result.addis(other.intersect(MCSLine(TopRight(), BottomRight())));
    result.addis(other.intersect(MCSLine(BottomRight(), BottomLeft())));
    result.addis(other.intersect(MCSLine(BottomLeft(), TopLeft())));
    return result;
}

MCSIntersections MCSRectangle::intersect(const MCSLine &s) const
{
    return outline(s);
}

MCSIntersections MCSRectangle::intersect(const MCSRectangle &s) const
{
    return outline(s);
}

MCSIntersections MCSRectangle::intersect(const MCSCircle &s) const
{
    return outline(s);
}

void MCSRectangle::resize(double l, double t, double r, double b)
{
    left -= l;
    top += t;
    right += r;
    bottom -= b;
}

void MCSRectangle::move(double dx, double dy)
{
    left += dx;
    right += dx;
    top += dy;
    bottom += dy;
}

MCShape *MCSRectangle::clone() const
{
    return new MCSRectangle(left, bottom, right, top);
}

MCString MCSRectangle::Display() const
{
    return "(Rectangle:(X0:" + MCString(left) + ",Y0:" + MCString(bottom) + ",X1:" + MCString(right) +
           ",Y1:" + MCString(top) + "))";
}

MCString MCSRectangle::MemDump() const
{
    return "BOX GX: " + MCString(left) + "\nBOX GY: " + MCString(bottom) + "\nBOX EX: " + MCString(right) +
           "\nBOX EY: " + MCString(top) + "\n";
}
