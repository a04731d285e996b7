#include <gtest/gtest.h>

#include "MCStrEnum.h"
#include "MCStringEnumeration.h"

#include "LibraryTestSupport.h"

TEST(EnumNumbering, TextsAreNumberedInOrderOfFirstLookUp)
{
  MCStringEnumeration e;
  EXPECT_EQ("", Shown(e));
  EXPECT_EQ(0, e["a"]);
  EXPECT_EQ(1, e["b"]);
  EXPECT_EQ(0, e["a"]);
  EXPECT_EQ(2, e["c"]);
  EXPECT_EQ(1, e["b"]);
  EXPECT_EQ("    0\ta\n    1\tb\n    2\tc\n", Shown(e));

  // A node counts from itself.
  MCStrEnum node("x");
  EXPECT_EQ(1, node["y"]);
  EXPECT_EQ(0, node["x"]);
  EXPECT_EQ(2, node["z"]);
  EXPECT_EQ("    0\tx\n    1\ty\n    2\tz\n", Shown(node));
  EXPECT_EQ("    0\t\n", Shown(MCStrEnum()));
}
