// Defending on scripted worlds: who of us goes at their ball carrier, where
// he goes, and where the second of us covers him. Each row is a situation a
// match showed going wrong: a dribbler's ball between his touches taken for
// a loose ball, two players swapping the press at every step, the presser
// standing off a dribbler instead of going at the ball.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "../brain/BrainWorldFixture.h"
#include "GoalMarking.h"
#include "Tackling.h"

namespace
{
class DefendingTest : public BrainWorldTest
{
protected:
  void SetUp() override
  {
    BrainWorldTest::SetUp();
    Referee("play_on");
  }

  ACTIONQUEUE Pass() { return PassFromPlaces(); }

  void NextCycle()
  {
    memory().SetTime(memory().GetTime() + 1);
    CBall *ball = memory().GetNonConstBall();
    ball->SetTime(memory().GetTime());
    for (int i = 0; i < 11; i++)
    {
      memory().GetAFriend(i)->SetTime(memory().GetTime());
      memory().GetAFoe(i)->SetTime(memory().GetTime());
    }
  }

  void Me(float x, float y, float facing)
  {
    memory().SetGPos(CVector(x, y));
    memory().SetBFacing(facing);
  }

  // A centre back (3) at the place with their man in front of our goal,
  // their winger on the ball by our goal line pressed by another of us.
  CPlayer *MarkerOfAManInFrontOfOurGoal(Placed me, float facing, Placed man)
  {
    Fresh();
    agent->SetUNum(3);
    brain().SetRole();
    Me(me.x, me.y, facing);
    RollBall(-46, 14);
    Foe(0, -46.4f, 14.3f, 7);
    Mate(0, -44, 12, 2);
    return Foe(1, man.x, man.y, 11);
  }

  static float Norm(float a) { return std::remainder(a, 360.0f); }

  // The direction the body takes with this bundle: a turn at rest turns
  // it by the whole moment; a dash keeps it.
  float Heading(const ACTIONQUEUE &q)
  {
    return q.command == CMD_TURN ? Norm(memory().GetBFacing() + q.angle)
                                 : memory().GetBFacing();
  }

  // The angle between the heading the bundle gives and the way to a point.
  float HeadingOff(const ACTIONQUEUE &q, CVector to)
  {
    return std::fabs(Norm(Heading(q) - (to - memory().GetGPos()).GetDir()));
  }
};

TEST_F(DefendingTest, TheNearestOfUsPressesTheirCarrierEvenBetweenHisTouches)
{
  const struct
  {
    const char *name;
    Placed ball, foe, mate;
    int mateUNum;
    bool presses;
  } rows[] = {
      {"ball at his feet, I am nearest", {-10, 0}, {-9.4f, 0}, {-30, 20}, 7, true},
      // A dribbler's ball runs a step ahead of him; it is still his.
      {"ball a step ahead of the dribbler", {-10, 0}, {-8.3f, 0}, {-30, 20}, 7, true},
      {"a mate nearer the ball presses", {-10, 0}, {-9.4f, 0}, {-11, 1}, 7, false},
      // He meets the carrier as he comes; I would have to catch him up.
      {"a mate a little farther, on his way to our goal", {-10, 0}, {-9.4f, 0}, {-22, 0}, 7, false},
      // Our goalkeeper's place near the ball is no press of a field player.
      {"only our goalkeeper is nearer", {-10, 0}, {-9.4f, 0}, {-11, 1}, 1, true},
      // A ball that rolls free of him is nobody's: the fastest fetches it.
      {"ball well clear of him", {-10, 0}, {-6, 0}, {-30, 20}, 7, false},
      {"too far to press", {-20, 0}, {-19.4f, 0}, {-40, 20}, 7, false},
  };
  for (const auto &row : rows)
  {
    Fresh();
    RollBall(row.ball.x, row.ball.y);
    Foe(0, row.foe.x, row.foe.y, 9);
    Mate(0, row.mate.x, row.mate.y, row.mateUNum);
    Pass();
    EXPECT_EQ(row.presses, brain().GetActionState() == AS_DEFENSE_ACTIVE) << row.name;
  }
}

TEST_F(DefendingTest, ThePresserKeepsAtItUntilAnotherIsClearlyNearer)
{
  // Pressing at first, the agent keeps the task while the mate beside the
  // carrier is only a metre nearer; at two metres nearer it passes to him.
  const struct
  {
    Placed mate;
    bool presses;
  } rows[] = {{{-30, 20}, true}, {{-6, -5}, true}, {{-6, -4}, false}};
  RollBall(-6, 0);
  Foe(0, -5.4f, 0, 9);
  for (const auto &row : rows)
  {
    Mate(0, row.mate.x, row.mate.y, 7);
    Pass();
    EXPECT_EQ(row.presses, brain().GetActionState() == AS_DEFENSE_ACTIVE) << row.mate.y;
    NextCycle();
  }
}

TEST_F(DefendingTest, ThePresserGoesAtTheBallFromHisWayToGoalAndCutsHimOffFromElsewhere)
{
  const CVector goal(-52.5f, 0);
  const struct
  {
    const char *name;
    Placed me;
    float facing;
    Placed ball, foe;
    bool atTheBall;
  } rows[] = {
      // Between him and our goal: straight at the ball.
      {"goal-side of him", {-16, 0}, 0, {-10, 0}, {-9.4f, 0}, true},
      {"goal-side, off the line a little", {-16, 2}, 0, {-10, 0}, {-9.4f, 0}, true},
      // Beside him, close: the ball is within a step or two.
      {"beside him, close", {-10, 2.5f}, 0, {-10, 0}, {-9.4f, 0}, true},
      // Behind him as he runs at our goal: get in front of him first.
      {"behind him, far", {2, 6}, 180, {-10, 0}, {-9.4f, 0}, false},
  };
  for (const auto &row : rows)
  {
    Fresh();
    Me(row.me.x, row.me.y, row.facing);
    RollBall(row.ball.x, row.ball.y);
    const CPlayer *foe = Foe(0, row.foe.x, row.foe.y, 9);
    Mate(0, -30, 25, 7);
    const ACTIONQUEUE q = Pass();
    ASSERT_EQ(AS_DEFENSE_ACTIVE, brain().GetActionState()) << row.name;
    ASSERT_TRUE(q.command == CMD_DASH || q.command == CMD_TURN) << row.name;
    if (q.command == CMD_DASH)
    {
      EXPECT_GT(q.power, 0) << row.name;
    }
    const CVector ball(row.ball.x, row.ball.y);
    if (row.atTheBall)
    {
      EXPECT_LT(HeadingOff(q, ball), 20) << row.name;
    }
    else
    {
      CGLine line(0, 0, 0);
      line.CGLineFromTwoPoints(goal, foe->GetGPos());
      const CVector spot = brain().OverrunBlockPos(goal, foe, line);
      // The spot lies on his way, nearer our goal than he is.
      EXPECT_LT(spot.GetX(), row.foe.x) << row.name;
      EXPECT_LT(HeadingOff(q, spot), 5) << row.name;
    }
  }
}

TEST_F(DefendingTest, TheSecondOfUsCoversThePresserOnTheWayToOurGoal)
{
  // The carrier at (-10, 0), a mate pressing him; the agent, second
  // nearest, takes the place five metres behind the ball towards our goal.
  Me(-4, 6, 180);
  RollBall(-10, 0);
  Foe(0, -9.4f, 0, 9);
  Mate(0, -11.5f, 0.5f, 7);
  const ACTIONQUEUE q = Pass();
  ASSERT_EQ(AS_DEFENSE_SUPPORT, brain().GetActionState());
  const CVector cover = CVector(-10, 0) + (CVector(-52.5f, 0) - CVector(-10, 0)).SetLength(5);
  ASSERT_TRUE(q.command == CMD_DASH || q.command == CMD_TURN);
  EXPECT_LT(HeadingOff(q, cover), 8);

  // The carrier past the presser and coming on to the cover, within a few
  // steps of him: he steps in at the ball instead of giving way.
  Fresh();
  Me(-12.5f, 1.2f, 0);
  RollBall(-10, 0);
  Foe(0, -9.4f, 0, 9);
  Mate(0, -11, 0.3f, 7);
  const ACTIONQUEUE in = Pass();
  ASSERT_EQ(AS_DEFENSE_SUPPORT, brain().GetActionState());
  ASSERT_TRUE(in.command == CMD_DASH || in.command == CMD_TURN);
  // His run takes him past the carrier within a tackle's reach.
  const CVector carrier(-9.4f, 0);
  const float passesBy =
      CVector(-12.5f, 1.2f).dist(carrier) * std::sin(HeadingOff(in, carrier) * 3.14159265f / 180);
  EXPECT_LT(passesBy, 1.5f);
  EXPECT_LT(HeadingOff(in, carrier), 90);
  if (in.command == CMD_DASH)
  {
    EXPECT_GT(in.power, 0);
  }
}
}

