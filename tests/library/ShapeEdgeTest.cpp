// The shapes at their edges: tolerances met and missed by a hair, touching
// and parallel cases, degenerate shapes, and the text forms read back.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "LibraryTestSupport.h"
#include "MCSCircle.h"
#include "MCSLine.h"
#include "MCSQuadSolution.h"
#include "MCSRectangle.h"

namespace
{
const double kPi = std::acos(-1.0);

using Points = std::vector<std::pair<double, double>>;

std::string Shows(const MCShape &s)
{
  return Of(s.Display());
}

std::string Box(const MCShape &s)
{
  std::ostringstream os;
  os << s.Left() << ' ' << s.Bottom() << ' ' << s.Right() << ' ' << s.Top();
  return os.str();
}
}  // namespace

TEST(ShapeNumericEdges, NormaliseOrderAndTiesGiveTheSecond)
{
  const struct
  {
    double in, out;
  } angles[] = {{kPi, -kPi}, {-kPi, -kPi}, {3 * kPi, -kPi}, {0.5, 0.5}, {-0.5, -0.5}, {2 * kPi + 1, 1}};
  for (const auto &a : angles)
    EXPECT_NEAR(a.out, MCSMath::frnormalise(a.in), 1e-12) << a.in;
  EXPECT_EQ(-1.0, MCSMath::fsign(-0.0));
  EXPECT_NEAR(kPi, MCSMath::fradians(180), 1e-12);
  EXPECT_NEAR(90, MCSMath::fdegrees(kPi / 2), 1e-12);

  double a = 5, b = 1;
  MCSMath::fordered(a, b);
  EXPECT_EQ(std::make_pair(1.0, 5.0), std::make_pair(a, b));
  MCSMath::fordered(a, b);
  EXPECT_EQ(std::make_pair(1.0, 5.0), std::make_pair(a, b));

  // Which of two equal values comes back shows only in the sign of zero.
  EXPECT_TRUE(std::signbit(MCSMath::fmin(0.0, -0.0)));
  EXPECT_FALSE(std::signbit(MCSMath::fmin(-0.0, 0.0)));
  EXPECT_TRUE(std::signbit(MCSMath::fmax(0.0, -0.0)));
  EXPECT_FALSE(std::signbit(MCSMath::fmax(-0.0, 0.0)));
  EXPECT_EQ(1, MCSMath::fmin(1, 2));
  EXPECT_EQ(1, MCSMath::fmin(2, 1));
  EXPECT_EQ(2, MCSMath::fmax(1, 2));
  EXPECT_EQ(2, MCSMath::fmax(2, 1));
  EXPECT_EQ(7, MCSMath::fmin(std::nan(""), 7));
  EXPECT_EQ(7, MCSMath::fmax(std::nan(""), 7));
}

TEST(ShapePointEdges, CoincidenceWithinTheToleranceOnlyAndExactEquality)
{
  const double acc = MCShape::MCSAccuracy;
  const struct
  {
    MCSPoint other;
    bool meets;
  } rows[] = {{MCSPoint(acc / 2, 0), true}, {MCSPoint(0, -acc / 2), true}, {MCSPoint(0, 0), true},
              {MCSPoint(acc, 0), false},    {MCSPoint(0, -2 * acc), false}};
  const MCSPoint p(0, 0);
  for (const auto &row : rows)
  {
    const MCSIntersections got = p.intersect(row.other);
    EXPECT_TRUE(row.meets ? PointsAre(got, {{row.other.x, row.other.y}}) : PointsAre(got, {})) << row.other.x;
    // Through the base the same answer.
    const MCShape &other = row.other;
    EXPECT_EQ(row.meets ? 1 : 0, p.intersect(other).points()) << row.other.x;
  }
  // Equal as a point, but no shape is contained in a point.
  EXPECT_TRUE(p.contains(MCSPoint(0, 0)));
  EXPECT_FALSE(p.contains(MCSPoint(1e-12, 0)));
  const MCShape &same = MCSPoint(0, 0);
  EXPECT_FALSE(p.contains(same));
}

