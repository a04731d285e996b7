// Moving with dodging: the one main command that brings the agent nearer a
// point, round the opponents' set plays and the players in the way.

#include <cmath>

#include <gtest/gtest.h>

#include "BrainRig.h"
#include "Geometry.h"

namespace
{
using MovingTest = BrainRig;

// The body turn queued for a relative angle at rest is the angle itself.
void ExpectTurn(const ACTIONQUEUE &q, float angle)
{
  EXPECT_EQ(CMD_TURN, q.command);
  EXPECT_NEAR(angle, q.angle, 0.05);
}

TEST_F(MovingTest, SidestepsAPlayerInTheWayByTheDodgeType)
{
  Ball(CVector(30, 30));
  Foe(Polar2CVector(2, -10));
  EXPECT_EQ(1, brain->MoveToPos(CVector(10, 0), 1, 60, DODGE_ALL));
  // A step of the player's size 60 degrees to his other side: a turn there.
  ExpectTurn(Queue(), 50);

  // Dodging only players with the ball: he has none, the agent goes on.
  EXPECT_EQ(1, brain->MoveToPos(CVector(10, 0), 1, 60, DODGE_WITH_BALL));
  EXPECT_EQ(CMD_DASH, Queue().command);
  EXPECT_EQ(1, brain->MoveToPos(CVector(10, 0), 1, 60, DODGE_WITHOUT_BALL));
  ExpectTurn(Queue(), 50);

  // A player on the positive side is passed on his negative side.
  brain->foes.clear();
  Foe(Polar2CVector(2, 10));
  EXPECT_EQ(1, brain->MoveToPos(CVector(10, 0), 1, 60, DODGE_ALL));
  ExpectTurn(Queue(), -50);
  // Farther than the dodging distance he is no obstacle.
  brain->foes.clear();
  Foe(Polar2CVector(4, 10));
  EXPECT_EQ(1, brain->MoveToPos(CVector(10, 0), 1, 60, DODGE_ALL));
  EXPECT_EQ(CMD_DASH, Queue().command);
}

TEST_F(MovingTest, APlayerBesideTheWayIsPassedWithoutASidestep)
{
  // Seen in matches: their striker running two metres beside our defender,
  // both towards our goal, held him in sidesteps, most of them turns, until
  // the striker was clear.
  const struct
  {
    const char *name;
    CVector other;
    bool mate;
    bool sidesteps;
  } rows[] = {
      {"an opponent running beside, a metre and a half off the way", CVector(1.6f, 1.5f), false, false},
      {"an opponent beside on the other side", CVector(2.2f, -1.3f), false, false},
      {"a team-mate beside", CVector(1.6f, 1.5f), true, false},
      {"an opponent just off the way: bodies would meet", CVector(2, 0.7f), false, true},
      {"a team-mate on the way", CVector(2.5f, -0.3f), true, true},
  };
  for (const auto &row : rows)
  {
    brain->foes.clear();
    brain->mates.clear();
    Ball(CVector(30, 30));
    Place(CVector(0, 0), 0);
    if (row.mate)
      Mate(row.other);
    else
      Foe(row.other);
    EXPECT_EQ(1, brain->MoveToPos(CVector(10, 0), 1, 60, DODGE_ALL)) << row.name;
    const ACTIONQUEUE q = Queue();
    // Facing the point already: a dash goes on along the way, a sidestep
    // turns off it.
    EXPECT_EQ(row.sidesteps, q.command == CMD_TURN) << row.name;
    if (!row.sidesteps)
    {
      EXPECT_EQ(CMD_DASH, q.command) << row.name;
    }
  }
}

TEST(WayTest, ABodyIsInTheWayAheadOnItAndNearItsLine)
{
  const struct
  {
    const char *name;
    CVector other;
    bool inTheWay;
  } rows[] = {
      {"on the line ahead", CVector(3, 0), true},
      {"just off the line ahead", CVector(3, 0.9f), true},
      {"beyond the clearance", CVector(3, 1.1f), false},
      {"behind", CVector(-1, 0), false},
      {"ahead, the other side", CVector(2, -0.5f), true},
  };
  for (const auto &row : rows)
    EXPECT_EQ(row.inTheWay, IsInTheWay(CVector(0, 0), CVector(10, 0), row.other, 1.0f)) << row.name;
  // A way of no length has nothing in it.
  EXPECT_FALSE(IsInTheWay(CVector(0, 0), CVector(0, 0), CVector(0, 0), 1.0f));
}

TEST_F(MovingTest, TheirGoalKickSendsTheAgentRoundTheirArea)
{
  Referee("goal_kick_r");
  // The ball far from every way taken, so that only the area counts.
  Ball(CVector(47, -30));
  // In front of the area: first to three metres before it, level with the
  // target.
  Place(CVector(20, 0), 0);
  EXPECT_EQ(1, brain->MoveToPos(CVector(50, 10), 100));
  ExpectTurn(Queue(), (CVector(33, 10) - CVector(20, 0)).GetDir());

  // Level with the area on the positive side: round its bottom corner.
  Place(CVector(40, 25), 0);
  EXPECT_EQ(1, brain->MoveToPos(CVector(40, -25), 100));
  ExpectTurn(Queue(), (CVector(33, 20.16f + 3) - CVector(40, 25)).GetDir());

  // Behind their goal line every way to the waypoint crosses the area
  // again: the agent heads for the waypoint instead of detouring for ever.
  Place(CVector(53, 5), 0);
  EXPECT_EQ(1, brain->MoveToPos(CVector(30, 5), 100));
  ExpectTurn(Queue(), (CVector(33, 23.16f) - CVector(53, 5)).GetDir());
}

TEST_F(MovingTest, TheirFreeKickSendsTheAgentAlongTheTangentsRoundTheBall)
{
  Referee("free_kick_r");
  Ball(CVector(0, 0));
  Place(CVector(-20, 0), 0);
  // Behind the ball: the meeting point of the two tangents.
  EXPECT_EQ(1, brain->MoveToPos(CVector(20, 0), 100));
  const float half = static_cast<float>(std::asin(10.15 / 20) * 180 / M_PI);
  ExpectTurn(Queue(), -half);
  // In front of the circle: straight there.
  EXPECT_EQ(1, brain->MoveToPos(CVector(-15, 0), 100));
  EXPECT_EQ(CMD_DASH, Queue().command);
}

TEST_F(MovingTest, HomePositionOfTheFormationOrTheCentre)
{
  brain->SetFormationID(0);
  Place(CVector(-30, 10), 0);
  EXPECT_EQ(1, brain->MoveToHomePos(100));
  EXPECT_EQ(CMD_TURN, Queue().command);
  const CVector home = brain->GetHomePos(9);
  ExpectTurn(Queue(), (home - CVector(-30, 10)).GetDir());

  brain->SetFormationID(7);
  testing::internal::CaptureStderr();
  brain->MoveToHomePos(100);
  EXPECT_EQ("42 ERROR: Moving: MoveToHomePos: What formation ID is that -7- ?\n",
            testing::internal::GetCapturedStderr());
  ExpectTurn(Queue(), (CVector(0, 0) - CVector(-30, 10)).GetDir());

  // A number the table has no entry for reads nothing beyond it.
  brain->SetFormationID(0);
  agent->SetUNum(12);
  testing::internal::CaptureStderr();
  brain->MoveToHomePos(100);
  EXPECT_EQ("42 ERROR: Moving: MoveToHomePos: What uniform number is that -12- ?\n",
            testing::internal::GetCapturedStderr());
  ExpectTurn(Queue(), (CVector(0, 0) - CVector(-30, 10)).GetDir());
}

TEST_F(MovingTest, MoveInBetweenGoesOntoTheSegmentWithinThePitch)
{
  // Within a metre of the line: nothing.
  Place(CVector(0, 0.9f), 0);
  EXPECT_EQ(0, brain->MoveInBetween(CVector(-10, 0), CVector(10, 0), 100));
  EXPECT_EQ(-999, Queue().time);
  // Beside the segment: straight across to it.
  Place(CVector(0, 5), 0);
  EXPECT_EQ(1, brain->MoveInBetween(CVector(-10, 0), CVector(10, 0), 100));
  ExpectTurn(Queue(), -90);
  // The nearest point of the segment lies off the pitch: a metre inside it.
  Place(CVector(40, 33), 0);
  EXPECT_EQ(1, brain->MoveInBetween(CVector(40, 0), CVector(60, 40), 100));
  ExpectTurn(Queue(), (CVector(51.5f, 26.4f) - CVector(40, 33)).GetDir());
}

TEST_F(MovingTest, MoveToPointInBetweenTakesThePointUnlessAnOpponentCutsIn)
{
  // No opponent: the point a given distance along.
  Place(CVector(0, 5), 0);
  EXPECT_EQ(1, brain->MoveToPointInBetween(CVector(-10, 0), CVector(10, 0), 4, 100));
  ExpectTurn(Queue(), (CVector(-6, 0) - CVector(0, 5)).GetDir());
  // Beside the segment with an opponent off the line: onto the segment.
  Foe(CVector(-10, 10));
  EXPECT_EQ(1, brain->MoveToPointInBetween(CVector(-10, 0), CVector(10, 0), 4, 100));
  ExpectTurn(Queue(), -90);
  // Arrived at the point: nothing.
  brain->foes.clear();
  Place(CVector(-6, 0.5f), 0);
  EXPECT_EQ(0, brain->MoveToPointInBetween(CVector(-10, 0), CVector(10, 0), 4, 100));
}
}  // namespace
