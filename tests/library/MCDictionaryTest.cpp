#include <gtest/gtest.h>

#include <vector>

#include "MCDictIni.h"
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

TEST(MCDictionaryClassed, FailureCodesAndLastClass)
{
  MCDictionary dict = withkeys({"B:v"});
  dict.__getclassed("B:v");
  ASSERT_EQ(MCString("B:v"), dict.getlastclass());

  // B is not a class on the path of A:B:v once A is dropped last.
  MCDictionaryRV rv = dict.__getclassed("A:B:v");
  EXPECT_EQ(MCD_ucv, rv.code);
  EXPECT_EQ(MCString("A:B:v"), rv.value);
  EXPECT_TRUE(dict.getlastclass().empty());

  // A missing plain key: 2 from the classed lookup, 1 from the plain one.
  EXPECT_EQ(MCD_ucv, dict.__getclassed("w").code);
  rv = dict.get("w");
  EXPECT_EQ(MCD_uv, rv.code);
  EXPECT_EQ(MCString("w"), rv.value);
  EXPECT_EQ(MCString("dflt"), dict.getclassed("A:w", "dflt"));
  EXPECT_EQ(MCString("value of B:v"), dict.getclassed("B:v", "dflt"));
}

TEST(MCDictIniClassed, LastClassFollowsOnlySuccessfulLookups)
{
  MCDictIni ini;
  ini.insert("ClearSend", "PitchEnd", 47.5);
  ini.insert("ClearSend", "Clear:PitchEnd", 40.0);

  EXPECT_DOUBLE_EQ(47.5, ini.getclassed("ClearSend", "Send:PitchEnd", 1.0));
  EXPECT_EQ(MCString("PitchEnd"), ini.getlastclass());
  EXPECT_EQ(40, ini.getclassed("ClearSend", "Clear:PitchEnd", 0));
  EXPECT_EQ(MCString("Clear:PitchEnd"), ini.getlastclass());

  EXPECT_EQ(MCD_ucv, ini.__getclassed("ClearSend", "Send:Range").code);
  EXPECT_EQ(MCString("Clear:PitchEnd"), ini.getlastclass());
  MCDictionaryRV rv = ini.__getclassed("Nope", "Send:Range");
  EXPECT_EQ(MCDI_us, rv.code);
  EXPECT_EQ(MCString("Nope"), rv.value);
  EXPECT_EQ(MCString("Clear:PitchEnd"), ini.getlastclass());

  // A copy starts without lookup history.
  MCDictIni copy(ini);
  EXPECT_TRUE(copy.getlastclass().empty());
}

TEST(MCDictionaryItems, DecodeAddsEveryItemTrimmed)
{
  MCDictionary dict;
  MCDictionaryRV rv = dict.Decode(" X : -55.0 ,, Y:-10,flag ,X:1", ':', ',');
  EXPECT_EQ(0, rv.code);
  EXPECT_TRUE(rv.value.empty());
  EXPECT_EQ(MCString("1"), dict.get("X", ""));
  EXPECT_EQ(MCString("-10"), dict.get("Y", ""));
  EXPECT_EQ(0, dict.get("flag").code);
  EXPECT_TRUE(dict.get("flag").value.empty());
  EXPECT_EQ(MCString("X:1,Y:-10,flag:"), dict.Representation(':', ','));
}
