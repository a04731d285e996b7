// Our players and their offside line (at 20 here): places beyond it, the
// slack that held forwards off it, and balls for a man beyond it.

#include <gtest/gtest.h>

#include "TeamPlayFixture.h"

namespace
{
class TheirLineTest : public TeamPlayTest
{
protected:
  // Number 10, a forward, at me; their keeper and last defender at 21.
  void ForwardAt(CVector me, Placed ball)
  {
    Fresh();
    agent->SetUNum(10);
    memory().SetUNum(10);
    memory().SetGPos(me);
    RollBall(ball.x, ball.y);
    Foe(0, 51, 0, 1);
    Foe(1, 21, -25, 2);
  }
};

// Forwards stood 2-3 m beyond their line a third of the time our ball was
// 30-52 m from their goal: a formation's place beyond it was kept, and a
// place's slack 25 m from the ball is 3-4 m. Short of it, the slack left
// them too far back for a ball behind it.
TEST_F(TheirLineTest, APlaceAtTheirLineHoldsAForwardOnsideAndUpToIt)
{
  ForwardAt(CVector(15, -10), {5, 0});
  Pass();
  EXPECT_NEAR(19, brain().UpAtTheirLine(CVector(30, -10)).GetX(), 0.01f);
  const struct
  {
    const char *name;
    float meX;
    const char *call;
    Placed holder, foe;  // x 999: none
    bool moves;
  } rows[] = {
      {"2 m beyond the line", 21.5f, "play_on", kNobody, kNobody, true},
      {"beyond it, the ball dead", 21.5f, "before_kick_off", kNobody, kNobody, false},
      {"onside in the slack, nobody of ours on the ball", 18.2f, "play_on", kNobody, kNobody, false},
      {"onside in the slack, our man free on the ball", 17.2f, "play_on", {0, 0}, kNobody, true},
      {"the same, one of theirs at the ball", 17.2f, "play_on", {0, 0}, {1, 0.3f}, false},
  };
  for (const auto &row : rows)
  {
    ForwardAt(CVector(row.meX, -10), {row.holder.x < 999 ? row.holder.x + 0.5f : -5, 0});
    Referee(row.call);
    if (row.holder.x < 999)
      Mate(0, row.holder.x, row.holder.y, 7);
    if (row.foe.x < 999)
      Foe(2, row.foe.x, row.foe.y, 7);
    Pass();
    brain().SendAllActions(-1);
    EXPECT_EQ(row.moves, brain().GoToPlace(CVector(19, -10), 40) == 1) << row.name;
    // Backing onside as hard as he may: at a place's pace their line
    // stepping up left him beyond it.
    if (row.moves && row.meX > 20)
    {
      EXPECT_LT(brain().GetQueue().power, -90) << row.name;
    }
  }
}

// A long ball into room for a man beyond their line was called offside
// when he got to it: it goes down the emptier wing instead.
TEST_F(TheirLineTest, ALongBallIntoRoomIsForATeamMateOnsideOnly)
{
  for (const float lineX : {30.0f, 11.0f})
  {
    Fresh();
    memory().SetGPos(CVector(0, 1));
    RollBall(0.5f, 1);
    // Up the right with one of theirs at his side: no pass reaches him.
    Others({14, -12}, {12.5f, -11});
    Foe(0, 51, 0, 1);
    Foe(1, lineX, -25, 2);
    if (lineX > 14)
      ExpectLongBallBetween(-45, -5, "onside");
    else
      ExpectLongBallBetween(25, 45, "offside");
  }
}

// Caught beyond their line as it stepped up, forwards walked to their
// places a few metres behind and aside: every step of the line moved the
// place off their heading and they turned in half their commands, coming
// back a third of a metre a cycle. Straight back is run or backed along,
// whatever the place's side and whoever of theirs comes the other way;
// only side on does he turn, and then towards our goal.
TEST_F(TheirLineTest, AForwardBeyondTheirLineGetsBackStraightAway)
{
  const struct
  {
    const char *name;
    float body;
    Placed foe;  // x 999: none
    CMDType command;
    float sign;  // of the dash's power, or of the turn
  } rows[] = {
      {"facing back, the place behind and aside", 160, kNobody, CMD_DASH, 1},
      {"facing back, their man stepping up in his way", 175, {21.5f, -10.5f}, CMD_DASH, 1},
      {"facing their goal, the place behind and aside", 20, kNobody, CMD_DASH, -1},
      {"side on, facing the touch line", 90, kNobody, CMD_TURN, 1},
  };
  for (const auto &row : rows)
  {
    ForwardAt(CVector(24, -10), {5, 0});
    memory().SetBFacing(row.body);
    if (row.foe.x < 999)
      Foe(2, row.foe.x, row.foe.y, 7);
    Pass();
    brain().SendAllActions(-1);
    ASSERT_EQ(1, brain().GoToPlace(CVector(19, -4), 40)) << row.name;
    const ACTIONQUEUE queued = brain().GetQueue();
    EXPECT_EQ(row.command, queued.command) << row.name;
    if (row.command == CMD_DASH)
      EXPECT_GT(row.sign * queued.power, 90) << row.name;
    else
      EXPECT_GT(row.sign * queued.angle, 0) << row.name;
  }
}
}  // namespace
