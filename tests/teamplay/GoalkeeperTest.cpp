// The goalkeeper on scripted worlds: where it stands for the ball, when it
// catches, and how far it beats a ball to its path.

#include <gtest/gtest.h>

#include <cmath>

#include "../skills/ServerModel.h"

namespace
{
// The shipped server's values (the rig's configuration), so that the
// stepped model below is the server's and not the brain's own reading.
const float kPlayerDecay = 0.4f;
const float kPlayerSpeedMax = 1.05f;
const float kDashPowerRate = 0.006f;
const float kCatchLength = 1.2f;
const int kCyclesToKick = 3;

class GoalkeeperTest : public ServerModelRig
{
protected:
  void SetUp() override
  {
    ServerModelRig::SetUp();
    agent->SetUNum(1);
  }

  void Pass() { brain->PlayAsGoalKeeper(PM_PLAY_ON, PM_PLAY_ON); }
};

TEST_F(GoalkeeperTest, DesiredPositionBetweenBallAndGoal)
{
  const struct
  {
    const char *what;
    CVector ball, expected;
  } rows[] = {
      // Far out: in the middle, 1 + 11.375 * (52.5 - 15) / 63.75 m out.
      {"centre spot", CVector(0, 0), CVector(-52.5f + 7.691f, 0)},
      {"their goal", CVector(52.5f, 10), CVector(-52.5f + 12.375f, 0)},
      // On the line to the near post, kept between the posts.
      {"our corner flag", CVector(-52.5f, 34), CVector(-51.5f, 6.01f)},
      // Wide of a post and near it: the post is guarded; in front of it,
      // on the bisector of the goal's angle, 1 m out.
      {"beside the left post", CVector(-49, 8), CVector(-51.5f, 6.01f)},
      {"before the left post", CVector(-45, 5), CVector(-51.5f, 2.41f)},
      // Seen in a match: from 3 m off our goal line, out wide, the goal is
      // seen in a cone a few degrees wide running along the line; put back
      // to 1 m out across it he stood a metre outside it, and the shot went
      // in at the near post behind him. Along the line he meets the post.
      {"wide of the area by the goal line", CVector(-49.5f, 24), CVector(-51.5f, 6.01f)},
  };
  for (const auto &row : rows)
  {
    Ball(row.ball);
    const CVector p = brain->GoalieDesiredPosition();
    EXPECT_NEAR(row.expected.GetX(), p.GetX(), 0.05) << row.what;
    EXPECT_NEAR(row.expected.GetY(), p.GetY(), 0.05) << row.what;
  }
  // Their free kick: the free-kick distance off the line, whatever the ball.
  Referee("free_kick_r");
  Ball(CVector(-30, 0));
  EXPECT_NEAR(-49.5f, brain->GoalieDesiredPosition().GetX(), 0.05);
}

TEST_F(GoalkeeperTest, CatchesOnlyInItsAreaWithinReachAndOutOfTheBan)
{
  const struct
  {
    const char *what;
    CVector me, ball;
    int seenAgo, lastCatchAgo;
    bool catches;
  } rows[] = {
      {"straight ahead in reach", CVector(-48, 0), CVector(-47, 0), 0, 99, true},
      {"beside the body", CVector(-48, 0), CVector(-48, 1.1f), 0, 99, true},
      // On the goal line's side the area is not shrunk: a ball about to
      // cross it is the last chance to stop a shot.
      {"just short of the goal line", CVector(-52.2f, 0), CVector(-52.2f, 1.0f), 0, 99, true},
      // Seen in a match: his own place half a metre off, the goalkeeper
      // saw the ball past the line a metre from him; it was short of it.
      {"seen just past the goal line, in reach", CVector(-52.4f, 0), CVector(-52.6f, 1.0f), 0, 99, true},
      {"himself seen just past the goal line", CVector(-52.7f, 0), CVector(-52.2f, 1.0f), 0, 99, true},
      // Past the length the reach's corner is too near the edge to trust.
      {"beyond the reach", CVector(-48, 0), CVector(-46.75f, 0), 0, 99, false},
      {"behind the back out of the turned reach", CVector(-48, 0), CVector(-49.1f, 0), 0, 99, false},
      {"ball outside the area", CVector(-36.8f, 0), CVector(-35.8f, 0), 0, 99, false},
      {"seen too long ago", CVector(-48, 0), CVector(-47, 0), 3, 99, false},
      {"within the ban", CVector(-48, 0), CVector(-47, 0), 0, 5, false},
      {"just after the ban", CVector(-48, 0), CVector(-47, 0), 0, 6, true},
  };
  for (const auto &row : rows)
  {
    NewBrain();
    Place(row.me, 0);
    Ball(row.ball);
    agent->M2BReadNonConstBall()->SetTime(42 - row.seenAgo);
    if (row.lastCatchAgo < 99)
    {
      // The ban counts from the goalkeeper's own catch.
      agent->SetTime(42 - row.lastCatchAgo);
      EXPECT_EQ(1, brain->GoalieCatchBall());
      agent->SetTime(42);
      brain->SendAllActions(-1);
    }
    Pass();
    const ACTIONQUEUE q = Queue();
    EXPECT_EQ(row.catches, q.command == CMD_CATCH) << row.what;
    if (row.catches)
    {
      // The hands' rectangle, turned by the direction, holds the ball.
      const CVector rel = row.ball - row.me;
      const float off = (rel.GetDir() - q.angle) / 57.2957795f;
      EXPECT_LE(std::fabs(q.angle), 90.01f) << row.what;
      EXPECT_LE(rel.GetMag() * std::cos(off), kCatchLength + 0.01f) << row.what;
      EXPECT_LE(std::fabs(rel.GetMag() * std::sin(off)), 0.51f) << row.what;
    }
  }
}

TEST_F(GoalkeeperTest, ACaughtBallIsMovedOnceAndKickedBeforeTheRefereeWouldDropIt)
{
  // With nobody to pass to it waits out the longest wait, which the
  // referee's drop ball time (100) cuts short of the configured 200.
  Place(CVector(-48, 0), 0);
  Ball(CVector(-47.5f, 0));
  Referee("goalie_catch_ball_l");
  Referee("free_kick_l");
  int moves = 0;
  int kickedAfter = 0;
  for (int t = 42; t < 142 && !kickedAfter; t++)
  {
    agent->SetTime(t);
    agent->M2BReadNonConstBall()->SetTime(t);
    brain->PlayAsGoalKeeper(t == 42 ? PM_GOALIE_CATCH_BALL : PM_FREE_KICK, PM_FREE_KICK);
    const ACTIONQUEUE q = Queue();
    if (q.command == CMD_MOVE)
    {
      moves++;
      const CVector to(static_cast<float>(q.move_x), static_cast<float>(q.move_y));
      EXPECT_TRUE(brain->InOurPenaltyArea(to));
      // Wide of the goal area, but near our goal: out at the corner of the
      // area, 22 m from the middle of the goal, a kick their side took
      // left the goal open for the 20 cycles of his run back (seen in
      // matches: two shots from 20-27 m into the empty goal).
      EXPECT_LE(to.dist(CVector(-52.5f, 0)), 12.5f);
      EXPECT_GE(std::fabs(to.GetY()), 9.16f);
    }
    if (q.command == CMD_KICK)
      kickedAfter = t - 42 + 1;
    brain->SendAllActions(-1);
  }
  EXPECT_EQ(1, moves);
  EXPECT_EQ(90, kickedAfter);
  // The kick put the ball in play; should it stay at the taker's feet, he
  // may neither kick nor catch it again before someone else touched it.
  Referee("play_on");
  agent->SetTime(42 + kickedAfter);
  agent->M2BReadNonConstBall()->SetTime(42 + kickedAfter);
  Pass();
  EXPECT_NE(CMD_KICK, Queue().command);
  EXPECT_NE(CMD_CATCH, Queue().command);
}

// The catch cycle's pass holds the world model throughout, as every pass
// does: the wait with the ball is counted in cycles, and the first move
// after the catch is queued in the catch cycle itself.
TEST_F(GoalkeeperTest, TheCatchCycleKeepsTheWorldModelAndQueuesItsMove)
{
  Place(CVector(-48, 0), 0);
  Ball(CVector(-47.5f, 0));
  Referee("goalie_catch_ball_l");
  agent->memory->Lock();
  brain->SetThinkingInProgress(true);
  Calls().Clear();
  brain->PlayAsGoalKeeper(PM_PLAY_ON, PM_GOALIE_CATCH_BALL);
  brain->SetThinkingInProgress(false);
  EXPECT_TRUE(Calls().Matching("memory.Unlock").empty());
  EXPECT_TRUE(Calls().Matching("memory.Lock").empty());
  agent->memory->Unlock();
  EXPECT_EQ(CMD_MOVE, Queue().command);
}

// The goalkeeper's run to one point, dashing flat out towards it from rest.
int RunCycles(CVector from, CVector to)
{
  const CVector way = (to - from).SetLength(1);
  CVector pos = from;
  CVector vel;
  for (int k = 0; k < 999; k++)
  {
    if (pos.dist(to) <= kCatchLength)
      return k;
    vel += way * (100 * kDashPowerRate);
    if (vel.GetMag() > kPlayerSpeedMax)
      vel = vel.SetLength(kPlayerSpeedMax);
    pos += vel;
    vel *= kPlayerDecay;
  }
  return 999;
}

TEST_F(GoalkeeperTest, BeatsTheBallByItsBestLeadAlongThePath)
{
  const struct
  {
    CVector from;
    float dir, speed;
    CVector keeper;
  } rows[] = {
      {CVector(-30, 0), 180, 2.5f, CVector(-50, 0)},
      {CVector(-20, -15), 150, 1.5f, CVector(-45, 5)},
      {CVector(-40, 0), 90, 2.0f, CVector(-50, 0)},
  };
  for (const auto &row : rows)
  {
    CPlayer *keeper = Foe(row.keeper);
    // His body unseen, he is taken to face where he runs.
    keeper->SetGBFacing(-999);
    int best = -999;
    for (int t = 1; t <= 50; t++)
    {
      const CVector ball = BallAt(row.from, Polar2CVector(row.speed, row.dir), t);
      if (std::fabs(ball.GetX()) > 52.5f || std::fabs(ball.GetY()) > 34)
        break;
      best = std::max(best, t + kCyclesToKick - RunCycles(row.keeper, ball));
    }
    EXPECT_EQ(best, brain->NumCyclesGoalieBeatsBall(row.from, row.dir, row.speed, keeper))
        << row.from.GetX() << " " << row.dir;
  }
}
}