namespace
{
TEST_F(DefendingTest, TheBackLineDropsBehindTheBallInOurHalf)
{
  // Seen in matches: with the ball in our third, three of our four
  // defenders stood level with it or beyond, and every run went past them.
  const struct
  {
    const char *name;
    int unum;
    float ballX;
    Placed place, expected;
  } rows[] = {
      {"ball in our half, place beyond it", 5, -30, {-25, 5}, {-33, 5}},
      {"ball in our half, place behind it already", 5, -30, {-40, 5}, {-40, 5}},
      {"ball by our goal: no deeper than the goal area", 5, -51, {-40, -3}, {-49.5f, -3}},
      {"ball in their half", 5, 10, {-5, 5}, {-5, 5}},
      {"a midfielder keeps his place", 7, -30, {-25, 5}, {-25, 5}},
  };
  for (const auto &row : rows)
  {
    Fresh();
    agent->SetUNum(row.unum);
    brain().SetRole();
    RollBall(row.ballX, 0);
    const CVector got = brain().DropWithTheBall(CVector(row.place.x, row.place.y));
    EXPECT_NEAR(row.expected.x, got.GetX(), 0.01f) << row.name;
    EXPECT_NEAR(row.expected.y, got.GetY(), 0.01f) << row.name;
  }
}
}

namespace
{
TEST_F(DefendingTest, WithTheBallNearOurGoalTheManInFrontOfItIsMarkedGoalSide)
{
  // Seen in matches: their winger on the ball by our goal line, the
  // striker free in front of our goal, level with the ball; our defenders
  // kept the back line and the pass back to him was a goal.
  const struct
  {
    const char *name;
    int unum;
    float ballX;
    bool marks;
  } rows[] = {
      {"a defender, ball by our goal line", 3, -47, true},
      {"a midfielder, ball by our goal line", 7, -47, true},
      {"a forward stays up", 10, -47, false},
      {"ball in their half", 3, 10, false},
  };
  for (const auto &row : rows)
  {
    Fresh();
    agent->SetUNum(row.unum);
    brain().SetRole();
    Me(-40, -4, 180);
    const float y = row.ballX < 0 ? -15.0f : 0.0f;
    RollBall(row.ballX, y);
    Foe(0, row.ballX - 0.4f, y - 0.4f, 7);
    const CPlayer *striker = Foe(1, -45.5f, -1, 11);
    // The one of us who presses the winger, and another farther from the
    // striker.
    Mate(0, row.ballX + 3, y + 2, 2);
    Mate(1, -38, 8, 4);
    const ACTIONQUEUE q = Pass();
    const CPlayer *marked = brain().OpponentIMark();
    EXPECT_EQ(row.marks, marked == striker) << row.name;
    if (!row.marks)
    {
      EXPECT_EQ(nullptr, marked) << row.name;
      continue;
    }
    const CVector spot = brain().PointInBetween(striker->GetGPos(), CVector(-52.5f, 0), 1);
    ASSERT_TRUE(q.command == CMD_DASH || q.command == CMD_TURN) << row.name;
    EXPECT_LT(HeadingOff(q, spot), 10) << row.name;
    if (q.command == CMD_DASH)
    {
      EXPECT_GT(q.power, 50) << row.name;
    }
  }
}
}

