#ifndef BRAINWORLDFIXTURE_H
#define BRAINWORLDFIXTURE_H

#include <chrono>
#include <cstring>
#include <string>

#include "../world/PlayerFixture.h"
#include "Defaults.h"

// A place on the pitch in a table's row; x 999 leaves the player out.
struct Placed
{
  float x, y;
};
const Placed kNobody = {999, 0};

// Number 5 of the left side at the centre spot, body along x, at rest,
// neck straight, rested, seeing "normal" wide, in cycle 10; the brain asks
// a real world model.
class BrainWorldTest : public PlayerFixture
{
protected:
  void SetUp() override
  {
    PlayerFixture::SetUp();
    memory().SetBFacing(0);
    memory().SetVelocity(CVector(0, 0));
    Body(0, 0, "normal");
  }

  CBehaviours &brain() { return *agent->brain; }

  // The referee's call, heard at the present cycle.
  void Referee(const char *call)
  {
    std::string text(call);
    agent->playmode->SetPlayMode(&text[0]);
  }

  // A world of its own for each row of a table.
  void Fresh()
  {
    TearDown();
    SetUp();
  }

  // One decision pass as the main loop runs it, the visual of this cycle
  // in; its command bundle.
  ACTIONQUEUE Pass()
  {
    memory().SetLastVisualTime(memory().GetTime());
    const PlayMode previous = agent->playmode->GetPlayMode(false);
    const PlayMode current = agent->playmode->GetPlayMode(true);
    agent->Decide(previous, current);
    return brain().GetQueue();
  }

  // A decision pass on a world set by places alone, its commands sent: the
  // store works out what the agent sees relative to itself for players not
  // seen in this cycle, so those set in it are held a cycle back meanwhile.
  ACTIONQUEUE PassFromPlaces()
  {
    const int now = memory().GetTime();
    for (int i = 0; i < 11; i++)
      for (CPlayer *p : {memory().GetAFriend(i), memory().GetAFoe(i)})
        if (p->GetTime() == now)
          p->SetTime(now - 1);
    memory().UpdateRelatives();
    for (int i = 0; i < 11; i++)
      for (CPlayer *p : {memory().GetAFriend(i), memory().GetAFoe(i)})
        if (p->GetTime() == now - 1)
          p->SetTime(now);
    const ACTIONQUEUE q = Pass();
    brain().SendAllActions(-1);
    return q;
  }

  // A pass's wait for the cycle's visual: about its 45 ms when it waits,
  // next to nothing when it does not.
  template <class Call>
  static void ExpectVisualWait(Call call, bool waits, const std::string &name)
  {
    const auto start = std::chrono::steady_clock::now();
    call();
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    if (waits)
    {
      EXPECT_GE(ms, 40) << name;
      EXPECT_LT(ms, 80) << name;
    }
    else
    {
      EXPECT_LT(ms, 10) << name;
    }
  }

  // A rolling ball: its velocity is trusted.
  void RollBall(float x, float y, CVector velocity = CVector(0, 0))
  {
    PlaceBall(x, y);
    CBall *ball = memory().GetNonConstBall();
    ball->SetVelocity(velocity);
    ball->SetVelConf(1);
  }

  void Body(float speed, float head, const char *width)
  {
    sensebody sb = RestedBody();
    std::strncpy(sb.view_width, width, sizeof sb.view_width - 1);
    sb.speed = speed;
    sb.head_angle = head;
    memory().SetSB(sb);
  }
};

// The same world with the settings the project ships in conf/ rather than
// the built-in ones: rules whose figures were tuned in matches.
class ShippedSettingsTest : public BrainWorldTest
{
protected:
  void Configure(MCDictIniSafe &config) override
  {
    primeini(config);
    config.importordie(TEST_DATA_DIR "/../../conf/agent.conf");
    config.importflatordie(TEST_DATA_DIR "/../../conf/server.conf", "Server", ':');
  }

  // A fresh world in play with the agent, number 9, on the ball at me,
  // seen this cycle half a metre ahead of him.
  void StrikerOnTheBall(CVector me)
  {
    Fresh();
    Referee("play_on");
    agent->SetUNum(9);
    memory().SetUNum(9);
    memory().SetGPos(me);
    RollBall(me.GetX() + 0.5f, me.GetY());
    memory().GetNonConstBall()->SetTime(memory().GetTime());
  }
};

#endif