TEST(ShapePointEdges, ArithmeticPolarFormAndText)
{
  EXPECT_TRUE(Near(MCSPoint(0, 0).polar(), 0, 0));
  EXPECT_TRUE(Near(MCSPoint(0, 2).polar(), 2, kPi / 2));
  EXPECT_TRUE(Near(MCSPoint(2, kPi).frompolar(), -2, 0, 1e-12));
  EXPECT_TRUE(Near(MCSPoint(1, 0) * MCSPoint(0, 1), 0, 1, 1e-12));
  EXPECT_TRUE(Near(MCSPoint(0, 2) / MCSPoint(0, 1), 2, 0, 1e-12));
  MCSPoint q(1, 1);
  EXPECT_TRUE(Near(q *= MCSPoint(0, 1), -1, 1, 1e-12));
  EXPECT_TRUE(Near(q /= MCSPoint(0, 1), 1, 1, 1e-12));
  EXPECT_TRUE(Near(q += MCSPoint(2, 3), 3, 4));
  EXPECT_TRUE(Near(q -= MCSPoint(1, 1), 2, 3));
  EXPECT_TRUE(Near(q *= 2.0, 4, 6));
  EXPECT_TRUE(Near(q /= 4.0, 1, 1.5));
  EXPECT_TRUE(Near(q, 1, 1.5));
  EXPECT_TRUE(Near(q * 2.0 - q / 0.5, 0, 0));
  EXPECT_EQ(5, MCSPoint(0, 0).distance(MCSPoint(3, -4)));
  EXPECT_TRUE(MCSPoint(1, 2) != MCSPoint(1, 2.5));

  EXPECT_EQ("(Point:(X:-2.25,Y:0))", Shows(MCSPoint(-2.25, 0)));
  EXPECT_EQ("MARKER GX: 3\nMARKER GY: 0.5\n", Of(MCSPoint(3, 0.5).MemDump()));
  EXPECT_EQ("(Point:(X:3,Y:0.5))", Shown(static_cast<const MCShape &>(MCSPoint(3, 0.5))));

  // A point's anchors are the point itself; moving it sets it.
  MCSPoint p(3, 4);
  for (const MCSPoint &a : {p.Centre(), p.TopLeft(), p.BottomRight(), p.CentreTop(), p.CentreLeft()})
    EXPECT_TRUE(Near(a, 3, 4));
  p.resize(5);
  EXPECT_TRUE(Near(p, 3, 4));
  p.move(1, -1);
  EXPECT_TRUE(Near(p, 4, 3));
  p.moveto(5, 5);
  EXPECT_TRUE(Near(p, 5, 5));
  // Its distance to a shape is to that shape's nearest point.
  EXPECT_NEAR(5, p.distance(MCSRectangle(8, 9, 20, 20)), 1e-12);
  EXPECT_NEAR(3, p.distance(MCSCircle(0, 5, 2)), 1e-12);
  EXPECT_TRUE(Near(p.closestpoint(MCSCircle(0, 0, 1)), 5, 5));
}

TEST(ShapePointEdges, CountsStartAtZeroInCopiesAndStayOnAssignment)
{
  MCSPoint p(1, 2);
  p.IncRef();
  p.IncRef();
  const MCSPoint copy(p);
  EXPECT_EQ(0, copy.CurRef());
  MCSPoint target(7, 7);
  target.IncRef();
  target = p;
  EXPECT_EQ(1, target.CurRef());
  EXPECT_TRUE(Near(target, 1, 2));
  MCSCircle circle(1, 1, 1);
  circle.IncRef();
  circle = MCSCircle(2, 2, 2);
  EXPECT_EQ(1, circle.CurRef());
  EXPECT_EQ(4, circle.r2);
  MCSLine line(0, 0, 1, 1);
  line.IncRef();
  line = MCSLine(2, 2, 3, 3);
  EXPECT_EQ(1, line.CurRef());
  EXPECT_EQ("(Line:(X0:2,Y0:2,X1:3,Y1:3))", Shows(line));
  for (const MCShape *s : {static_cast<const MCShape *>(&p), static_cast<const MCShape *>(&circle),
                           static_cast<const MCShape *>(&line)})
  {
    const std::unique_ptr<MCShape> clone(s->clone());
    EXPECT_EQ(0, clone->CurRef());
    EXPECT_EQ(Shows(*s), Shows(*clone));
  }
}