namespace
{
TEST_F(DefendingTest, TheMarkerKeepsGoalSideOfHisManRunningAtOurGoal)
{
  // Seen in matches: their striker ran at our goal from 25 m out with his
  // marker a metre goal-side of him; on his spot the marker turned to the
  // ball, or turned every other cycle after a spot that moved a little
  // each time, and the striker got past him and shot from 10 m with the
  // marker behind. The marker runs on ahead of the man, and a heading that
  // passes close to his spot is run on, not turned from.
  const struct
  {
    const char *name;
    Placed me;
    float facing;
    Placed man;
    CVector velocity;  // as seen: after the cycle's decay
  } rows[] = {
      {"on his spot, the man sets off at our goal", {-37, -1}, 180, {-36, -1}, CVector(-0.36f, 0)},
      {"running with him, the spot ahead a little off the heading", {-34.5f, -1.6f}, 180, {-33, -1},
       CVector(-0.36f, 0)},
      {"short of his spot, a little off the heading", {-31.2f, -1.8f}, 180, {-33, -1}, CVector(0, 0)},
  };
  for (const auto &row : rows)
  {
    CPlayer *man = MarkerOfAManInFrontOfOurGoal(row.me, row.facing, row.man);
    man->SetVelocity(row.velocity);
    const ACTIONQUEUE q = Pass();
    ASSERT_EQ(man, brain().OpponentIMark()) << row.name;
    EXPECT_EQ(CMD_DASH, q.command) << row.name;
    EXPECT_GT(q.power, 50) << row.name;
  }
}

TEST_F(DefendingTest, AMarkerLeftBehindByARunInAtOurGoalCutsInAheadOfTheMan)
{
  // Seen in matches: their man ran in at our goal at 0.4-0.8 m a cycle
  // with his marker a metre or two behind or beside him; the marker chased
  // the spot a step ahead of the man, never got goal-side, and the ball
  // from the wing found the man free in front of our goal. The marker's
  // heading cuts the man's way to our goal where he gets first.
  const struct
  {
    const char *name;
    Placed me;
    float facing;
    float cutsAheadBy;  // at least; 0: not asked
    bool paceSeen = true;
  } rows[] = {
      {"a step behind his shoulder", {-37.5f, -3}, 135, 3},
      {"level with him, wide", {-38, -4.5f}, 120, 3},
      {"behind him, wide, facing away", {-35.5f, -3.5f}, 0, 3},
      // Already on his spot and running with him: the spot a step ahead.
      {"on his spot, running with him", {-39.5f, -1}, 180, 0},
      // Watching the ball, the marker sees the pace of such a run seldom:
      // one the man has got goal-side of reckons with a run.
      {"a step behind his shoulder, the man seen standing", {-37.5f, -3}, 135, 3, false},
  };
  for (const auto &row : rows)
  {
    CPlayer *man = MarkerOfAManInFrontOfOurGoal(row.me, row.facing, {-38, -1});
    // 0.7 m a cycle at our goal, as seen after the cycle's decay.
    man->SetVelocity(row.paceSeen ? CVector(-0.28f, 0) : CVector(0, 0));
    if (row.cutsAheadBy == 0)
      memory().SetVelocity(CVector(-0.28f, 0));
    const ACTIONQUEUE q = Pass();
    ASSERT_EQ(man, brain().OpponentIMark()) << row.name;
    ASSERT_TRUE(q.command == CMD_DASH || q.command == CMD_TURN) << row.name;
    if (row.cutsAheadBy == 0)
    {
      EXPECT_EQ(CMD_DASH, q.command) << row.name;
      continue;
    }
    // Where his heading crosses the man's way (y = -1).
    const float h = Heading(q) * static_cast<float>(M_PI) / 180;
    ASSERT_GT(std::sin(h) * (-1 - row.me.y), 0) << row.name;
    const float along = (-1 - row.me.y) / std::sin(h);
    const float crossX = row.me.x + along * std::cos(h);
    EXPECT_LT(crossX, -38 - row.cutsAheadBy) << row.name << " crosses at " << crossX;
  }
}

TEST_F(DefendingTest, AMarkerGoalSideOfAManSeenRunningInGoesWithHimInsteadOfStanding)
{
  // Seen in matches: their man set off at our goal at half a metre a cycle
  // with his marker goal-side on his spot, facing the ball out wide; the
  // spot a step ahead was reached, so the marker stood, and turned to go
  // only once the man was level. A man seen standing, or running across
  // our goal rather than at it, leaves the marker where he is.
  const struct
  {
    const char *name;
    CVector velocity;  // as seen: after the cycle's decay
    bool goes;
  } rows[] = {
      {"the man seen running in", CVector(-0.2f, 0), true},
      {"the man seen standing", CVector(0, 0), false},
      {"the man seen running across our goal", CVector(0, -0.2f), false},
  };
  for (const auto &row : rows)
  {
    // On the spot a step of the run ahead, goal-side of the man, facing the
    // ball out on the wing.
    CPlayer *man = MarkerOfAManInFrontOfOurGoal({-40.5f, -1.1f}, 115, {-38, -1});
    man->SetVelocity(row.velocity);
    const ACTIONQUEUE q = Pass();
    ASSERT_EQ(man, brain().OpponentIMark()) << row.name;
    const bool moves = q.command == CMD_TURN || (q.command == CMD_DASH && std::fabs(q.power) > 1);
    EXPECT_EQ(row.goes, moves) << row.name << " command " << q.command << " power " << q.power;
    if (row.goes)
    {
      // Down the man's way to our goal.
      EXPECT_LT(HeadingOff(q, CVector(-52.5f, 0)), 45) << row.name << " heading " << Heading(q);
    }
  }
}

TEST_F(DefendingTest, ThePresserBesideTheCarrierCutsInOnHisWayWhereHeGetsFirst)
{
  // Seen in matches: beside a dribbler running at our goal, the presser
  // ran for a spot a fixed length ahead of him, which moved on as fast as
  // he came: seventeen cycles alongside, three metres off, and the
  // dribbler went on to the goal line.
  const CVector goal(-52.5f, 0);
  Me(-17, -18, 180);
  RollBall(-15.4f, -21.6f);
  const CPlayer *foe = Foe(0, -15, -21.4f, 7);
  Mate(0, -30, 25, 7);
  // The bundle sent turns the model's body: the heading is taken from the
  // facing before it.
  const float facing = memory().GetBFacing();
  const CVector me = memory().GetGPos();
  const ACTIONQUEUE q = Pass();
  ASSERT_EQ(AS_DEFENSE_ACTIVE, brain().GetActionState());
  CVector cut;
  ASSERT_TRUE(brain().CutOffPoint(foe, cut));
  // On his way to our goal, some steps ahead of him: not where he stands,
  // and nowhere the dribbler gets first.
  CGLine way(0, 0, 0);
  way.CGLineFromTwoPoints(foe->GetGPos(), goal);
  EXPECT_LT(way.dist(cut), 0.1f);
  EXPECT_GT(foe->GetGPos().dist(cut), 1);
  EXPECT_LT(foe->GetGPos().dist(cut), 5.1f);
  // Level with him and farther off, the point lies too far down his way:
  // none, and the press goes on as before.
  Fresh();
  Me(-14.5f, -18.4f, 180);
  RollBall(-15.4f, -21.6f);
  const CPlayer *level = Foe(0, -15, -21.4f, 7);
  Mate(0, -30, 25, 7);
  Pass();
  CVector far;
  EXPECT_FALSE(brain().CutOffPoint(level, far));
  ASSERT_TRUE(q.command == CMD_DASH || q.command == CMD_TURN);
  const float heading = q.command == CMD_TURN ? Norm(facing + q.angle) : facing;
  EXPECT_LT(std::fabs(Norm(heading - (cut - me).GetDir())), 10);
}
}

