// Where the formation puts each player, and how hard the player walks there.

#include <gtest/gtest.h>

#include "BundleFixture.h"
#include "CBall.h"
#include "MCString.h"
#include "ZPPositionerID.h"

namespace
{
// Team play's strategy step sets the recharge period; the tests set it
// directly.
struct BrainFields : CBehaviours
{
  using CBehaviours::m_RechargeCycles;
};

// Number 9 at cycle 42 (BundleTest), facing the opponents' goal, with
// positioners of its own.
class FormationsTest : public BundleTest
{
protected:
  void Configure(MCDictIniSafe &dictionary) override
  {
    dictionary.insert("Positioners", "BEST", "(FIXED:(X:10,Y:5))");
    dictionary.insert("Positioners", "FormationsBehind", "(FIXED:(X:-10,Y:0))");
  }

  void SetRechargeCycles(int cycles)
  {
    brain->*(&BrainFields::m_RechargeCycles) = cycles;
  }

  void SetStamina(float stamina)
  {
    sensebody sb = agent->GetSB();
    sb.stamina = stamina;
    agent->SetSB(sb);
  }

  // The referee's call at the cycle given, then back to the cycle now.
  void Call(const char *mode, int at, int now)
  {
    agent->SetSide('l');
    agent->SetTime(at);
    agent->playmode->SetPlayMode(mode);
    agent->SetTime(now);
  }

  void PlaceBall(float x, bool known)
  {
    CBall *ball = agent->memory->GetNonConstBall();
    ball->SetGPos(CVector(x, 0));
    ball->SetConf(known ? 1.0f : 0.0f);
  }
};

// Numbers 1 and 11 are the ends of the table.
TEST_F(FormationsTest, InitialMoveGoesToTheKickOffPointInOurHalf)
{
  struct Case
  {
    int formation, unum, x, y;
  } cases[] = {{0, 9, -1, -25}, {0, 1, -50, 0}, {-1, 11, -1, 25}, {1, 3, -40, -10}};
  for (const Case &c : cases)
  {
    brain->SetFormationID(c.formation);
    agent->SetUNum(c.unum);
    brain->InitialMove();
    ACTIONQUEUE q = brain->GetQueue();
    EXPECT_EQ(CMD_MOVE, q.command) << c.formation << "/" << c.unum;
    EXPECT_EQ(c.x, q.move_x) << c.formation << "/" << c.unum;
    EXPECT_EQ(c.y, q.move_y) << c.formation << "/" << c.unum;
    brain->SendAllActions(0);
  }
}

TEST_F(FormationsTest, PositioningPowerAfterASetPlayLetsTiredPlayersRecover)
{
  struct Case
  {
    const char *mode;
    int recharge, elapsed;
    float stamina, power;
  } cases[] = {
    // Right after our call nobody sprints, however fresh; after theirs the
    // fresh run.
    {"free_kick_l", 0, 0, 3500, 40},  {"free_kick_r", 0, 0, 3500, 70},
    {"free_kick_l", 0, 1, 3500, 70},
    {"kick_in_l", 10, 5, 1500, 15},   {"kick_in_r", 10, 5, 1500, 15},
    {"kick_in_l", 10, 5, 3500, 40},   {"kick_in_r", 10, 5, 3500, 70},
    {"kick_in_l", 10, 10, 1500, 40},  {"kick_in_l", 10, 11, 3500, 70},
    {"kick_in_r", 10, 10, 2500, 40},
    // Neither a set play nor play on: a steady walk.
    {"before_kick_off", 0, 0, 3500, 40}, {"goal_l", 0, 3, 3500, 40}};
  for (const Case &c : cases)
  {
    SetRechargeCycles(c.recharge);
    Call(c.mode, 100, 100 + c.elapsed);
    SetStamina(c.stamina);
    EXPECT_FLOAT_EQ(c.power, brain->DashPower4Positioning())
      << c.mode << " recharge " << c.recharge << " elapsed " << c.elapsed << " stamina "
      << c.stamina;
  }
}

TEST_F(FormationsTest, PositionWalksToThePositionersPointAtThePositioningPower)
{
  Call("before_kick_off", 42, 42);
  // The process's registry keeps the first positioner it built under a name,
  // so ask it where the brain's own one points; the handles share it.
  const CVector target = ZPPositionerID(MCString("BEST")).GetPosition();
  agent->SetGPos(target);
  EXPECT_EQ(0, brain->Position());
  EXPECT_EQ(-999, brain->GetQueue().time);

  agent->SetGPos(target - CVector(10, 0));
  EXPECT_EQ(1, brain->Position());
  ACTIONQUEUE q = brain->GetQueue();
  EXPECT_EQ(CMD_DASH, q.command);
  EXPECT_FLOAT_EQ(40, q.power);
  brain->SendAllActions(0);

  agent->SetTime(43);
  agent->SetGPos(CVector(0, 0));
  EXPECT_EQ(1, brain->Position(ZPPositionerID(MCString("FormationsBehind"))));
  EXPECT_EQ(CMD_TURN, brain->GetQueue().command);
}
}