TEST(ShapeMakeEdges, TextFormsReadBackAndUnknownNamesGiveNothing)
{
  const struct
  {
    const char *text, *shown;
  } rows[] = {
      {"(Point:(X:3))", "(Point:(X:3,Y:0))"},
      {"(Circle:(X:1,Y:2,R:0.5,Z:9))", "(Circle:(X:1,Y:2,R:0.5))"},
      {"(Line:(X0:1,Y0:2,X1:3,Y1:4.5))", "(Line:(X0:1,Y0:2,X1:3,Y1:4.5))"},
      {"(Rectangle:(X0:3,Y0:4,X1:-1,Y1:2))", "(Rectangle:(X0:-1,Y0:2,X1:3,Y1:4))"},
      {"(Point:(X:abc,Y:2.5x))", "(Point:(X:0,Y:2.5))"},
  };
  for (const auto &row : rows)
  {
    const std::unique_ptr<MCShape> shape(MCShape::make(row.text));
    ASSERT_NE(nullptr, shape) << row.text;
    EXPECT_EQ(row.shown, Shows(*shape)) << row.text;
    const std::unique_ptr<MCShape> again(MCShape::make(shape->Display()));
    ASSERT_NE(nullptr, again) << row.text;
    EXPECT_EQ(row.shown, Shows(*again)) << row.text;
  }
  for (const char *text : {"(point:(X:1,Y:1))", "(Square:(X:1))", "(Circles:(R:1))"})
    EXPECT_EQ(nullptr, MCShape::make(text)) << text;
}

TEST(ShapeLineEdges, EquationOfSteepAndSlopedLines)
{
  const MCSLineEqn steep(MCSPoint(2, 0), MCSPoint(2.00005, 5));
  EXPECT_EQ(std::make_pair(1.0, 0.0), std::make_pair(steep.a, steep.b));
  EXPECT_NEAR(-2.00005, steep.c, 1e-12);
  const MCSLineEqn sloped(MCSPoint(0, 0), MCSPoint(1, 2));
  EXPECT_EQ(std::make_tuple(-2.0, 1.0, 0.0), std::make_tuple(sloped.a, sloped.b, sloped.c));
  EXPECT_NEAR(6, sloped.y(3), 1e-12);
  // Just past the threshold the line has a slope again.
  const MCSLineEqn slope(MCSPoint(2, 0), MCSPoint(2.0002, 5));
  EXPECT_EQ(1.0, slope.b);
}

TEST(ShapeLineEdges, OnTheSegmentWithinAnAngleSeenFromTheStart)
{
  const MCSLine l(0, 0, 10, 0);
  const struct
  {
    double x, y;
    bool on;
  } rows[] = {{10, 0, true},   {0, 0, true},      {10.5, 0, false}, {-1, 0, false},
              {5, 0.004, true}, {5, 0.006, false}, {0.0005, 0.0005, true}, {5, -0.004, true}};
  for (const auto &row : rows)
  {
    EXPECT_EQ(row.on, l.contains(MCSPoint(row.x, row.y))) << row.x << " " << row.y;
    EXPECT_EQ(row.on ? 1 : 0, l.intersect(MCSPoint(row.x, row.y)).points()) << row.x << " " << row.y;
  }
  EXPECT_TRUE(l.contains(MCSLine(2, 0, 8, 0)));
  EXPECT_FALSE(l.contains(MCSLine(2, 0, 12, 0)));
  EXPECT_FALSE(l.contains(static_cast<const MCShape &>(MCSLine(2, 0, 8, 0))));
  // The infinite line: behind the start too, but not beside it.
  EXPECT_TRUE(l.online(MCSPoint(-20, 0)));
  EXPECT_TRUE(l.online(MCSPoint(30, 0)));
  EXPECT_FALSE(l.online(MCSPoint(5, 1)));
}

