// Taking a ball already near the body: the chosen dash, stepped with the
// shipped server.conf motion model, leaves the ball kickable and the body
// clear of it; and the chase that would run through such a ball takes it
// this way instead.

#include <gtest/gtest.h>

#include "ServerModel.h"

namespace
{
class CloseBallTest : public ServerModelRig
{
protected:
  // The server's own limits, from the shipped server.conf.
  float Reach() { return Param("player_size") + Param("ball_size") + Param("kickable_margin"); }
  float Touch() { return Param("player_size") + Param("ball_size"); }
};

TEST_F(CloseBallTest, TheDashLeavesTheBallKickableAndOffTheBody)
{
  // The agent at the origin facing along x; the ball about it, still or
  // rolling.
  const struct
  {
    const char *name;
    CVector ball, ballVel;
    CVector myVel;
  } rows[] = {
      {"ahead, in reach", CVector(0.9f, 0.1f), CVector(), CVector()},
      {"ahead, a step away", CVector(1.5f, 0), CVector(), CVector()},
      {"ahead, while running at it", CVector(1.2f, 0.2f), CVector(), CVector(0.6f, 0)},
      {"beside", CVector(0.1f, 0.8f), CVector(), CVector()},
      {"beside, a little ahead", CVector(0.7f, -0.9f), CVector(), CVector()},
      {"behind", CVector(-0.9f, 0.3f), CVector(), CVector()},
      {"behind, out of reach", CVector(-1.4f, 0), CVector(), CVector()},
      {"rolling towards, slowly", CVector(2, 0.1f), CVector(-0.9f, 0), CVector()},
      {"rolling towards, fast", CVector(1.6f, 0.1f), CVector(-1.3f, 0), CVector()},
      {"rolling away", CVector(0.5f, 0), CVector(0.8f, 0), CVector()},
      {"rolling across", CVector(0.6f, -1.2f), CVector(0, 0.8f), CVector()},
      {"onto the body from behind", CVector(-1.2f, 0), CVector(1.1f, 0), CVector()},
  };
  for (const auto &row : rows)
  {
    agent->SetTime(42);
    Place(CVector(), 0, row.myVel);
    Ball(row.ball, row.ballVel);
    brain->SendAllActions(-1);
    ASSERT_EQ(1, brain->CloseBallInterception()) << row.name;
    ASSERT_EQ(CMD_DASH, Queue().command) << row.name;
    const float power = Queue().power;
    EXPECT_GE(power, -100) << row.name;
    EXPECT_LE(power, 100) << row.name;
    Step();
    EXPECT_LE(BallDist(), Reach()) << row.name << " dash " << power;
    EXPECT_GT(BallDist(), Touch()) << row.name << " dash " << power;
  }
  // Beyond one dash's reach, nothing is queued.
  const struct
  {
    CVector ball, ballVel;
  } none[] = {{CVector(3, 0), CVector()}, {CVector(0, 2.5f), CVector()}, {CVector(-2.5f, 0), CVector(-1, 0)}};
  for (const auto &row : none)
  {
    agent->SetTime(43);
    Place(CVector(), 0);
    Ball(row.ball, row.ballVel);
    brain->SendAllActions(-1);
    EXPECT_EQ(0, brain->CloseBallInterception()) << row.ball.GetX() << " " << row.ball.GetY();
    EXPECT_NE(CMD_DASH, Queue().command);
  }
}

TEST_F(CloseBallTest, TheChaseNeverRunsThroughTheBall)
{
  // The chaser runs at a ball that comes towards him, or lies just ahead
  // of a full-speed run: each cycle stepped with the server's model, the
  // ball never touches the body, and it ends in reach.
  const struct
  {
    const char *name;
    CVector ball, ballVel, myVel;
  } rows[] = {
      {"a ball rolling at the chaser", CVector(4, 0.2f), CVector(-1.2f, 0), CVector(0.5f, 0)},
      {"a still ball ahead of a fast run", CVector(1.9f, 0.1f), CVector(), CVector(0.9f, 0)},
      {"a slow ball ahead of a fast run", CVector(1.7f, -0.2f), CVector(0.3f, 0), CVector(1.0f, 0)},
  };
  for (const auto &row : rows)
  {
    agent->SetTime(60);
    Place(CVector(), 0, row.myVel);
    Ball(row.ball, row.ballVel);
    bool reached = false;
    for (int t = 0; t < 6 && !reached; t++)
    {
      brain->SetActionState(AS_CHASE_BALL);
      brain->ChaseBall();
      Step();
      EXPECT_GT(BallDist(), Touch()) << row.name << " cycle " << t;
      reached = BallDist() <= Reach();
      brain->SendAllActions(-1);
    }
    EXPECT_TRUE(reached) << row.name;
  }
}

}  // namespace
