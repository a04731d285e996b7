#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "MCDictIniSafe.h"
#include "MCIniSafe.h"

#include "LibraryTestSupport.h"

namespace
{
MCIniSafe parsed(const char *source)
{
  MCIniSafe ini;
  ini.parse(source);
  return ini;
}
} // namespace

TEST(SettingsSafe, MissingSettingsAreReportedEvenWhenQuiet)
{
  MCIniSafe ini = parsed("[s]\na = 1\n");
  double value = 0;
  EXPECT_EQ("X No match for variable \"b\" in section \"s\"\n",
            Out([&] { value = ini.getsafe("s", "b", 0.1234567, 1); }));
  EXPECT_EQ(0.1234567, value);
  EXPECT_EQ("", Out([&] { ini.getsafe("s", "a", 5, 1); }));
}

// The report texts and mask bits are shared with the newer reader; the
// older one must hand them its own mask and last missing section.
TEST(SettingsSafe, MaskAndTheMissingSectionNamedOnce)
{
  MCIniSafe ini = parsed("[s]\na = 1\n");
  const std::string t = "X Section \"t\" does not exist.\n";
  const std::string u = "X Section \"u\" does not exist.\n";
  EXPECT_EQ(t + u + t, Out([&] {
              ini.getsafe("t", "a", 0, 0);
              ini.getsafe("t", "b", 0, 0);
              ini.getsafe("u", "a", 0, 0);
              ini.getsafe("t", "a", 0, 0);
            }));
  ini.setsafe(1);
  EXPECT_EQ(t + t, Out([&] {
              ini.getsafe("t", "a", 0, 0);
              ini.getsafe("t", "b", 0, 0);
            }));
  ini.setsafe(0);
  EXPECT_EQ("", Out([&] {
              ini.getsafe("s", "a", 2, 0);
              ini.getsafe("s", "b", 2, 0);
              ini.getsafe("t", "a", 2, 0);
              ini.getclassedsafe("s", "X:a", 2, 0);
            }));
}

TEST(SettingsSafe, ClassedReadsNameTheKeyThatMatched)
{
  MCIniSafe ini = parsed("[s]\nA:v = 3\n");
  const std::string matched = "  Classed variable\n\tA:B:v\n  matches with variable\n\tA:v\n";
  int value = 0;
  EXPECT_EQ(matched + "X Variable \"A:B:v\" differs from default value\t: 3 vs 4\n",
            Out([&] { value = ini.getclassedsafe("s", "A:B:v", 4, 0); }));
  EXPECT_EQ(3, value);
  // Quiet silences the comparison in every form; the match is still named.
  EXPECT_EQ(matched, Out([&] { ini.getclassedsafe("s", "A:B:v", 4, 1); }));
  EXPECT_EQ(matched, Out([&] { ini.getclassedsafe("s", "A:B:v", 4.0, 1); }));
  EXPECT_EQ(matched, Out([&] { ini.getclassedsafe("s", "A:B:v", MCString("4"), 1); }));
  double real = 0;
  EXPECT_EQ("X No match for variable \"A:B:w\" in section \"s\"\n",
            Out([&] { real = ini.getclassedsafe("s", "A:B:w", 0.1234567, 1); }));
  EXPECT_EQ(0.1234567, real);
}

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
