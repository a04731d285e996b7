#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "LibraryTestSupport.h"
#include "MCDictIni.h"
#include "ScratchDir.h"

namespace
{
const char *const Fixture = TEST_DATA_DIR "/dict-fixture.ini";

MCDictIni fixture()
{
  MCDictIni ini;
  ini.import(Fixture);
  return ini;
}
} // namespace

TEST(MCDictIniParse, CommentsAndSectionsOfTheFixture)
{
  MCDictIni ini = fixture();
  EXPECT_EQ(MCString(" A ,Global,Last,Timing,timing"), ini.getSectionList(','));

  EXPECT_EQ(MCString("before any header"), ini.get("Global", "top", ""));
  EXPECT_EQ(300, ini.get("Timing", "max_wait", 0));
  // '#' cuts first even when "//" stands before it.
  EXPECT_EQ(MCString("b // x"), ini.get("Timing", "hashwins", ""));
  EXPECT_EQ(MCString("key = a = b"), ini.get("Timing", "mixed", ""));
  EXPECT_EQ(MCString("second"), ini.get("Timing", "dup", ""));
  EXPECT_EQ(MCString("blank names"), ini.get(" A ", "inner", ""));
  EXPECT_EQ(MCString("b"), ini.get(" A ", "[a]", ""));
  EXPECT_EQ(MCString("case,orphan"), ini.getVariableList("timing", ','));
  EXPECT_EQ(MCString("crlf,end,spaced"), ini.getVariableList("Last", ','));
  EXPECT_EQ(MCString("padded value"), ini.get("Last", "spaced", ""));

  MCDictionaryRV rv = ini.__get("Empty", "x");
  EXPECT_EQ(MCDI_us, rv.code);
  EXPECT_EQ(MCString("Empty"), rv.value);
  rv = ini.__get("Timing", "k");
  EXPECT_EQ(MCD_uv, rv.code);
  EXPECT_EQ(MCString("k"), rv.value);
  EXPECT_TRUE(ini.getVariableList("Empty", ',').empty());
}

TEST(MCDictIniImportDeathTest, NoDataEndsTheProgramWithTwelve)
{
  MCDictIni ini;
  EXPECT_NO_DATA_EXIT(ini.importordie("/nonexistent/agent.conf"), "/nonexistent/agent.conf");
  EXPECT_NO_DATA_EXIT(ini.importordie("/tmp"), "/tmp");
  EXPECT_NO_DATA_EXIT(ini.importflatordie("/nonexistent/server.conf", "Server", ':'),
                      "/nonexistent/server.conf");
  ScratchDir dir;
  WriteFile(dir.file("empty.conf"), "");
  const MCString emptyname = dir.file("empty.conf").c_str();
  EXPECT_NO_DATA_EXIT(ini.importordie(emptyname), ".*/empty.conf");
}