TEST(ShapeLineEdges, CrossingsOfSegments)
{
  const struct
  {
    MCSLine a, b;
    Points expected;
  } rows[] = {
      {MCSLine(0, 0, 10, 10), MCSLine(0, 10, 10, 0), {{5, 5}}},
      {MCSLine(0, 0, 10, 0), MCSLine(10, 0, 10, 5), {{10, 0}}},
      {MCSLine(10, 0, 10, 5), MCSLine(0, 0, 10, 0), {{10, 0}}},
      // Overlapping or parallel: no single crossing.
      {MCSLine(0, 0, 10, 0), MCSLine(2, 0, 12, 0), {}},
      {MCSLine(0, 0, 10, 0), MCSLine(12, 3, 2, 3), {}},
      // The infinite lines cross outside one of the segments.
      {MCSLine(0, 0, 10, 10), MCSLine(0, 10, 4, 6), {}},
      {MCSLine(0, 0, 4, 4), MCSLine(0, 10, 10, 0), {}},
  };
  for (const auto &row : rows)
  {
    EXPECT_TRUE(PointsAre(row.a.intersect(row.b), row.expected, 1e-9)) << Shows(row.a) << Shows(row.b);
    EXPECT_TRUE(PointsAre(row.a.intersect(static_cast<const MCShape &>(row.b)), row.expected, 1e-9))
      << Shows(row.a) << Shows(row.b);
  }
  EXPECT_TRUE(MCSLine(0, 0, 1, 0).parallel(MCSLine(5, 1, 3, 1)));
  EXPECT_FALSE(MCSLine(0, 0, 1, 0).parallel(MCSLine(5, 1, 3, 1.1)));
  // Crossing of the infinite lines, steep lines either way round.
  EXPECT_TRUE(Near(MCSLine(2, 0, 2, 5).intersection(MCSLine(0, 1, 4, 3)), 2, 2, 1e-9));
  EXPECT_TRUE(Near(MCSLine(0, 1, 4, 3).intersection(MCSLine(2, 0, 2, 5)), 2, 2, 1e-9));
  EXPECT_TRUE(Near(MCSLine(0, 0, 1, 1).intersection(MCSLine(0, 4, 1, 3)), 2, 2, 1e-9));
  // Parallel lines have none: the message, and this segment's start.
  MCSPoint crossing;
  EXPECT_EQ("MCSLine::intersection, lines parallel.\n",
            Err([&] { crossing = MCSLine(0, 0, 1, 0).intersection(MCSLine(0, 1, 1, 1)); }));
  EXPECT_TRUE(Near(crossing, 0, 0));
  // Coinciding lines: the other's start.
  EXPECT_TRUE(Near(MCSLine(0, 0, 1, 0).intersection(MCSLine(3, 0, 5, 0)), 3, 0));
}

TEST(ShapeLineEdges, ClosestPointsAndThePerpendicular)
{
  const MCSLine l(0, 0, 10, 0);
  const struct
  {
    double x, y, cx, cy;
  } rows[] = {{4, 3, 4, 0}, {12, 3, 10, 0}, {4, -3, 4, 0}, {10, 0, 10, 0}};
  for (const auto &row : rows)
  {
    MCSPoint got;
    EXPECT_EQ("", Err([&] { got = l.closestpoint(MCSPoint(row.x, row.y)); })) << row.x;
    EXPECT_TRUE(Near(got, row.cx, row.cy, 1e-9)) << row.x << " " << row.y;
  }
  MCSPoint behind;
  EXPECT_EQ("MCSLine::closest point Intersection point not on line.\n",
            Err([&] { behind = l.closestpoint(MCSPoint(-2, 3)); }));
  EXPECT_TRUE(Near(behind, 0, 0, 1e-9));
  // Of another shape: of that shape's centre.
  EXPECT_TRUE(Near(l.closestpoint(static_cast<const MCShape &>(MCSCircle(6, 5, 1))), 6, 0, 1e-9));
  // Of a parallel line: the start.
  EXPECT_TRUE(Near(l.closestpoint(MCSLine(3, 2, 7, 2)), 0, 0));
  // A zero-length segment answers its start.
  EXPECT_TRUE(Near(MCSLine(2, 2, 2, 2).closestpoint(MCSPoint(5, 9)), 2, 2));
  const MCSLine up = l.perpendicular(MCSPoint(3, 1));
  EXPECT_TRUE(Near(up.Start(), 3, 1));
  EXPECT_TRUE(Near(up.End(), 3, 11, 1e-9));
}

