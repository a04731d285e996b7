// The float geometry (y down) at its edges: which edge of a rectangle is
// nearest with the ties, the signed distance to the border, lines from
// rays, rays' points and their text.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "CGLine.h"
#include "CRay.h"
#include "CRectangle.h"
#include "LibraryTestSupport.h"

namespace
{
// left 0, right 10, top 0, bottom 4.
const CRectangle kBox(0, 10, 0, 4);

bool SameLine(const CGLine &a, const CGLine &b)
{
  return a.GetA() == b.GetA() && a.GetB() == b.GetB() && a.GetC() == b.GetC();
}
}  // namespace

TEST(RectangleEdges, TheNearestEdgeWithItsTies)
{
  const struct
  {
    CVector p;
    CVector h, v, any;
    char line;  // 't', 'b', 'l', 'r': the nearest edge as a line
  } rows[] = {
      // The centre: ties go to the bottom, the right, then the horizontal.
      {CVector(5, 2), CVector(5, 4), CVector(10, 2), CVector(5, 4), 'b'},
      {CVector(9, 2), CVector(9, 4), CVector(10, 2), CVector(10, 2), 'r'},
      {CVector(1, 2), CVector(1, 4), CVector(0, 2), CVector(0, 2), 'l'},
      {CVector(5, 0.5f), CVector(5, 0), CVector(10, 0.5f), CVector(5, 0), 't'},
      // Outside: the edge on its own side, clamped along it.
      {CVector(-3, -1), CVector(0, 0), CVector(0, 0), CVector(0, 0), 'l'},
      {CVector(14, 3), CVector(10, 4), CVector(10, 3), CVector(10, 3), 'r'},
  };
  for (const auto &row : rows)
  {
    const std::string at = std::to_string(row.p.GetX()) + " " + std::to_string(row.p.GetY());
    ExpectAt(kBox.nearestHEdge(row.p), row.h.GetX(), row.h.GetY());
    ExpectAt(kBox.nearestVEdge(row.p), row.v.GetX(), row.v.GetY());
    ExpectAt(kBox.nearestEdge(row.p), row.any.GetX(), row.any.GetY());
    const CGLine edge = row.line == 't'   ? kBox.TopEdge()
                        : row.line == 'b' ? kBox.BottomEdge()
                        : row.line == 'l' ? kBox.LeftEdge()
                                          : kBox.RightEdge();
    EXPECT_TRUE(SameLine(edge, kBox.nearestEdgeCGLine(row.p))) << at;
    const bool horizontal = row.line == 't' || row.line == 'b';
    EXPECT_TRUE(SameLine(horizontal ? edge : kBox.nearestHEdgeCGLine(row.p), kBox.nearestHEdgeCGLine(row.p)))
        << at;
    EXPECT_TRUE(SameLine(horizontal ? kBox.nearestVEdgeCGLine(row.p) : edge, kBox.nearestVEdgeCGLine(row.p)))
        << at;
  }
  EXPECT_TRUE(SameLine(kBox.BottomEdge(), kBox.nearestHEdgeCGLine(CVector(5, 2))));
  EXPECT_TRUE(SameLine(kBox.TopEdge(), kBox.nearestHEdgeCGLine(CVector(5, 1))));
  EXPECT_TRUE(SameLine(kBox.RightEdge(), kBox.nearestVEdgeCGLine(CVector(5, 2))));
  EXPECT_TRUE(SameLine(kBox.LeftEdge(), kBox.nearestVEdgeCGLine(CVector(4, 2))));
}

TEST(RectangleEdges, DistanceToTheBorderIsPositiveInsideAndNegativeOutside)
{
  const struct
  {
    CVector p;
    float d;
  } rows[] = {{CVector(5, 2), 2}, {CVector(0, 3), 0}, {CVector(9, 1), 1}, {CVector(13, 8), -5},
              {CVector(-2, 2), -2}, {CVector(5, -1), -1}};
  for (const auto &row : rows)
    EXPECT_NEAR(row.d, kBox.DistanceToEdge(row.p), 1e-5) << row.p.GetX() << " " << row.p.GetY();
}

TEST(RectangleEdges, ItsTextForms)
{
  const CRectangle box(-1.5f, 10, 0, 4.25f);
  EXPECT_EQ("CRectangle:  x = -1.5 to 10.0   y = 0.0 to 4.2\n", Out([&] { box.Print(); }));
  std::ostringstream shown;
  box.Display(shown);
  EXPECT_EQ("\tBOX GX: -1.5\n\tBOX GY: 4.25\n\tBOX EX: 10\n\tBOX EY: 0\n", shown.str());
  EXPECT_EQ("CRectangle:  x = -1.5 to 10   y = 0 to 4.25", Shown(box));
}