// Cycle by cycle on the server's motion: the goalkeeper's own rules move it,
// the ball rolls on.
class GoalkeeperRunTest : public GoalkeeperTest
{
protected:
  // Up to `cycles` passes; stops at a catch. Returns the passes made.
  int Run(int cycles, bool &caught)
  {
    caught = false;
    for (int t = 0; t < cycles; t++)
    {
      agent->M2BReadNonConstBall()->SetTime(agent->GetTime());
      Pass();
      if (Queue().command == CMD_CATCH)
      {
        caught = true;
        return t + 1;
      }
      Step();
    }
    return cycles;
  }
};

// Shots from the edge of the area, each on its way in between the posts
// and passing him by metres: he gets across onto their path and catches
// them before the line.
TEST_F(GoalkeeperRunTest, GetsInTheWayOfAShotAndCatchesIt)
{
  const struct
  {
    CVector me, ball, velocity;
  } rows[] = {
      {CVector(-51, -4), CVector(-38, 3), CVector(-2.4f, -0.3f)},
      {CVector(-51, 4), CVector(-36, -6), CVector(-2.5f, 0.6f)},
      {CVector(-50, 0), CVector(-40, 12), CVector(-1.8f, -1.6f)},
  };
  for (const auto &row : rows)
  {
    NewBrain();
    agent->SetTime(42);
    Place(row.me, 0);
    Ball(row.ball, row.velocity);
    bool caught = false;
    Run(20, caught);
    EXPECT_TRUE(caught) << row.ball.GetY();
    EXPECT_GT(agent->M2BReadBall()->GetGPos().GetX(), -52.5f) << row.ball.GetY();
  }
}