TEST(ShapeLineEdges, BoxResizeAndText)
{
  MCSLine l(5, 5, 0, 0);
  EXPECT_EQ("0 0 5 5", Box(l));
  EXPECT_TRUE(Near(l.Centre(), 2.5, 2.5));
  EXPECT_EQ(2.5, l.CentreX());
  EXPECT_EQ(2.5, l.CentreY());
  l.resize(1, 2, 3, 4);
  EXPECT_EQ("(Line:(X0:8,Y0:7,X1:-1,Y1:-4))", Shows(l));
  MCSLine rising(0, 0, 5, 5);
  rising.resize(1, 2, 3, 4);
  EXPECT_EQ("(Line:(X0:-1,Y0:-4,X1:8,Y1:7))", Shows(rising));
  rising.move(1, 1);
  EXPECT_EQ("(Line:(X0:0,Y0:-3,X1:9,Y1:8))", Shows(rising));
  rising.moveto(0, 0);
  EXPECT_TRUE(Near(rising.Centre(), 0, 0, 1e-12));
  EXPECT_EQ("DLINE GX: 1\nDLINE GY: 2\nDLINE EX: 3\nDLINE EY: 4.5\n", Of(MCSLine(1, 2, 3, 4.5).MemDump()));
}

TEST(ShapeRectangleEdges, SortedCornersOutlineAndCrossings)
{
  const MCSRectangle r(4, 8, 1, 2);
  EXPECT_EQ("1 2 4 8", Box(r));
  EXPECT_EQ("(Rectangle:(X0:1,Y0:2,X1:4,Y1:8))", Shows(r));
  EXPECT_EQ("1 2 4 8", Box(MCSRectangle(MCSPoint(4, 2), MCSPoint(1, 8))));
  MCSPoint a(3, -1);
  MCSCircle c(0, 0, 2);
  EXPECT_EQ("-2 -2 3 2", Box(MCSRectangle(a, c)));
  EXPECT_EQ("BOX GX: 1\nBOX GY: 2\nBOX EX: 4\nBOX EY: 8\n", Of(r.MemDump()));
  MCSRectangle grown(r);
  grown.resize(1, 2, 3, 4);
  EXPECT_EQ("0 -2 7 10", Box(grown));
  grown.move(-1, 2);
  EXPECT_EQ("-1 0 6 12", Box(grown));

  const MCSRectangle square(0, 0, 10, 10);
  const struct
  {
    double x, y;
    bool meets;
  } onOutline[] = {{10, 3, true}, {4, 0, true}, {0, 10, true}, {5, 5, false}, {10.0001, 3, false}, {4, -0.001, false}};
  for (const auto &p : onOutline)
  {
    EXPECT_EQ(p.meets ? 1 : 0, square.intersect(MCSPoint(p.x, p.y)).points()) << p.x << " " << p.y;
    EXPECT_EQ(p.meets ? 1 : 0, MCSPoint(p.x, p.y).intersect(square).points()) << p.x << " " << p.y;
  }
  const struct
  {
    MCSLine line;
    Points expected;
  } lines[] = {
      {MCSLine(-5, 5, 15, 5), {{10, 5}, {0, 5}}},
      {MCSLine(-5, -5, 15, 15), {{10, 10}, {0, 0}}},
      {MCSLine(2, 2, 8, 8), {}},
      {MCSLine(5, 5, 5, 20), {{5, 10}}},
  };
  for (const auto &row : lines)
  {
    EXPECT_TRUE(PointsAre(square.intersect(row.line), row.expected, 1e-9)) << Shows(row.line);
    EXPECT_TRUE(PointsAre(row.line.intersect(square), row.expected, 1e-9)) << Shows(row.line);
  }
  // Two rectangles: where their outlines cross, found along the top edge
  // first, then the right.
  EXPECT_TRUE(PointsAre(square.intersect(MCSRectangle(5, 5, 15, 15)), {{5, 10}, {10, 5}}, 1e-9));
  // A circle across the top edge: only the outline counts, not the inside.
  EXPECT_TRUE(PointsAre(square.intersect(MCSCircle(5, 10, 3)), {{2, 10}, {8, 10}}, 1e-9));
  EXPECT_EQ(2, MCSCircle(5, 10, 3).intersect(static_cast<const MCShape &>(square)).points());
}

