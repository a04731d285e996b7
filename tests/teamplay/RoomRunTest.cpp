// A run with the ball into room: laid ahead in one kick where the runner
// meets it flat out, only where no opponent gets to it first, and the close
// dribble otherwise.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "../skills/ServerModel.h"

namespace
{
using RoomRunTest = ServerModelRig;

// Seen in matches: the close dribble went on half a metre a cycle in their
// third (a kick every other cycle, the runner never up to speed), and their
// defenders came back before a shot was on.
TEST_F(RoomRunTest, WithRoomAheadTheRunGoesAtRunningPace)
{
  const struct
  {
    const char *name;
    CVector from;
    float facing;
    CVector target;
    float least;  // metres gained on the target in 16 cycles at least
  } rows[] = {
      // The close dribble gains 7-8 m in 16 cycles (about 0.6 m a cycle, as
      // long as no kick goes astray).
      {"straight at their goal from the halfway line", CVector(1, 0), 0, CVector(40, 0), 11.5f},
      {"in their third, slightly across", CVector(20, 15), 0, CVector(45, 5), 11},
      {"facing the wing, to turn first", CVector(15, -10), -60, CVector(40, -5), 10},
  };
  for (const auto &row : rows)
  {
    brain->foes.clear();
    brain->goalie = Foe(CVector(50, 0));
    Place(row.from, row.facing);
    Ball(row.from + Polar2CVector(0.6f, row.facing));
    const float before = row.from.dist(row.target);
    for (int cycle = 0; cycle < 16; cycle++)
    {
      // Out of reach, the runner goes after the ball as the fastest of us.
      if (brain->BallKickableForPlayer(nullptr, 0))
        ASSERT_EQ(1, brain->BallChoices().RunWithBall(row.target)) << row.name << " " << cycle;
      else
      {
        brain->SetActionState(AS_CHASE_BALL);
        ASSERT_EQ(1, brain->ChaseBall()) << row.name << " " << cycle;
      }
      Step();
    }
    EXPECT_GT(before - agent->GetGPos().dist(row.target), row.least) << row.name;
    // He is still on the ball at the end, not behind a ball gone astray.
    EXPECT_LT(BallDist(), 3.0f) << row.name;
  }
}

// The ball laid into room must be the runner's: an opponent who gets to any
// point of its way first, their keeper with his hands, or the touch line,
// leaves the close dribble (or a shorter run) to it.
TEST_F(RoomRunTest, TheBallGoesAheadOnlyWhereNobodyElseGetsFirst)
{
  const struct
  {
    const char *name;
    CVector from;
    CVector target;
    std::vector<CVector> defenders;
    bool runs;
    float most;  // how far ahead of him the ball comes to rest at most
  } rows[] = {
      {"nobody near", CVector(10, 0), CVector(40, 0), {}, true, 20},
      {"a defender 15 m off, to the side", CVector(10, 0), CVector(40, 0), {CVector(18, 13)}, true, 20},
      // Coming across to where the long run meets the ball: a shorter one.
      {"a defender coming across ahead", CVector(10, 0), CVector(40, 0), {CVector(17, 5)}, true, 13},
      {"a defender 6 m ahead on the way", CVector(10, 0), CVector(40, 0), {CVector(16, 0.5f)}, false, 0},
      {"a defender 4 m off to the side", CVector(10, 0), CVector(40, 0), {CVector(12, 3.5f)}, false, 0},
      {"a defender 7.5 m ahead at the edge of their area", CVector(30, 0), CVector(47, 0),
       {CVector(37.5f, 0)}, false, 0},
      {"along the touch line, the ball would go out", CVector(10, 32.5f), CVector(40, 36), {}, false, 0},
      {"in our own half", CVector(-5, 0), CVector(25, 0), {}, false, 0},
  };
  for (const auto &row : rows)
  {
    brain->foes.clear();
    brain->goalie = Foe(CVector(51, 0));
    for (const CVector &at : row.defenders)
      Foe(at);
    Place(row.from, 0);
    Ball(row.from + CVector(0.6f, 0));
    ASSERT_EQ(row.runs ? 1 : 0, brain->BallChoices().RunAheadIntoSpace(row.target)) << row.name;
    if (!row.runs)
    {
      EXPECT_FALSE(brain->MainCommandQueued()) << row.name;
      continue;
    }
    ASSERT_EQ(CMD_KICK, Queue().command) << row.name;
    Step();
    // Laid well ahead, towards the target.
    const CVector rest = SkillRig::BallAt(agent->M2BReadBall()->GetGPos(), kicked * 0.94f, 40);
    EXPECT_GT(rest.GetX() - row.from.GetX(), 4.5f) << row.name;
    EXPECT_LT(rest.GetX() - row.from.GetX(), row.most) << row.name;
    EXPECT_LT(std::fabs(rest.GetY() - row.from.GetY()), 1.5f) << row.name;
  }
}
}  // namespace
