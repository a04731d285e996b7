// The receiver of an announced pass, stepped with the shipped server.conf
// motion model: he gets onto the ball's way, where the ball comes to him
// well inside his reach, without running into him. (Standing on the line
// is not enough: a fast ball's places a cycle apart may straddle him, both
// at the edge of his reach.)

#include <gtest/gtest.h>

#include <algorithm>

#include "ServerModel.h"

namespace
{
using PassReceiverTest = ServerModelRig;

TEST_F(PassReceiverTest, TheBallComesWellInsideHisReach)
{
  // Number 4 kicked the ball from (-26.5, 29.7) along the touch line, fast;
  // this agent, number 9, waits near its way, this far to the side of it.
  const struct
  {
    float side, facing;
  } rows[] = {{0, 180}, {0.6f, 180}, {1.0f, 180}, {-1.0f, 180}, {1.6f, 180}, {-2.0f, 180},
              {0.8f, 0}, {-1.2f, 90}};
  for (const auto &row : rows)
  {
    NewBrain();
    agent->SetTime(444);
    Referee("play_on");
    brain->DetermineEnvState(PM_PLAY_ON, PM_PLAY_ON);
    Place(CVector(-10.2f, 29.4f + row.side), row.facing);
    Ball(CVector(-26.5f, 29.7f), CVector(2.85f, -0.11f));
    brain->HearPass(4, 444, 9, CVector(-10.2f, 29.4f));
    float closest = 99;
    bool watching = true;
    for (int t = 0; t < 14; t++)
    {
      brain->SetActionState(AS_OFFENSE_POSITION);
      brain->NotePassEnd();
      // Once the ball is in his reach the pass is his and the play with
      // the ball takes over; here he stands, and the ball rolls by.
      watching = watching && brain->WatchPass();
      Step();
      closest = std::min(closest, BallDist());
      EXPECT_GT(BallDist(), Param("player_size") + Param("ball_size")) << row.side << " " << t;
      brain->SendAllActions(-1);
    }
    // The middle of the reach, give or take a few tenths of a sighting.
    EXPECT_LT(closest, Param("player_size") + Param("ball_size") + Param("kickable_margin") - 0.2f)
        << "side " << row.side << " facing " << row.facing;
  }
}

}  // namespace