namespace
{
TEST_F(DefendingTest, NextToTheCarrierWithTheBallInFrontThePlayerTacklesUnlessItGoesAtOurGoal)
{
  // Seen in matches: the presser ran beside the dribbler a metre or two
  // from the ball for many cycles, turning after it, and never took it.
  const struct
  {
    const char *name;
    Placed me;
    float facing;
    Placed ball, foe;
    bool tackles;
  } rows[] = {
      // Beyond my own reach: a ball I can kick I kick.
      {"ball a step in front, at his feet", {-10, 0}, 0, {-8.7f, 0}, {-8.1f, 0}, true},
      {"ball in front, a little aside", {-10, 0}, 20, {-9, 0.8f}, {-8.4f, 0.8f}, true},
      {"ball behind my back", {-10, 0}, 180, {-9, 0}, {-8.4f, 0}, false},
      {"ball too far in front", {-10, 0}, 0, {-8.1f, 0}, {-7.5f, 0}, false},
      {"ball loose, nobody at it", {-10, 0}, 0, {-9, 0}, {-5, 0}, false},
      // Pushed along my body, the ball would roll into our goal.
      {"facing our goal in front of it", {-38, 0}, 180, {-39.3f, 0}, {-39.9f, 0}, false},
      {"facing our goal, well wide of it", {-38, 25}, 180, {-39.3f, 25}, {-39.9f, 25}, true},
      // Seen in matches: tackling a ball at the edge of their man's reach as
      // well, ours tackled nearly twice as often and stood after the misses,
      // for no fewer goals against.
      {"ball well inside his reach", {-10, 5}, 0, {-8.8f, 5}, {-8.3f, 5}, true},
      {"ball at the edge of his reach", {-10, 5}, 0, {-8.8f, 5}, {-7.9f, 5}, false},
      {"ball a step beyond his reach", {-10, 5}, 0, {-8.8f, 5}, {-7.0f, 5}, false},
  };
  for (const auto &row : rows)
  {
    Fresh();
    Me(row.me.x, row.me.y, row.facing);
    RollBall(row.ball.x, row.ball.y);
    // Seen in this cycle: a tackle needs the ball's place to its size.
    memory().GetNonConstBall()->SetTime(memory().GetTime());
    Foe(0, row.foe.x, row.foe.y, 9);
    Mate(0, -30, 20, 7);
    const ACTIONQUEUE q = Pass();
    EXPECT_EQ(row.tackles, q.command == CMD_TACKLE) << row.name;
    if (row.tackles)
    {
      EXPECT_GT(q.power, 0) << row.name;
    }
  }
}

TEST_F(DefendingTest, AfterHisTackleThePlayerIsHeldAndItsRefusedCommandsAreNoLoss)
{
  // Seen in matches: the server refused the body's commands for the nine
  // cycles after each tackle, and every one was logged as lost.
  Me(-10, 0, 0);
  RollBall(-8.7f, 0);
  memory().GetNonConstBall()->SetTime(memory().GetTime());
  Foe(0, -8.1f, 0, 9);
  const int tackled = memory().GetTime();
  ASSERT_EQ(CMD_TACKLE, Pass().command);
  EXPECT_FALSE(brain().HeldAfterTackle(tackled));
  EXPECT_TRUE(brain().HeldAfterTackle(tackled + 1));
  EXPECT_TRUE(brain().HeldAfterTackle(tackled + 10));
  EXPECT_FALSE(brain().HeldAfterTackle(tackled + 11));
  // Held, he does not tackle again, though the ball is still there.
  NextCycle();
  EXPECT_NE(CMD_TACKLE, Pass().command);
}
}

