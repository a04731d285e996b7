#include "SensorsRig.h"

SensorsAgent::SensorsAgent(MCDictIniSafe &config) : TestAgent(config)
{
  SetSide('l');
}

void SensorsAgent::Analyse(const std::string &bytes)
{
  Sensors()->Receive(bytes.data(), bytes.size());
  Sensors()->AnalyseData();
}

void SensorsAgent::Clear()
{
  calls.clear();
  changed = 0;
  haveVisualForThisAngle = false;
}

void SensorsAgent::Record(const std::string &call) const
{
  // The parsers call const operations; the record is the test's own.
  if (recording)
    const_cast<SensorsAgent *>(this)->calls.push_back(call);
}

void SensorsAgent::S2MWritePlayer(int time, int number, char team, float distance, float direction,
                                  float distanceChange, float directionChange, float body, float head,
                                  bool goalie) const
{
  Record(Line("player", time, number, team, distance, direction, distanceChange, directionChange, body, head) +
         (goalie ? " goalie" : ""));
}

void SensorsAgent::S2MWriteGoal(int time, char side, float distance, float direction) const
{
  Record(Line("goal", time, side, distance, direction));
}

void SensorsAgent::S2MWriteBall(int time, float distance, float direction, float distanceChange,
                                float directionChange, int close) const
{
  Record(Line("ball", time, distance, direction, distanceChange, directionChange, close));
}

void SensorsAgent::S2MWriteFlag(int time, int number, float distance, float direction, float distanceChange,
                                float directionChange) const
{
  Record(Line("flag", time, number, distance, direction, distanceChange, directionChange));
}

void SensorsAgent::S2MWriteLine(int time, char side, float distance, float direction) const
{
  Record(Line("line", time, side, distance, direction));
}

void SensorsAgent::ParseMessage(char *text) const
{
  Record(std::string("message ") + text);
  TestAgent::ParseMessage(text);
}

void SensorsAgent::Check4LostActions(int kick, int dash, int turn, int say, int neck)
{
  Record(Line("lost", kick, dash, turn, say, neck));
}

void SensorsAgent::UpdateGPos()
{
  Record("updates");
}

void SensorsAgent::StorePlayers()
{
}

void SensorsAgent::RemoveGhosts()
{
}

void SensorsAgent::SetLastCollisionTime(int time)
{
  Record("collision " + std::to_string(time));
}

void SensorsAgent::SetHaveVisualForThisAngle(bool have)
{
  haveVisualForThisAngle = have;
}

void SensorsAgent::ModuleChanged(CModule *)
{
  // No new cycle: the tests set the clock themselves.
  ++changed;
}

std::string SensorsFixture::Analyse(const std::string &text)
{
  testing::internal::CaptureStderr();
  agent.Analyse(text + '\0');
  return testing::internal::GetCapturedStderr();
}
