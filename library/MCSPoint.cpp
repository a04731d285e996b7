#include "MCSPoint.h"

#include "MCSCircle.h"
#include "MCSIntersections.h"
#include "MCSLine.h"
#include "MCSRectangle.h"

#include <cmath>

double MCSPoint::distance(const MCSPoint &p) const
{
    double dx = x - p.x;
    double dy = y - p.y;
    return std::sqrt(dx * dx + dy * dy);
}

MCSPoint MCSPoint::polar() const
{
    return MCSPoint(std::sqrt(x * x + y * y), std::atan2(y, x));
}

MCSPoint MCSPoint::frompolar() const
{
    return MCSPoint(x * std::cos(y), x * std::sin(y));
}

MCSPoint MCSPoint::operator+=(MCSPoint p)
{
    x += p.x;
    y += p.y;
    return *this;
}

MCSPoint MCSPoint::operator-=(MCSPoint p)
{
    x -= p.x;
    y -= p.y;
    return *this;
}

MCSPoint MCSPoint::operator*=(double f)
{
    x *= f;
    y *= f;
    return *this;
}

MCSPoint MCSPoint::operator/=(double f)
{
    x /= f;
    y /= f;
    return *this;
}

MCSPoint MCSPoint::operator*(MCSPoint q) const
{
    MCSPoint a = polar();
    MCSPoint b = q.polar();
    return MCSPoint(a.x * b.x, a.y + b.y).frompolar();
}

MCSPoint MCSPoint::operator/(MCSPoint q) const
{
    MCSPoint a = polar();
    MCSPoint b = q.polar();
    return MCSPoint(a.x / b.x, a.y - b.y).frompolar();
}

MCSPoint MCSPoint::operator*=(MCSPoint q)
{
    *this = *this * q;
    return *this;
}

MCSPoint MCSPoint::operator/=(MCSPoint q)
{
    *this = *this / q;
    return *this;
}

MCSIntersections MCSPoint::intersect(const MCShape &s) const
{
    return s.intersect(*this);
}

MCSIntersections MCSPoint::intersect(const MCSPoint &p) const
{
    MCSIntersections result;
    if ((*this - p).polar().x < MCShape::MCSAccuracy)
        result.addis(p);
    return result;
}

MCSIntersections MCSPoint::intersect(const MCSLine &s) const
{
    return s.intersect(*this);
}

MCSIntersections MCSPoint::intersect(const MCSRectangle &s) const
{
    return s.intersect(*this);
}

MCSIntersections MCSPoint::intersect(const MCSCircle &s) const
{
    return s.intersect(*this);
}

void MCSPoint::move(double dx, double dy)
{
    x += dx;
    y += dy;
}

void MCSPoint::moveto(double px, double py)
{
    x = px;
    y = py;
}

double MCSPoint::distance(const MCShape &s) const
{
    return distance(s.closestpoint(*this));
}

MCShape *MCSPoint::clone() const
{
    return new MCSPoint(x, y);
}

MCString MCSPoint::Display() const
{
    return "(Point:(X:" + MCString(x) + ",Y:" + MCString(y) + "))";
}

MCString MCSPoint::MemDump() const
{
    return "MARKER GX: " + MCString(x) + "\nMARKER GY: " + MCString(y) + "\n";
}
