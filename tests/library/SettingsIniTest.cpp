#include <gtest/gtest.h>

#include <unistd.h>

#include "MCIniCore.h"
#include "MCIniSafe.h"

#include "LibraryTestSupport.h"
#include "ScratchDir.h"

namespace
{
MCIniCore parsed(const char *source)
{
  MCIniCore ini;
  ini.parse(source);
  return ini;
}
} // namespace

TEST(SettingsIni, SectionLinesAndDroppedLines)
{
  MCIniCore ini = parsed("x = 1\n"
                         "[s]\n"
                         "a = 1 # note\n"
                         "key =\n"
                         "= value\n"
                         "# only a comment\n"
                         "word\n"
                         "[ s ]\n"
                         "b = 2 = 3\n"
                         "[x\n"
                         "c = 3\n"
                         "[t]u]\n"
                         "d = 4\n"
                         "[s]\n"
                         "a = later\n");
  EXPECT_EQ(MCString(" s ,Global,s,t"), ini.getSectionList(','));
  EXPECT_EQ(MCString("1"), ini.get("Global", "x", "-"));
  // "[x" is dropped, so c still belongs to " s ".
  EXPECT_EQ(MCString("b,c"), ini.getVariableList(" s ", ','));
  EXPECT_EQ(MCString("2 = 3"), ini.get(" s ", "b", "-"));
  EXPECT_EQ(MCString("a"), ini.getVariableList("s", ','));
  EXPECT_EQ(MCString("later"), ini.get("s", "a", "-"));
  EXPECT_EQ(MCString("4"), ini.get("t", "d", "-"));
}

TEST(SettingsIni, ClassedReadsRememberOnlyTheirSuccesses)
{
  MCIniCore ini = parsed("[p]\nA:v = outer\nv = bare\n");
  EXPECT_EQ(MCString("outer"), ini.__getclassed("p", "A:B:v"));
  EXPECT_EQ(MCString("A:v"), ini.getlastclass());
  EXPECT_EQ(MCString("d"), ini.getclassed("p", "A:B:w", "d"));
  EXPECT_EQ(MCString("A:v"), ini.getlastclass());
  EXPECT_EQ(MCString("bare"), ini.getclassed("p", "Z:v", "d"));
  EXPECT_EQ(MCString("v"), ini.getlastclass());
  EXPECT_EQ(3, ini.getclassed("q", "A:v", 3));
}

TEST(SettingsIniDeathTest, ImportOrDieNamesTheFileAndEndsWithTwelve)
{
  MCIniCore ini;
  EXPECT_NO_DATA_EXIT(ini.importordie("/nonexistent/old.ini"), "/nonexistent/old.ini");
  EXPECT_NO_DATA_EXIT(ini.importflatordie("/nonexistent/server.conf", "Server", ':'), "/nonexistent/server.conf");
}

TEST(SettingsIni, CopiesAreDeepAndSelfAssignmentKeepsTheReader)
{
  MCIniCore ini = parsed("[s]\na = 1\n[t]\nb = 2\n");
  ini.__getclassed("s", "X:a");

  MCIniCore copy(ini);
  EXPECT_EQ(MCString(""), copy.getlastclass());
  copy.insert("s", "a", "changed");
  EXPECT_EQ(MCString("1"), ini.get("s", "a", "-"));

  MCIniCore assigned = parsed("[u]\nc = 3\n");
  assigned.__getclassed("u", "c");
  assigned = ini;
  EXPECT_EQ(Shown(ini), Shown(assigned));
  EXPECT_EQ(MCString("c"), assigned.getlastclass());

  MCIniCore &same = ini;
  ini = same;
  EXPECT_EQ("[s]\na=1\n\n[t]\nb=2\n\n", Shown(ini));
}

// The sections a reader held before an assignment are freed, not kept or
// lost: the value only they shared is held once again afterwards.
TEST(SettingsIni, AssignmentOntoAFilledReaderLetsItsOldSectionsGo)
{
  const MCString value("only in the old reader");
  MCIniSafe target;
  target.parse("[u]\nc = 3\n");
  target.insert("old", "k", value);
  ASSERT_EQ(value.sharedbuffer()->CurRef(), 2);
  MCIniSafe source;
  source.parse("[s]\na = 1\n");
  target = source;
  EXPECT_EQ(MCString("s"), target.getSectionList(','));
  EXPECT_EQ(value.sharedbuffer()->CurRef(), 1);
}

// Typed reads turn the default into text and back; flat text goes into one
// section; what is written to a file reads back the same.
TEST(SettingsIni, TypedReadsFlatTextAndFilesRoundTrip)
{
  MCIniCore ini;
  ini.parse("[s]\nn = 7\nx = 2.5\nword = abc\nA:d = 0.25\n");
  const struct
  {
    const char *name;
    int intDefault, intWant;
    double doubleDefault, doubleWant;
  } rows[] = {
      {"n", 1, 7, 1.0, 7.0},
      {"x", 1, 2, 1.0, 2.5},
      {"missing", 3, 3, 0.1234567, 0.123457},
      {"word", 3, 0, 1.0, 0.0},
  };
  for (const auto &row : rows)
  {
    EXPECT_EQ(row.intWant, ini.get("s", row.name, row.intDefault)) << row.name;
    EXPECT_NEAR(row.doubleWant, ini.get("s", row.name, row.doubleDefault), 1e-9) << row.name;
  }
  EXPECT_DOUBLE_EQ(0.25, ini.getclassed("s", "A:B:d", 1.0));
  EXPECT_DOUBLE_EQ(1.5, ini.getclassed("s", "A:B:e", 1.5));
  ini.insert("s", "y", 0.5);
  EXPECT_EQ(MCString("0.5"), ini.get("s", "y", "-"));

  ScratchDir dir;
  const std::string name = dir.file("old.ini");
  ini.exportfile(name.c_str());
  MCIniCore back;
  back.import(name.c_str());
  EXPECT_EQ(Shown(ini), Shown(back));
  EXPECT_EQ(Shown(ini), ReadWholeFile(name));
  ini.exportfile(dir.file("no/such/dir.ini").c_str());

  // Flat text has no section lines: a bracketed key is a key like any.
  ini.parseflat("ball_decay : 0.94\n[b]: 1 # note\nnothing\n: empty key\n", "Server", ':');
  EXPECT_EQ(MCString("[b],ball_decay"), ini.getVariableList("Server", ','));
  EXPECT_EQ(MCString("1"), ini.get("Server", "[b]", "-"));

  WriteFile(dir.file("server.conf"), "player_size: 0.3\n");
  MCIniCore flat;
  flat.importflat(dir.file("server.conf").c_str(), "Server", ':');
  flat.import(dir.file("missing.ini").c_str());
  EXPECT_EQ("[Server]\nplayer_size=0.3\n\n", Shown(flat));
}
