#ifndef MCSPOINT_H
#define MCSPOINT_H

#include "MCShape.h"
#include "MCString.h"

// A point; also the plane's vector and, through polar form, a complex number.
class MCSPoint : public MCShape
{
public:
    MCSPoint() : x(0), y(0) {}
    MCSPoint(double px, double py) : x(px), y(py) {}
    MCSPoint(const MCSPoint &p) : MCShape(p), x(p.x), y(p.y) {}
    MCSPoint &operator=(const MCSPoint &p)
    {
        x = p.x;
        y = p.y;
        return *this;
    }

    double distance(const MCSPoint &p) const;
    // (magnitude, angle) in x and y.
    MCSPoint polar() const;
    // Reads x as a magnitude and y as an angle.
    MCSPoint frompolar() const;

    MCSPoint operator+(MCSPoint p) const { return MCSPoint(x + p.x, y + p.y); }
    MCSPoint operator-(MCSPoint p) const { return MCSPoint(x - p.x, y - p.y); }
    MCSPoint operator+=(MCSPoint p);
    MCSPoint operator-=(MCSPoint p);
    MCSPoint operator*(double f) const { return MCSPoint(x * f, y * f); }
    MCSPoint operator/(double f) const { return MCSPoint(x / f, y / f); }
    MCSPoint operator*=(double f);
    MCSPoint operator/=(double f);
    // Products and quotients of the points taken as complex numbers.
    MCSPoint operator*(MCSPoint q) const;
    MCSPoint operator/(MCSPoint q) const;
    MCSPoint operator*=(MCSPoint q);
    MCSPoint operator/=(MCSPoint q);
    // Exact: no tolerance.
    bool operator==(MCSPoint p) const { return x == p.x && y == p.y; }
    bool operator!=(MCSPoint p) const { return !(*this == p); }
    bool contains(const MCSPoint &p) const { return *this == p; }

    double Left() const override { return x; }
    double Right() const override { return x; }
    double Top() const override { return y; }
    double Bottom() const override { return y; }
    double CentreX() const override { return x; }
    double CentreY() const override { return y; }

    MCSIntersections intersect(const MCShape &s) const override;
    MCSIntersections intersect(const MCSPoint &p) const override;
    MCSIntersections intersect(const MCSLine &s) const override;
    MCSIntersections intersect(const MCSRectangle &s) const override;
    MCSIntersections intersect(const MCSCircle &s) const override;

    using MCShape::resize;
    // A point has no extent to grow.
    void resize(double, double, double, double) override {}
    void move(double dx, double dy) override;
    void moveto(double px, double py) override;
    // A point contains no shape, not even an equal point seen as a shape.
    bool contains(const MCShape &) const override { return false; }
    MCSPoint closestpoint(const MCShape &) const override { return *this; }
    double distance(const MCShape &s) const override;
    MCShape *clone() const override;
    MCString Display() const override;
    MCString MemDump() const override;

    double x;
    double y;
};

#endif
