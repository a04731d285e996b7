// Pressing on scripted worlds: who of us meets their man as their pass
// comes to him, and how the one nearest him goes at him once he has it.
// Each table is a situation matches showed going wrong: the receiver
// taking the ball with our nearest 5-10 m off while another of us ran for
// the ball's path behind him.

#include <gtest/gtest.h>

#include <cmath>

#include "../brain/BrainWorldFixture.h"

namespace
{
class PressingTest : public BrainWorldTest
{
protected:
  void SetUp() override
  {
    BrainWorldTest::SetUp();
    Referee("play_on");
  }

  ACTIONQUEUE Pass() { return PassFromPlaces(); }

  void Me(CVector at, float facing)
  {
    memory().SetGPos(at);
    memory().SetBFacing(facing);
  }

  static float Norm(float a) { return std::remainder(a, 360.0f); }

  // The angle between the heading the bundle gives and the way to a point.
  float HeadingOff(const ACTIONQUEUE &q, CVector to)
  {
    const float heading =
        q.command == CMD_TURN ? Norm(memory().GetBFacing() + q.angle) : memory().GetBFacing();
    return std::fabs(Norm(heading - (to - memory().GetGPos()).GetDir()));
  }
};

// Their pass rolls up our half to their man coming back for it; one of us
// may stand on the ball's path beyond him, another a few metres goal-side
// of him, a third well behind the play.
const CVector kBallAt(-30, 0);
const CVector kBallRun(1.6f, 0);
const CVector kReceiver(-22, 0.5f);
const CVector kOnThePath(-12, 0.5f);
const CVector kNearHim(-29, 8);
const CVector kBehind(-40, -15);

TEST_F(PressingTest, TheOneOfUsNearestTheirReceiverMeetsHimGoalSideBesidesTheOneOnTheBallsPath)
{
  const struct
  {
    const char *name;
    CVector shift;     // the whole scene moved up the pitch
    CVector me, other; // the other one of us
    int otherUNum;
    bool pathTaken;    // a third of us on the ball's path
    bool chasedBefore; // I ran in the last cycle
    float otherCloser; // the other stands this much nearer the spot than I
    bool iRun;
  } rows[] = {
      {"nearest him, another on the path", {0, 0}, kNearHim, kOnThePath, 7, false, false, 0, true},
      // The one on the path still goes for the ball, should their man miss it.
      {"on the path, another nearest him", {0, 0}, kOnThePath, kNearHim, 7, false, false, 0, true},
      {"behind the play", {0, 0}, kBehind, kNearHim, 7, true, false, 0, false},
      // Well into their half only the quickest to the ball's path runs.
      {"nearest him, taken well into their half", {45, 0}, kNearHim, kOnThePath, 7, false, false, 0, false},
      // Our goalkeeper does not leave his goal to meet a man in midfield.
      {"nearest him, our goalkeeper nearer", {0, 0}, kNearHim, kOnThePath, 1, true, false, 3, true},
      // Who runs keeps at it while another is only a little nearer.
      {"running, another a metre nearer", {0, 0}, kNearHim, kNearHim, 8, true, true, 1, true},
      {"not running, another a metre nearer", {0, 0}, kNearHim, kNearHim, 8, true, false, 1, false},
      {"running, another three metres nearer", {0, 0}, kNearHim, kNearHim, 8, true, true, 3, false},
  };
  for (const auto &row : rows)
  {
    Fresh();
    RollBall(kBallAt.GetX() + row.shift.GetX(), kBallAt.GetY(), kBallRun);
    const CPlayer *foe = Foe(0, kReceiver.GetX() + row.shift.GetX(), kReceiver.GetY(), 9);
    const CVector meets = brain().InterceptionPoint(foe, 100);
    const CVector spot = brain().PointInBetween(meets, CVector(-52.5f, 0), 1);
    const CVector mine = row.me + row.shift;
    CVector other = row.other + row.shift;
    if (row.otherCloser > 0)
      other = spot + (mine - spot).SetLength(mine.dist(spot) - row.otherCloser).Rotate(40);
    Me(mine, 0);
    Mate(0, other.GetX(), other.GetY(), row.otherUNum);
    if (row.pathTaken)
      Mate(1, kOnThePath.GetX() + row.shift.GetX(), kOnThePath.GetY(), 10);
    if (row.chasedBefore)
      brain().SetActionState(AS_CHASE_BALL);
    const ACTIONQUEUE q = Pass();
    // The scene is what it says: the one on the path gets to the ball
    // first of us.
    const CPlayer *quickest = brain().FastestFriend2Ball(true);
    const bool mineOnPath = row.me.dist(kOnThePath) < 0.1f;
    EXPECT_EQ(!mineOnPath, quickest != nullptr) << row.name;
    EXPECT_EQ(row.iRun, brain().GetActionState() == AS_CHASE_BALL) << row.name;
    if (row.iRun && !mineOnPath)
    {
      ASSERT_TRUE(q.command == CMD_DASH || q.command == CMD_TURN) << row.name;
      EXPECT_LT(HeadingOff(q, spot), 12) << row.name;
    }
  }
}
}

