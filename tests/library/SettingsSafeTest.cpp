#include <gtest/gtest.h>

#include <string>
#include <type_traits>

#include "MCIniSafe.h"

#include "LibraryTestSupport.h"

namespace
{
// A reader that collects its reports instead of printing them.
class CollectingIni : public MCIniSafe
{
public:
  void msgVarsDiff(MCString name, MCString value, MCString def) override { add("diff", name, value + " " + def); }
  void msgVarsMatch(MCString name, MCString value) override { add("match", name, value); }
  void msgBadSection(MCString section) override { log += "section " + Of(section) + ";"; }
  void msgBadVariable(MCString name, MCString section) override { add("variable", name, section); }
  void msgClassMatch(MCString key, MCString matched) override { add("class", key, matched); }
  void add(const char *what, const MCString &a, const MCString &b) { log += what + (" " + Of(a + " " + b)) + ";"; }
  std::string log;
};
} // namespace

// A reader handed round as the older base must still be freed whole.
TEST(SettingsSafe, AReaderFreedThroughTheOlderBaseIsFreedWhole)
{
  ASSERT_TRUE(std::has_virtual_destructor<MCIniCore>::value);
  struct Watched : MCIniSafe
  {
    explicit Watched(bool &gone) : gone(gone) {}
    ~Watched() override { gone = true; }
    bool &gone;
  };
  bool gone = false;
  MCIniCore *core = new Watched(gone);
  core->parse("[s]\na = 1\n");
  delete core;
  EXPECT_TRUE(gone);
}

// Each safe read, found or not, in each type: the value or the default, and
// the report it makes.
TEST(SettingsSafe, ReadsGiveTheValueOrTheDefaultAndReportWhich)
{
  CollectingIni ini;
  ini.parse("[s]\nname = text\nn = 7\nhalf = 0.50\nnear = 1.00005\nfar = 1.0002\nword = abc\n");
  const struct
  {
    const char *section, *name;
    int def, want;
    const char *log;
  } ints[] = {
      {"s", "n", 7, 7, "match n 7;"},
      {"s", "n", 3, 7, "diff n 7 3;"},
      {"s", "missing", 3, 3, "variable missing s;"},
      {"none", "n", 3, 3, "section none;"},
      {"s", "word", 0, 0, "match word 0;"},
  };
  for (const auto &row : ints)
  {
    ini.log.clear();
    EXPECT_EQ(row.want, ini.getsafe(row.section, row.name, row.def, 0)) << row.name;
    EXPECT_EQ(row.log, ini.log) << row.name;
  }
  const struct
  {
    const char *name;
    double def, want;
    const char *log;
  } doubles[] = {
      {"half", 0.5, 0.5, "match half 0.5;"},
      {"near", 1.0, 1.00005, "match near 1.00005;"},
      {"far", 1.0, 1.0002, "diff far 1.0002 1;"},
      {"missing", 0.1234567, 0.1234567, "variable missing s;"},
  };
  for (const auto &row : doubles)
  {
    ini.log.clear();
    EXPECT_DOUBLE_EQ(row.want, ini.getsafe("s", row.name, row.def, 0)) << row.name;
    EXPECT_EQ(row.log, ini.log) << row.name;
  }
  // Quiet reads still report what is missing, and only that.
  ini.log.clear();
  EXPECT_EQ(MCString("text"), ini.getsafe("s", "name", MCString("other"), 1));
  EXPECT_EQ(2.5, ini.getsafe("s", "missing", 2.5, 1));
  EXPECT_EQ(9, ini.getsafe("none", "n", 9, 1));
  EXPECT_EQ("variable missing s;section none;", ini.log);
  ini.log.clear();
  EXPECT_EQ(MCString("text"), ini.getsafe("s", "name", MCString("other"), 0));
  EXPECT_EQ(MCString("text"), ini.getsafe("s", "name", MCString("text"), 0));
  EXPECT_EQ("diff name text other;match name text;", ini.log);
}