namespace
{
TEST_F(DefendingTest, AnOpponentFirstToTheBallIsMetGoalSideWhereHeTakesIt)
{
  // Seen in matches: the fastest of us ran for where a cross would have
  // rolled on to, behind the attacker who met it first, and he shot
  // unmarked from seven metres.
  Me(-40, -6, 150);
  RollBall(-47, 8, CVector(0, -2.0f));
  const CPlayer *foe = Foe(0, -47.5f, 0, 9);
  const ACTIONQUEUE q = Pass();
  ASSERT_EQ(AS_CHASE_BALL, brain().GetActionState());
  ASSERT_TRUE(q.command == CMD_DASH || q.command == CMD_TURN);
  const CVector meets = brain().InterceptionPoint(foe, 100);
  const CVector goalSide = brain().PointInBetween(meets, CVector(-52.5f, 0), 1);
  EXPECT_LT(HeadingOff(q, goalSide), 12);
  // Where the ball would have rolled for me lies well off that heading.
  EXPECT_GT(HeadingOff(q, brain().MyInterceptionPoint()), 20);
}
}

namespace
{
TEST_F(DefendingTest, TheRunToMeetTheirManRunsOnWhileItsHeadingPassesTheSpotWithinReach)
{
  // Seen in matches: running to meet their man, the one of us sent there
  // turned in two commands of five, 20-30 degrees at a time, while the spot
  // shifted with each sighting; he came to him two to four metres behind.
  const struct
  {
    const char *name;
    Placed me;
    float off;
    bool runsOn;
  } rows[] = {
      {"heading a little off the spot, within his reach", {-42, -6}, 9, true},
      {"heading a little off, the other side", {-42, -6}, -9, true},
      {"heading well off the spot", {-42, -6}, 25, false},
  };
  for (const auto &row : rows)
  {
    // The way to the spot: where the agent turns to from a heading far off it.
    const auto world = [&](float facing) {
      Fresh();
      Me(row.me.x, row.me.y, facing);
      RollBall(-47, 8, CVector(0, -2.0f));
      Foe(0, -47.5f, 0, 9);
      return Pass();
    };
    const ACTIONQUEUE aim = world(-90);
    ASSERT_EQ(AS_CHASE_BALL, brain().GetActionState()) << row.name;
    ASSERT_EQ(CMD_TURN, aim.command) << row.name;
    const float toSpot = Heading(aim);
    const ACTIONQUEUE q = world(Norm(toSpot + row.off));
    ASSERT_EQ(AS_CHASE_BALL, brain().GetActionState()) << row.name;
    if (row.runsOn)
    {
      EXPECT_EQ(CMD_DASH, q.command) << row.name;
      EXPECT_GT(q.power, 50) << row.name;
    }
    else
    {
      EXPECT_EQ(CMD_TURN, q.command) << row.name;
      EXPECT_LT(std::fabs(Norm(Heading(q) - toSpot)), 3) << row.name;
    }
  }
}
}

namespace
{
TEST_F(DefendingTest, ThePresserWhoCannotGetAheadOfTheDribblerRunsAtTheBall)
{
  // Seen in matches: their winger dribbled down our wing from the halfway
  // line to our goal line with the presser running beside him four to six
  // metres off, for a spot ahead of him that moved on as fast as he came.
  const struct
  {
    const char *name;
    Placed me;
    bool atTheBall;
  } rows[] = {
      {"behind him, four metres off", {-33.5f, 18.4f}, true},
      {"beside him, five metres off", {-37, 23.5f}, true},
      // Far off, the run to get ahead of him stays.
      {"behind him, far", {-26, 22}, false},
  };
  const CVector ball(-38.3f, 18.3f);
  for (const auto &row : rows)
  {
    Fresh();
    Me(row.me.x, row.me.y, 200);
    RollBall(ball.GetX(), ball.GetY(), CVector(-0.6f, -0.3f));
    const CPlayer *foe = Foe(0, -37.8f, 18.6f, 4);
    Mate(0, -20, -10, 7);
    const ACTIONQUEUE q = Pass();
    ASSERT_EQ(AS_DEFENSE_ACTIVE, brain().GetActionState()) << row.name;
    CVector cut;
    ASSERT_FALSE(brain().CutOffPoint(foe, cut)) << row.name;
    ASSERT_TRUE(q.command == CMD_DASH || q.command == CMD_TURN) << row.name;
    // At the ball: heading for it or a little ahead of it on its way; the
    // overrun spot lies metres down his way to our goal, well off that.
    const float offBall = HeadingOff(q, ball + CVector(-1.5f, -0.75f));
    if (row.atTheBall)
    {
      EXPECT_LT(offBall, 20) << row.name;
    }
    else
    {
      EXPECT_GT(offBall, 20) << row.name;
    }
  }
}
}

