#include "MCShape.h"

#include "MCNestedLogger.h"
#include "MCObjectDescription.h"
#include "MCSCircle.h"
#include "MCSIntersections.h"
#include "MCSLine.h"
#include "MCSPoint.h"
#include "MCSRectangle.h"
#include "MCShapeRecycler.h"
#include "MCString.h"

#include <cmath>
#include <ostream>

void *MCShape::operator new(std::size_t size)
{
    return MCShapeRecycler::Take(size);
}

void MCShape::operator delete(void *block, std::size_t size)
{
    MCShapeRecycler::Give(block, size);
}

double MCShape::CentreX() const
{
    return (Left() + Right()) / 2;
}

double MCShape::CentreY() const
{
    return (Top() + Bottom()) / 2;
}

MCSPoint MCShape::Centre() const
{
    return MCSPoint(CentreX(), CentreY());
}

MCSPoint MCShape::TopLeft() const
{
    return MCSPoint(Left(), Top());
}

MCSPoint MCShape::BottomLeft() const
{
    return MCSPoint(Left(), Bottom());
}

MCSPoint MCShape::BottomRight() const
{
    return MCSPoint(Right(), Bottom());
}

MCSPoint MCShape::TopRight() const
{
    return MCSPoint(Right(), Top());
}

MCSPoint MCShape::CentreLeft() const
{
    return MCSPoint(Left(), CentreY());
}

MCSPoint MCShape::CentreRight() const
{
    return MCSPoint(Right(), CentreY());
}

MCSPoint MCShape::CentreTop() const
{
    return MCSPoint(CentreX(), Top());
}

MCSPoint MCShape::CentreBottom() const
{
    return MCSPoint(CentreX(), Bottom());
}

namespace {

// Boxes that only touch count as overlapping.
bool BoxesApart(const MCShape &a, const MCShape &b)
{
    return b.Right() < a.Left() || b.Left() > a.Right() || b.Bottom() > a.Top() || b.Top() < a.Bottom();
}

enum Side { OnRight, OnLeft, Above, Below };

// The side of b on which a lies, along the axis where their centres are
// further apart.
Side SideOf(const MCShape &a, const MCShape &b)
{
    double dx = a.CentreX() - b.CentreX();
    double dy = a.CentreY() - b.CentreY();
    if (std::fabs(dy) < std::fabs(dx))
        return dx > 0 ? OnRight : OnLeft;
    return dy > 0 ? Above : Below;
}

} // namespace

void MCShape::exclude(MCShape &b)
{
    if (BoxesApart(*this, b))
        return;
    double m;
    switch (SideOf(*this, b)) {
    case OnRight:
        m = b.Right() - Left();
        resize(-m, 0, MCSMath::fmax(0, m - (Right() - Left())), 0);
        break;
    case OnLeft:
        m = Right() - b.Left();
        resize(MCSMath::fmax(0, m - (Right() - Left())), 0, -m, 0);
        break;
    case Above:
        m = b.Top() - Bottom();
        resize(0, MCSMath::fmax(0, m - (Top() - Bottom())), 0, -m);
        break;
    case Below:
        m = Top() - b.Bottom();
        resize(0, -m, 0, MCSMath::fmax(0, m - (Top() - Bottom())));
        break;
    }
}

void MCShape::avoid(MCShape &b)
{
    if (BoxesApart(*this, b))
        return;
    switch (SideOf(*this, b)) {
    case OnRight:
        move(b.Right() - Left(), 0);
        break;
    case OnLeft:
        move(-(Right() - b.Left()), 0);
        break;
    case Above:
        move(0, b.Top() - Bottom());
        break;
    case Below:
        move(0, -(Top() - b.Bottom()));
        break;
    }
}

void MCShape::resize(double d)
{
    resize(d, d, d, d);
}

void MCShape::moveto(double x, double y)
{
    move(x - CentreX(), y - CentreY());
}

bool MCShape::contains(const MCShape &b) const
{
    return b.Left() >= Left() && b.Right() <= Right() && b.Top() <= Top() && b.Bottom() >= Bottom();
}

MCSPoint MCShape::closestpoint(const MCShape &b) const
{
    MCSPoint p = b.Centre();
    if (p.y < Bottom())
        p.y = Bottom();
    if (p.y > Top())
        p.y = Top();
    if (p.x > Right())
        p.x = Right();
    if (p.x < Left())
        p.x = Left();
    return p;
}

double MCShape::distance(const MCShape &b) const
{
    MCSPoint p = closestpoint(b);
    MCSPoint q = b.closestpoint(*this);
    return p.distance(q);
}

namespace {

double ReadNumber(const MCDictionary &attributes, const char *key)
{
    // A missing key reads as zero, like a value that is no number.
    static const MCString sZero("0");
    return static_cast<double>(attributes.get(MCString(key), sZero));
}

} // namespace

// (Point:(X:3,Y:0.5)), (Line:(X0:1,Y0:2,X1:3,Y1:4.5)),
// (Rectangle:(X0:-1,Y0:2,X1:3,Y1:4)), (Circle:(X:1,Y:-2,R:0.5))
MCShape *MCShape::make(const MCString &text)
{
    static const MCString sPoint("Point");
    static const MCString sLine("Line");
    static const MCString sRectangle("Rectangle");
    static const MCString sCircle("Circle");

    MCObjectDescription d(text, ':', ',');
    const MCDictionary &a = d.attributes;
    if (d.name == sPoint)
        return new MCSPoint(ReadNumber(a, "X"), ReadNumber(a, "Y"));
    if (d.name == sLine)
        return new MCSLine(ReadNumber(a, "X0"), ReadNumber(a, "Y0"), ReadNumber(a, "X1"), ReadNumber(a, "Y1"));
    if (d.name == sRectangle)
        return new MCSRectangle(ReadNumber(a, "X0"), ReadNumber(a, "Y0"), ReadNumber(a, "X1"),
                                ReadNumber(a, "Y1"));
    if (d.name == sCircle)
        return new MCSCircle(ReadNumber(a, "X"), ReadNumber(a, "Y"), ReadNumber(a, "R"));
    MCLog::Log(1, "MCShape::make(" + text + ") : unknown shape.");
    return nullptr;
}

std::ostream &operator<<(std::ostream &os, const MCShape &shape)
{
    return os << shape.Display();
}

namespace MCSMath {

double fsign(double v)
{
    return v > 0 ? 1.0 : -1.0;
}

double fradians(double deg)
{
    return deg * M_PI / 180;
}

double fdegrees(double rad)
{
    return rad * 180 / M_PI;
}

double frnormalise(double a)
{
    return a - 2 * M_PI * std::floor((a + M_PI) / (2 * M_PI));
}

void fordered(double &a, double &b)
{
    if (a > b) {
        double t = a;
        a = b;
        b = t;
    }
}

double fmin(double a, double b)
{
    return b > a ? a : b;
}

double fmax(double a, double b)
{
    return b < a ? a : b;
}

int aindex(double deg)
{
    // Reduced while still a double, so that no angle overflows an int.
    double n = std::fmod(std::nearbyint(deg), 360.0);
    if (std::isnan(n))
        return 0;
    int i = static_cast<int>(n);
    return i < 0 ? i + 360 : i;
}

} // namespace MCSMath
