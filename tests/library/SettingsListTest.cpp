#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "MCExceptions.h"
#include "MCSettingList.h"

#include "LibraryTestSupport.h"

TEST(SettingsList, KeepsNamesInOrderAndReplacesInPlace)
{
  MCSettingList list;
  EXPECT_EQ(nullptr, list.find("a"));
  EXPECT_EQ(MCString(""), list.getVariableList(','));
  list.insert("b", "2");
  list.insert("a", "1");
  list.insert("c", "3");
  list.insert("b", "two");
  EXPECT_EQ(MCString("a,b,c"), list.getVariableList(','));
  EXPECT_EQ(MCString("two"), list.__get("b"));
  EXPECT_EQ("[Unknown]\na=1\nb=two\nc=3\n", Shown(list));

  // find gives the last name not above the one asked for.
  EXPECT_EQ(MCString("b"), list.find("bz")->name);
  EXPECT_EQ(nullptr, list.find("A"));
  EXPECT_EQ(MCString("d"), list.get("z", "d"));
}

TEST(SettingsList, ClassedLookupFallsBackFromTheInnermostClass)
{
  MCSettingList list;
  EXPECT_THROW(list.__getclassed("A:B:v"), mcsetting_unknown_variable);
  EXPECT_EQ(MCString(""), list.getlastclass());

  // The order of the walk is the dictionaries' (shared); here the last class
  // is emptied by a failure.
  list.insert("A:v", "outer");
  EXPECT_EQ(MCString("outer"), list.__getclassed("A:B:v"));
  EXPECT_EQ(MCString("A:v"), list.getlastclass());

  list.insert("A:B:C:v", "exact");
  EXPECT_EQ(MCString("exact"), list.getclassed("A:B:C:v", "d"));
  EXPECT_EQ(MCString("A:B:C:v"), list.getlastclass());
  EXPECT_EQ(MCString("d"), list.getclassed("A:B:w", "d"));
  EXPECT_EQ(MCString(""), list.getlastclass());
}

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
