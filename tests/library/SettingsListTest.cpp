#include <gtest/gtest.h>

#include "MCSettingList.h"

#include "LibraryTestSupport.h"

TEST(SettingsList, CopiesAreDeepAndSelfAssignmentKeepsTheList)
{
  MCSettingList list("S");
  list.insert("a", "1");
  list.insert("b", "2");
  list.__getclassed("X:a");

  MCSettingList copy(list);
  copy.insert("a", "changed");
  EXPECT_EQ(MCString("1"), list.__get("a"));
  EXPECT_EQ(MCString(""), copy.getlastclass());

  MCSettingList assigned;
  assigned.insert("z", "9");
  assigned = list;
  EXPECT_EQ("[S]\na=1\nb=2\n", Shown(assigned));
  EXPECT_EQ(MCString("a"), assigned.getlastclass());

  MCSettingList &same = list;
  list = same;
  EXPECT_EQ("[S]\na=1\nb=2\n", Shown(list));
}
