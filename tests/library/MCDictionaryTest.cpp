#include <gtest/gtest.h>

#include <vector>

#include "MCDictionary.h"

namespace
{
MCDictionary withkeys(std::vector<MCString> keys)
{
  MCDictionary dict;
  for (const MCString &key : keys)
    dict.insert(key, "value of " + key);
  return dict;
}
} // namespace

TEST(MCDictionaryClassed, DropsTheClassNearestTheNameFirstAndSkipsNoLevel)
{
  // A:C:v would be a skipped level: it must never be tried.
  MCDictionary dict = withkeys({"A:C:v", "A:v", "v"});
  MCDictionaryRV rv = dict.__getclassed("A:B:C:v");
  EXPECT_EQ(0, rv.code);
  EXPECT_EQ(MCString("value of A:v"), rv.value);
  EXPECT_EQ(MCString("A:v"), dict.getlastclass());

  MCDictionary bare = withkeys({"A:C:v", "v"});
  EXPECT_EQ(MCString("value of v"), bare.__getclassed("A:B:C:v").value);
  EXPECT_EQ(MCString("v"), bare.getlastclass());

  rv = bare.__getclassed("A:C:v");
  EXPECT_EQ(MCString("value of A:C:v"), rv.value);
  EXPECT_EQ(MCString("A:C:v"), bare.getlastclass());
}
