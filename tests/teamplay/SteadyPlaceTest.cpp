// A runner's place held through a jump that lasts one cycle.

#include <gtest/gtest.h>

#include "SteadyPlace.h"
#include "TeamPlayFixture.h"

namespace
{
class SteadyPlaceTest : public TeamPlayTest
{
protected:
  // Number 10 at (0, -10) running up the pitch at full pace, their line at
  // 21, the ball behind him; the cycle he starts in.
  int Runner()
  {
    Fresh();
    agent->SetUNum(10);
    memory().SetUNum(10);
    memory().SetGPos(CVector(0, -10));
    memory().SetVelocity(CVector(0.45f, 0));
    RollBall(-5, -10);
    Foe(0, 51, 0, 1);
    Foe(1, 21, -25, 2);
    return memory().GetTime();
  }

  CMDType GoTo(CVector place, int now)
  {
    memory().SetTime(now);
    brain().SendAllActions(-1);
    EXPECT_EQ(1, brain().GoToPlace(place, 100));
    return brain().GetQueue().command;
  }
};

// A defender's place jumped metres a cycle as the man it picked changed,
// and every jump off his heading cost a turn that all but stopped him.
TEST_F(SteadyPlaceTest, ARunnerTurnsForAPlaceThatStaysWhereItJumpedNotForOneCyclesJump)
{
  const CVector ahead(15, -10), aside(15, -4);
  int t = Runner();
  EXPECT_EQ(CMD_DASH, GoTo(ahead, t + 1));
  EXPECT_EQ(CMD_DASH, GoTo(aside, t + 2)) << "one cycle's jump";
  EXPECT_EQ(CMD_TURN, GoTo(aside, t + 3)) << "the place stayed";

  t = Runner();
  for (int i = 1; i <= 4; i++)
    EXPECT_EQ(CMD_DASH, GoTo(i % 2 ? ahead : aside, t + i)) << "jumping to and fro, cycle " << i;

  t = Runner();
  EXPECT_EQ(CMD_DASH, GoTo(CVector(6, -10), t + 1));
  EXPECT_EQ(CMD_TURN, GoTo(CVector(6, -8.5f), t + 2)) << "a near place drifting off his heading";
}

TEST(SteadyPlace, HoldsAJumpOnlyForTheSameCallerInConsecutiveCyclesBeyondTheBallsMove)
{
  const CVector a(10, 0), b(10, 6), ball(0, 0);
  const struct
  {
    const char *name;
    int time, kind;
    CVector ballNow, expected;
  } rows[] = {
      {"next cycle, same caller: held", 11, 1, ball, a},
      {"asked again in the same cycle: the later ask", 10, 1, ball, b},
      {"another caller: followed", 11, 2, ball, b},
      {"not asked last cycle: followed", 13, 1, ball, b},
      {"the ball passed as far: followed", 11, 1, CVector(0, 5), b},
  };
  for (const auto &row : rows)
  {
    CSteadyPlace steady;
    steady.HeadFor(a, ball, 10, 1);
    EXPECT_LT(steady.HeadFor(b, row.ballNow, row.time, row.kind).dist(row.expected), 0.01f) << row.name;
  }
}
}  // namespace