TEST(ShapeRectangleEdges, ContainmentClosestPointAndDistanceOfBoxes)
{
  const MCSRectangle box(0, 0, 10, 10);
  EXPECT_TRUE(box.contains(MCSRectangle(0, 0, 10, 10)));
  EXPECT_TRUE(box.contains(MCSPoint(0, 5)));
  for (const MCSRectangle &out :
       {MCSRectangle(-1, 1, 5, 5), MCSRectangle(1, 1, 11, 5), MCSRectangle(1, 1, 5, 11), MCSRectangle(1, -1, 5, 5)})
    EXPECT_FALSE(box.contains(out)) << Box(out);
  const struct
  {
    MCSPoint p, closest;
  } rows[] = {{MCSPoint(-5, 5), MCSPoint(0, 5)},   {MCSPoint(15, 5), MCSPoint(10, 5)},
              {MCSPoint(5, -5), MCSPoint(5, 0)},   {MCSPoint(5, 15), MCSPoint(5, 10)},
              {MCSPoint(20, 20), MCSPoint(10, 10)}, {MCSPoint(3, 4), MCSPoint(3, 4)}};
  for (const auto &row : rows)
    EXPECT_TRUE(Near(box.closestpoint(row.p), row.closest.x, row.closest.y)) << row.p.x << " " << row.p.y;
  EXPECT_NEAR(5, box.distance(MCSPoint(13, 14)), 1e-12);
  EXPECT_NEAR(0, box.distance(MCSPoint(3, 4)), 1e-12);
  // The anchors of the box.
  EXPECT_TRUE(Near(box.TopLeft(), 0, 10));
  EXPECT_TRUE(Near(box.BottomLeft(), 0, 0));
  EXPECT_TRUE(Near(box.BottomRight(), 10, 0));
  EXPECT_TRUE(Near(box.TopRight(), 10, 10));
  EXPECT_TRUE(Near(box.CentreLeft(), 0, 5));
  EXPECT_TRUE(Near(box.CentreRight(), 10, 5));
  EXPECT_TRUE(Near(box.CentreTop(), 5, 10));
  EXPECT_TRUE(Near(box.CentreBottom(), 5, 0));
  MCSRectangle moved(box);
  moved.moveto(5, 5);
  EXPECT_EQ("0 0 10 10", Box(moved));
  moved.moveto(0, 0);
  EXPECT_EQ("-5 -5 5 5", Box(moved));
  moved.resize(1);
  EXPECT_EQ("-6 -6 6 6", Box(moved));
}

TEST(ShapeAvoidEdges, MovesOffOnTheSideTheCentresLieApart)
{
  const struct
  {
    MCSRectangle a, b;
    const char *after;
  } rows[] = {
      {MCSRectangle(0, 0, 10, 10), MCSRectangle(8, 2, 20, 8), "-2 0 8 10"},
      {MCSRectangle(10, 0, 20, 10), MCSRectangle(0, 2, 12, 8), "12 0 22 10"},
      {MCSRectangle(0, 5, 10, 20), MCSRectangle(2, 0, 8, 8), "0 8 10 23"},
      {MCSRectangle(0, -20, 10, 3), MCSRectangle(2, 0, 8, 8), "0 -23 10 0"},
  };
  for (const auto &row : rows)
  {
    MCSRectangle a(row.a);
    MCSRectangle b(row.b);
    a.avoid(b);
    EXPECT_EQ(row.after, Box(a)) << Box(row.a);
  }
  // Below another that covers it on that axis: no height left, at the
  // other's bottom edge.
  MCSRectangle below(0, -20, 10, 3);
  MCSRectangle top(2, -30, 8, 60);
  below.exclude(top);
  EXPECT_EQ("0 -30 10 -30", Box(below));
}

