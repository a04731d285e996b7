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
