#include <gtest/gtest.h>

#include <sstream>

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

// Constants of one name share one number and print as their name; a named
// constant cannot be given another name.
TEST(NamedConstants, ShareNumbersByNameAndNeverChange)
{
  const MCConstant x("q2-constant-x");
  const MCConstant again("q2-constant-x");
  const MCConstant y("q2-constant-y");
  EXPECT_EQ(static_cast<int>(x), static_cast<int>(again));
  EXPECT_EQ(static_cast<int>(x) + 1, static_cast<int>(y));
  std::ostringstream os;
  os << x;
  EXPECT_EQ("q2-constant-x", os.str());

  MCConstant target(x);
  EXPECT_EQ(static_cast<int>(x), static_cast<int>(target));
  try
  {
    target = y;
    ADD_FAILURE() << "a named constant took another name";
  }
  catch (const MCConstantChange &change)
  {
    std::ostringstream message;
    message << change.message;
    EXPECT_EQ("MCConstant::operator= : attempt to change a constant (q2-constant-x=q2-constant-y)", message.str());
  }
  EXPECT_EQ(static_cast<int>(x), static_cast<int>(target));

  MCConstant unset;
  EXPECT_EQ(-1, static_cast<int>(unset));
  std::ostringstream none;
  unset.display(none);
  EXPECT_EQ("<NULL>", none.str());
  unset = y;
  EXPECT_EQ(static_cast<int>(y), static_cast<int>(unset));
}
