#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "MCConstant.h"
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

// Constants share one enumeration for the whole program, so the numbers
// are compared with each other rather than with fixed values.
TEST(EnumConstant, EqualNamesHoldEqualNumbers)
{
  const MCConstant x1("enum-test-x");
  const MCConstant x2("enum-test-x");
  const MCConstant y("enum-test-y");
  EXPECT_EQ(static_cast<int>(x1), static_cast<int>(x2));
  EXPECT_EQ(static_cast<int>(x1) + 1, static_cast<int>(y));
  EXPECT_EQ("enum-test-y", Shown(y));

  const MCConstant unset;
  EXPECT_EQ(-1, static_cast<int>(unset));
  EXPECT_EQ("<NULL>", Shown(unset));
}
