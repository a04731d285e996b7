#include <gtest/gtest.h>

#include <sstream>
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

// Classed reads through the sections, the typed forms, the lists, and the
// text written back (to a stream and to a file, read back the same).
TEST(MCDictIniReads, ClassedTypedListedAndWrittenBack)
{
  MCDictIni ini;
  ini.parse("[S]\nA:v = 4\nv = 2.5\nw = word\n[T]\nc = 3\n");
  const struct
  {
    const char *section, *key;
    const char *text;  // "" for the default
    const char *matched;
  } rows[] = {
      {"S", "A:B:v", "4", "A:v"},
      {"S", "Z:v", "2.5", "v"},
      {"S", "A:B:x", "", "v"},  // a miss keeps the last match
      {"none", "A:v", "", "v"},
  };
  for (const auto &row : rows)
  {
    EXPECT_EQ(row.text[0] ? row.text : "d", Of(ini.getclassed(row.section, row.key, MCString("d")))) << row.key;
    EXPECT_EQ(row.matched, Of(ini.getlastclass())) << row.key;
  }
  EXPECT_EQ(4, ini.getclassed("S", "A:v", 7));
  EXPECT_EQ(7, ini.getclassed("S", "B:x", 7));
  EXPECT_DOUBLE_EQ(2.5, ini.getclassed("S", "Q:v", 1.0));
  EXPECT_DOUBLE_EQ(1.5, ini.getclassed("S", "Q:x", 1.5));
  EXPECT_EQ(MCDI_us, ini.__getclassed("none", "v").code);
  EXPECT_EQ(MCD_ucv, ini.__getclassed("S", "x").code);

  const MCDictIni copy(ini);
  EXPECT_EQ("", Of(copy.getlastclass()));
  EXPECT_EQ(Of(ini.Representation()), Of(copy.Representation()));
  EXPECT_EQ("[S]\nA:v=4\nv=2.5\nw=word\n\n[T]\nc=3\n\n", Of(ini.Representation()));
  EXPECT_EQ(2u, ini.getSectionList().size());
  EXPECT_EQ(3u, ini.getVariableList("S").size());
  EXPECT_TRUE(ini.getVariableList("none").empty());
  EXPECT_EQ(Of(ini.Representation()), Shown(ini));
  std::ostringstream shown;
  ini.Display(shown);
  EXPECT_EQ(Of(ini.Representation()), shown.str());
  EXPECT_EQ("", Of(MCDictIni().Representation()));

  ScratchDir dir;
  const std::string name = dir.file("written.ini");
  ini.exportfile(name.c_str());
  MCDictIni back;
  back.import(name.c_str());
  EXPECT_EQ(Of(ini.Representation()), Of(back.Representation()));
  // A file that cannot be written is left alone.
  ini.exportfile(dir.file("no/such/dir.ini").c_str());

  WriteFile(dir.file("server.conf"), "ball_decay : 0.94\n# note\nplayer_size: 0.3 // m\nbad line\n");
  MCDictIni flat;
  flat.importflat(dir.file("server.conf").c_str(), "Server", ':');
  // A line without its separator has no value and is dropped.
  EXPECT_EQ("ball_decay,player_size", Of(flat.getVariableList("Server", ',')));
  EXPECT_DOUBLE_EQ(0.94, flat.get("Server", "ball_decay", 0.0));
  EXPECT_EQ("x", Of(flat.get("Server", "bad line", MCString("x"))));
}