namespace
{
TEST_F(PressingTest, WhoRanToMeetTheirReceiverKeepsAtItWhileHeIsStillFirst)
{
  // Seen in matches: the chaser of their pass turned between the spot
  // beside their receiver and his own interception of the ball, cycle
  // after cycle, as the counts of who gets there first wavered by one.
  // Their man is first by three cycles from the first place, by one from
  // the second. In their half the chaser runs for the ball's path still.
  const struct
  {
    bool metBefore;
    float shift; // the scene moved up the pitch
    bool meets;
  } rows[] = {{true, 0, true}, {false, 0, false}, {true, 45, false}};
  for (const auto &row : rows)
  {
    Fresh();
    const CVector shift(row.shift, 0);
    if (row.metBefore)
    {
      RollBall(kBallAt.GetX() + row.shift, kBallAt.GetY(), kBallRun);
      Foe(0, kReceiver.GetX() + row.shift, kReceiver.GetY(), 9);
      Me(CVector(-18, 4) + shift, 180);
      Pass();
      memory().SetTime(memory().GetTime() + 1);
    }
    RollBall(kBallAt.GetX() + row.shift, kBallAt.GetY(), kBallRun);
    const CPlayer *foe = Foe(0, kReceiver.GetX() + row.shift, kReceiver.GetY(), 9);
    Me(CVector(-22, 4) + shift, 180);
    const ACTIONQUEUE q = Pass();
    ASSERT_EQ(AS_CHASE_BALL, brain().GetActionState()) << row.shift;
    ASSERT_EQ(brain().NumOfCyclesToIntercept(foe) + 1, brain().MyNumOfCyclesToIntercept());
    const CVector spot =
        brain().PointInBetween(brain().InterceptionPoint(foe, 100), CVector(-52.5f, 0), 1);
    // Heading for the spot beside him, or for the ball's path.
    EXPECT_EQ(row.meets, HeadingOff(q, spot) < HeadingOff(q, brain().MyInterceptionPoint()))
        << (row.metBefore ? "ran to meet him, " : "came fresh, ") << row.shift;
  }
}
}

namespace
{
// Their man has pushed the ball a few metres down our half and runs after
// it; the one of us who pressed him comes from behind his shoulder.
const CVector kDribbler(-20, 0);
const CVector kPresserBehind(-18, 4);

TEST_F(PressingTest, WhoPressedTheDribblerKeepsAtItThroughHisLongTouch)
{
  // Seen in matches: at the dribbler's long touch the presser turned to
  // chase the ball's run, or left for his place.
  const struct
  {
    const char *name;
    float ahead; // how far the ball is ahead of him
    bool pressedBefore;
    bool presses;
  } rows[] = {
      {"pressed him, ball 3.5 m ahead", 3.5f, true, true},
      {"came fresh, ball 3.5 m ahead", 3.5f, false, false},
      // A ball this far on is a pass: whoever gets to it first goes.
      {"pressed him, ball 9 m ahead", 9, true, false},
  };
  for (const auto &row : rows)
  {
    Fresh();
    RollBall(kDribbler.GetX() - row.ahead, kDribbler.GetY(), CVector(-0.9f, 0));
    const CPlayer *foe = Foe(0, kDribbler.GetX(), kDribbler.GetY(), 9);
    Me(kPresserBehind, 180);
    if (row.pressedBefore)
      brain().SetActionState(AS_DEFENSE_ACTIVE);
    Pass();
    // The scene is what it says: he is first to the ball, and it is out of
    // his reach.
    ASSERT_LT(brain().NumOfCyclesToIntercept(foe), brain().MyNumOfCyclesToIntercept()) << row.name;
    ASSERT_EQ(nullptr, brain().TheirBallCarrier()) << row.name;
    EXPECT_EQ(row.presses, brain().GetActionState() == AS_DEFENSE_ACTIVE) << row.name;
  }
}
}