TEST(SettingsSafe, ClassedReadsNameTheKeyThatMatched)
{
  CollectingIni ini;
  ini.parse("[p]\nA:v = 4\nv = 2.5\nA:w = word\n");
  const struct
  {
    const char *key;
    int def, want;
    const char *log;
  } ints[] = {
      {"A:B:v", 4, 4, "class A:B:v A:v;match A:B:v 4;"},
      {"Z:v", 4, 2, "class Z:v v;diff Z:v 2 4;"},
      {"A:B:x", 6, 6, "variable A:B:x p;"},
  };
  for (const auto &row : ints)
  {
    ini.log.clear();
    EXPECT_EQ(row.want, ini.getclassedsafe("p", row.key, row.def, 0)) << row.key;
    EXPECT_EQ(row.log, ini.log) << row.key;
  }
  ini.log.clear();
  EXPECT_DOUBLE_EQ(2.5, ini.getclassedsafe("p", "Q:v", 1.0, 0));
  EXPECT_EQ("class Q:v v;diff Q:v 2.5 1;", ini.log);
  ini.log.clear();
  EXPECT_EQ(MCString("word"), ini.getclassedsafe("p", "A:w", MCString("word"), 1));
  EXPECT_EQ(MCString("d"), ini.getclassedsafe("none", "A:w", MCString("d"), 0));
  EXPECT_EQ("class A:w A:w;section none;", ini.log);
}

// The printed reports, word for word, as far as the mask lets them out.
TEST(SettingsSafe, ReportTextsAndTheirMask)
{
  MCIniSafe ini;
  ini.parse("[s]\nn = 7\nx = 1.0002\n[c]\nA:v = 1\n");
  const struct
  {
    int mask;
    const char *expected;
  } rows[] = {
      {31,
       "X Variable \"n\" differs from default value\t: 7 vs 3\n"
       "  Variable \"n\" matches default value\t: 7\n"
       "X No match for variable \"m\" in section \"s\"\n"
       "X Section \"t\" does not exist.\n"
       "X Variable \"x\" differs from default value\t: 1.0002 vs 1\n"
       "  Classed variable\n\tB:v\n  matches with variable\n\tv\n"
       "X Variable \"B:v\" differs from default value\t: 5 vs 1\n"},
      {1, "X No match for variable \"m\" in section \"s\"\nX Section \"t\" does not exist.\n"},
      {4,
       "X Variable \"n\" differs from default value\t: 7 vs 3\n"
       "X Variable \"x\" differs from default value\t: 1.0002 vs 1\n"
       "X Variable \"B:v\" differs from default value\t: 5 vs 1\n"},
      {8, "  Variable \"n\" matches default value\t: 7\n"},
      {16, "  Classed variable\n\tB:v\n  matches with variable\n\tv\n"},
      {0, ""},
      {32, ""},
      {-1, ""},
  };
  ini.insert("c", "v", 5);
  for (const auto &row : rows)
  {
    ini.setsafe(row.mask);
    EXPECT_EQ(row.expected, Out([&] {
                ini.getsafe("s", "n", 3, 0);
                ini.getsafe("s", "n", 7, 0);
                ini.getsafe("s", "m", 3, 0);
                ini.getsafe("t", "n", 3, 0);
                ini.getsafe("s", "x", 1.0, 0);
                ini.getclassedsafe("c", "B:v", 1, 0);
              }))
      << row.mask;
  }
}

// With bit 2 set a missing section is reported once for as long as the
// reads keep naming it; another missing section in between lets it be
// reported again.
TEST(SettingsSafe, AMissingSectionIsReportedOnceInARowWithBitTwo)
{
  const std::string t = "X Section \"t\" does not exist.\n";
  const std::string u = "X Section \"u\" does not exist.\n";
  for (int mask : {1, 3})
  {
    MCIniSafe ini;
    ini.setsafe(mask);
    EXPECT_EQ(mask == 3 ? t + u + t : t + t + u + t, Out([&] {
                ini.getsafe("t", "a", 1, 0);
                ini.getsafe("t", "b", 1, 0);
                ini.getsafe("u", "a", 1, 0);
                ini.getsafe("t", "a", 1, 0);
              }))
      << mask;
  }
  // A copy carries the mask and the section last reported.
  MCIniSafe ini;
  ini.setsafe(3);
  Out([&] { ini.getsafe("t", "a", 1, 0); });
  MCIniSafe copy(ini);
  EXPECT_EQ("", Out([&] { copy.getsafe("t", "a", 1, 0); }));
  MCIniSafe assigned;
  assigned = copy;
  EXPECT_EQ("", Out([&] { assigned.getsafe("t", "a", 1, 0); }));
  EXPECT_EQ(u, Out([&] { assigned.getsafe("u", "a", 1, 0); }));
  MCIniSafe &same = assigned;
  assigned = same;
  EXPECT_EQ("", Out([&] { assigned.getsafe("u", "a", 1, 0); }));
}