TEST(ShapeQuadEdges, RootsAndTheToleranceOfTheDiscriminant)
{
  const struct
  {
    double a, b, c;
    int count;
    double root1, root2;
  } rows[] = {{1, -3, 2, 2, 2, 1}, {1, 2, 1.0002, 1, -1, 0}, {1, 2, 1, 1, -1, 0},
              {1, 0, 1, 0, 0, 0},   {2, 0, -8, 2, 2, -2},      {1, 2, 0.9996, 2, -0.98, -1.02}};
  for (const auto &row : rows)
  {
    MCSQuadSolution q;
    EXPECT_EQ(row.count, q.SolveQuadratic(row.a, row.b, row.c)) << row.c;
    EXPECT_EQ(row.count, q.count) << row.c;
    EXPECT_NEAR(row.root1, q.root1, 1e-9) << row.c;
    EXPECT_NEAR(row.root2, q.root2, 1e-9) << row.c;
  }
}

TEST(ShapeIntersectionsEdges, NoDuplicatesAtMostSixteenAndZeroOutside)
{
  MCSIntersections set;
  set.addis(MCSPoint(1, 2));
  set.addis(MCSPoint(1, 2));
  EXPECT_EQ(1, set.points());
  for (int i = 0; i < 20; i++)
    set.addis(MCSPoint(i, -i));
  EXPECT_EQ(MCSIntersections::MaxPoints, set.points());
  EXPECT_TRUE(Near(set[15], 14, -14));
  EXPECT_TRUE(Near(set[16], 0, 0));
  EXPECT_TRUE(Near(set[-1], 0, 0));
  MCSIntersections other;
  other.addis(MCSPoint(5, 5));
  other.addis(MCSPoint(1, 2));
  MCSIntersections merged;
  merged.addis(MCSPoint(1, 2));
  merged.addis(other);
  EXPECT_TRUE(PointsAre(merged, {{1, 2}, {5, 5}}));
}

TEST(ShapeCircleEdges, CrossingsWithSegmentsAndCircles)
{
  const MCSCircle c(0, 0, 5);
  const struct
  {
    MCSLine line;
    Points expected;
  } lines[] = {
      {MCSLine(-10, 3, 10, 3), {{-4, 3}, {4, 3}}},
      {MCSLine(0, -10, 0, 10), {{0, -5}, {0, 5}}},
      {MCSLine(0, 0, 10, 0), {{5, 0}}},
      {MCSLine(6, 0, 10, 0), {}},
      {MCSLine(-10, 5, 10, 5), {{0, 5}}},
      {MCSLine(-10, 6, 10, 6), {}},
      {MCSLine(-10, -10, 10, 10), {{-std::sqrt(12.5), -std::sqrt(12.5)}, {std::sqrt(12.5), std::sqrt(12.5)}}},
  };
  for (const auto &row : lines)
  {
    EXPECT_TRUE(PointsAre(c.intersect(row.line), row.expected, 1e-6)) << Shows(row.line);
    EXPECT_TRUE(PointsAre(row.line.intersect(c), row.expected, 1e-6)) << Shows(row.line);
  }
  // The infinite line beyond the segment.
  EXPECT_TRUE(PointsAre(c.intersect2(MCSLine(6, 0, 10, 0)), {{-5, 0}, {5, 0}}, 1e-9));

  const struct
  {
    MCSCircle other;
    Points expected;
  } circles[] = {
      {MCSCircle(8, 0, 5), {{4, -3}, {4, 3}}},
      {MCSCircle(10, 0, 5), {{5, 0}}},
      {MCSCircle(20, 0, 5), {}},
      {MCSCircle(1, 0, 1), {}},
      {MCSCircle(0, 8, 5), {{-3, 4}, {3, 4}}},
  };
  for (const auto &row : circles)
  {
    EXPECT_TRUE(PointsAre(c.intersect(row.other), row.expected, 1e-6)) << Shows(row.other);
    EXPECT_TRUE(PointsAre(c.intersect(static_cast<const MCShape &>(row.other)), row.expected, 1e-6))
      << Shows(row.other);
  }
}

