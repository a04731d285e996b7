// Our forwards and their offside line: a forward's place beyond it is
// brought back to it, and a player standing beyond it steps back onside
// however much slack his place has.

#include <gtest/gtest.h>

#include "TeamPlayFixture.h"

namespace
{
class TheirLineTest : public TeamPlayTest
{
protected:
  // Number 10, a forward, at me; their goalkeeper and last defender make
  // the offside line at 20 (our reckoning keeps a little short of it).
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

// A formation's place for a forward 20 m ahead of the ball lay beyond
// their line while they had it in midfield, and he stood offside there.
TEST_F(TheirLineTest, AForwardsPlaceBeyondTheirLineIsBroughtBackToIt)
{
  const struct
  {
    const char *name;
    float placeX, expectedX;
  } rows[] = {
      {"his place 10 m beyond their line: at it", 30, 19},
      {"his place just beyond it: at it", 20.5f, 19},
      {"his place onside and near: kept", 18, 19},
  };
  for (const auto &row : rows)
  {
    ForwardAt(CVector(15, -10), {5, 0});
    Foe(2, 5.5f, 0, 7);
    Pass();
    const float line = brain().TheirOffsideX();
    const CVector place = brain().UpAtTheirLine(CVector(row.placeX, -10));
    EXPECT_NEAR(row.expectedX, place.GetX(), 1.1f) << row.name;
    EXPECT_LT(place.GetX(), line) << row.name;
    EXPECT_NEAR(-10, place.GetY(), 0.01f) << row.name;
  }
}

// 25-30 m from the ball the slack of a place is 3-4 m: a forward at his
// place a metre behind their line held it 2-3 m beyond the line, a third
// of the time our ball was 30-52 m from their goal.
TEST_F(TheirLineTest, APlayerBeyondTheirLineStepsBackWhateverHisPlacesSlack)
{
  const struct
  {
    const char *name;
    float meX;
    const char *call;
    bool moves;
  } rows[] = {
      {"2 m beyond their line, his place 1 m short of it", 21.5f, "play_on", true},
      {"just beyond it", 20.4f, "play_on", true},
      {"onside within the slack: holds", 18.5f, "play_on", false},
      // Before a kick-off nobody is offside.
      {"beyond it while the ball is dead", 21.5f, "before_kick_off", false},
  };
  for (const auto &row : rows)
  {
    ForwardAt(CVector(row.meX, -10), {-5, 0});
    Referee(row.call);
    Pass();
    brain().SendAllActions(-1);
    const float line = brain().TheirOffsideX();
    ASSERT_GT(line, 18.5f) << row.name;
    ASSERT_LT(line, 20.5f) << row.name;
    const int moved = brain().GoToPlace(CVector(line - 1, -10), 40);
    EXPECT_EQ(row.moves, moved == 1) << row.name;
    // Backing onto the line, facing the play, as hard as he may: at a
    // place's pace their line stepping up left him behind it.
    if (row.moves)
    {
      const ACTIONQUEUE q = brain().GetQueue();
      EXPECT_EQ(CMD_DASH, q.command) << row.name;
      EXPECT_LT(q.power, -90) << row.name;
    }
  }
}

// In play, the whole pass: a forward 2 m beyond their line while our
// team-mate has the ball in midfield goes back onside, not to a turn
// towards the ball where he stands.
TEST_F(TheirLineTest, WithOurBallAForwardBeyondTheirLineGoesBackOnside)
{
  ForwardAt(CVector(22, -8), {-3, 0});
  Mate(0, -3.5f, 0, 7);
  const ACTIONQUEUE q = Pass();
  ASSERT_EQ(AS_OFFENSE_POSITION, brain().GetActionState());
  // A step back: a backward dash, or a turn to face the way back.
  const bool backDash = q.command == CMD_DASH && q.power < 0;
  const bool turnBack = q.command == CMD_TURN;
  EXPECT_TRUE(backDash || turnBack) << q.command << " " << q.power;
  if (turnBack)
  {
    brain().SendAllActions(-1);
    EXPECT_EQ(1, brain().GoToPlace(CVector(brain().TheirOffsideX() - 1, -8), 40));
  }
}
}  // namespace

// With our man on the ball 20 m short of their line and nobody of theirs
// at him, a forward within his place's slack stood 2-3 m short of the line,
// too far back for any ball behind it: he goes up to his place at the
// line. Without that ball on, the slack holds him as before.
TEST_F(TheirLineTest, AForwardGoesUpToTheLineWhileOurManCouldPlayTheBallBehindIt)
{
  const struct
  {
    const char *name;
    Placed holder;  // our man on the ball, which lies half a metre ahead of him
    Placed foe;     // x 999: none
    float meX, placeX;
    bool moves;
  } rows[] = {
      {"our man free on the ball 20 m short of their line", {0, 0}, {999, 0}, 17.2f, 19, true},
      {"one of theirs at the ball", {0, 0}, {1, 0.3f}, 17.2f, 19, false},
      {"their line out of reach of the ball", {-15, 0}, {999, 0}, 17.2f, 19, false},
      {"nobody of ours on the ball", {999, 0}, {999, 0}, 17.2f, 19, false},
      {"his place well short of their line", {0, 0}, {999, 0}, 13.2f, 15, false},
  };
  for (const auto &row : rows)
  {
    ForwardAt(CVector(row.meX, -10), {row.holder.x < 999 ? row.holder.x + 0.5f : 0.5f, 0});
    if (row.holder.x < 999)
      Mate(0, row.holder.x, row.holder.y, 7);
    if (row.foe.x < 999)
      Foe(2, row.foe.x, row.foe.y, 7);
    Pass();
    brain().SendAllActions(-1);
    const int moved = brain().GoToPlace(CVector(row.placeX, -10), 40);
    EXPECT_EQ(row.moves, moved == 1) << row.name;
  }
}

// A long ball into room for a team-mate standing beyond their line was
// called offside once he got to it: it goes down the emptier wing instead.
// Onside, the same man still gets it.
TEST_F(TheirLineTest, ALongBallIntoRoomIsForATeamMateOnsideOnly)
{
  const struct
  {
    const char *name;
    float lineX;  // their last defender's x, out on the right wing
    float lowDir, highDir;
  } rows[] = {
      {"the marked team-mate onside", 30, -45, -5},
      {"the marked team-mate offside", 11, 25, 45},
  };
  for (const auto &row : rows)
  {
    Fresh();
    memory().SetGPos(CVector(0, 1));
    RollBall(0.5f, 1);
    // Up the right with one of theirs at his side: no pass reaches him.
    Others({14, -12}, {12.5f, -11});
    Foe(0, 51, 0, 1);
    Foe(1, row.lineX, -25, 2);
    ExpectLongBallBetween(row.lowDir, row.highDir, row.name);
  }
}
