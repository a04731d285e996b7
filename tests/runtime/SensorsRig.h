#ifndef SENSORSRIG_H
#define SENSORSRIG_H

// The sensors and the play mode inside a real agent whose world-model
// writes, brain signals and cycle events are recorded instead of carried out,
// so that a test sees exactly what the parsers hand on.

#include <sstream>
#include <string>
#include <vector>

#include "AgentRig.h"

class SensorsAgent : public TestAgent
{
public:
  explicit SensorsAgent(MCDictIniSafe &config);

  // Copies a datagram into the sensors' buffer and analyses it, as the
  // sensors thread does.
  void Analyse(const std::string &bytes);

  // What the sensors handed on, one line a call ("flag 11 10.5 -20 -999 -999",
  // "player 3 l ...", "ball ...", "goal r ...", "line b ...", "message <text>",
  // "lost 0 12 7 5 8", "updates", "collision 13"); cleared by Clear.
  std::vector<std::string> calls;
  // Record calls only when true: the robustness test skips the formatting.
  bool recording = true;
  int changed = 0;
  bool haveVisualForThisAngle = false;

  void Clear();

  void S2MWritePlayer(int, int, char, float, float, float, float, float, float, bool) const override;
  void S2MWriteGoal(int, char, float, float) const override;
  void S2MWriteBall(int, float, float, float, float, int) const override;
  void S2MWriteFlag(int, int, float, float, float, float) const override;
  void S2MWriteLine(int, char, float, float) const override;
  void ParseMessage(char *) const override;
  void Check4LostActions(int, int, int, int, int) override;
  void UpdateGPos() override;
  void StorePlayers() override;
  void RemoveGhosts() override;
  void SetLastCollisionTime(int) override;
  void SetHaveVisualForThisAngle(bool) override;
  void ModuleChanged(CModule *) override;

private:
  void Record(const std::string &call) const;
  // "what arg arg ...", formatted only while recording.
  template <typename... T> std::string Line(const char *what, const T &...args) const
  {
    if (!recording)
      return "";
    std::ostringstream out;
    out << what;
    ((out << ' ' << args), ...);
    return out.str();
  }
};

// A test with such an agent.
class SensorsFixture : public testing::Test
{
protected:
  SensorsFixture() : agent(config) {}

  // Analyses one datagram, with the NUL a real server ends it with, and
  // returns what went to the error stream.
  std::string Analyse(const std::string &text);

  MCDictIniSafe config;
  SensorsAgent agent;
};

#endif
