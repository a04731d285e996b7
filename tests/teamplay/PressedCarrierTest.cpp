// The carrier with one of theirs at him, or maybe at him: an opponent not
// seen for a cycle or two may have come that much nearer, and the ball is
// neither held nor dribbled against him but played at once.

#include <gtest/gtest.h>

#include "TeamPlayFixture.h"

namespace
{
// Our number 7 on the ball at `me`, their keeper and back line well up
// the pitch, and one opponent at `foe` last seen `unseen` cycles ago.
class PressedCarrierTest : public TeamPlayTest
{
protected:
  void Carrier(Placed me, Placed foe, int unseen)
  {
    Fresh();
    agent->SetUNum(7);
    memory().SetUNum(7);
    memory().SetGPos(CVector(me.x, me.y));
    RollBall(me.x + 0.5f, me.y);
    if (foe.x < 999)
      Foe(0, foe.x, foe.y, 8)->SetTime(memory().GetTime() - unseen);
    Foe(1, 51, 0, 1);
    Foe(2, 40, -10, 2);
    Foe(3, 40, 12, 3);
    Foe(4, 40, 0, 4);
  }
};

TEST_F(PressedCarrierTest, AnOpponentUnseenForACycleOrTwoCountsAsComingAtTheCarrier)
{
  const struct
  {
    const char *name;
    Placed foe;
    int unseen;
    bool pressed;
  } rows[] = {
      {"seen now, out of reach", {5, 0}, 0, false},
      {"seen now, at him", {2.5f, 0}, 0, true},
      {"two cycles unseen: he may be at him", {5, 0}, 2, true},
      {"behind him, a cycle unseen", {-3.8f, 0}, 1, true},
      {"long unseen far off: a few cycles' run counts at most", {7, 0}, 20, false},
      {"nobody", kNobody, 0, false},
  };
  for (const auto &row : rows)
  {
    Carrier({0, 0}, row.foe, row.unseen);
    EXPECT_EQ(row.pressed, brain().BallChoices().Pressed(3)) << row.name;
  }
}

// Held against an opponent at him, the ball was taken nearly every time,
// or played only once he was at it.
TEST_F(PressedCarrierTest, NoHoldWithOneOfTheirsMaybeAtTheCarrier)
{
  const struct
  {
    const char *name;
    Placed foe;
    int unseen;
    int held;
  } rows[] = {
      {"seen now, well off", {6, 0}, 0, 1},
      {"the same, three cycles unseen", {6, 0}, 3, 0},
      {"behind him, a cycle unseen", {-3.5f, 0.5f}, 1, 0},
      {"behind him, seen now, within reach soon", {-2.5f, 0.5f}, 0, 0},
  };
  for (const auto &row : rows)
  {
    Carrier({0, 0}, row.foe, row.unseen);
    brain().SendAllActions(-1);
    EXPECT_EQ(row.held, brain().BallChoices().HoldForAMoment()) << row.name;
  }
}

// The way of a dribble is free only of opponents who may not be beside it
// by now.
TEST_F(PressedCarrierTest, TheDribbleWayCountsAnOpponentUnseenAsComing)
{
  const struct
  {
    const char *name;
    Placed foe;
    int unseen;
    bool free;
  } rows[] = {
      {"beside the way, seen now", {0, -4.3f}, 0, true},
      {"beside the way, a cycle unseen", {0, -4.3f}, 1, true},
      {"beside the way, two cycles unseen", {0, -4.3f}, 2, false},
      {"behind, seen now", {-3, 0}, 0, true},
      {"behind, a cycle unseen", {-3, 0}, 1, false},
  };
  for (const auto &row : rows)
  {
    Carrier({0, 0}, row.foe, row.unseen);
    EXPECT_EQ(row.free, brain().CanDribbleTo(CVector(10, 0))) << row.name;
  }
}

// The zone plays ask the one question: an opponent maybe at the carrier
// stops a run with the ball or a hold; the ball is played on at once.
TEST_F(PressedCarrierTest, AnOpponentMaybeAtTheCarrierStopsARunWithTheBall)
{
  const struct
  {
    const char *name;
    Placed foe;
    int unseen;
    bool runs;
  } rows[] = {
      {"nobody near: the run", kNobody, 0, true},
      {"one 4.3 m behind, seen now: still the run", {5.7f, 0}, 0, true},
      {"the same, two cycles unseen: played on", {5.7f, 0}, 2, false},
  };
  for (const auto &row : rows)
  {
    Carrier({10, 0}, row.foe, row.unseen);
    Mate(0, 8, 13, 9);
    Pass();
    ASSERT_EQ(AS_WITH_BALL, brain().GetActionState()) << row.name;
    const BallPlay play = brain().GetBallPlay();
    EXPECT_EQ(row.runs, play == BP_DRIBBLE || play == BP_HOLD) << row.name << " " << play;
    EXPECT_NE(BP_NONE, play) << row.name;
  }
}
}  // namespace

namespace
{
// The carrier who bumped into the ball, or into the opponent at him, still
// plays it in that cycle: he turned with it at his feet, and the opponent
// coming in took it.
TEST_F(PressedCarrierTest, AfterABumpTheBallAtHisFeetIsPlayedAtOnce)
{
  const struct
  {
    const char *name;
    Placed foe;
    float ball;  // ahead of him, seen a cycle ago
    bool kicks;
  } rows[] = {
      {"one of theirs coming, the ball at his feet", {3.5f, 1.5f}, 0.4f, true},
      {"nobody near, the ball at his feet", kNobody, 0.45f, true},
      {"the ball at the edge of his reach: gone for", {3.5f, 1.5f}, 0.8f, false},
  };
  for (const auto &row : rows)
  {
    Carrier({10, 0}, row.foe, 0);
    RollBall(10 + row.ball, 0);
    CBall *ball = memory().GetNonConstBall();
    ball->SetTime(memory().GetTime() - 1);
    ball->SetConf(0.89f);
    brain().SetLastCollisionTime(memory().GetTime());
    const ACTIONQUEUE q = Pass();
    ASSERT_EQ(AS_WITH_BALL, brain().GetActionState()) << row.name;
    EXPECT_EQ(row.kicks, q.command == CMD_KICK) << row.name << " " << q.command;
  }
}
}  // namespace
