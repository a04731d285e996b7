#ifndef MCSHAPE_H
#define MCSHAPE_H

#include <cstddef>
#include <iosfwd>

class MCString;
class MCSPoint;
class MCSLine;
class MCSRectangle;
class MCSCircle;
class MCSIntersections;

// The plane shapes of the positioning framework: doubles on a plane whose y
// axis points up (the top of a shape is its greatest y), angles in radians.
// A shape carries a reference count for the handles that share it; the count
// only counts, the last holder frees the shape.
class MCShape
{
public:
    // The common tolerance of the shapes: point coincidence, points on
    // segments, parallel segments, discriminants, circle tests.
    static constexpr double MCSAccuracy = 0.001;

    MCShape() : references(0) {}
    // A copy is a new shape: nobody holds it yet.
    MCShape(const MCShape &) : references(0) {}
    // Assignment copies the geometry only; the holders of the target stay.
    MCShape &operator=(const MCShape &) { return *this; }
    // Holders free shapes through base pointers.
    virtual ~MCShape() {}

    // Shapes come and go by the dozen in every decision pass: their blocks
    // are recycled (MCShapeRecycler). The virtual destructor hands the
    // size of the shape that is really deleted.
    static void *operator new(std::size_t size);
    static void operator delete(void *block, std::size_t size);

    int IncRef() { return ++references; }
    int DecRef() { return --references; }
    int CurRef() const { return references; }

    // The bounding box.
    virtual double Left() const = 0;
    virtual double Right() const = 0;
    virtual double Top() const = 0;
    virtual double Bottom() const = 0;
    virtual double CentreX() const;
    virtual double CentreY() const;
    virtual MCSPoint Centre() const;
    virtual MCSPoint TopLeft() const;
    virtual MCSPoint BottomLeft() const;
    virtual MCSPoint BottomRight() const;
    virtual MCSPoint TopRight() const;
    virtual MCSPoint CentreLeft() const;
    virtual MCSPoint CentreRight() const;
    virtual MCSPoint CentreTop() const;
    virtual MCSPoint CentreBottom() const;

    // Double dispatch: intersect(const MCShape &) asks the other shape for
    // its intersection with this one's own kind.
    virtual MCSIntersections intersect(const MCShape &s) const = 0;
    virtual MCSIntersections intersect(const MCSPoint &s) const = 0;
    virtual MCSIntersections intersect(const MCSLine &s) const = 0;
    virtual MCSIntersections intersect(const MCSRectangle &s) const = 0;
    virtual MCSIntersections intersect(const MCSCircle &s) const = 0;

    // Clips this shape's box off the other's, on the side where their centres
    // lie further apart.
    virtual void exclude(MCShape &other);
    // Moves this shape off the other's box, on that same side.
    virtual void avoid(MCShape &other);
    virtual void resize(double d);
    // Grows each side outward by its amount; negative amounts shrink.
    virtual void resize(double left, double top, double right, double bottom) = 0;
    virtual void move(double dx, double dy) = 0;
    virtual void moveto(double x, double y);
    virtual bool contains(const MCShape &other) const;
    virtual MCSPoint closestpoint(const MCShape &other) const;
    virtual double distance(const MCShape &other) const;
    // A new heap copy with no holders, owned by the caller.
    virtual MCShape *clone() const = 0;
    // The text form that make reads back.
    virtual MCString Display() const = 0;
    virtual MCString MemDump() const = 0;

    // Builds a shape from its text form, such as (Circle:(X:1,Y:2,R:0.5));
    // null for an unknown kind. The caller owns the result.
    static MCShape *make(const MCString &text);

private:
    int references;
};

std::ostream &operator<<(std::ostream &os, const MCShape &shape);

// Numeric helpers of the shapes. They live in their own namespace because the
// C maths library has an fmin and an fmax with other rules for ties.
namespace MCSMath {

// 1 for a positive value, -1 otherwise (zero and NaN included).
double fsign(double v);
double fradians(double deg);
double fdegrees(double rad);
// The angle brought into [-pi, pi).
double frnormalise(double a);
// Swaps a and b when a > b.
void fordered(double &a, double &b);
// Ties and unordered values give b.
double fmin(double a, double b);
double fmax(double a, double b);
// The whole degree nearest deg (halves to even) as an index 0..359.
int aindex(double deg);

} // namespace MCSMath

#endif