namespace
{
TEST_F(DefendingTest, ThePresserRunsOnAtACarrierWhoHoldsTheBallWhileHisHeadingPassesWithinReach)
{
  // Seen in matches: their striker held the ball at his feet for eight
  // cycles, playing it from side to side; the two of us three and four
  // metres off turned after it in nearly every cycle and never came nearer.
  const CVector carrier(-40.6f, 8.8f);
  const CVector me(-43.5f, 6.7f);
  const float toHim = (carrier - me).GetDir();
  const struct
  {
    const char *name;
    float off;
    bool runsOn;
  } rows[] = {
      {"heading a little off him, within his reach of the ball", 12, true},
      {"heading a little off him, the other side", -12, true},
      {"heading well off him", 35, false},
  };
  for (const auto &row : rows)
  {
    Fresh();
    Me(me.GetX(), me.GetY(), toHim + row.off);
    RollBall(-40.2f, 8.9f);
    Foe(0, carrier.GetX(), carrier.GetY(), 11);
    Mate(0, -20, -10, 7);
    const ACTIONQUEUE q = Pass();
    ASSERT_EQ(AS_DEFENSE_ACTIVE, brain().GetActionState()) << row.name;
    if (row.runsOn)
    {
      EXPECT_EQ(CMD_DASH, q.command) << row.name;
      EXPECT_GT(q.power, 50) << row.name;
    }
    else
    {
      EXPECT_EQ(CMD_TURN, q.command) << row.name;
    }
  }
}
}

namespace
{
TEST_F(DefendingTest, AwayFromOurGoalATacklePushingTheBallToTheirNextManIsNotTaken)
{
  // Seen in matches: three of our tackles in four gave the ball to their
  // side, most of them rolling along the tackler's body straight to their
  // next man, with our tackler standing for ten cycles after.
  const struct
  {
    const char *name;
    Placed me, ball, carrier, other;
    bool mateAhead;
    bool tackles;
  } rows[] = {
      {"in midfield, their man on the push's way", {-10, 0}, {-8.7f, 0}, {-8.1f, 0}, {6, 0}, false,
       false},
      {"in midfield, one of ours gets there first", {-10, 0}, {-8.7f, 0}, {-8.1f, 0}, {6, 0}, true,
       true},
      {"in midfield, their man far off the push's way", {-10, 0}, {-8.7f, 0}, {-8.1f, 0}, {6, 20},
       false, true},
      {"up the pitch, pushed over their goal line", {15, 20}, {16.3f, 20}, {16.9f, 20}, {0, -30},
       false, false},
      // A shot away from our goal, any ball off the carrier is a clearance.
      {"near our goal, their man on the push's way", {-40, 10}, {-38.7f, 10}, {-38.1f, 10},
       {-24, 10}, false, true},
  };
  for (const auto &row : rows)
  {
    Fresh();
    Me(row.me.x, row.me.y, 0);
    RollBall(row.ball.x, row.ball.y);
    memory().GetNonConstBall()->SetTime(memory().GetTime());
    Foe(0, row.carrier.x, row.carrier.y, 9);
    Foe(1, row.other.x, row.other.y, 10);
    Mate(0, -30, 20, 7);
    if (row.mateAhead)
      Mate(1, row.ball.x + 6.5f, row.ball.y + 1, 8);
    const ACTIONQUEUE q = Pass();
    EXPECT_EQ(row.tackles, q.command == CMD_TACKLE) << row.name;
  }
}

TEST(TacklePushTest, TheBallGoesAlongTheBodyWeakerFurtherRoundAndNoFasterThanABallMay)
{
  const TacklePush push{100, 0.027f, 3.0f};
  const struct
  {
    const char *name;
    CVector inBody, motion;
    float facing;
    CVector velocity;
  } rows[] = {
      {"straight ahead, still: full push along the body", {1, 0}, {0, 0}, 0, {2.7f, 0}},
      {"facing up the side line", {1, 0}, {0, 0}, 90, {0, 2.7f}},
      {"square to the body: three quarters", {0, 1}, {0, 0}, 0, {2.025f, 0}},
      {"against its motion: slowed", {1, 0}, {-1, 0}, 0, {1.7f, 0}},
      {"with its motion: no faster than the most", {1, 0}, {1, 0}, 0, {3.0f, 0}},
  };
  for (const auto &row : rows)
  {
    const CVector v = TacklePushVelocity(row.inBody, row.motion, row.facing, push);
    EXPECT_NEAR(row.velocity.GetX(), v.GetX(), 0.01f) << row.name;
    EXPECT_NEAR(row.velocity.GetY(), v.GetY(), 0.01f) << row.name;
  }
}
}

namespace
{
TEST_F(DefendingTest, ASupporterOnHisCoverSpotStaysThere)
{
  // Seen in matches: the second of us, at his spot behind the presser or
  // goal-side of a man, was sent on towards his place in the formation in
  // the next cycle, and back again in the one after: he hovered two and
  // three metres off the man, who took the ball unpressed.
  const CVector ball(-10, 0);
  const CVector pressCover = ball + (CVector(-52.5f, 0) - ball).SetLength(5);
  const struct
  {
    const char *name;
    Placed me;
    Placed mate;     // one of ours nearer the ball
    Placed man;      // their man besides the carrier
    bool pressCover; // covering the presser, else a man
  } rows[] = {
      {"behind the presser", {pressCover.GetX(), pressCover.GetY() + 0.3f}, {-11.5f, 0.5f},
       {0, 30}, true},
      {"goal-side of a man", {-17.8f, 9.9f}, {-11.5f, 0.5f}, {-17, 10.2f}, false},
  };
  for (const auto &row : rows)
  {
    Fresh();
    // Facing the ball already: nothing to turn for.
    Me(row.me.x, row.me.y, (ball - CVector(row.me.x, row.me.y)).GetDir());
    RollBall(ball.GetX(), ball.GetY());
    Foe(0, -9.4f, 0, 9);
    Foe(1, row.man.x, row.man.y, 10);
    Mate(0, row.mate.x, row.mate.y, 7);
    if (!row.pressCover)
      Mate(1, -14, 1, 8);  // the cover of the press is someone else
    const ACTIONQUEUE q = Pass();
    ASSERT_EQ(AS_DEFENSE_SUPPORT, brain().GetActionState()) << row.name;
    // He stays, facing the ball: no step away, no turn for one.
    if (q.command == CMD_DASH)
    {
      EXPECT_NEAR(0, q.power, 0.01f) << row.name;
    }
    else
    {
      ASSERT_EQ(CMD_TURN, q.command) << row.name;
      EXPECT_LT(HeadingOff(q, ball), 5) << row.name;
    }
  }
}
}