TEST(ShapeCircleEdges, PointsOnInsideAndTheCircleOfARectangle)
{
  const MCSCircle c(0, 0, 5);
  const struct
  {
    double x, y;
    bool on, inside;
  } rows[] = {{3, 4, true, false},   {3.0004, 4, true, false}, {3.01, 4, false, false},
              {5, 0, true, false},   {4.9, 0, false, true},    {0, 0, false, true}};
  for (const auto &row : rows)
  {
    EXPECT_EQ(row.on ? 1 : 0, c.intersect(MCSPoint(row.x, row.y)).points()) << row.x;
    EXPECT_EQ(row.on ? 1 : 0, MCSPoint(row.x, row.y).intersect(c).points()) << row.x;
    EXPECT_EQ(row.inside, c.contains(MCSPoint(row.x, row.y))) << row.x;
  }
  EXPECT_TRUE(c.contains(MCSRectangle(-1, -1, 1, 1)));
  EXPECT_FALSE(c.contains(MCSRectangle(-4, -4, 4, 4)));
  EXPECT_FALSE(c.contains(MCSRectangle(-1, -1, 1, 6)));
  EXPECT_TRUE(c.contains(MCSLine(-4, 0, 0, 4)));
  EXPECT_FALSE(c.contains(MCSLine(-4, 0, 0, 5)));
  EXPECT_TRUE(c.contains(MCSCircle(1, 0, 3)));
  EXPECT_FALSE(c.contains(MCSCircle(1, 0, 4)));
  // A circle of no radius contains nothing.
  EXPECT_FALSE(MCSCircle(0, 0, 0).contains(MCSPoint(0, 0)));

  const MCSCircle inscribed{MCSRectangle(0, 0, 10, 4)};
  EXPECT_EQ("(Circle:(X:5,Y:2,R:2))", Shows(inscribed));
  const MCSCircle through(MCSPoint(1, 1), MCSPoint(4, 5));
  EXPECT_EQ(5, through.Radius());
  EXPECT_EQ(25, through.r2);
  EXPECT_EQ("-4 -4 6 6", Box(through));
  EXPECT_EQ("(Circle:(X:1,Y:-2,R:0.5))", Shows(MCSCircle(1, -2, 0.5)));
  EXPECT_EQ("RING GX: 1\nRING GY: -2\nRING Size: 0.5\n", Of(MCSCircle(1, -2, 0.5).MemDump()));
}

TEST(ShapeCircleEdges, DistanceClosestPointMoveAndResize)
{
  MCSCircle c(0, 0, 5);
  EXPECT_NEAR(3, c.distance(MCSPoint(8, 0)), 1e-12);
  EXPECT_NEAR(-4, c.distance(MCSPoint(1, 0)), 1e-12);
  EXPECT_NEAR(5, c.distance(MCSRectangle(10, -1, 12, 1)), 1e-12);
  EXPECT_TRUE(Near(c.closestpoint(MCSPoint(0, 8)), 0, 5, 1e-9));
  EXPECT_TRUE(Near(c.closestpoint(MCSPoint(0, 1)), 0, 5, 1e-9));
  EXPECT_TRUE(Near(c.closestpoint(MCSRectangle(10, -1, 12, 1)), 5, 0, 1e-9));
  c.move(1, -1);
  EXPECT_EQ("(Circle:(X:1,Y:-1,R:5))", Shows(c));
  c.moveto(0, 0);
  EXPECT_EQ("(Circle:(X:0,Y:0,R:5))", Shows(c));

  MCSCircle unit(0, 0, 1);
  EXPECT_EQ("<<-1,1,1,-1>>\n<<1,0,1,0>>\n<<-2,1,2,-1>>\n", Out([&] { unit.resize(1, 0, 1, 0); }));
  EXPECT_EQ("(Circle:(X:0,Y:0,R:1))", Shows(unit));
  Out([&] { unit.resize(1); });
  EXPECT_EQ("(Circle:(X:0,Y:0,R:2))", Shows(unit));
  EXPECT_EQ(4, unit.r2);
  // Grown on one side only: the centre moves half as far.
  Out([&] { unit.resize(0, 0, 2, 2); });
  EXPECT_EQ("(Circle:(X:1,Y:-1,R:3))", Shows(unit));
}
