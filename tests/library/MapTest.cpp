#include <gtest/gtest.h>

#include "MCMap.h"

#include "LibraryTestSupport.h"

TEST(MapPicture, GreyLevelsSpanTheRangeOfTheCells)
{
  MCMap map(2, 1);
  map.set(0, 0, 1.0).set(1, 0, 3.0);
  EXPECT_EQ("P3\n2 1\n255\n0 0 0\n255 255 255\n", Shown(map));

  // All cells equal leave no range to divide by.
  EXPECT_EQ("P3\n3 1\n255\n127 127 127\n127 127 127\n127 127 127\n", Shown(MCMap(3, 1)));
}

TEST(MapCells, OutsideTheGridNothingIsStoredAndZeroIsRead)
{
  MCMap map(2, 2);
  map.set(-1, 0, 5.0).set(2, 0, 5.0).set(0, 2, 5.0).set(0, -1, 5.0).set(1, 1, 4.0);
  EXPECT_EQ(0.0, map.get(-1, 0));
  EXPECT_EQ(0.0, map.get(2, 0));
  EXPECT_EQ(4.0, map.get(1, 1));
  EXPECT_EQ(0.0, map.get(0, 0));
  EXPECT_EQ(0.0, map.get(1, 0));
}

TEST(MapCells, CopiesAreDeepAndSelfAssignmentKeepsTheCells)
{
  MCMap map(2, 1);
  map.set(0, 0, 1.0).set(1, 0, 2.0);
  MCMap copy(map);
  copy.set(0, 0, 9.0);
  EXPECT_EQ(1.0, map.get(0, 0));

  MCMap &same = map;
  map = same;
  EXPECT_EQ(1.0, map.get(0, 0));
  EXPECT_EQ(2.0, map.get(1, 0));

  copy = map;
  map.set(1, 0, 7.0);
  EXPECT_EQ(2.0, copy.get(1, 0));
}

TEST(MapCells, OnlyMapsOfOneSizeAdd)
{
  MCMap a(2, 2);
  MCMap b(2, 2);
  a.set(0, 0, 1.0).set(1, 1, 2.0);
  b.set(0, 0, 0.5).set(0, 1, 3.0);
  const MCMap sum = a + b;
  EXPECT_EQ(1.5, sum.get(0, 0));
  EXPECT_EQ(3.0, sum.get(0, 1));
  EXPECT_EQ(2.0, sum.get(1, 1));

  MCMap none;
  EXPECT_EQ("Maps must have same size to add.\n", Out([&] { none = a + MCMap(2, 3); }));
  EXPECT_EQ("P3\n0 0\n255\n", Shown(none));
}