namespace
{
TEST_F(DefendingTest, AtABallTheirManHasAtHisFeetAndNotSurelyInMyReachThePlayerTackles)
{
  // Seen in matches: their winger and our defender both had the ball within
  // reach; ours, not sure of it, held his kick back for a sighting and
  // turned to it, and the winger passed it back for a goal.
  const struct
  {
    const char *name;
    float conf;
    bool tackles;
  } rows[] = {
      {"seen a cycle ago, motion unknown: not sure of it", 0.95f, true},
      {"seen now: sure of it, kicked", 1, false},
  };
  for (const auto &row : rows)
  {
    Fresh();
    Me(-30, 20, 0);
    PlaceBall(-29.3f, 20);
    CBall *ball = memory().GetNonConstBall();
    ball->SetConf(row.conf);
    if (row.conf < 1)
    {
      ball->SetTime(memory().GetTime() - 1);
      ball->SetVelConf(0);
    }
    Foe(0, -28.7f, 20.2f, 7);
    Mate(0, -20, -10, 4);
    const ACTIONQUEUE q = Pass();
    EXPECT_EQ(row.tackles, q.command == CMD_TACKLE) << row.name;
  }
}
}

namespace
{
TEST_F(DefendingTest, InTheMiddleOfOurHalfTheManNearAMarkerIsTakenGoalSide)
{
  // Seen in matches: their passes in the middle of our half were received
  // with none of us within 4 m; our nearest stood on his place in the
  // formation 6-10 m off when the pass left, and the man turned and played
  // on unpressed.
  const CVector ourGoal(-52.5f, 0);
  const struct
  {
    const char *name;
    int unum;
    Placed me;
    float ballX;  // the carrier's ball, pressed and covered by two others
    bool marks;
    bool stays;   // on his spot or goal-side within a step of the man
  } rows[] = {
      {"a midfielder near the man", 6, {-12, 20}, -10, true, false},
      {"a defender near the man", 5, {-20, 19}, -10, true, false},
      {"on his spot", 6, {-16.6f, 14.3f}, -10, true, true},
      // No step after every small move of the man.
      {"goal-side within a step of him", 6, {-16.5f, 16}, -10, true, true},
      {"a step off him on his far side", 6, {-13, 13}, -10, true, false},
      {"a forward leaves him", 10, {-12, 20}, -10, false, false},
      {"ball well into their half", 6, {-12, 20}, 15, false, false},
  };
  for (const auto &row : rows)
  {
    Fresh();
    agent->SetUNum(row.unum);
    brain().SetRole();
    RollBall(row.ballX, 0);
    Foe(0, row.ballX + 0.6f, 0, 9);
    Mate(0, row.ballX - 1.5f, 0.5f, 7);
    Mate(1, row.ballX - 4, 1, 8);
    const CPlayer *man = Foe(1, -15, 15, 10);
    const CVector ball(row.ballX, 0);
    Me(row.me.x, row.me.y, (ball - CVector(row.me.x, row.me.y)).GetDir());
    const ACTIONQUEUE q = Pass();
    const CPlayer *marked = brain().OpponentIMark();
    if (!row.marks)
    {
      EXPECT_EQ(nullptr, marked) << row.name;
      continue;
    }
    ASSERT_EQ(man, marked) << row.name;
    // Goal-side of him by the built-in blocking distance.
    const CVector spot = brain().PointInBetween(man->GetGPos(), ourGoal, 2);
    if (row.stays)
    {
      // He stays, facing the ball.
      if (q.command == CMD_DASH)
      {
        EXPECT_NEAR(0, q.power, 0.01f) << row.name;
      }
      else
      {
        ASSERT_EQ(CMD_TURN, q.command) << row.name;
        EXPECT_LT(HeadingOff(q, ball), 5) << row.name;
      }
      continue;
    }
    ASSERT_TRUE(q.command == CMD_DASH || q.command == CMD_TURN) << row.name;
    EXPECT_LT(HeadingOff(q, spot), 10) << row.name;
    if (q.command == CMD_DASH)
    {
      EXPECT_GT(q.power, 50) << row.name;
    }
  }
}
}