namespace
{
// Their man stands with the ball about his feet in our half; the one of us
// who presses him comes from behind, some metres off.
const CVector kHolder(-20, 0);
const CVector kPresserOff(-14, 3);

TEST_F(PressingTest, ThePresserRunsAtWhereTheirManNextPlaysTheBallAndRunsOnPastHimWithinATacklesReach)
{
  // Seen in matches: the holder played the ball a metre aside, out of his
  // reach for a cycle, and the presser turned after its run far beyond
  // him; a third of the presser's commands were turns, half of them from a
  // heading that already took him within a metre and a half of their man.
  const CVector aside(-20, -1.3f), aRun(0, -0.3f), atFeet(-20, -0.5f), still(0, 0);
  const struct
  {
    const char *name;
    CVector ball, run;
    float off; // degrees between my body and the way to his touch; 180: facing up the pitch
    int command;
  } rows[] = {
      {"played aside, facing where he takes it", aside, aRun, 0, CMD_DASH},
      {"played aside, facing away", aside, aRun, 180, CMD_TURN},
      {"at his feet, passing him by a metre and a quarter", atFeet, still, 11, CMD_DASH},
      {"at his feet, passing him by two metres", atFeet, still, 17, CMD_TURN},
  };
  for (const auto &row : rows)
  {
    Fresh();
    RollBall(row.ball.GetX(), row.ball.GetY(), row.run);
    const CPlayer *foe = Foe(0, kHolder.GetX(), kHolder.GetY(), 9);
    Me(kPresserOff, 0);
    Pass();
    const CVector touch =
        brain().BallKickableForPlayer(foe, 0) ? kHolder : brain().InterceptionPoint(foe, 100);
    // The scene is what it says: a ball played aside puts his touch and my
    // own interception of it apart as seen from me.
    const auto dir = [](CVector to) { return (to - kPresserOff).GetDir(); };
    if (row.run.GetY() != 0)
    {
      ASSERT_GT(std::fabs(Norm(dir(brain().MyInterceptionPoint()) - dir(touch))), 4) << row.name;
    }
    Fresh();
    RollBall(row.ball.GetX(), row.ball.GetY(), row.run);
    Foe(0, kHolder.GetX(), kHolder.GetY(), 9);
    Me(kPresserOff, row.off == 180 ? 0 : dir(touch) + row.off);
    const ACTIONQUEUE q = Pass();
    ASSERT_EQ(AS_DEFENSE_ACTIVE, brain().GetActionState()) << row.name;
    EXPECT_EQ(row.command, q.command) << row.name;
    if (q.command == CMD_TURN)
    {
      EXPECT_LT(HeadingOff(q, touch), 2.5f) << row.name;
    }
  }
}
}

namespace
{
TEST_F(PressingTest, WithinTwoMetresOfTheHolderThePresserRunsOnWhileHisHeadingTakesHimPastWithinATacklesWidth)
{
  // Seen in matches: within two metres of their man the presser turned for
  // the ball about his feet though his heading already took him past the
  // man within a metre and a half; the man played on in that cycle.
  const CVector me(-21.6f, 0.9f);
  const CVector ball(-20, -0.7f);
  const float toHim = (kHolder - me).GetDir();
  const struct
  {
    const char *name;
    float off; // degrees between my body and the way to him, away from the ball
    int command;
  } rows[] = {
      {"passing him by half a metre, the ball beyond him", 15, CMD_DASH},
      {"passing him by more than a metre", 40, CMD_TURN},
  };
  for (const auto &row : rows)
  {
    Fresh();
    RollBall(ball.GetX(), ball.GetY());
    const CPlayer *foe = Foe(0, kHolder.GetX(), kHolder.GetY(), 9);
    Me(me, toHim + row.off);
    const ACTIONQUEUE q = Pass();
    ASSERT_EQ(AS_DEFENSE_ACTIVE, brain().GetActionState()) << row.name;
    // The scene is what it says: the ball is his, out of my reach and
    // out of a tackle's, and he is within two metres of me.
    ASSERT_TRUE(brain().BallKickableForPlayer(foe, 0)) << row.name;
    ASSERT_GT(me.dist(ball), 2) << row.name;
    ASSERT_LT(me.dist(kHolder), 2) << row.name;
    EXPECT_EQ(row.command, q.command) << row.name;
    if (q.command == CMD_DASH)
    {
      EXPECT_GT(q.power, 50) << row.name;
    }
  }
}
}
