#include <gtest/gtest.h>

#include <string>

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
