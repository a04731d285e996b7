#ifndef MCSRECTANGLE_H
#define MCSRECTANGLE_H

#include "MCSPoint.h"

// An axis-aligned rectangle; left <= right and bottom <= top always.
class MCSRectangle : public MCShape
{
public:
    MCSRectangle() : left(0), right(0), top(0), bottom(0) {}
    // Spanned by the corners (x0, y0) and (x1, y1), in any order.
    MCSRectangle(double x0, double y0, double x1, double y1);
    MCSRectangle(MCSPoint a, MCSPoint b);
    // The box around both shapes' boxes.
    MCSRectangle(MCShape &a, MCShape &b);
    MCSRectangle(const MCSRectangle &r)
        : MCShape(r), left(r.left), right(r.right), top(r.top), bottom(r.bottom)
    {
    }
    MCSRectangle &operator=(const MCSRectangle &r)
    {
        left = r.left;
        right = r.right;
        top = r.top;
        bottom = r.bottom;
        return *this;
    }

    double Left() const override { return left; }
    double Right() const override { return right; }
    double Top() const override { return top; }
    double Bottom() const override { return bottom; }

    // Points on the outline, tested exactly; a point inside meets nothing.
    MCSIntersections intersect(const MCSPoint &p) const override;
    MCSIntersections intersect(const MCShape &s) const override;
    MCSIntersections intersect(const MCSLine &s) const override;
    MCSIntersections intersect(const MCSRectangle &s) const override;
    MCSIntersections intersect(const MCSCircle &s) const override;

    using MCShape::resize;
    void resize(double l, double t, double r, double b) override;
    void move(double dx, double dy) override;
    MCShape *clone() const override;
    MCString Display() const override;
    MCString MemDump() const override;

    double left;
    double right;
    double top;
    double bottom;

private:
    // The outline, edge by edge, against any shape that can meet a segment.
    template <class Shape> MCSIntersections outline(const Shape &other) const;
};

#endif