// With the ball far up the field he walks to his place between ball and
// goal and turns to face the ball there.
// Within shooting distance he stands square to the ball, his steps across
// the goal dashes along the body; farther out he faces it.
TEST_F(GoalkeeperRunTest, TakesHisPlaceForTheBallAndStandsReadyForIt)
{
  const struct
  {
    CVector me, ball;
    float facing;
    float offBall;
  } rows[] = {
      {CVector(-52, 5), CVector(-20, -10), 180, 80},
      {CVector(-45, -6), CVector(10, 20), 90, 0},
      {CVector(-51, 0), CVector(-40, 25), 0, 80},
  };
  for (const auto &row : rows)
  {
    NewBrain();
    agent->SetTime(42);
    Place(row.me, row.facing);
    Ball(row.ball);
    const CVector place = brain->GoalieDesiredPosition();
    bool caught = false;
    Run(40, caught);
    EXPECT_FALSE(caught);
    EXPECT_LT(agent->GetGPos().dist(place), 1.0f) << row.ball.GetX() << " " << row.ball.GetY();
    const float toBall = (row.ball - agent->GetGPos()).GetDir();
    EXPECT_NEAR(row.offBall, std::fabs(std::remainder(toBall - agent->GetBFacing(), 360.0f)), 20)
        << row.ball.GetX() << " " << row.ball.GetY();
  }
}
