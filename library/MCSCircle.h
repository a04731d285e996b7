#ifndef MCSCIRCLE_H
#define MCSCIRCLE_H

#include "MCSPoint.h"

class MCSRectangle;

class MCSCircle : public MCShape
{
public:
    MCSCircle() : x(0), y(0), r(0), r2(0) {}
    MCSCircle(double cx, double cy, double radius) : x(cx), y(cy), r(radius), r2(radius * radius) {}
    // About the centre, through p.
    MCSCircle(MCSPoint centre, MCSPoint p);
    // Inscribed in the rectangle.
    explicit MCSCircle(const MCSRectangle &rect);
    MCSCircle(const MCSCircle &c) : MCShape(c), x(c.x), y(c.y), r(c.r), r2(c.r2) {}
    MCSCircle &operator=(const MCSCircle &c)
    {
        x = c.x;
        y = c.y;
        r = c.r;
        r2 = c.r2;
        return *this;
    }

    double Radius() const { return r; }
    // Strictly inside: points on the circle are not contained.
    bool contains(const MCSPoint &p) const;
    bool contains(const MCSLine &l) const;
    bool contains(const MCSCircle &c) const;
    // Where the circle crosses the infinite line through the segment: in
    // increasing x on a near-horizontal line, in increasing y otherwise.
    MCSIntersections intersect2(const MCSLine &l) const;

    double Left() const override { return x - r; }
    double Right() const override { return x + r; }
    double Top() const override { return y + r; }
    double Bottom() const override { return y - r; }
    double CentreX() const override { return x; }
    double CentreY() const override { return y; }
    MCSPoint Centre() const override { return MCSPoint(x, y); }

    MCSIntersections intersect(const MCShape &s) const override;
    MCSIntersections intersect(const MCSPoint &p) const override;
    MCSIntersections intersect(const MCSLine &l) const override;
    MCSIntersections intersect(const MCSRectangle &s) const override;
    MCSIntersections intersect(const MCSCircle &c) const override;

    using MCShape::resize;
    // Becomes the circle inscribed in its grown bounding box.
    void resize(double left, double top, double right, double bottom) override;
    void move(double dx, double dy) override;
    bool contains(const MCShape &s) const override;
    // The point of the circle facing the other shape.
    MCSPoint closestpoint(const MCShape &s) const override;
    // Negative when the other shape reaches inside the circle.
    double distance(const MCShape &s) const override;
    MCShape *clone() const override;
    MCString Display() const override;
    MCString MemDump() const override;

    double x;
    double y;
    double r;
    double r2; // r * r, kept with r
};

#endif