namespace
{
TEST_F(DefendingTest, ASpotHeldInTheLastCycleIsLeftOnlyOnceItHasClearlyMoved)
{
  // Seen in matches: a place drifting with the ball a little every cycle
  // had the player turn to it, step, and turn back to the ball at every
  // drift; half the commands of our men near the ball were turns.
  const CVector ball(-10, 0);
  const CVector spot = ball + (CVector(-52.5f, 0) - ball).SetLength(5);
  const CVector drifted = spot + CVector(0, 1.9f);  // past the slack, within the held one
  const struct
  {
    const char *name;
    bool heldBefore;
    bool stays;
  } rows[] = {
      {"stood on it in the last cycle", true, true},
      {"coming to it", false, false},
  };
  for (const auto &row : rows)
  {
    Fresh();
    RollBall(ball.GetX(), ball.GetY());
    Foe(0, -9.4f, 0, 9);
    Mate(0, -11.5f, 0.5f, 7);
    if (row.heldBefore)
    {
      Me(spot.GetX(), spot.GetY(), (ball - spot).GetDir());
      Pass();
      ASSERT_EQ(AS_DEFENSE_SUPPORT, brain().GetActionState()) << row.name;
      NextCycle();
    }
    Me(drifted.GetX(), drifted.GetY(), (ball - drifted).GetDir());
    const ACTIONQUEUE q = Pass();
    ASSERT_EQ(AS_DEFENSE_SUPPORT, brain().GetActionState()) << row.name;
    const bool stood = (q.command == CMD_DASH && std::fabs(q.power) < 0.01f) ||
                       (q.command == CMD_TURN && HeadingOff(q, ball) < 5);
    EXPECT_EQ(row.stays, stood) << row.name;
    if (!row.stays)
    {
      ASSERT_TRUE(q.command == CMD_DASH || q.command == CMD_TURN) << row.name;
      EXPECT_LT(HeadingOff(q, spot), 10) << row.name;
    }
  }
}
}

namespace
{
TEST_F(DefendingTest, TheMarkerLeadsAManTheNewsOfGaveNoPaceByHisChangeOfPlace)
{
  // Seen in matches: their striker running in behind his marker was held
  // standing in a third of his sightings (the marker watched the ball, and
  // the word of him came from a team-mate who knew no pace); the marker
  // stayed by a spot the man had left. A pace from his last two places
  // leads him while it is fresh.
  const struct
  {
    const char *name;
    CVector placedPace;  // after the cycle's decay
    int placedAgo;
    bool runs;
  } rows[] = {
      {"placed a cycle ago, running at our goal", CVector(-0.4f, 0), 1, true},
      {"placed five cycles ago: the run may have turned", CVector(-0.4f, 0), 5, false},
      {"no pace from his places", CVector(0, 0), 1, false},
  };
  for (const auto &row : rows)
  {
    Fresh();
    agent->SetUNum(3);
    brain().SetRole();
    // Half a metre short of the spot he would take for the man standing.
    const MarkingArea area{CVector(-52.5f, 0), 22, 25, 2};
    const CVector spot = MarkingSpot(CVector(-36, -1), area) + CVector(0.5f, 0);
    Me(spot.GetX(), spot.GetY(), 180);
    RollBall(-46, 14);
    Foe(0, -46.4f, 14.3f, 7);
    Mate(0, -44, 12, 2);
    CPlayer *man = Foe(1, -36, -1, 11);
    man->SetVelocity(CVector(0, 0));
    man->SetPlaced(man->GetGPos(), memory().GetTime() - row.placedAgo);
    man->SetPlacedPace(row.placedPace);
    ASSERT_EQ(man, brain().OpponentIMark()) << row.name;
    // Near the spot of a man standing, the marking rule leaves the cycle
    // to the rules after it; ahead of a man running, it runs.
    EXPECT_EQ(row.runs, brain().MarkMyMan() > 0) << row.name;
  }
}
}

namespace
{
TEST_F(DefendingTest, TheMarkerInFrontOfOurGoalKeepsHisManInViewWithTheBall)
{
  // Seen in matches: the marker's neck followed the ball alone, his world
  // held their man running in at our goal as standing in most cycles of
  // the run, and the lead on the run never fired. Where one view holds
  // both, it holds both; where not, a man long unseen gets a glance while
  // the ball is far enough off.
  const struct
  {
    const char *name;
    Placed me;
    float facing;
    Placed man;
    int newsAge;
    bool manInView;
    bool ballInView;
    Placed ball = {-46, 14};
  } rows[] = {
      {"ball and man fit in one view", {-41, -3}, 90, {-37, 1}, 1, true, true},
      {"apart, his news old, ball far off", {-30, -2}, 135, {-36, -8}, 3, true, false},
      {"apart, his news old, ball near", {-30, -2}, 135, {-36, -8}, 3, false, true, {-33, 6}},
      {"apart, his news fresh", {-30, -2}, 135, {-36, -8}, 0, false, true},
  };
  for (const auto &row : rows)
  {
    CPlayer *man = MarkerOfAManInFrontOfOurGoal(row.me, row.facing, row.man);
    Body(0, 0, "normal");
    RollBall(row.ball.x, row.ball.y);
    Foe(0, row.ball.x - 0.4f, row.ball.y + 0.3f, 7);
    Mate(0, row.ball.x + 1.5f, row.ball.y + 1.5f, 2);
    man->SetVelocity(CVector(0, 0));
    man->SetTime(memory().GetTime() - row.newsAge);
    const ACTIONQUEUE looked = PassFromPlaces();
    ASSERT_EQ(man, brain().OpponentIMark()) << row.name;
    const float face = Heading(looked) + (looked.turn_neck ? looked.neck_angle : 0);
    const CVector me = memory().GetGPos();
    const float toMan = (man->GetGPos() - me).GetDir();
    const float toBall = (memory().GetNonConstBall()->GetGPos() - me).GetDir();
    const float half = memory().GetViewAngle();
    if (row.manInView)
    {
      EXPECT_LE(std::fabs(Norm(face - toMan)), half) << row.name << " face " << face;
    }
    if (row.ballInView)
    {
      EXPECT_LE(std::fabs(Norm(face - toBall)), half) << row.name << " face " << face;
    }
  }
}
}
