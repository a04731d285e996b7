#include <gtest/gtest.h>

#include <string>

#include "LibraryTestSupport.h"
#include "MCDictIniSafe.h"

namespace
{
// The built-in values of section ClearSend that the reads below rely on.
class MCDictIniSafeTest : public testing::Test
{
protected:
  void SetUp() override
  {
    dict.insert("ClearSend", "PitchEnd", 47.5);
    dict.insert("ClearSend", "Clear:PitchEnd", "40.0");
    dict.insert("ClearSend", "Force", 1);
    dict.parse("[ClearSend]\nName =   spaced  \n");
    testing::internal::CaptureStdout();
  }
  void TearDown() override
  {
    if (capturing)
      testing::internal::GetCapturedStdout();
  }
  std::string said()
  {
    capturing = false;
    return testing::internal::GetCapturedStdout();
  }

  MCDictIniSafe dict;
  bool capturing = true;
};

const char *const SendPitchEndMatch = "  Classed variable\n"
                                      "\tSend:PitchEnd\n"
                                      "  matches with variable\n"
                                      "\tPitchEnd\n";
} // namespace

TEST_F(MCDictIniSafeTest, FoundValuesReportMatchOrDifference)
{
  EXPECT_DOUBLE_EQ(47.5, dict.getsafe("ClearSend", "PitchEnd", 47.5, 0));
  EXPECT_EQ(1, dict.getsafe("ClearSend", "Force", 0, 0));
  // Compared as stored: the surrounding blanks are gone.
  EXPECT_EQ(MCString("spaced"), dict.getsafe("ClearSend", "Name", "spaced", 0));
  EXPECT_EQ(MCString("spaced"), dict.getsafe("ClearSend", "Name", "other", 0));
  EXPECT_EQ("  Variable \"PitchEnd\" matches default value\t: 47.5\n"
            "X Variable \"Force\" differs from default value\t: 1 vs 0\n"
            "  Variable \"Name\" matches default value\t: spaced\n"
            "X Variable \"Name\" differs from default value\t: spaced vs other\n",
            said());
}

TEST_F(MCDictIniSafeTest, ClassedReadsNameTheKeyThatSatisfiedThem)
{
  EXPECT_DOUBLE_EQ(47.5, dict.getclassedsafe("ClearSend", "Send:PitchEnd", 40.0, 0));
  // The configured text is shown, not the converted number.
  EXPECT_EQ(40, dict.getclassedsafe("ClearSend", "Clear:PitchEnd", 40, 0));
  EXPECT_EQ(3, dict.getclassedsafe("ClearSend", "Send:Range", 3, 0));
  EXPECT_EQ(std::string(SendPitchEndMatch) +
                "X Variable \"Send:PitchEnd\" differs from default value\t: 47.5 vs 40\n"
                "  Classed variable\n\tClear:PitchEnd\n  matches with variable\n\tClear:PitchEnd\n"
                "  Variable \"Clear:PitchEnd\" matches default value\t: 40.0\n"
                "X No match for variable \"Send:Range\" in section \"ClearSend\"\n",
            said());
}