TEST(LineEdges, LinesFromRaysAndPointsOnThem)
{
  const struct
  {
    CVector origin;
    float angle;
    CVector on, off;
  } rows[] = {
      {CVector(1, 2), 0, CVector(-5, 2), CVector(1, 2.01f)},
      {CVector(3, -1), 90, CVector(3, 40), CVector(3.01f, 0)},
      {CVector(0, 0), 45, CVector(-2, -2), CVector(1, 1.01f)},
  };
  for (const auto &row : rows)
  {
    CGLine byAngle(0, 0, 0);
    byAngle.CGLineFromCRay(row.origin, row.angle);
    CGLine byDirection(0, 0, 0);
    byDirection.CGLineFromCRay(row.origin, Polar2CVector(3, row.angle));
    for (const CGLine &line : {byAngle, byDirection})
    {
      EXPECT_TRUE(line.PointOnCGLine(row.origin.GetX(), row.origin.GetY())) << row.angle;
      EXPECT_TRUE(line.PointOnCGLine(row.on.GetX(), row.on.GetY())) << row.angle;
      EXPECT_FALSE(line.PointOnCGLine(row.off.GetX(), row.off.GetY())) << row.angle;
    }
  }
  // A direction that points nowhere is taken along x.
  CGLine none(0, 0, 0);
  EXPECT_EQ("", Err([&] { none.CGLineFromCRay(CVector(1, 1), CVector(0, 0)); }));
  EXPECT_TRUE(none.PointOnCGLine(7, 1));
}

TEST(LineEdges, WhichOfTwoPointsProjectsNearerToATarget)
{
  CGLine line(0, 0, 0);
  line.CGLineFromTwoPoints(CVector(0, 0), CVector(10, 0));
  const struct
  {
    CVector p1, p2, target;
    bool p1Nearer;
  } rows[] = {
      {CVector(2, 5), CVector(8, -5), CVector(3, 0), true},
      {CVector(8, 5), CVector(2, -5), CVector(3, 0), false},
      // Equally far: not nearer.
      {CVector(1, 5), CVector(5, -5), CVector(3, 0), false},
  };
  for (const auto &row : rows)
    EXPECT_EQ(row.p1Nearer, line.IsPtCloserToPtOnCGLine(row.p1, row.p2, row.target)) << row.p1.GetX();
  EXPECT_EQ(" ERROR: CGLine: IsPtCloserToPtOnCGLine: targ_pt not on CGLine\n",
            Err([&] { line.IsPtCloserToPtOnCGLine(CVector(2, 5), CVector(8, 5), CVector(3, 3)); }));
}

TEST(LineEdges, TheFootOfThePerpendicularByATouchingCircle)
{
  CGLine sloped(0, 0, 0);
  sloped.CGLineFromTwoPoints(CVector(0, 0), CVector(4, 4));
  CGLine flat(0, 0, 0);
  flat.CGLineFromTwoPoints(CVector(0, 3), CVector(5, 3));
  const struct
  {
    const CGLine &line;
    CVector p, foot;
  } rows[] = {
      {sloped, CVector(0, 4), CVector(2, 2)},
      {sloped, CVector(6, 0), CVector(3, 3)},
      {flat, CVector(2, 7), CVector(2, 3)},
  };
  for (const auto &row : rows)
  {
    CVector foot;
    EXPECT_EQ("", Err([&] { foot = row.line.ProjectPointUsingCircle(row.p); })) << row.p.GetX();
    EXPECT_NEAR(row.foot.GetX(), foot.GetX(), 2e-3) << row.p.GetX();
    EXPECT_NEAR(row.foot.GetY(), foot.GetY(), 2e-3) << row.p.GetX();
    const CVector projected = row.line.ProjectPoint(row.p);
    EXPECT_NEAR(projected.GetX(), foot.GetX(), 2e-3) << row.p.GetX();
  }
}

TEST(RayEdges, PointsOnTheSupportingLineTheClosestPointAndText)
{
  const CRay ray(CVector(1, 2), 0.0f);
  const struct
  {
    CVector p;
    bool on;
    CVector closest;
  } rows[] = {
      {CVector(5, 2), true, CVector(5, 2)},
      {CVector(-3, 2), true, CVector(-3, 2)},
      {CVector(1, 2), true, CVector(1, 2)},
      {CVector(5, 2.01f), false, CVector(5, 2)},
      {CVector(4, -6), false, CVector(4, 2)},
  };
  for (const auto &row : rows)
  {
    EXPECT_EQ(row.on, ray.OnCRay(row.p)) << row.p.GetX() << " " << row.p.GetY();
    ExpectAt(ray.GetClosestPoint(row.p), row.closest.GetX(), row.closest.GetY());
  }
  EXPECT_NEAR(1, CRay::Sin(90), 1e-6);
  EXPECT_NEAR(-0.5f, CRay::Sin(-30), 1e-6);
  std::ostringstream shown;
  ray.Display(shown);
  EXPECT_EQ("\tDLINE GX: 1\n\tDLINE GY: 2\n\tDLINE EX: 1001\n\tDLINE EY: 2\n", shown.str());

  // Crossing a line: ahead of the origin only.
  CGLine wall(0, 0, 0);
  wall.CGLineFromTwoPoints(CVector(6, -10), CVector(6, 10));
  CVector at = kMarker;
  EXPECT_TRUE(ray.intersection(wall, &at));
  ExpectAt(at, 6, 2);
  CGLine behind(0, 0, 0);
  behind.CGLineFromTwoPoints(CVector(-6, -10), CVector(-6, 10));
  EXPECT_FALSE(ray.intersection(behind, &at));
}
