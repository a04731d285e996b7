#include "MCSCircle.h"

#include "MCSIntersections.h"
#include "MCSLine.h"
#include "MCSQuadSolution.h"
#include "MCSRectangle.h"

#include <cmath>
#include <iostream>

MCSCircle::MCSCircle(MCSPoint centre, MCSPoint p) : x(centre.x), y(centre.y), r(centre.distance(p)), r2(r * r)
{
}

MCSCircle::MCSCircle(const MCSRectangle &rect)
    : x(rect.CentreX()), y(rect.CentreY()),
      r(MCSMath::fmin(rect.right - rect.left, rect.top - rect.bottom) / 2), r2(r * r)
{
}

bool MCSCircle::contains(const MCSPoint &p) const
{
    return Centre().distance(p) < r;
}

bool MCSCircle::contains(const MCSLine &l) const
{
    return contains(l.start) && contains(l.end);
}

bool MCSCircle::contains(const MCSCircle &c) const
{
    return r - Centre().distance(c.Centre()) > c.r;
}

MCSIntersections MCSCircle::intersect2(const MCSLine &l) const
{
    MCSLineEqn e(l.start, l.end);
    MCSQuadSolution q;
    MCSIntersections result;
    if (std::fabs(e.a) <= MCShape::MCSAccuracy) {
        // Near-horizontal: the line is y = -c/b; solve for x.
        double ly = -e.c / e.b;
        double k = e.c / e.b + y;
        q.SolveQuadratic(1, -2 * x, x * x + k * k - r2);
        if (q.count == 2)
            result.addis(MCSPoint(q.root2, ly));
        if (q.count >= 1)
            result.addis(MCSPoint(q.root1, ly));
        return result;
    }
    // Otherwise solve for y, with x = -(b*y + c)/a.
    double p = e.c / e.a + x;
    double s = e.b / e.a;
    q.SolveQuadratic(s * s + 1, 2 * (p * s - y), p * p + y * y - r2);
    if (q.count == 2)
        result.addis(MCSPoint(-(e.b * q.root2 + e.c) / e.a, q.root2));
    if (q.count >= 1)
        result.addis(MCSPoint(-(e.b * q.root1 + e.c) / e.a, q.root1));
    return result;
}

MCSIntersections MCSCircle::intersect(const MCShape &s) const
{
    return s.intersect(*this);
}

MCSIntersections MCSCircle::intersect(const MCSPoint &p) const
{
    MCSIntersections result;
    if (std::fabs(Centre().distance(p) - r) < MCShape::MCSAccuracy)
        result.addis(p);
    return result;
}

MCSIntersections MCSCircle::intersect(const MCSLine &l) const
{
    MCSIntersections crossings = intersect2(l);
    MCSIntersections result;
    for (int i = 0; i < crossings.points(); ++i)
        if (l.contains(crossings[i]))
            result.addis(crossings[i]);
    return result;
}

MCSIntersections MCSCircle::intersect(const MCSRectangle &s) const
{
    return s.intersect(*this);
}

MCSIntersections MCSCircle::intersect(const MCSCircle &b) const
{
    MCSIntersections result;
    if (std::isnan(x) || std::isnan(y) || std::isnan(r) || std::isnan(b.x) || std::isnan(b.y) ||
        std::isnan(b.r)) {
        std::cerr << "circle circle intersect, DELETED FOR SECURITY" << std::endl;
        return result;
    }
    MCSPoint ca = Centre();
    MCSPoint cb = b.Centre();
    double d = ca.distance(cb);
    // Touching from outside: the one point of this circle facing the other.
    // Two circles of no size at one spot touch there too.
    if (std::fabs(d - (r + b.r)) < MCShape::MCSAccuracy)
        return intersect(MCSLine(ca, cb));
    if (d > r + b.r)
        return result;
    if (d == 0) {
        // The chord is undefined: every point is common, or none is.
        if (r == b.r)
            std::cerr << "circle circle intersect, this shouldn't happen" << std::endl;
        return result;
    }
    // The signed distance from this centre to the common chord's line.
    double h = (r2 - b.r2 + d * d) / (2 * d);
    if (!std::isfinite(h)) {
        std::cerr << "circle circle intersect, you never saw this message" << std::endl;
        return result;
    }
    MCSPoint toChord = (cb - ca).polar();
    toChord.x = h;
    MCSPoint m = ca + toChord.frompolar();
    return intersect2(MCSLine(ca, cb).perpendicular(m));
}

void MCSCircle::resize(double left, double top, double right, double bottom)
{
    double l = x - r;
    double t = y + r;
    double rt = x + r;
    double b = y - r;
    std::cout << "<<" << l << "," << t << "," << rt << "," << b << ">>" << std::endl;
    std::cout << "<<" << left << "," << top << "," << right << "," << bottom << ">>" << std::endl;
    l -= left;
    t += top;
    rt += right;
    b -= bottom;
    std::cout << "<<" << l << "," << t << "," << rt << "," << b << ">>" << std::endl;
    x = (l + rt) / 2;
    y = (t + b) / 2;
    r = MCSMath::fmin((rt - l) / 2, (t - b) / 2);
    r2 = r * r;
}

void MCSCircle::move(double dx, double dy)
{
    x += dx;
    y += dy;
}

bool MCSCircle::contains(const MCShape &s) const
{
    return contains(s.BottomLeft()) && contains(s.BottomRight()) && contains(s.TopRight()) &&
           contains(s.TopLeft());
}

MCSPoint MCSCircle::closestpoint(const MCShape &s) const
{
    MCSPoint o = Centre();
    MCSPoint q = s.closestpoint(o);
    MCSPoint towards = (q - o).polar();
    towards.x = r;
    return o + towards.frompolar();
}

double MCSCircle::distance(const MCShape &s) const
{
    return Centre().distance(s) - r;
}

MCShape *MCSCircle::clone() const
{
    return new MCSCircle(x, y, r);
}

MCString MCSCircle::Display() const
{
    return "(Circle:(X:" + MCString(x) + ",Y:" + MCString(y) + ",R:" + MCString(r) + "))";
}

MCString MCSCircle::MemDump() const
{
    return "RING GX: " + MCString(x) + "\nRING GY: " + MCString(y) + "\nRING Size: " + MCString(r) + "\n";
}
